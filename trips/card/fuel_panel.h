#pragma once

#include "platform/contract/recordset.h"
#include "trips/card/trip_sheet_controls.h"
#include "trips/trip_balance.h"

#include <QObject>
#include <QString>

#include <array>

class CardBase;

// The trip sheet's fuel panel: two tanks, each with its fuel tank type, start
// rest, the fuel received (from the cheques) and used by norms (from the route
// lines), the rest by norms, and the actual rest the driver measured, which a
// tick box gives or takes back. The panel keeps the fuel maps and each tank's
// last actual rest, recomputes the computed fields, and asks the sheet's
// editor for the rest a vehicle's previous sheet left in a tank.
class FuelPanel final : public QObject {
    Q_OBJECT
public:
    // The tanks' controls; the vehicle and start date are the sheet's, read
    // when a tank's type is chosen.
    FuelPanel(CardBase& card, const std::array<TripSheetControls::Tank, 2>& tanks, const ChoiceField* vehicle,
              const QDateEdit* start);

    // Shows the tanks of the sheet's fields: type, start rest (3 decimals),
    // the actual rest when given, else 0; each actual rest is remembered.
    void load(const vx::RecordFields& sheet);
    // Writes the tanks into the sheet's fields, in order; a tank without a
    // type stores none. A text that is no number ends the writing there.
    void write(const vx::RecordFields& sheet) const;

    // A new sheet's tanks: the types its vehicle gave the sheet, each with the
    // rest the vehicle's previous sheet left.
    void takeVehicleTanks(const vx::RecordFields& sheet, const QString& vehicleId);
    // Both tanks without a type.
    void clear();
    // The start rests of the sheet's stored tank types as the vehicle's
    // previous sheet left them; true when one of them changed.
    bool refreshStartRests(const vx::RecordFields& sheet);

    // The record number of a tank's type (index 0, 1); 0 when it has none.
    qint64 tankType(int tank) const;

    const trips::FuelByTankType& fuelUsed() const { return fuelUsed_; }
    const trips::FuelByTankType& fuelReceived() const { return fuelReceived_; }
    void setFuelUsed(const trips::FuelByTankType& used) { fuelUsed_ = used; }
    void setFuelReceived(const trips::FuelByTankType& received) { fuelReceived_ = received; }
    // The actual rest last typed or loaded for a tank (index 0, 1).
    const QString& rememberedActualRest(int tank) const { return rememberedRest_.at(tank); }

    // Both tanks' received and used fuel from the maps, then their rests by norms.
    void recompute();
    // A tank's rows show only while it has a type; the actual rest takes typing while ticked.
    void applyEnablingRules();

signals:
    // The user changed a tank (a type, a rest, the actual rest).
    void edited();

private:
    void connectTank(int i);
    void chooseType(int i);
    void clearTank(int i);
    void finalRestClicked(int i);
    double lastTripRest(const QString& vehicleId, qint64 tankTypeId, const QDate& date) const;

    CardBase& card_;
    std::array<TripSheetControls::Tank, 2> tanks_;
    const ChoiceField* vehicle_;
    const QDateEdit* start_;
    trips::FuelByTankType fuelUsed_;
    trips::FuelByTankType fuelReceived_;
    std::array<QString, 2> rememberedRest_;
};
