#include "trips/dialogs/entry_dialogs.h"

#include "module/catalogue.h"
#include "platform/contract/message_door.h"
#include "trips/dialogs/fuel_cheque_dialog.h"
#include "trips/dialogs/route_grid_dialog.h"
#include "trips/dialogs/route_line_dialog.h"
#include "trips/dialogs/trip_fuel_tank_dialog.h"

namespace trips {

EntryResult editRouteLine(QWidget* parent, const RouteLineRequest& request)
{
    return cards::runEntry<frmTransportTripRoute>(parent, request);
}

EntryResult editFuelCheque(QWidget* parent, const ChequeRequest& request)
{
    return cards::runEntry<frmTransportFuelCheque>(parent, request);
}

EntryResult editTripFuelTank(QWidget* parent, const FuelTankRequest& request)
{
    return cards::runEntry<frmTransportTripFuelTanks>(parent, request);
}

bool editRouteLinesInGrid(QWidget* parent, const QStringList& routeLineOidrs, const QString& currentOidr)
{
    QList<vx::VxObjectUIOPtr> lines;
    int current = 0;
    for (const QString& oidr : routeLineOidrs) {
        if (const vx::VxObjectUIOPtr line = Catalogue::GetEditor(oidr)) {
            if (oidr == currentOidr)
                current = int(lines.size());
            lines.append(line);
        }
    }
    if (lines.isEmpty())
        return false;
    frmTransportGrid dialog(parent);
    dialog.setMessageCaption(Catalogue::MessageTitle());
    // Every route line belongs to a trip sheet; a row without one cannot be saved.
    dialog.setValueField(QStringLiteral("TransportTripID"));
    dialog.setRecords(lines, current);
    vx::dialogs::run(dialog);
    return dialog.saved();
}

} // namespace trips
