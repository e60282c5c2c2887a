#pragma once

#include "vehicles/dialogs/vehicle_record_dialog.h"

namespace vehicles {

// " Dokumentas": a document of the vehicle — its kind from the catalogue, type,
// number, date of issue, validity (no end stored as 2999.12.31) and notes.
class frmTransportCarDocument final : public VehicleRecordDialog {
    Q_OBJECT
public:
    explicit frmTransportCarDocument(const VehicleRecordRequest& request, QWidget* parent = nullptr);

    ChoiceField* txtDocName = nullptr;
    QPushButton* cmdDocTypes = nullptr;
    QLineEdit* txtDocShape = nullptr;
    QLineEdit* txtDocNumber = nullptr;
    QLineEdit* txtDocDescription = nullptr;

private:
    void loadFields(const vx::RecordFields& fields) override;
    void writeFields(const vx::RecordFields& fields) const override;
};

} // namespace vehicles
