// Named calls about trip sheets on a small seeded fleet: a sheet's cheques, norm
// summary and tanks, the vehicle's previous sheet and its fuel, the norms a route
// line may use and the sheets that drove a segment. Malformed parameter texts
// are BoCallArguments' test.

#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

namespace {

constexpr auto* f = &fieldMap;

QDateTime at(int month, int day, int hour = 0) { return QDateTime(QDate(2024, month, day), QTime(hour, 0)); }

// Record numbers as a column's text.
std::string ids(std::initializer_list<qint64> numbers)
{
    QStringList texts;
    for (qint64 n : numbers)
        texts << QString::number(n);
    return texts.join(QLatin1Char('|')).toStdString();
}

QVariantList column(const vx::RecordsetPtr& rs, const char* field)
{
    QVariantList values;
    for (int row = 0; row < rs->RecordCount(); ++row)
        values << rs->valueAt(row, rs->fieldIndex(QString::fromLatin1(field)));
    return values;
}

class BoTripCalls : public StoreFixture {
protected:
    void prepare() override
    {
        diesel = createId("O4000604", {{"Name", QStringLiteral("Dyzelinas")}, {"Code", QStringLiteral("DT")}});
        petrol = createId("O4000604", {{"Name", QStringLiteral("Benzinas")}, {"Code", QStringLiteral("A95")}});
        gas = createId("O4000604", {{"Name", QStringLiteral("Dujos")}, {"Code", QStringLiteral("LPG")}});
        dieselFuel = createId("O4000602", {{"Name", QStringLiteral("Dyzelinas EURO")}, {"TransportFuelTankTypeID", diesel}});
        petrolFuel = createId("O4000602", {{"Name", QStringLiteral("Benzinas 95")}, {"TransportFuelTankTypeID", petrol}});
        city = norm("miestas", 12, 1.5, dieselFuel);
        highway = norm("Užmiestis", 8, 0, dieselFuel);
        generator = norm("Generatorius", 0, 2, petrolFuel);
        car = createId("O4000400", {{"Name", QStringLiteral("Volvo FH")}, {"Code", QStringLiteral("KLM 123")}});
        otherCar = createId("O4000400", {{"Name", QStringLiteral("MAN TGX")}});
        segment = createId("O4000601", {{"Name", QStringLiteral("Vilnius – Kaunas")}});
    }

    qint64 norm(const char* name, double perKm, double perHour, qint64 fuel)
    {
        return createId("O4000603", {{"Name", QString::fromUtf8(name)}, {"Code", QString::fromUtf8(name).left(3)},
                                     {"Value", perKm}, {"DurationValue", perHour}, {"TransportFuelTypeID", fuel}});
    }
    qint64 sheet(qint64 vehicle, const QDateTime& date, QVariantMap fields = {})
    {
        fields.insert(f({{"TransportCarID", vehicle}, {"Date", date}}));
        return createId(QStringLiteral("O4000100"), fields);
    }
    void line(qint64 trip, qint64 fuelNorm, double km, double hours, double perKm, double perHour, const QDateTime& date)
    {
        createId("O4000200", {{"TransportTripID", trip}, {"TransportRouteID", segment}, {"TransportFuelNormID", fuelNorm},
                              {"Distance", km}, {"Duration", hours}, {"FuelNormByDistance", perKm},
                              {"FuelNormByDuration", perHour}, {"Date", date}});
    }
    qint64 cheque(qint64 trip, qint64 fuel, double litres, int day, QVariantMap fields = {})
    {
        fields.insert(f({{"TransportTripID", trip}, {"TransportFuelTypeID", fuel}, {"FuelAmount", litres}, {"Date", QDate(2024, 3, day)}}));
        return createId(QStringLiteral("O4000300"), fields);
    }

