#pragma once

#include "vehicles/dialogs/vehicle_record_dialog.h"

namespace vehicles {

// " Vairuotojas": an employee appointed as the vehicle's driver, from a date,
// until an optional end (none stored as null), by an order.
class frmTransportCarDriver final : public VehicleRecordDialog {
    Q_OBJECT
public:
    explicit frmTransportCarDriver(const VehicleRecordRequest& request, QWidget* parent = nullptr);

    ChoiceField* txtDriver = nullptr;
    QPushButton* cmdDrivers = nullptr;
    QLineEdit* txtOrder = nullptr;

private:
    void loadFields(const vx::RecordFields& fields) override;
    void writeFields(const vx::RecordFields& fields) const override;
};

} // namespace vehicles
