// Named calls behind the vehicle, tyre and tyre mounting editors: what a
// vehicle owns, the driver on a day, catalogue names, tyre history and checks,
// the distance a vehicle drove, and parameter texts that are wrong or hostile.

#include "platform/bo/session_store.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <vector>

namespace {

using Fields = std::vector<std::pair<const char*, QVariant>>;

QString u8(const char* text) { return QString::fromUtf8(text); }
QDate day(int m, int d) { return QDate(2026, m, d); }

QStringList texts(const vx::RecordsetPtr& rs, const char* field) { return rowsText(rs, {field}); }

// The current row's fields as texts; an invalid expected value stands for null.
void expectRow(const vx::RecordsetPtr& rs, const Fields& expected)
{
    for (const auto& [field, value] : expected)
        EXPECT_EQ(rowText(rs, {field}), value.isValid() ? value.toString() : QStringLiteral("NULL")) << field;
}

class BoVehicleCalls : public StoreFixture {
protected:
    qint64 named(const char* type, const char* name) { return createId(type, {{"Name", u8(name)}}); }
    qint64 person(const char* name, const char* last) { return createId("O0001401", {{"Name", u8(name)}, {"LastName", u8(last)}}); }
    qint64 tyre(const char* number, const char* name = "") { return createId("O4000800", {{"Number", u8(number)}, {"Name", u8(name)}}); }
    qint64 mount(qint64 car, qint64 tyre, int axle, int side, int place, QDate from, QVariant to, QVariant runTo = {})
    {
        return createId("O4000900", {{"TransportID", car}, {"TyreID", tyre}, {"Axis", axle}, {"CarSide", side},
                                     {"PositionOnAxis", place}, {"DateFrom", from}, {"DateTo", to}, {"TyreRunFrom", 1000},
                                     {"TyreRunTo", runTo}});
    }
    qint64 appoint(qint64 car, qint64 user, QDate from, QVariant to, const QString& order = QString())
    {
        return createId("O4001000", {{"TransportID", car}, {"UserID", user}, {"DateFrom", from}, {"DateTo", to}, {"Order", order}});
    }
    QVariant first(const char* name, const QString& param, const char* field) { return rows(u8(name), param)->value(u8(field)); }

