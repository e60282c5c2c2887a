#pragma once

#include "module/card_pattern/entry_dialog.h"

#include <QString>

class QWidget;

// The modal editors the vehicle card opens for its drivers, documents and
// tyre mountings: the card fills a request, the editor runs through the
// module's dialog runner, and the card reads back whether it was saved (and
// refills its list only then).
namespace vehicles {

using cards::EntryResult;

// A driver assignment or a document of a vehicle.
struct VehicleRecordRequest {
    QString vehicleCaption;  // shown in "Transporto priemonė": the vehicle's name, a space, its number
    qint64 vehicleId = 0;    // written to TransportID
    qint64 referencedId = 0; // the employee (driver) or document kind (document); 0 none yet
    QString recordOidr;      // the record to edit, or the bare type id ("O4001000", "O4001100") for a new one
};

// A tyre mounting of a vehicle.
struct TyreMountingRequest {
    qint64 vehicleId = 0;  // written to TransportID
    qint64 tyreId = 0;     // the tyre; 0 none yet
    QString mountingOidr;  // the mounting to edit, or "O4000900" for a new one
};

EntryResult editDriver(QWidget* parent, const VehicleRecordRequest& request);
EntryResult editDocument(QWidget* parent, const VehicleRecordRequest& request);
EntryResult editTyreMounting(QWidget* parent, const TyreMountingRequest& request);

} // namespace vehicles
