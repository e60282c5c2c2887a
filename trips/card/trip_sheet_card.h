#pragma once

#include "module/card_pattern/card_base.h"
#include "module/card_pattern/date_pair.h"
#include "module/card_pattern/entry_list.h"
#include "trips/card/fuel_panel.h"
#include "trips/card/trip_sheet_controls.h"
#include "trips/trip_balance.h"

#include <QString>

#include <memory>

// The trip sheet card: one vehicle's use over a period with its speedometer
// readings, route lines, fuel cheques and two fuel tanks. The card itself
// loads from the trip sheet editor, offers the vehicle and driver choices,
// keeps the speedometer readings consistent while the user types, applies the
// enabling rules and writes the fields back on "Įrašyti". The rest is held by
// parts that own their state: the period (DatePair), the three lists
// (EntryList: route lines, cheques, the norm summary), whose add, edit and
// delete commands the card supplies, and the fuel panel of the two tanks
// (FuelPanel), which the lists feed with the fuel used and received.
//
// Files: the controls and their places (trip_sheet_layout.cpp); handlers,
// loading and the enabling rules (trip_sheet_card.cpp); the vehicle and driver
// choices (trip_sheet_choices.cpp); the speedometer
// (trip_sheet_speedometer.cpp); saving, reverting and the card's buttons and
// menu (trip_sheet_save.cpp); the lists' columns and rows
// (trip_sheet_lists.cpp) and their commands (trip_sheet_commands.cpp).
class frmTransportTripsSV final : public CardBase {
    Q_OBJECT
public:
    frmTransportTripsSV();
    ~frmTransportTripsSV() override;

    const TripSheetControls& controls() const { return c_; }
    bool isNew() const { return isNew_; }
    bool mayEdit() const { return mayEdit_; }
    const trips::FuelByTankType& fuelUsedMap() const { return fuel_->fuelUsed(); }
    const trips::FuelByTankType& fuelReceivedMap() const { return fuel_->fuelReceived(); }
    // The actual rest remembered for a tank (index 0, 1).
    const QString& rememberedActualRest(int tank) const { return fuel_->rememberedActualRest(tank); }

    // The commands of the lists and the card menu, acting on the pending command.
    void routeLineCommand();
    void chequeCommand();
    // "Redaguoti lentelėje": the sheet's route lines side by side in the host's grid.
    void editRoutesInGrid();
    void cardMenuCommand();

protected:
    void loadForm() override;
    QString closingDetails() const override;
    // Savable changes: the write button is enabled.
    bool hasUnsavedChanges() const override;

private:
    void connectControls();
    void applyEnablingRules();
    void markChangedAndApply();
    void showCaption();

    // Choices (trip_sheet_choices.cpp).
    qint64 setVehicle(const QString& vehicleId, bool keepDriver);
    qint64 driverOnStartDate(const QString& vehicleId) const;
    void chooseVehicle();
    void chooseDriver();

    // Speedometer (trip_sheet_speedometer.cpp).
    void recomputeEnd();
    void deriveOwnExpense();
    void leaveSpeedometerField(TripNumberField* field);

    // Saving, reverting, printing, closing (trip_sheet_save.cpp).
    void write();
    bool tankTypesFitVehicle();
    bool numberCheckPasses();
    void writeFields();
    void revert();
    void refreshStartReading();
    void refreshStartRests();
    void callSheetMethod(const QString& name);
    void popUpCardMenu(const QPoint& at);

    // Lists (trip_sheet_lists.cpp).
    void buildLists();
    void fillRouteList();
    void fillChequeList(bool recompute);
    void fillNormList();

    // Commands (trip_sheet_commands.cpp).
    void connectCommands();
    bool deleteRow(const QString& objectType, const QString& id);
    // After route lines changed: lists, end reading and balance again; the sheet must be saved.
    void refreshAfterRouteChange(const QString& selectAfter);

    TripSheetControls c_;
    std::unique_ptr<DatePair> period_;
    std::unique_ptr<EntryList> routes_;
    std::unique_ptr<EntryList> cheques_;
    std::unique_ptr<EntryList> norms_;
    std::unique_ptr<FuelPanel> fuel_;
    bool mayEdit_ = false;
    bool isNew_ = true;
};
