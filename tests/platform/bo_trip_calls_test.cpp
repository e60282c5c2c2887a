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

// A number field over every row to 12 significant digits, joined by "|": sums of
// fractions compared as written.
std::string rounded(const vx::RecordsetPtr& rs, const char* field)
{
    QStringList values;
    for (int row = 0; row < rs->RecordCount(); ++row)
        values << QString::number(rs->valueAt(row, rs->fieldIndex(QString::fromLatin1(field))).toDouble(), 'g', 12);
    return values.join(QLatin1Char('|')).toStdString();
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

// Cheques in date order; one without a currency is in the base currency, no rate
// that day gives the rate 0, and base sums are rounded as written, halves up.
TEST_F(BoTripCalls, ChequesOfASheetCarryTankTypeRateAndBaseSumInDateOrder)
{
    const vx::RecordsetPtr rs = rows("GetTransportCheques", tripId(marchSheet()));
    EXPECT_EQ(rowsText(rs, {"FuelAmount", "TransportFuelTankTypeID", "CurrCode", "CurrRate", "BaseCurrency", "SumA",
                            "SumCurrency", "SumCurr", "FirmName", "TransportFuelTypeName", "CashFlag"}),
              (QStringList{QStringLiteral("-10|%1|USD|0.9|0|18|20|20|NULL|Benzinas 95|1").arg(petrol),
                           QStringLiteral("50|%1|EUR|1|1|75.56|75.555|75.555|UAB Degalų prekyba|Dyzelinas EURO|NULL").arg(diesel),
                           QStringLiteral("5|%1|USD|0|0|0|10|10|NULL|Dyzelinas EURO|NULL").arg(diesel),
                           QStringLiteral("1|%1|EUR|1|1|1.5|1.5|1.5|NULL|Dyzelinas EURO|NULL").arg(diesel)}));
    EXPECT_TRUE(columnText(rs, "OIDR").starts_with("O4000300"));
}

// The city lines' own norm values average to 19,3 l over 160 km.
TEST_F(BoTripCalls, NormSummaryGroupsLinesByNormInLithuanianOrder)
{
    const vx::RecordsetPtr rs = rows("GetTransportTripNorms", tripId(marchSheet()));
    EXPECT_EQ(rowsText(rs, {"FuelTankTypeName", "NormName", "TransportFuelTankTypeID", "Distance", "Duration",
                            "DistanceNormValue", "FuelByDurationNorm"}),
              (QStringList{QStringLiteral("Benzinas|Generatorius|%1|0|3|0|6").arg(petrol),
                           QStringLiteral("Dyzelinas|miestas|%1|160|3|12.0625|4.5").arg(diesel),
                           QStringLiteral("Dyzelinas|Užmiestis|%1|200|0|8|0").arg(diesel)}));
    EXPECT_EQ(rounded(rs, "FuelByNorm"), "6|23.8|16");
}

// A negative cheque lowers the fuel received.
TEST_F(BoTripCalls, TankRowsAreTheSheetsTanksThenStoredTanksOfOtherTypes)
{
    const vx::RecordsetPtr rs = rows("GetTransportTripFuelTanks", tripId(marchSheet()));
    EXPECT_EQ(rowsText(rs, {"Code", "Distance", "Duration", "FuelRest", "FuelTaken"}),
              (QStringList{QStringLiteral("DT|360|3|100|56"), QStringLiteral("A95|0|3|20|-10"), QStringLiteral("LPG|0|0|7|0")}));
    EXPECT_EQ(rounded(rs, "FuelByNorm") + " " + rounded(rs, "FuelRestEnd"), "39.8|6|0 116.2|4|7");
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
    // The vehicle, the day, the sheet to look before and the sheet found ("": no rows).
    const struct { QString car; const char* day; QString before; const char* expected; } cases[] = {
        {c, "2999.12.31", {}, "S4"}, {c, "2024.03.05", {}, "S3"}, {c, "2024-03-05", QStringLiteral("O4000100"), "S3"},
        {c, "2024.03.04", {}, "S1"}, {c, "2024.03.05", tripId(s3), "S2"}, {c, "2024.03.05", tripId(s2), "S1"},
        {c, "2999.12.31", tripId(s4), "S3"}, {c, "2024.03.05", QStringLiteral("O4000100999"), "S3"},
        {c, "2024.03.05", tripId(s1), ""}, {c, "2024.02.29", {}, ""}, {carId(otherCar), "2024.03.06", {}, ""},
        {QStringLiteral("O4000400"), "2999.12.31", {}, ""},
    };
    for (const auto& k : cases) {
        const QString param = QStringLiteral("'%1','%2','%3'").arg(k.car, QLatin1String(k.day), k.before);
        EXPECT_EQ(columnText(rows("GetLastTrip", param), "Name"), k.expected) << param.toStdString();
    }
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
    // GetLastTrip for no tank, else GetTripFuelRest; the day; the sheet to look before; the sheet found (0: no rows).
    const struct { qint64 tank; const char* day; qint64 before; qint64 expected; } cases[] = {
        {0, "2024.03.31", 0, c}, {0, "2024.03.09", 0, d}, {0, "2024.03.31", c, a}, {0, "2024.03.31", a, d},
        {0, "2024.03.31", d, b}, {0, "2024.03.31", b, 0}, {diesel, "2024.03.31", 0, a}, {petrol, "2024.03.31", 0, c},
        {diesel, "2024.03.31", a, d}, {petrol, "2024.03.31", c, 0},
    };
    for (const auto& k : cases) {
        const QString before = k.before ? tripId(k.before) : QString();
        const QString param = k.tank ? QStringLiteral("%1,%2,'%3','%4'").arg(car).arg(k.tank).arg(QLatin1String(k.day), before)
                                     : QStringLiteral("'%1','%2','%3'").arg(carId(car), QLatin1String(k.day), before);
        EXPECT_EQ(columnText(rows(k.tank ? "GetTripFuelRest" : "GetLastTrip", param), "OIDR"),
                  (k.expected ? tripId(k.expected) : QString()).toStdString()) << param.toStdString();
    }
}

TEST_F(BoTripCalls, FuelRestComesFromTheLatestEarlierSheetHoldingTheTankType)
{
    const qint64 first = marchSheet(); // diesel 100 + 56 - 39.8, petrol 20 - 10 - 6
    update(tripId(first), f({{"FinalRest2Indication", 1}, {"FinalRest2", 0.0}}));
    const qint64 second = sheet(car, at(3, 1), f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 116.2},
                                                  {"FinalRest1Indication", 1}, {"FinalRest1", 118.5}}));
    const QString c = QString::number(car);
    // Expected: FinalRestIndication, FinalRest, FuelRest, FuelTaken, OIDR; empty: no rows.
    const struct { QString param; QStringList expected; } cases[] = {
        {QStringLiteral("%1,%2,'2024.03.02','O4000100'").arg(c).arg(diesel), {QStringLiteral("1|118.5|116.2|0|") + tripId(second)}},
        {QStringLiteral("%1,%2,'2024.03.01','%3'").arg(c).arg(diesel).arg(tripId(second)), {QStringLiteral("0|0|100|56|") + tripId(first)}},
        {QStringLiteral("%1,%2,'2024.03.02',''").arg(c).arg(petrol), {QStringLiteral("1|0|20|-10|") + tripId(first)}},
        {QStringLiteral("%1,%2,'2024.03.02',''").arg(c).arg(gas), {}},
        {QStringLiteral("%1,%2,'2024.02.29',''").arg(c).arg(diesel), {}},
        {QStringLiteral("%1,%2,'2024.03.02',''").arg(otherCar).arg(diesel), {}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(rowsText(rows("GetTripFuelRest", k.param), {"FinalRestIndication", "FinalRest", "FuelRest", "FuelTaken", "OIDR"}),
                  k.expected) << k.param.toStdString();
    EXPECT_EQ(rounded(rows("GetTripFuelRest", cases[2].param), "FuelByNorm"), "6");
}

TEST_F(BoTripCalls, RouteLineNormsAreTheVehiclesLinkedNormsByName)
{
    for (qint64 n : {highway, city, generator})
        createId("O4000500", {{"TransportCarID", car}, {"TransportFuelNormID", n}});
    const QString call = QStringLiteral("DO4000100_GetTripCarFuelNorms");
    const vx::RecordsetPtr rs = rows(call, QStringLiteral("'%1'").arg(carId(car)));
    EXPECT_EQ(rowsText(rs, {"TransportFuelNormName", "OIDR", "FuelNormByDistance", "FuelNormByDuration", "TransportFuelNormCode",
                            "TransportFuelTypeName"}),
              QStringList({QStringLiteral("Generatorius|%1|0|2|Gen|Benzinas 95").arg(vx::oid::make(u"O4000603", generator)),
                           QStringLiteral("miestas|%1|12|1.5|mie|Dyzelinas EURO").arg(vx::oid::make(u"O4000603", city)),
                           QStringLiteral("Užmiestis|%1|8|0|Užm|Dyzelinas EURO").arg(vx::oid::make(u"O4000603", highway))}));
    EXPECT_EQ(rows(call, QStringLiteral("'%1'").arg(carId(otherCar)))->RecordCount(), 0);
}

TEST_F(BoTripCalls, SegmentTripsLieWithinTheWholeDaysOfThePeriodByDateThenSheetNumber)
{
    const qint64 volvo = sheet(car, at(3, 1), f({{"Name", QStringLiteral("KL-2")}}));
    const qint64 man = sheet(otherCar, at(3, 1), f({{"Name", QStringLiteral("kl-1")}}));
    for (const auto& [trip, date] : {std::pair(volvo, at(3, 5, 10)), std::pair(man, at(3, 5, 10)), std::pair(volvo, at(3, 31, 23)),
                                     std::pair(volvo, at(4, 1)), std::pair(man, at(2, 29, 23))})
        line(trip, city, 1, 0, 0, 0, date);
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
