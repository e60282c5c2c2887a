#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "platform/contract/vx_object_uio.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

// The modal entry dialogs a trip sheet opens for its route lines, fuel cheques
// and fuel tanks: the opener fills a request, the dialog runs through the
// module's dialog runner, and the opener reads back whether it was saved.
namespace trips {

using cards::EntryResult;

struct RouteLineRequest {
    QString routeLineOidr;      // the line to edit, or "O4000200" for a new one
    qint64 tripId = 0;          // written to TransportTripID
    qint64 routeSegmentId = 0;  // a segment to preselect on a new line; 0 none
    QString defaultDriverOidr;  // the sheet's driver, "O0001401" + ID
    QString vehicleOidr;        // the sheet's vehicle, "O4000400" + ID
    QDate tripStart;
    QString copyFromOidr;       // a new line takes date, norm and driver from it; may be empty
};

struct ChequeRequest {
    vx::VxObjectUIOPtr tripEditor; // the trip sheet's editor
    qint64 tripId = 0;
    QString chequeOidr;            // the cheque to edit, or "O4000300" for a new one
    QString copyFromOidr;          // a new cheque takes firm and fuel type from it; may be empty
    QDate tripStart;
    QDate tripEnd;                 // 2999.12.31 when the sheet has no end date
};

struct FuelTankRequest {
    QString fuelTankOidr; // the tank to edit, or "O4000700" for a new one
    qint64 tripId = 0;
    QString copyFromOidr; // a new tank takes its tank type from it; may be empty
};

EntryResult editRouteLine(QWidget* parent, const RouteLineRequest& request);
EntryResult editFuelCheque(QWidget* parent, const ChequeRequest& request);
EntryResult editTripFuelTank(QWidget* parent, const FuelTankRequest& request);

// Edits route lines side by side in the host's property grid ("Redaguoti
// lentelėje"): one row per line, `currentOidr` shown first. True when the
// grid saved; false when cancelled or when no line could be opened.
bool editRouteLinesInGrid(QWidget* parent, const QStringList& routeLineOidrs, const QString& currentOidr);

} // namespace trips
