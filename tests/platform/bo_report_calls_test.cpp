// The fuel balance report on a hand-made fleet: a vehicle in a group with two
// sheets (the second with a measured end rest) and one without a group whose
// sheet uses its second tank, a negative cheque and a line of another fuel;
// sheets outside the period, filters by vehicle group and driver, and the rows
// as a .csv file. Malformed parameters are BoCallArguments' test.

#include "app/ctl_report_command.h"
#include "platform/bo/recordset_text.h"
#include "platform/bo/reports/report_catalogue.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using bo::reports::ReportArguments;

constexpr auto* f = &fieldMap;

QDateTime at(int month, int day)
{
    return QDateTime(QDate(2024, month, day), QTime(8, 0));
}

QString car(qint64 number) { return vx::oid::make(QStringLiteral("O4000400"), number); }

ReportArguments period(QDate from, QDate to, QStringList vehicles = {}, QString driver = {})
{
    return {from, to, vehicles, driver, {}, {}, {}, 0};
}

vx::RecordsetPtr runReport(bo::Session& session, const char* name, const ReportArguments& args)
{
    const vx::CallResult result = bo::reports::run(session, *bo::reports::findReport(QString::fromUtf8(name)), args);
    EXPECT_EQ(result.Code, 0) << result.Message.toStdString();
    return result.Value.value<vx::RecordsetPtr>();
}

// Each row's values but the object ids, separated by spaces.
QStringList lines(const vx::RecordsetPtr& rs)
{
    QStringList out;
    for (int r = 0; rs && r < rs->readCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs->fieldCount(); ++c)
            if (!rs->fieldDef(c).name.endsWith(QLatin1String("OIDR")))
                cells << rs->valueAt(r, c).toString();
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}

class BoFuelBalance : public StoreFixture {
protected:
    void prepare() override
    {
        const qint64 diesel = createId("O4000604", {{"Name", QStringLiteral("Dyzelinas")}});
        const qint64 petrol = createId("O4000604", {{"Name", QStringLiteral("Benzinas")}});
        const qint64 dieselFuel = createId("O4000602", {{"Name", QStringLiteral("DT")}, {"TransportFuelTankTypeID", diesel}});
        const qint64 petrolFuel = createId("O4000602", {{"Name", QStringLiteral("A95")}, {"TransportFuelTankTypeID", petrol}});
        const qint64 city = createId("O4000603", {{"Name", QStringLiteral("Miestas")}, {"TransportFuelTypeID", dieselFuel}});
        const qint64 generator = createId("O4000603", {{"Name", QStringLiteral("Generatorius")}, {"TransportFuelTypeID", petrolFuel}});
        segment = createId("O4000601", {{"Name", QStringLiteral("Vilnius – Kaunas")}});
        group = createId("O4000400", {{"Name", QStringLiteral("Sunkvežimiai")}, {"GroupFlag", 1}, {"OType", QStringLiteral("Group")}});
        volvo = createId("O4000400", {{"Name", QStringLiteral("Volvo")}, {"Code", QStringLiteral("KLM 123")}, {"ParentID", group}});
        man = createId("O4000400", {{"Name", QStringLiteral("MAN")}});
        driver = createId("O0001401", {{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Žukas")}});

        // Volvo: 100 km + 1 h at 10 l/100 km and 2 l/h = 12 l, 30 l bought, 20 km on its own account.
        qint64 trip = sheet(volvo, at(3, 1), 1000, 1120, f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 50.0}}));
        line(trip, city, 100, 1, 10, 2);
        cheque(trip, dieselFuel, 30);
        // 200 km at 10 l/100 km = 20 l, 10 l bought, 55 l measured at the end (58 by norms).
        trip = sheet(volvo, at(3, 10), 1120, 1320,
                     f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 68.0}, {"FinalRest1Indication", 1}, {"FinalRest1", 55.0}}));
        line(trip, city, 200, 0, 10, 0);
        cheque(trip, dieselFuel, 10);
        cheque(sheet(volvo, at(4, 1), 1320, 1400, f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 55.0}})), dieselFuel, 99);
        sheet(volvo, at(2, 28), 900, 1000, f({{"FuelTankTypeID1", diesel}, {"FuelRest1", 7.0}}));
        // MAN, tank 2: 50 km at 8 l/100 km = 4 l; the generator's petrol is no tank of this sheet.
        trip = sheet(man, at(3, 5), 500, 550.5, f({{"FuelTankTypeID2", diesel}, {"FuelRest2", 10.0}, {"UserID", driver}}));
        line(trip, city, 50, 0, 8, 0);
        line(trip, generator, 0, 3, 0, 2);
        cheque(trip, dieselFuel, 20);
        cheque(trip, dieselFuel, -5);
        cheque(trip, petrolFuel, 40);
    }

    qint64 sheet(qint64 car, const QDateTime& date, double start, double end, QVariantMap fields)
    {
        fields.insert(f({{"TransportCarID", car}, {"Date", date}, {"DistanceRest", start}, {"DistanceEnd", end}}));
        return createId(QStringLiteral("O4000100"), fields);
    }
    void line(qint64 trip, qint64 norm, double km, double hours, double perKm, double perHour)
    {
        createId("O4000200", {{"TransportTripID", trip}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                              {"Distance", km}, {"Duration", hours}, {"FuelNormByDistance", perKm},
                              {"FuelNormByDuration", perHour}, {"Date", at(3, 1)}});
    }
    void cheque(qint64 trip, qint64 fuel, double litres)
    {
        createId("O4000300", {{"TransportTripID", trip}, {"TransportFuelTypeID", fuel}, {"FuelAmount", litres},
                              {"Date", QDate(2024, 3, 1)}});
    }
    vx::RecordsetPtr report(const ReportArguments& args) { return runReport(session(), "Kuro balansas", args); }

    qint64 segment = 0, group = 0, volvo = 0, man = 0, driver = 0;
};