    qint64 car = 0, other = 0;
    void twoCars()
    {
        car = createId("O4000400", {{"Name", u8("Volvo FH")}, {"Code", u8("KLM 001")}});
        other = named("O4000400", "MAN TGX");
    }
};

TEST_F(BoVehicleCalls, EachListGivesTheVehiclesOwnRowsInTheirOrderWithTheirFields)
{
    twoCars();
    const qint64 diesel = named("O4000604", "Dyzelinas"), petrol = named("O4000604", "Benzinas");
    const qint64 fuel = createId("O4000602", {{"Name", u8("Vasarinis")}, {"TransportFuelTankTypeID", diesel}});
    QList<qint64> norms, links; // saved out of order; Lithuanian puts Š before T, code points do not
    for (const char* name : {"Tranzitas", "Šalčiai", "Miestas"})
        norms << createId("O4000603", {{"Name", u8(name)}, {"Code", u8(name).left(1)}, {"Value", 35.5},
                                       {"DurationValue", 2.0}, {"TransportFuelTypeID", fuel}});
    for (qint64 norm : norms)
        links << createId("O4000500", {{"TransportCarID", car}, {"TransportFuelNormID", norm}});
    createId("O4000500", {{"TransportCarID", other}, {"TransportFuelNormID", norms[0]}});
    createId("O4001200", {{"TransportCarID", car}, {"TransportFuelTankTypeID", petrol}});
    createId("O4001200", {{"TransportCarID", car}, {"TransportFuelTankTypeID", diesel}});
    const qint64 jonas = person("Jonas", "Jonaitis");
    appoint(car, person("Petras", "Petraitis"), day(6, 1), {});
    const qint64 first = appoint(car, jonas, day(1, 1), day(3, 31), QStringLiteral("Nr. 5"));
    const qint64 inspection = named("O4000609", "Techninė apžiūra"), insurance = named("O4000609", "Draudimas");
    for (const auto& [kind, from] : {std::pair{inspection, day(5, 1)}, std::pair{insurance, day(1, 15)}})
        createId("O4001100", {{"TransportID", car}, {"DocTypeID", kind}, {"DocNumber", QStringLiteral("D-%1").arg(kind)},
                              {"DocShape", u8("Polisas")}, {"DateFrom", from}, {"DateTo", vx::dates::openEnd()},
                              {"DocDescription", u8("Metinis")}});
    const qint64 worn = tyre("P-001", "Vasarinė"), fitted = tyre("P-002");
    mount(car, worn, 1, 0, 1, day(1, 10), day(5, 1), 21000);
    mount(car, fitted, 2, 1, 2, day(5, 2), {}); // still on: listed before the removed one

    const QString carOid = vx::oid::make(u"O4000400", car), carNo = QString::number(car);
    const struct { const char* call; QString param; const char* field; QStringList order; Fields first; } cases[] = {
        {"GetTransportCarFuelNorms", carOid, "TransportFuelNormName", {u8("Miestas"), u8("Šalčiai"), u8("Tranzitas")},
         {{"OIDR", vx::oid::make(u"O4000500", links[2])}, {"TransportFuelNormID", norms[2]}, {"TransportFuelNormCode", u8("M")},
          {"TransportFuelTypeName", u8("Vasarinis")}, {"TransportFuelNormValue", 35.5}, {"TransportFuelNormDurationValue", 2.0}}},
        {"GetTransportCarFuelNorms", QStringLiteral("'O4000400%1'").arg(other), "TransportFuelNormName", {u8("Tranzitas")}, {}},
        {"GetCarFuelTanks", carOid, "FuelTankTypeName", {u8("Benzinas"), u8("Dyzelinas")}, {{"TransportFuelTankTypeID", petrol}}},
        {"GetCarDrivers", carNo, "Preview", {u8("Jonas Jonaitis"), u8("Petras Petraitis")},
         {{"OIDR", vx::oid::make(u"O4001000", first)}, {"UserID", jonas}, {"DateFrom", day(1, 1)}, {"DateTo", day(3, 31)}, {"Order", u8("Nr. 5")}}},
        {"GetCarDocuments", carNo, "Preview", {u8("Draudimas"), u8("Techninė apžiūra")},
         {{"DocTypeID", insurance}, {"DocNumber", QStringLiteral("D-%1").arg(insurance)}, {"DocShape", u8("Polisas")},
          {"DateFrom", day(1, 15)}, {"DateTo", vx::dates::openEnd()}, {"DocDescription", u8("Metinis")}}},
        {"GetCarTyres", carNo, "Preview", {u8("P-002"), u8("P-001 – Vasarinė")},
         {{"TyreID", fitted}, {"DateFrom", day(5, 2)}, {"DateTo", {}}, {"Axis", 2}, {"CarSide", 1}, {"PositionOnAxis", 2},
          {"TyreRunFrom", 1000}, {"TyreRunTo", {}}}},
        {"GetCarDrivers", QString::number(other), "Preview", {}, {}},
        // A vehicle not saved yet: its card still fills the tabs.
        {"GetTransportCarFuelNorms", u8("O4000400"), "OIDR", {}, {}},
        {"GetCarFuelTanks", vx::oid::make(u"O4000100", car), "OIDR", {}, {}},
        {"GetCarDocuments", QString(), "OIDR", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.call) + "(" + c.param.toStdString() + ")");
        const vx::RecordsetPtr rs = rows(u8(c.call), c.param);
        EXPECT_EQ(texts(rs, c.field), c.order);
        if (c.first.size())
            expectRow(rs, c.first);
    }
    EXPECT_EQ(rows(u8("GetCarTyres"), QString())->fieldNames(), rows(u8("GetCarTyres"), carNo)->fieldNames())
        << "an empty answer carries every field";
}

TEST_F(BoVehicleCalls, DriverOnADayLetsALaterOpenAppointmentWinAndAClosedOneCountOnlyAlone)
{
    twoCars();
    const qint64 a = person("Ana", "Ąžuolienė"), b = person("Bronius", "Bružas"), c = person("Cezaris", "Čepas");
    appoint(car, c, day(6, 1), {}); // saved before the earlier ones: the date orders, not the number
    appoint(car, a, day(1, 1), day(3, 31));
    appoint(car, b, day(2, 1), {});
    appoint(car, a, day(7, 1), day(7, 31));
    appoint(other, b, day(5, 1), day(5, 31));
    const struct { qint64 vehicle; const char* date; qint64 driver; } cases[] = {
        {car, "2025.12.31", 0},   {car, "2026.01.01", a},   {car, "2026.02.15", b}, {car, "2026-05-31", b},
        {car, "2026.06.01", c},   {car, "2026.07.15", c},   {car, "", c},           {other, "2026.05.31", b},
        {other, "2026.06.01", 0}, {other, "2026.04.30", 0},
    };
    for (const auto& t : cases) {
        const vx::RecordsetPtr rs = rows(u8("GetDriverName"), QStringLiteral("%1,'%2'").arg(t.vehicle).arg(u8(t.date)));
        EXPECT_EQ(rs->isEOF() ? 0 : rs->value(u"UserID").toLongLong(), t.driver) << t.date;
    }
    EXPECT_EQ(first("GetDriverName", QString::number(car), "Name").toString(), u8("Cezaris Čepas")) << "no date: today";
}

