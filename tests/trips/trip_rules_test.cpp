// The trip sheet rules on their own: the speedometer and the own-expense
// distance, route totals, fuel per tank type, rest by norms, the rest a sheet
// carries over, the tank types a vehicle allows and how typed numbers read.

#include "platform/contract/recordset.h"
#include "trips/carry_over.h"
#include "trips/speedometer.h"
#include "trips/tank_types.h"
#include "trips/trip_balance.h"
#include "trips/trip_numbers.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using vx::FieldType;

// Rows as the business-object layer hands them out, the cursor on the first.
vx::RecordsetPtr rowsOf(const QList<vx::FieldDef>& fields, const QList<QVariantList>& rows)
{
    auto rs = vx::Recordset::create(fields);
    for (const QVariantList& row : rows)
        rs->appendRow(row);
    rs->MoveFirst();
    return rs;
}

vx::RecordsetPtr routeRows(const QList<QVariantList>& rows)
{
    return rowsOf({{QStringLiteral("TransportRouteDistance"), FieldType::Double},
                   {QStringLiteral("TransportRouteDuration"), FieldType::Double},
                   {QStringLiteral("TransportFuelNormValue"), FieldType::Double},
                   {QStringLiteral("TransportFuelNormDurationValue"), FieldType::Double},
                   {QStringLiteral("TransportFuelTankTypeID"), FieldType::Integer}},
                  rows);
}