    // A March sheet with two tanks, five route lines and four cheques (one
    // negative, one in a currency without a rate that day).
    qint64 marchSheet()
    {
        const qint64 trip = sheet(car, at(3, 1), f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 100.0},
                                                     {"FuelTankTypeID2", petrol}, {"FuelRest2", 20.0}}));
        line(trip, city, 100, 2, 12, 1.5, at(3, 1));
        line(trip, city, 50, 1, 12, 1.5, at(3, 2));
        line(trip, city, 10, 0, 13, 1.5, at(3, 2)); // a norm value the user derived for this line
        line(trip, highway, 200, 0, 8, 0, at(3, 3));
        line(trip, generator, 0, 3, 0, 2, at(3, 3));
        const qint64 eur = createId("O0201500", {{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}});
        const qint64 usd = createId("O0201500", {{"Code", QStringLiteral("USD")}, {"BaseCurrency", 0}});
        createId("O0002200", {{"CurrencyID", usd}, {"Date", QDate(2024, 3, 1)}, {"Rate", 0.9}});
        const qint64 firm = createId("O0000100", {{"Name", QStringLiteral("UAB Degalų prekyba")}});
        cheque(trip, dieselFuel, 50, 2, f({{"SumCurr", 75.555}, {"CurrencyID", eur}, {"FirmID", firm}}));
        cheque(trip, petrolFuel, -10, 1, f({{"SumCurr", 20.0}, {"CurrencyID", usd}, {"CashFlag", 1}}));
        cheque(trip, dieselFuel, 5, 3, f({{"SumCurr", 10.0}, {"CurrencyID", usd}}));
        cheque(trip, dieselFuel, 1, 4, f({{"SumCurr", 1.5}}));
        cheque(sheet(otherCar, at(3, 1)), dieselFuel, 99, 1);
        createId("O4000700", {{"TransportTripID", trip}, {"TransportFuelTankTypeID", gas}, {"FuelRest", 7.0}});
        createId("O4000700", {{"TransportTripID", trip}, {"TransportFuelTankTypeID", diesel}, {"FuelRest", 999.0}});
        return trip;
    }

    QString tripId(qint64 id) const { return vx::oid::make(QStringLiteral("O4000100"), id); }
    QString carId(qint64 id) const { return vx::oid::make(QStringLiteral("O4000400"), id); }

    qint64 diesel = 0, petrol = 0, gas = 0, dieselFuel = 0, petrolFuel = 0, city = 0, highway = 0, generator = 0;
    qint64 car = 0, otherCar = 0, segment = 0;
};

TEST_F(BoTripCalls, ChequesOfASheetCarryTankTypeRateAndBaseSumInDateOrder)
{
    const vx::RecordsetPtr rs = rows("GetTransportCheques", tripId(marchSheet()));
    ASSERT_EQ(rs->RecordCount(), 4);
    EXPECT_EQ(columnText(rs, "FuelAmount"), "-10|50|5|1") << "by date";
    EXPECT_EQ(columnText(rs, "TransportFuelTankTypeID"), ids({petrol, diesel, diesel, diesel}));
    EXPECT_EQ(columnText(rs, "CurrCode"), "USD|EUR|USD|EUR") << "a cheque without a currency is in the base currency";
    EXPECT_EQ(columnText(rs, "CurrRate"), "0.9|1|0|1") << "no rate that day gives 0";
    EXPECT_EQ(columnText(rs, "BaseCurrency"), "0|1|0|1");
    EXPECT_EQ(columnText(rs, "SumA"), "18|75.56|0|1.5") << "rounded as written, halves up";
    EXPECT_EQ(columnText(rs, "SumCurrency"), columnText(rs, "SumCurr"));
    EXPECT_EQ(columnText(rs, "FirmName"), "|UAB Degalų prekyba||");
    EXPECT_EQ(rowText(rs, {"TransportFuelTypeName", "CashFlag"}, 0), QStringLiteral("Benzinas 95|1"));
    EXPECT_TRUE(columnText(rs, "OIDR").starts_with("O4000300"));
}

TEST_F(BoTripCalls, NormSummaryGroupsLinesByNormInLithuanianOrder)
{
    const vx::RecordsetPtr rs = rows("GetTransportTripNorms", tripId(marchSheet()));
    ASSERT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(columnText(rs, "FuelTankTypeName"), "Benzinas|Dyzelinas|Dyzelinas");
    EXPECT_EQ(columnText(rs, "NormName"), "Generatorius|miestas|Užmiestis");
    EXPECT_EQ(columnText(rs, "TransportFuelTankTypeID"), ids({petrol, diesel, diesel}));
    EXPECT_EQ(columnText(rs, "Distance"), "0|160|200");
    EXPECT_EQ(columnText(rs, "Duration"), "3|3|0");
    EXPECT_EQ(columnText(rs, "DistanceNormValue"), "0|12.0625|8") << "19,3 l over 160 km";
    EXPECT_EQ(columnText(rs, "FuelByDurationNorm"), "6|4.5|0");
    const QVariantList fuel = column(rs, "FuelByNorm");
    EXPECT_EQ(QVariantList({fuel.at(0), fuel.at(2)}), QVariantList({6.0, 16.0}));
    EXPECT_NEAR(fuel.at(1).toDouble(), 23.8, 1e-9);
}