// Rows of vehicles (0), of their groups (1) and the grand total (2): sheets, run, run on
// the driver's own account, fuel by norms, received, rest at the start and end, deviation.
TEST_F(BoFuelBalance, VehiclesOfThePeriodWithGroupAndGrandTotalsFilteredByGroupVehicleAndDriver)
{
    const QString volvoRow = QStringLiteral("0 Sunkvežimiai Volvo KLM 123 2 300 20 32 40 50 55 -3");
    const QString trucksRow = QStringLiteral("1 Sunkvežimiai  2 300 20 32 40 50 55 -3");
    const QString manRows[] = {QStringLiteral("0 Be grupės MAN 1 50 0.5 4 15 10 21 0"),
                               QStringLiteral("1 Be grupės  1 50 0.5 4 15 10 21 0"), QStringLiteral("2   1 50 0.5 4 15 10 21 0")};
    const QDate march(2024, 3, 1), endOfMarch(2024, 3, 31);
    const struct { const char* what; ReportArguments args; QStringList rows; } cases[] = {
        {"every vehicle", period(march, endOfMarch),
         {volvoRow, trucksRow, manRows[0], manRows[1], QStringLiteral("2   3 350 20.5 36 55 60 76 -3")}},
        {"the group takes in its vehicles", period(march, endOfMarch, {car(group)}),
         {volvoRow, trucksRow, QStringLiteral("2   2 300 20 32 40 50 55 -3")}},
        {"one vehicle", period(march, endOfMarch, {car(man)}), {manRows[0], manRows[1], manRows[2]}},
        {"the driver's sheets", period(QDate(2024, 1, 1), QDate(2024, 12, 31), {}, vx::oid::make(QStringLiteral("O0001401"), driver)),
         {manRows[0], manRows[1], manRows[2]}},
        {"the end rest by norms of the last sheet", period(march, QDate(2024, 3, 9), {car(volvo)}),
         {QStringLiteral("0 Sunkvežimiai Volvo KLM 123 1 100 20 12 30 50 68 0"), QStringLiteral("1 Sunkvežimiai  1 100 20 12 30 50 68 0"),
          QStringLiteral("2   1 100 20 12 30 50 68 0")}},
        {"no sheets, no rows", period(QDate(2023, 1, 1), QDate(2023, 1, 31)), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(report(c.args)), c.rows) << c.what;
    EXPECT_EQ(rowText(report(period(march, endOfMarch)), {"CarOIDR"}, 2), car(man));
}

TEST_F(BoFuelBalance, TheCsvFileReadsBackWithLithuanianLettersAndDecimalCommas)
{
    const bo::reports::ReportDefinition& definition = *bo::reports::findReport(QStringLiteral("FuelBalance"));
    const vx::RecordsetPtr rs = report(period(QDate(2024, 3, 1), QDate(2024, 3, 31), {}));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Kuro balansas.csv"));
    QString error;
    ASSERT_TRUE(bo::reports::writeCsv(path, definition, *rs, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "a spreadsheet reads UTF-8 only with the mark";
    const QStringList rows = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows.at(0), QStringLiteral("Grupė;Automobilis;Lapų;Rida, km;Savo sąskaita, km;Pagal normas, l;Gauta, l;"
                                         "Likutis pradžioje, l;Likutis pabaigoje, l;Nuokrypis, l"));
    EXPECT_EQ(rows.at(1), QStringLiteral("Sunkvežimiai;Volvo KLM 123;2;300;20;32,000;40,000;50,000;55,000;-3,000"));
    EXPECT_EQ(rows.at(3), QStringLiteral("Be grupės;MAN;1;50;0,5;4,000;15,000;10,000;21,000;0,000"));
    EXPECT_EQ(rows.at(5), QStringLiteral(";Iš viso;3;350;20,5;36,000;55,000;60,000;76,000;-3,000"));
}

// The other reports on one small fleet: cheques in the base currency, in a
// currency with and without a rate for their day and without a currency;
// sheets whose readings jump, one of them against a sheet of the same day
// with an earlier time but a larger number; documents around a day; tyres
// moved between vehicles with a gap in their runs, and one written off.
class BoFleetReports : public StoreFixture {
protected:
    void prepare() override
    {
        const qint64 eur = createId("O0201500", {{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}});
        const qint64 usd = createId("O0201500", {{"Code", QStringLiteral("USD")}});
        createId("O0002200", {{"CurrencyID", usd}, {"Date", QDate(2024, 3, 2)}, {"Rate", 0.9}});
        const qint64 seller = createId("O0000100", {{"Name", QStringLiteral("UAB Degalų prekyba")}});
        const qint64 service = createId("O0000100", {{"Name", QStringLiteral("AB Kelių servisas")}});
        const qint64 diesel = createId("O4000602", {{"Name", QStringLiteral("DT")}});
        const qint64 petrol = createId("O4000602", {{"Name", QStringLiteral("A95")}});
        group = createId("O4000400", {{"Name", QStringLiteral("Sunkvežimiai")}, {"GroupFlag", 1}, {"OType", QStringLiteral("Group")}});
        volvo = createId("O4000400", {{"Name", QStringLiteral("Volvo")}, {"ParentID", group}});
        man = createId("O4000400", {{"Name", QStringLiteral("MAN")}});

        const qint64 before = sheet(volvo, "V-0", at(2, 20), 900, 990);
        const qint64 first = sheet(volvo, "V-1", at(3, 1), 1000, 1100);
        sheet(volvo, "V-2", QDateTime(QDate(2024, 3, 1), QTime(7, 0)), 1100, 1200);
        const qint64 third = sheet(volvo, "V-3", at(3, 5), 1250, 1300);
        const qint64 truck = sheet(man, "M-1", at(3, 3), 500, 600);
        sheet(man, "M-2", at(4, 2), 590, 700);
        gapIds = {trip(before), trip(first)};

        // Sheet, firm, fuel, litres, sum, currency (0: none) and day of each cheque.
        for (const auto& [sheetId, firm, fuel, litres, sum, currency, date] :
             {std::tuple(first, seller, diesel, 40, 60.0, eur, QDate(2024, 3, 1)),
              std::tuple(first, seller, diesel, 10, 20.0, usd, QDate(2024, 3, 2)),
              std::tuple(third, seller, petrol, 5, 8.5, qint64(0), QDate(2024, 3, 5)),
              std::tuple(truck, service, diesel, 30, 33.33, usd, QDate(2024, 3, 3)),
              std::tuple(before, service, diesel, 99, 99.0, eur, QDate(2024, 2, 20))})
            createId("O4000300", {{"TransportTripID", sheetId}, {"FirmID", firm}, {"TransportFuelTypeID", fuel},
                                  {"FuelAmount", litres}, {"SumCurr", sum}, {"CurrencyID", currency ? QVariant(currency) : QVariant()}, {"Date", date}});

        const qint64 insurance = createId("O4000609", {{"Name", QStringLiteral("Draudimas")}});
        const qint64 inspection = createId("O4000609", {{"Name", QStringLiteral("Techninė apžiūra")}});
        for (const auto& [vehicle, kind, number, end] :
             {std::tuple(volvo, insurance, "D-1", QDate(2024, 3, 20)), std::tuple(volvo, inspection, "T-1", QDate(2024, 3, 10)),
              std::tuple(volvo, inspection, "T-0", QDate(2024, 3, 4)), std::tuple(man, insurance, "D-2", QDate(2024, 5, 1)),
              std::tuple(man, inspection, "T-2", QDate(2999, 12, 31))})
            createId("O4001100", {{"TransportID", vehicle}, {"DocTypeID", kind}, {"DocNumber", QString::fromLatin1(number)},
                                  {"DateFrom", QDate(2023, 1, 1)}, {"DateTo", end}});

        // 100 at the first mounting, then 400 and 300 more: 800 of 1000, though no end run exceeds 750.
        const qint64 moved = tyre("P-1", "Vasarinė", 1000, QVariant());
        mounting(volvo, moved, QDate(2024, 1, 1), QDate(2024, 2, 1), 100, 500);
        mounting(man, moved, QDate(2024, 2, 2), QVariant(), 450, 750);
        mounting(volvo, tyre("P-2", "", 1000, QVariant()), QDate(2024, 1, 1), QVariant(), 0, 700);
        mounting(volvo, tyre("P-3", "", 100, QDate(2024, 2, 1)), QDate(2024, 1, 1), QDate(2024, 2, 1), 0, 200);
    }

    qint64 sheet(qint64 vehicle, const char* number, const QDateTime& date, double start, double end)
    {
        return createId("O4000100", {{"TransportCarID", vehicle}, {"Name", QString::fromLatin1(number)}, {"Date", date},
                                     {"DistanceRest", start}, {"DistanceEnd", end}});
    }
    qint64 tyre(const char* number, const char* name, int maxRun, const QVariant& writtenOff)
    {
        return createId("O4000800", {{"Number", QString::fromLatin1(number)}, {"Name", QString::fromUtf8(name)},
                                     {"MaxRun", maxRun}, {"DateFrom", QDate(2023, 12, 1)}, {"DateTo", writtenOff}});
    }
    void mounting(qint64 vehicle, qint64 tyre, const QDate& from, const QVariant& to, int runFrom, int runTo)
    {
        createId("O4000900", {{"TransportID", vehicle}, {"TyreID", tyre}, {"Axis", 1}, {"DateFrom", from}, {"DateTo", to},
                              {"TyreRunFrom", runFrom}, {"TyreRunTo", runTo}});
    }
    static QString trip(qint64 number) { return vx::oid::make(QStringLiteral("O4000100"), number); }
    static ReportArguments on(QDate day, int number, QStringList vehicles = {}) { return {{}, {}, vehicles, {}, {}, {}, day, number}; }

    qint64 group = 0, volvo = 0, man = 0;
    QStringList gapIds;
};

TEST_F(BoFleetReports, RowsAndTotalsOfEachReport)
{
    const QDate march(2024, 3, 1), endOfMarch(2024, 3, 31);
    const struct { const char* report; ReportArguments args; QStringList rows; } cases[] = {
        {"Kuro čekiai", period(march, endOfMarch),
         {QStringLiteral("0 AB Kelių servisas DT 1 30 33.33 USD 0 1"), QStringLiteral("1 AB Kelių servisas  1 30 33.33 USD 0 1"),
          QStringLiteral("0 UAB Degalų prekyba A95 1 5 8.5 EUR 8.5 0"),
          QStringLiteral("0 UAB Degalų prekyba DT 1 40 60 EUR 60 0"),
          QStringLiteral("0 UAB Degalų prekyba DT 1 10 20 USD 18 0"),
          QStringLiteral("1 UAB Degalų prekyba  3 55   86.5 0"), QStringLiteral("2   4 85   86.5 1")}},
        {"FuelCheques", period(march, march.addDays(1), {car(group)}),
         {QStringLiteral("0 UAB Degalų prekyba DT 1 40 60 EUR 60 0"), QStringLiteral("0 UAB Degalų prekyba DT 1 10 20 USD 18 0"),
          QStringLiteral("1 UAB Degalų prekyba  2 50   78 0"), QStringLiteral("2   2 50   78 0")}},
        {"Spidometro neatitikimai", period(march, endOfMarch),
         {QStringLiteral("0 Volvo V-0 2024-02-20 990 V-1 2024-03-01 1000 10"),
          QStringLiteral("0 Volvo V-2 2024-03-01 1200 V-3 2024-03-05 1250 50")}},
        {"OdometerGaps", period(march, QDate(2024, 4, 30), {car(man)}),
         {QStringLiteral("0 MAN M-1 2024-03-03 600 M-2 2024-04-02 590 -10")}},
        {"Baigiantys galioti dokumentai", on(QDate(2024, 3, 5), 30),
         {QStringLiteral("0 Volvo Techninė apžiūra  T-1 2024-03-10 5"), QStringLiteral("0 Volvo Draudimas  D-1 2024-03-20 15")}},
        {"ExpiringDocuments", on(QDate(2024, 3, 10), 0), {QStringLiteral("0 Volvo Techninė apžiūra  T-1 2024-03-10 0")}},
        {"ExpiringDocuments", on(QDate(2024, 3, 5), 9000, {car(man)}), {QStringLiteral("0 MAN Draudimas  D-2 2024-05-01 57")}},
        {"Padangų rida", on({}, 80), {QStringLiteral("0 P-1 – Vasarinė MAN 800 1000 80")}},
        {"TyreRuns", on({}, 70), {QStringLiteral("0 P-1 – Vasarinė MAN 800 1000 80"), QStringLiteral("0 P-2 Volvo 700 1000 70")}},
        {"TyreRuns", on({}, 70, {car(group)}), {QStringLiteral("0 P-2 Volvo 700 1000 70")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(runReport(session(), c.report, c.args)), c.rows) << c.report;

    const vx::RecordsetPtr gaps = runReport(session(), "OdometerGaps", period(march, endOfMarch));
    ASSERT_TRUE(gaps);
    EXPECT_EQ(rowText(gaps, {"PrevOIDR", "TripOIDR"}, 0), gapIds.join(u'|')) << "both sheets can be opened from the row";
}

// The report named by its key or name in any case, its arguments as the words the report asks for.
TEST_F(BoFleetReports, TheCommandLinePrintsTheRowsOfTheReportForTheWordsItAsks)
{
    const auto ctlReport = [&](const char* name, const QStringList& words) {
        return runCommand([&](QTextStream& out, QTextStream& err) {
            return ctl::runReport(store_->location(), QString::fromUtf8(name), words, QString(), out, err);
        });
    };
    const struct { const char* name; QStringList words; ReportArguments args; } printed[] = {
        {"fuelcheques", {QStringLiteral("2024.03.01"), QStringLiteral("2024.03.31"), car(group)},
         period(QDate(2024, 3, 1), QDate(2024, 3, 31), {car(group)})},
        {"Baigiantys galioti dokumentai", {QStringLiteral("2024.03.05"), QStringLiteral("30")}, on(QDate(2024, 3, 5), 30)},
    };
    for (const auto& p : printed) {
        const CommandRun run = ctlReport(p.name, p.words);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, bo::describeRecordset(*runReport(session(), p.name, p.args)).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    const struct { const char* name; QStringList words; const char* says; } refused[] = {
        {"Nėra", {}, "FuelBalance"}, // names the reports there are
        {"ExpiringDocuments", {QStringLiteral("2024.03.05")}, "Dienų skaičius turi būti"},
        {"ExpiringDocuments", {QStringLiteral("5.3.2024"), QStringLiteral("30")}, "Netinkama data"},
        {"ExpiringDocuments", {QStringLiteral("2024.03.05"), QStringLiteral("30"), QString(), QStringLiteral("O0001401001")}, "Per daug"},
    };
    for (const auto& r : refused) {
        const CommandRun run = ctlReport(r.name, r.words);
        EXPECT_EQ(run.code, 1) << r.says;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.says))) << run.err.toStdString();
    }
}

} // namespace