TEST_F(BoVehicleCalls, CatalogueNamesAreFoundByNumber)
{
    const char* cases[][2] = {
        {"O4000607", "GetTypeName"}, {"O4000608", "GetPropertyName"}, {"O4000606", "GetTyreType"}, {"O4000605", "GetTyreSize"}};
    for (const auto& [type, callName] : cases) {
        SCOPED_TRACE(callName);
        const qint64 id = createId(type, {{"Name", u8(callName)}});
        expectRow(rows(u8(callName), QString::number(id)), {{"Name", u8(callName)}, {"OIDR", vx::oid::make(u8(type), id)}});
        EXPECT_EQ(rows(u8(callName), QStringLiteral("999"))->RecordCount(), 0);
        EXPECT_EQ(rows(u8(callName), QString())->RecordCount(), 0);
    }
}

// A tyre in use, its reached run and a taken place in their ordinary use are the
// tyre mounting dialog's tests, its history on one vehicle the tyre card's.
TEST_F(BoVehicleCalls, TyreHistorySpansVehiclesAndAPlaceIsTakenOnItsOwnVehicleOnly)
{
    twoCars();
    const qint64 moved = tyre("P-1");
    mount(car, moved, 2, 1, 2, day(1, 10), day(3, 1), 9000);
    mount(car, moved, 2, 0, 2, day(3, 2), day(5, 1), 21000);
    mount(other, moved, 1, 0, 1, day(5, 2), {});
    const qint64 unmeasured = tyre("P-3"); // on a vehicle, no end run recorded yet
    mount(car, unmeasured, 3, 0, 1, day(4, 1), {});

    const vx::RecordsetPtr history = rows("GetTyreHistory", QString::number(moved));
    EXPECT_EQ(texts(history, "CarPreview"), (QStringList{u8("Volvo FH KLM 001"), u8("Volvo FH KLM 001"), u8("MAN TGX")}));
    EXPECT_EQ(texts(history, "DateFrom").first(), u8("2026-01-10"));
    const struct { const char* call; QString param; int expected; } cases[] = {
        {"GetTyreRun", QString::number(moved), 21000},
        {"GetTyreRun", QString::number(unmeasured), 0},
        {"GetCheckPosition", QStringLiteral("%1,1,0,1").arg(other), 1},
        {"GetCheckPosition", QStringLiteral("%1,1,0,1").arg(car), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(c.call, c.param)->value(0 == qstrcmp(c.call, "GetTyreRun") ? u"MaxRunTo" : u"Result").toInt(), c.expected)
            << c.call << "(" << c.param.toStdString() << ")";
}

TEST_F(BoVehicleCalls, CarRunSumsTheSpeedometerOfSheetsStartingInThePeriod)
{
    twoCars();
    const auto sheet = [&](qint64 vehicle, QDate start, QTime at, QVariant rest, QVariant end) {
        createId("O4000100", {{"TransportCarID", vehicle}, {"Date", QDateTime(start, at)}, {"DistanceRest", rest}, {"DistanceEnd", end}});
    };
    sheet(car, day(1, 1), QTime(0, 0), 1000.0, 1500.0);
    sheet(car, day(1, 31), QTime(23, 0), 1500.0, 1600.5);
    sheet(car, day(2, 1), QTime(0, 0), 1600.0, 1550.0); // end below start adds nothing
    sheet(car, day(2, 2), QTime(0, 0), 1600.0, {});     // not finished
    sheet(other, day(1, 15), QTime(0, 0), {}, 300.0);
    const struct { qint64 vehicle; const char* period; double km; } cases[] = {
        {car, "'2026.01.01','2026.01.31'", 600.5}, {car, "'2026-01-02','2026.12.31'", 100.5},
        {car, "'2026.02.01','9999.12.31'", 0},     {car, "'2026.01.31','2026.01.01'", 0},
        {other, "'2026.01.01','2026.01.31'", 300},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(first("GetCarRun", QStringLiteral("%1,%2").arg(c.vehicle).arg(u8(c.period)), "Distance").toDouble(), c.km)
            << c.period;
}

// Wrong and hostile parameter texts are BoCallArguments' test.
TEST_F(BoVehicleCalls, HostileTextsInRecordsAreData)
{
    twoCars();
    const QString hostile = u8("Nr. 1'); DELETE FROM employee; -- /*");
    appoint(car, person("O'Brien", "x\";--"), day(1, 1), {}, hostile);
    expectRow(rows(u8("GetCarDrivers"), QString::number(car)), {{"Order", hostile}, {"Preview", u8("O'Brien x\";--")}});
    EXPECT_EQ(scalar(u8("SELECT COUNT(*) FROM employee")).toInt(), 2);
}

} // namespace
