#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "trips/dialogs/entry_dialogs.h"

class ChoiceField;
class NumberField;

namespace trips {

// "Kuro bakai": one fuel tank of a trip sheet, its tank type and the fuel it
// held when the trip started.
class frmTransportTripFuelTanks final : public cards::EntryDialog {
    Q_OBJECT
public:
    frmTransportTripFuelTanks(const FuelTankRequest& request, QWidget* parent = nullptr);

    // Fills the dialog from the tank; false when there is no such tank.
    bool load();

    ChoiceField* txtFuelTankType = nullptr;
    QPushButton* cmdFuelTankType = nullptr;
    NumberField* txtFuelRest = nullptr;

private:
    void updateWriteButton();
    void write();

    FuelTankRequest request_;
};

} // namespace trips
