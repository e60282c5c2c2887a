// What a new trip sheet takes over from its vehicle's previous sheets on the
// real business-object layer: the start reading, the tanks and the fuel left
// in them, along three consecutive sheets of one vehicle (two on one day).

#include "module/catalogue_conversions.h"
#include "tests/trips/trip_fleet.h"
#include "trips/carry_over.h"
#include "trips/trip_balance.h"

#include <array>

namespace {

class BoTripCarryOver : public TripFleet {
protected:
    static QVariant field(UIO4000100& sheet, const char* name) { return sheet.Fields().value(QString::fromLatin1(name)); }
    // The start reading and the two start rests a sheet holds.
    static void expectStart(UIO4000100& sheet, double reading, double rest1, double rest2)
    {
        EXPECT_EQ((std::array{field(sheet, "DistanceRest").toDouble(), field(sheet, "FuelRest1").toDouble(),
                              field(sheet, "FuelRest2").toDouble()}),
                  (std::array{reading, rest1, rest2}));
    }
    // Opens a new sheet (with a typed start reading, if any) and takes over
    // from the vehicle as the card does for a chosen vehicle.
    std::shared_ptr<UIO4000100> takeOver(const QDate& date, bool expectPrevious, const QVariant& typed = {})
    {
        std::shared_ptr<UIO4000100> sheet = newSheet(car, date);
        if (typed.isValid())
            sheet->Fields().setValue(QStringLiteral("DistanceRest"), typed);
        const vx::CallResult distance = method(*sheet, "FillDistanceRest", {carId(car)});
        EXPECT_EQ(distance.Code, 0) << distance.Message.toStdString();
        EXPECT_EQ(distance.Value.toBool(), expectPrevious);
        const vx::CallResult tanks = method(*sheet, "FillCarFuelTanks", {carId(car)});
        EXPECT_TRUE(tanks.Code == 0 && tanks.Value.toBool()) << tanks.Message.toStdString();
        return sheet;
    }
};

TEST_F(BoTripCarryOver, ThreeSheetsInARowCarryTheReadingAndTheFuelLeft)
{
    // First sheet: nothing to take over, the typed start reading stays.
    std::shared_ptr<UIO4000100> first = takeOver(start, false, 5000.5);
    expectStart(*first, 5000.5, 0.0, 0.0);
    EXPECT_EQ(std::pair(field(*first, "FuelTankTypeID1").toLongLong(), field(*first, "FuelTankTypeID2").toLongLong()),
              std::pair(diesel, petrol));
    const vx::CallResult none = method(*first, "GetLastTripFuelRest", {carId(car), diesel, start});
    EXPECT_TRUE(none.Code == 0 && none.Value.toDouble() == 0.0) << none.Message.toStdString();
    for (const auto& [name, value] : {std::pair{"FuelRest1", 40.1}, {"FuelRest2", 12.0}, {"DistanceEnd", 5321.7}})
        first->Fields().setValue(QLatin1String(name), value);
    save(*first);
    const qint64 firstId = vx::oid::recordNumber(first->OIDR());
    for (const double km : {120.3, 200.2})
        line(firstId, truckNorm, km, 2, 28.5, 0);
    line(firstId, generatorNorm, 0, 2.5, 0, 1.5);
    cheque(firstId, dieselFuel, 60.25);
    cheque(firstId, petrolFuel, -2.5);
    const trips::SheetBalance firstBalance = balanceOf(*first);
    const double dieselLeft = firstBalance.tanks[0].restByNorms, petrolLeft = firstBalance.tanks[1].restByNorms;
    EXPECT_EQ(dieselLeft, 40.1 + 60.25 - (28.5 * 120.3 / 100 + 28.5 * 200.2 / 100));
    EXPECT_EQ(petrolLeft, 12.0 + -2.5 - 1.5 * 2.5);
    EXPECT_EQ(firstBalance.ownExpense, 0.7) << "5321.7 - 5000.5 - 320.5";

    // Second sheet: the end reading and the rests by norms of the first.
    std::shared_ptr<UIO4000100> second = takeOver(QDate(2026, 11, 5), true);
    expectStart(*second, 5321.7, dieselLeft, petrolLeft);
    second->Fields().setValue(QStringLiteral("DistanceEnd"), 5400.0);
    trips::setActualRest(second->Fields(), 2, 0.0); // measured empty although the norms leave fuel
    save(*second);
    cheque(vx::oid::recordNumber(second->OIDR()), petrolFuel, 30.0);
    ASSERT_GT(balanceOf(*second).tanks[1].restByNorms, 0.0);

    // Third sheet, the same day: the second is its previous sheet; it used no
    // diesel, and its measured 0 wins over the rest by norms.
    std::shared_ptr<UIO4000100> third = takeOver(QDate(2026, 11, 5), true);
    expectStart(*third, 5400.0, dieselLeft, 0.0);
    save(*third);

    // A stored sheet leaves itself out: each one sees the sheet before it.
    for (const auto& [sheet, petrolRest] : {std::pair{second, petrolLeft}, {third, 0.0}, {first, 0.0}}) {
        const vx::CallResult rest = method(*sheet, "GetLastTripFuelRest", {carId(car), petrol, QDate(2026, 11, 5)});
        EXPECT_EQ(std::pair(rest.Code, rest.Value.toDouble()), std::pair(0, petrolRest)) << sheet->OIDR().toStdString();
    }
    const auto last = third->Properties(QStringLiteral("LastTrip"),
                                        trips::lastTripArgument(carId(car), QStringLiteral("2026.11.05"), third->OIDR()))
                          .Value.value<vx::RecordsetPtr>();
    ASSERT_TRUE(last);
    EXPECT_EQ(trips::previousEndReading(last).value_or(QVariant()).toDouble(), 5400.0);
}

TEST_F(BoTripCarryOver, TanksFollowTheVehiclesTankTypes)
{
    struct Case { const char* what; QVariant vehicleType1, vehicleType2; QVariant sheetType1, sheetType2; };
    const Case cases[] = {
        {"two tank types", diesel, petrol, diesel, petrol},
        {"second tank type null", diesel, QVariant(), diesel, QVariant()},
        {"second tank type 0", diesel, 0, diesel, QVariant()},
        {"only the second tank typed", QVariant(), petrol, QVariant(), petrol},
    };
    for (const Case& c : cases) {
        const qint64 typed = vehicle(c.vehicleType1, c.vehicleType2);
        std::shared_ptr<UIO4000100> sheet = newSheet(typed, start);
        sheet->Fields().setValue(QStringLiteral("FuelTankTypeID2"), diesel + petrol);
        sheet->Fields().setValue(QStringLiteral("FuelRest2"), 9.5);
        ASSERT_TRUE(method(*sheet, "FillCarFuelTanks", {carId(typed)}).Value.toBool()) << c.what;
        EXPECT_EQ(field(*sheet, "FuelTankTypeID1"), c.sheetType1.isNull() ? QVariant() : QVariant(c.sheetType1.toInt())) << c.what;
        EXPECT_EQ(std::tuple(field(*sheet, "FuelTankTypeID2").isNull(), field(*sheet, "FuelTankTypeID2").toLongLong(),
                             field(*sheet, "FuelRest2").toDouble()),
                  std::tuple(c.sheetType2.isNull(), c.sheetType2.toLongLong(), 0.0)) << c.what;
    }
}

TEST_F(BoTripCarryOver, AVehicleThatCannotBeReadLeavesTheSheetUnchanged)
{
    std::shared_ptr<UIO4000100> sheet = newSheet(car, start);
    sheet->Fields().setValue(QStringLiteral("FuelRest1"), 3.5);
    sheet->RsFields()->acceptChanges();
    for (const QString& id : {carId(car + 1000), QStringLiteral("O4000100") + QString::number(car)}) {
        EXPECT_FALSE(method(*sheet, "FillCarFuelTanks", {id}).Value.toBool()) << id.toStdString();
        EXPECT_FALSE(sheet->RsFields()->isRowModified(0) || field(*sheet, "FuelRest1").toDouble() != 3.5) << id.toStdString();
    }
}

} // namespace
