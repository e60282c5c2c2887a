#pragma once

#include "module/card_pattern/card_base.h"
#include "trips/card/trip_sheet_controls.h"
#include "trips/trip_balance.h"

#include <QString>

#include <array>

class QTreeWidgetItem;

// The trip sheet card: one vehicle's use over a period with its speedometer
// readings, route lines, fuel cheques and two fuel tanks. It loads from the
// trip sheet editor, keeps the distances and the fuel panel consistent while
// the user types, and writes the fields back on "Įrašyti". Its work is split
// by job: the controls and their places (trip_sheet_layout.cpp), handlers,
// loading and the enabling rules (trip_sheet_card.cpp), the vehicle,
// driver and tank choices (trip_sheet_choices.cpp), the speedometer and the
// fuel panel (trip_sheet_balance.cpp), saving, reverting and the card's
// buttons and menu (trip_sheet_save.cpp), the three lists
// (trip_sheet_lists.cpp), their commands (trip_sheet_commands.cpp) and
// dropping route segments (trip_sheet_drops.cpp).
class frmTransportTripsSV final : public CardBase {
    Q_OBJECT
public:
    frmTransportTripsSV();
    ~frmTransportTripsSV() override;

    const TripSheetControls& controls() const { return c_; }
    bool isNew() const { return isNew_; }
    bool mayEdit() const { return mayEdit_; }
    const trips::FuelByTankType& fuelUsedMap() const { return fuelUsed_; }
    const trips::FuelByTankType& fuelReceivedMap() const { return fuelReceived_; }
    // The actual rest remembered for a tank (index 0, 1).
    const QString& rememberedActualRest(int tank) const { return rememberedRest_.at(tank); }

    // With savable changes (the write button enabled), true only when the user
    // agrees to close without saving.
    bool QueryRemove() override;

    // The commands of the lists and the card menu, acting on the pending command.
    void routeLineCommand();
    void chequeCommand();
    // "Redaguoti lentelėje": the sheet's route lines side by side in the host's grid.
    void editRoutesInGrid();
    void cardMenuCommand();

protected:
    void loadForm() override;
    QString closingDetails() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void connectTank(int i);
    void applyEnablingRules();
    void markChangedAndApply();
    void showCaption();

    // Loading and choices (trip_sheet_choices.cpp).
    qint64 setVehicle(const QString& vehicleId, bool keepDriver);
    qint64 driverOnStartDate(const QString& vehicleId) const;
    void chooseVehicle();
    void chooseDriver();
    void chooseFuelType(int i);
    void clearTank(int i);
    double lastTripFuelRest(const QString& vehicleId, qint64 tankTypeId, const QDate& date) const;

    // Speedometer and fuel panel (trip_sheet_balance.cpp).
    void recomputeEnd();
    void deriveOwnExpense();
    void leaveSpeedometerField(TripNumberField* field);
    void leaveNumberField(TripNumberField* field);
    void recomputeFuelPanel();
    void finalRestClicked(int i);

    // Saving, reverting, printing, closing (trip_sheet_save.cpp).
    void write();
    bool tankTypesFitVehicle();
    bool numberCheckPasses();
    void writeFields();
    void revert();
    void refreshStartReading();
    void refreshStartRests();
    void callSheetMethod(const QString& name);
    void closeCard();
    void deleteSheet();
    void popUpCardMenu(const QPoint& at);

    // Lists (trip_sheet_lists.cpp).
    void fillRouteList();
    void fillChequeList(bool recompute);
    void fillNormList();

    // Commands (trip_sheet_commands.cpp).
    void openSelectedRow(QTreeWidget* list);
    void popUpListMenu(QTreeWidget* list, const QPoint& at);
    void runListCommand(QTreeWidget* list);
    bool deleteRow(const QString& objectType, const QString& id);
    // After route lines changed: lists, end reading and balance again; the sheet must be saved.
    void refreshAfterRouteChange(const QString& selectAfter);

    // Drops (trip_sheet_drops.cpp).
    bool takesDrop(const QString& text) const;
    void dropRouteSegment(const QString& text);
    void addDroppedSegment();

    TripSheetControls c_;
    bool mayEdit_ = false;
    bool isNew_ = true;
    bool writeAllowed_ = false;
    trips::FuelByTankType fuelUsed_;
    trips::FuelByTankType fuelReceived_;
    std::array<QString, 2> rememberedRest_;
    vx::VxObjectUIOPtr droppedSegment_;
    bool fromDrop_ = false;
};