TEST_F(BoTripCalls, TankRowsAreTheSheetsTanksThenStoredTanksOfOtherTypes)
{
    const vx::RecordsetPtr rs = rows("GetTransportTripFuelTanks", tripId(marchSheet()));
    ASSERT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(columnText(rs, "Code"), "DT|A95|LPG");
    EXPECT_EQ(columnText(rs, "Distance"), "360|0|0");
    EXPECT_EQ(columnText(rs, "Duration"), "3|3|0");
    EXPECT_EQ(columnText(rs, "FuelRest"), "100|20|7");
    EXPECT_EQ(columnText(rs, "FuelTaken"), "56|-10|0") << "a negative cheque lowers the fuel received";
    const QVariantList byNorm = column(rs, "FuelByNorm"), end = column(rs, "FuelRestEnd");
    EXPECT_NEAR(byNorm.at(0).toDouble(), 39.8, 1e-9);
    EXPECT_NEAR(end.at(0).toDouble(), 116.2, 1e-9);
    EXPECT_EQ(QVariantList({byNorm.at(1), end.at(1), end.at(2)}), QVariantList({6.0, 4.0, 7.0}));
    EXPECT_EQ(rows("GetTransportTripFuelTanks", QStringLiteral("O4000100"))->RecordCount(), 0);
}

TEST_F(BoTripCalls, LastTripIsTheLatestEarlierSheetWithSameDaySheetsInNumberOrder)
{
    const qint64 s1 = sheet(car, at(3, 1), f({{"Name", QStringLiteral("S1")}, {"DistanceEnd", 1000.0}}));
    const qint64 s2 = sheet(car, at(3, 5, 15), f({{"Name", QStringLiteral("S2")}, {"DistanceEnd", 1200.0}}));
    const qint64 s3 = sheet(car, at(3, 5, 8), f({{"Name", QStringLiteral("S3")}, {"DistanceRest", 1200.0},
                                                  {"DistanceEnd", 1350.5}, {"DateTo", at(3, 6)}}));
    const qint64 s4 = sheet(car, at(3, 10), f({{"Name", QStringLiteral("S4")}}));
    sheet(otherCar, at(3, 7), f({{"Name", QStringLiteral("B1")}}));
    const QString c = carId(car);
    const struct { QString param; const char* expected; } cases[] = { // expected empty: no rows
        {QStringLiteral("'%1','2999.12.31',''").arg(c), "S4"},
        {QStringLiteral("'%1','2024.03.05',''").arg(c), "S3"},
        {QStringLiteral("'%1','2024-03-05','O4000100'").arg(c), "S3"},
        {QStringLiteral("'%1','2024.03.04',''").arg(c), "S1"},
        {QStringLiteral("'%1','2024.03.05','%2'").arg(c, tripId(s3)), "S2"},
        {QStringLiteral("'%1','2024.03.05','%2'").arg(c, tripId(s2)), "S1"},
        {QStringLiteral("'%1','2999.12.31','%2'").arg(c, tripId(s4)), "S3"},
        {QStringLiteral("'%1','2024.03.05','O4000100999'").arg(c), "S3"},
        {QStringLiteral("'%1','2024.03.05','%2'").arg(c, tripId(s1)), ""},
        {QStringLiteral("'%1','2024.02.29',''").arg(c), ""},
        {QStringLiteral("'%1','2024.03.06',''").arg(carId(otherCar)), ""},
        {QStringLiteral("'O4000400','2999.12.31',''"), ""},
    };
    for (const auto& k : cases)
        EXPECT_EQ(columnText(rows("GetLastTrip", k.param), "Name"), k.expected) << k.param.toStdString();
    const vx::RecordsetPtr rs = rows("GetLastTrip", QStringLiteral("'%1','2024.03.09',''").arg(c));
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rowText(rs, {"DistanceEnd", "OIDR", "ID", "Date", "DateTo", "DistanceRest"}),
              QStringLiteral("1350.5|%1|%2|2024-03-05T08:00:00.000|2024-03-06T00:00:00.000|1200").arg(tripId(s3)).arg(s3));
}

