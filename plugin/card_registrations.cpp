// The cards the module creates by class name. A card that is not built yet is
// a placeholder; the work that builds it moves it from the placeholder table
// to a registerCard line of its own.

#include "module/card_factory.h"
#include "module/placeholder_card.h"
#include "numbering/auto_number_card.h"
#include "plugin/module_registration.h"
#include "routes/route_card.h"
#include "trips/card/trip_sheet_card.h"
#include "vehicles/card/vehicle_card.h"
#include "tyres/tyre_card.h"

namespace plugin {

using module::registerCard;

void registerCards()
{
    struct Pending {
        QString cardClass;
        QString purpose;
    };
    const QList<Pending> placeholders = {
    };
    for (const Pending& card : placeholders)
        registerCard(card.cardClass,
                     [card] { return std::make_unique<PlaceholderCard>(card.cardClass, card.purpose); });
    registerCard(QStringLiteral("frmTransportTripsSV"), [] { return std::make_unique<frmTransportTripsSV>(); });
    registerCard(QStringLiteral("frmTransportCars"), [] { return std::make_unique<frmTransportCars>(); });
    registerCard(QStringLiteral("frmTransportTyres"), [] { return std::make_unique<frmTransportTyres>(); });
    registerCard(QStringLiteral("frmTransportRoute"), [] { return std::make_unique<frmTransportRoute>(); });
    registerCard(QStringLiteral("frmAutoNumber"), [] { return std::make_unique<frmAutoNumber>(); });
}

} // namespace plugin
