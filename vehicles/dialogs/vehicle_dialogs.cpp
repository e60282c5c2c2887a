#include "vehicles/dialogs/vehicle_dialogs.h"

#include "vehicles/dialogs/document_dialog.h"
#include "vehicles/dialogs/driver_dialog.h"
#include "vehicles/dialogs/tyre_mounting_dialog.h"

namespace vehicles {

EntryResult editDriver(QWidget* parent, const VehicleRecordRequest& request)
{
    return cards::runEntry<frmTransportCarDriver>(parent, request);
}

EntryResult editDocument(QWidget* parent, const VehicleRecordRequest& request)
{
    return cards::runEntry<frmTransportCarDocument>(parent, request);
}

EntryResult editTyreMounting(QWidget* parent, const TyreMountingRequest& request)
{
    return cards::runEntry<frmTransportCarTyres>(parent, request);
}

} // namespace vehicles