// Sheets entered out of order: a later number may lie on an earlier day, and
// within a day a later number may start earlier. The day decides first.
TEST_F(BoTripCalls, PreviousSheetIsOfTheLatestDayThenTheLargestNumberWhateverTheEntryOrder)
{
    const auto tanked = [&](const char* name, const QDateTime& date, qint64 tank) {
        return sheet(car, date, f({{"Name", QString::fromLatin1(name)}, {"FuelTankTypeID1", tank}}));
    };
    const qint64 a = tanked("A", at(3, 10, 12), diesel);
    const qint64 b = tanked("B", at(3, 5, 8), diesel);
    const qint64 c = tanked("C", at(3, 10, 6), petrol);
    const qint64 d = tanked("D", at(3, 5, 20), diesel);
    const QString v = carId(car);
    const struct { const char* call; QString param; QString expected; } cases[] = { // expected empty: no rows
        {"GetLastTrip", QStringLiteral("'%1','2024.03.31',''").arg(v), tripId(c)},
        {"GetLastTrip", QStringLiteral("'%1','2024.03.09',''").arg(v), tripId(d)},
        {"GetLastTrip", QStringLiteral("'%1','2024.03.31','%2'").arg(v, tripId(c)), tripId(a)},
        {"GetLastTrip", QStringLiteral("'%1','2024.03.31','%2'").arg(v, tripId(a)), tripId(d)},
        {"GetLastTrip", QStringLiteral("'%1','2024.03.31','%2'").arg(v, tripId(d)), tripId(b)},
        {"GetLastTrip", QStringLiteral("'%1','2024.03.31','%2'").arg(v, tripId(b)), QString()},
        {"GetTripFuelRest", QStringLiteral("%1,%2,'2024.03.31',''").arg(car).arg(diesel), tripId(a)},
        {"GetTripFuelRest", QStringLiteral("%1,%2,'2024.03.31',''").arg(car).arg(petrol), tripId(c)},
        {"GetTripFuelRest", QStringLiteral("%1,%2,'2024.03.31','%3'").arg(car).arg(diesel).arg(tripId(a)), tripId(d)},
        {"GetTripFuelRest", QStringLiteral("%1,%2,'2024.03.31','%3'").arg(car).arg(petrol).arg(tripId(c)), QString()},
    };
    for (const auto& k : cases)
        EXPECT_EQ(columnText(rows(k.call, k.param), "OIDR"), k.expected.toStdString()) << k.call << "(" << k.param.toStdString() << ")";
}

TEST_F(BoTripCalls, FuelRestComesFromTheLatestEarlierSheetHoldingTheTankType)
{
    const qint64 first = marchSheet(); // diesel 100 + 56 - 39.8, petrol 20 - 10 - 6
    update(tripId(first), f({{"FinalRest2Indication", 1}, {"FinalRest2", 0.0}}));
    const qint64 second = sheet(car, at(3, 1), f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 116.2},
                                                  {"FinalRest1Indication", 1}, {"FinalRest1", 118.5}}));
    const QString c = QString::number(car);
    // Expected: FinalRestIndication, FinalRest, FuelRest, FuelTaken, OIDR; empty: no rows.
    const struct { QString param; QVariantList expected; } cases[] = {
        {QStringLiteral("%1,%2,'2024.03.02','O4000100'").arg(c).arg(diesel), {1, 118.5, 116.2, 0.0, tripId(second)}},
        {QStringLiteral("%1,%2,'2024.03.01','%3'").arg(c).arg(diesel).arg(tripId(second)), {0, 0.0, 100.0, 56.0, tripId(first)}},
        {QStringLiteral("%1,%2,'2024.03.02',''").arg(c).arg(petrol), {1, 0.0, 20.0, -10.0, tripId(first)}},
        {QStringLiteral("%1,%2,'2024.03.02',''").arg(c).arg(gas), {}},
        {QStringLiteral("%1,%2,'2024.02.29',''").arg(c).arg(diesel), {}},
        {QStringLiteral("%1,%2,'2024.03.02',''").arg(otherCar).arg(diesel), {}},
    };
    for (const auto& k : cases) {
        const vx::RecordsetPtr rs = rows("GetTripFuelRest", k.param);
        QVariantList got;
        if (rs->RecordCount() > 0)
            for (const char* field : {"FinalRestIndication", "FinalRest", "FuelRest", "FuelTaken", "OIDR"})
                got << rs->value(QString::fromLatin1(field));
        EXPECT_EQ(got, k.expected) << k.param.toStdString();
    }
    const vx::RecordsetPtr older =
        rows("GetTripFuelRest", QStringLiteral("%1,%2,'2024.03.02',''").arg(c).arg(petrol));
    EXPECT_DOUBLE_EQ(older->value(QStringLiteral("FuelByNorm")).toDouble(), 6.0);
}

