// The cards the module creates by class name.

#include "module/card_factory.h"
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
    registerCard(QStringLiteral("frmTransportTripsSV"), [] { return std::make_unique<frmTransportTripsSV>(); });
    registerCard(QStringLiteral("frmTransportCars"), [] { return std::make_unique<frmTransportCars>(); });
    registerCard(QStringLiteral("frmTransportTyres"), [] { return std::make_unique<frmTransportTyres>(); });
    registerCard(QStringLiteral("frmTransportRoute"), [] { return std::make_unique<frmTransportRoute>(); });
    registerCard(QStringLiteral("frmAutoNumber"), [] { return std::make_unique<frmAutoNumber>(); });
}

} // namespace plugin