TEST(Speedometer, OwnExpenseDistanceIsTheRestOfTheEndReadingAtThreeDecimalsHalvesToEven)
{
    const struct { const char* what; double start, route, end, ownExpense; } cases[] = {
        {"no route lines: E = S + X", 1000, 0, 1012.5, 12.5},
        {"end typed below start + route", 1000, 120, 1100, 0},
        {"end exactly start + route", 1000, 120, 1120, 0},
        {"a half goes down to the even digit despite binary noise", 1000, 0, 1000.0125, 0.012},
        {"a half goes up to the even digit", 1000, 0, 1000.0135, 0.014},
        {"a half below in binary still goes up to the even digit", 1000, 0, 1000.0015, 0.002},
        {"the same with a route distance", 5000.5, 0.5, 5001.0035, 0.004},
        {"a half above in binary still goes down to the even digit", 1000, 0, 1000.0045, 0.004},
        {"the same on a large odometer", 987654.321, 0, 987654.3275, 0.006},
        {"small half down", 0, 0, 0.0025, 0.002},
        {"small half up", 0, 0, 0.0035, 0.004},
        {"more than a half rounds up", 10, 2.5, 12.5006, 0.001},
        {"a large odometer keeps its half", 987654.321, 12.3456, 987666.6681, 0.002},
        {"a shortfall below a thousandth is 0", 10, 5, 14.9996, 0},
        {"decimal sums stay exact", 100.1, 0.2, 100.6, 0.3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trips::ownExpenseDistance(c.start, c.route, c.end), c.ownExpense) << c.what;
}

TEST(Speedometer, EndReadingIsTheUnroundedSumAndIsRaisedOnlyWhenLeftBelowStartAndRoute)
{
    EXPECT_EQ(trips::endReading(0.1, 0.2, 0.0005), 0.1 + 0.2 + 0.0005);
    // Below S + route, above it, and a sheet without lines raised to S.
    EXPECT_EQ((std::array{trips::endReadingOnLeave(1000, 120, 1100), trips::endReadingOnLeave(1000, 120, 1130.25),
                          trips::endReadingOnLeave(1000, 0, 999)}),
              (std::array{1120.0, 1130.25, 1000.0}));
}

TEST(TripBalance, RouteTotalsAndFuelPerTankTypeOverTheRows)
{
    const qint64 diesel = 7, petrol = 9, gas = 5;
    const vx::RecordsetPtr routes = routeRows({
        {0.1, 1.5, 12.0, 1.5, diesel},      // 0.012 + 2.25
        {0.2, QVariant(), 12.0, 1.5, diesel}, // null duration counts as 0
        {100.0, 2.0, 8.0, 0.0, petrol},
        {40.0, 1.0, 10.0, 0.0, gas},       // neither tank of the sheet
        {QVariant(), 3.0, 0.0, 2.0, QVariant()},
    });
    routes->MoveNext();
    const trips::RouteTotals totals = trips::routeTotals(routes);
    EXPECT_EQ(std::pair(totals.distance, totals.duration), std::pair(0.1 + 0.2 + 100.0 + 40.0, 1.5 + 2.0 + 1.0 + 3.0));
    EXPECT_EQ(routes->position(), 1) << "reading the totals leaves the cursor alone";

    const trips::FuelByTankType used = trips::fuelUsedByNorms(routes);
    EXPECT_EQ(trips::fuelOf(used, diesel), (12.0 * 0.1 / 100 + 1.5 * 1.5) + 12.0 * 0.2 / 100);
    EXPECT_EQ(trips::fuelOf(used, petrol), 8.0);
    EXPECT_EQ(trips::fuelOf(used, 42), 0.0) << "no entry gives 0";

    const trips::FuelByTankType received = trips::fuelReceived(rowsOf(
        {{QStringLiteral("FuelAmount"), FieldType::Double}, {QStringLiteral("TransportFuelTankTypeID"), FieldType::Integer}},
        {{50.0, diesel}, {-10.0, petrol}, {5.5, diesel}}));
    EXPECT_EQ(std::pair(trips::fuelOf(received, diesel), trips::fuelOf(received, petrol)), std::pair(55.5, -10.0))
        << "a negative cheque lowers what was received";

    const double dieselUsed = trips::fuelOf(used, diesel);
    const struct { const char* what; qint64 tankType; double startRest; trips::TankBalance expected; } cases[] = {
        {"diesel tank", diesel, 40.0, {40.0, 55.5, dieselUsed, 40.0 + 55.5 - dieselUsed}},
        {"petrol tank with a negative cheque", petrol, 20.0, {20.0, -10.0, 8.0, 2.0}},
        {"a type no line or cheque has", 42, 3.25, {3.25, 0, 0, 3.25}},
        {"a tank without a type shows 0", 0, 17.0, {0, 0, 0, 0}},
    };
    const auto parts = [](const trips::TankBalance& t) { return std::array{t.startRest, t.received, t.usedByNorms, t.restByNorms}; };
    for (const auto& c : cases)
        EXPECT_EQ(parts(trips::tankBalance(c.tankType, c.startRest, used, received)), parts(c.expected)) << c.what;
    EXPECT_FALSE(used.contains(trips::tankTypeKey(diesel + petrol))) << "the gas line feeds only its own type";
}

TEST(TripBalance, ASheetWithoutRowsHasNothingToAdd)
{
    for (const vx::RecordsetPtr& rows : {routeRows({}), vx::RecordsetPtr()})
        EXPECT_TRUE(trips::routeTotals(rows).distance == 0.0 && trips::routeTotals(rows).duration == 0.0
                    && trips::fuelUsedByNorms(rows).isEmpty());
    EXPECT_EQ(trips::tankBalance(7, 12.5, {}, {}).restByNorms, 12.5);
}

TEST(TripBalance, ANormRowUsesItsDistanceAndDurationFuel)
{
    const vx::RecordsetPtr norms = rowsOf(
        {{QStringLiteral("FuelByDistanceNorm"), FieldType::Double}, {QStringLiteral("FuelByDurationNorm"), FieldType::Double}},
        {{0.1, 0.2}, {QVariant(), 4.5}});
    EXPECT_EQ(std::pair(trips::normRowFuel(*norms, 0), trips::normRowFuel(*norms, 1)), std::pair(0.1 + 0.2, 4.5));
    EXPECT_THROW(trips::normRowFuel(*routeRows({{1.0, 1.0, 1.0, 1.0, 1}}), 0), vx::UnknownFieldError);
}

TEST(CarryOver, TheMeasuredRestWinsWhenGivenElseTheRestByNorms)
{
    // The row holds FinalRestIndication, FinalRest, FuelRest, FuelTaken and FuelByNorm.
    const struct { const char* what; QVariantList row; double carried; } cases[] = {
        {"measured 0 although the norms leave fuel", {1, 0.0, 40.0, 50.0, 30.5}, 0.0},
        {"measured", {1, 12.25, 40.0, 50.0, 30.5}, 12.25},
        {"any non-zero indication counts", {2, 7.0, 40.0, 50.0, 30.5}, 7.0},
        {"not measured", {0, 99.0, 40.0, 50.0, 30.5}, 40.0 + 50.0 - 30.5},
        {"nulls count as 0", {QVariant(), QVariant(), 0.1, 0.2, QVariant()}, 0.1 + 0.2},
    };
    for (const auto& c : cases) {
        const vx::RecordsetPtr rs = rowsOf({{QStringLiteral("FinalRestIndication"), FieldType::SmallInt},
                                            {QStringLiteral("FinalRest"), FieldType::Double},
                                            {QStringLiteral("FuelRest"), FieldType::Double},
                                            {QStringLiteral("FuelTaken"), FieldType::Double},
                                            {QStringLiteral("FuelByNorm"), FieldType::Double}},
                                           {c.row});
        EXPECT_EQ(trips::carriedFuelRest(rs), c.carried) << c.what;
        rs->MoveNext();
        EXPECT_EQ(trips::carriedFuelRest(rs), 0.0) << c.what << ": a set already at its end gives 0";
    }
    EXPECT_EQ(trips::carriedFuelRest(nullptr), 0.0);
}

TEST(TankTypes, EveryTypedTankMustBeOneOfTheVehiclesAndOneAtLeastTyped)
{
    using trips::TankTypeFit;
    const struct { qint64 vehicle1, vehicle2, tank1, tank2; TankTypeFit fit; } cases[] = {
        {7, 9, 7, 9, TankTypeFit::Fits},          {7, 9, 9, 7, TankTypeFit::Fits},
        {7, 0, 7, 0, TankTypeFit::Fits},          {7, 9, 0, 9, TankTypeFit::Fits},
        {7, 9, 5, 9, TankTypeFit::NotTheVehicles}, {7, 0, 7, 5, TankTypeFit::NotTheVehicles},
        {7, 9, 0, 0, TankTypeFit::NoTankType},     {0, 0, 0, 0, TankTypeFit::NoTankType},
        {7, 9, 7, 7, TankTypeFit::SameTypeTwice},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trips::checkTankTypes(c.vehicle1, c.vehicle2, c.tank1, c.tank2), c.fit)
            << c.vehicle1 << "/" << c.vehicle2 << " tanks " << c.tank1 << "/" << c.tank2;
}

// Which format each kind of trip sheet number takes shows on the card; here
// only how the typed texts read.
TEST(TripNumbers, DistancesReadFromTheStartFuelReadsStrictly)
{
    EXPECT_EQ(std::pair(trips::numbers::readDistance(u"12.5 km"), trips::numbers::readDistance(u"")), std::pair(12.5, 0.0));
    EXPECT_EQ(trips::numbers::readFuel(u"12,5", QStringLiteral("FuelRest1")), 12.5);
    for (const char16_t* text : {u"12,5 l", u""})
        EXPECT_THROW(trips::numbers::readFuel(text, QStringLiteral("FuelRest1")), vx::ConversionError);
}

} // namespace