TEST_F(BoTripCalls, RouteLineNormsAreTheVehiclesLinkedNormsByName)
{
    for (qint64 n : {highway, city, generator})
        createId("O4000500", {{"TransportCarID", car}, {"TransportFuelNormID", n}});
    const QString call = QStringLiteral("DO4000100_GetTripCarFuelNorms");
    const vx::RecordsetPtr rs = rows(call, QStringLiteral("'%1'").arg(carId(car)));
    EXPECT_EQ(columnText(rs, "TransportFuelNormName"), "Generatorius|miestas|Užmiestis");
    EXPECT_EQ(rowsText(rs, {"OIDR", "FuelNormByDistance", "FuelNormByDuration", "TransportFuelNormCode", "TransportFuelTypeName"}),
              QStringList({QStringLiteral("%1|0|2|Gen|Benzinas 95").arg(vx::oid::make(u"O4000603", generator)),
                           QStringLiteral("%1|12|1.5|mie|Dyzelinas EURO").arg(vx::oid::make(u"O4000603", city)),
                           QStringLiteral("%1|8|0|Užm|Dyzelinas EURO").arg(vx::oid::make(u"O4000603", highway))}));
    EXPECT_EQ(rows(call, QStringLiteral("'%1'").arg(carId(otherCar)))->RecordCount(), 0);
}

TEST_F(BoTripCalls, SegmentTripsLieWithinTheWholeDaysOfThePeriodByDateThenSheetNumber)
{
    const qint64 volvo = sheet(car, at(3, 1), f({{"Name", QStringLiteral("KL-2")}}));
    const qint64 man = sheet(otherCar, at(3, 1), f({{"Name", QStringLiteral("kl-1")}}));
    line(volvo, city, 1, 0, 0, 0, at(3, 5, 10));
    line(man, city, 1, 0, 0, 0, at(3, 5, 10));
    line(volvo, city, 1, 0, 0, 0, at(3, 31, 23));
    line(volvo, city, 1, 0, 0, 0, at(4, 1));
    line(man, city, 1, 0, 0, 0, at(2, 29, 23));
    const QString seg = vx::oid::make(QStringLiteral("O4000601"), segment);
    const vx::RecordsetPtr march =
        rows("GetTripRoutes", QStringLiteral("'%1','2024.03.01','2024.03.31'").arg(seg));
    EXPECT_EQ(rowsText(march, {"TripName", "OIDR", "CarName", "Date"}),
              QStringList({QStringLiteral("kl-1|%1|MAN TGX|2024-03-05T10:00:00.000").arg(tripId(man)),
                           QStringLiteral("KL-2|%1|Volvo FH KLM 123|2024-03-05T10:00:00.000").arg(tripId(volvo)),
                           QStringLiteral("KL-2|%1|Volvo FH KLM 123|2024-03-31T23:00:00.000").arg(tripId(volvo))}));
    EXPECT_EQ(rows("GetTripRoutes", QStringLiteral("'%1','2024.01.01','9999.12.31'").arg(seg))->RecordCount(), 5);
    EXPECT_EQ(rows("GetTripRoutes", QStringLiteral("'O4000601','2024.01.01','9999.12.31'"))->RecordCount(), 0);
}

} // namespace
