// The demo fleet: what it holds, that its sheets follow one another without
// running dry, and the kelmiractl commands that seed a store once and read it.

#include "platform/bo/demo_seed.h"
#include "platform/bo/migrations.h"
#include "platform/bo/session_store.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>


namespace {

class BoDemo : public StoreFixture {
protected:
    void seed() { ASSERT_NO_THROW(bo::seedDemo(session(), vx::clock::today())); }

    bo::Rows query(const QString& sql, const QVariantList& values = {}) { return bo::storeOf(session()).query(sql, values); }
    qint64 count(const QString& sql, const QVariantList& values = {})
    {
        return scalar(sql, values).toLongLong();
    }
};

TEST_F(BoDemo, HoldsAWorkingFleetWithThreeToFourMonthsOfSheetsEndingToday)
{
    seed();
    const QDate today = vx::clock::today();
    for (const QString& tank : {QStringLiteral("Dyzelinas"), QStringLiteral("Benzinas")})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ref_fuel_tank_type WHERE \"Name\" = ?"), {tank}), 1) << tank.toStdString();
    const QList<QPair<const char*, const char*>> filled = {
        {"segments with distance and duration", "SELECT COUNT(*) FROM ref_route WHERE \"GroupFlag\" = 0 AND \"Distance\" > 0 AND \"Duration\" > 0"},
        {"fuel types with a tank type", "SELECT COUNT(*) FROM ref_fuel_type f JOIN ref_fuel_tank_type t ON t.\"ID\" = f.\"TransportFuelTankTypeID\""},
        {"norms with a fuel type", "SELECT COUNT(*) FROM ref_fuel_norm n JOIN ref_fuel_type f ON f.\"ID\" = n.\"TransportFuelTypeID\" WHERE n.\"Value\" > 0"},
        {"tyre sizes", "SELECT COUNT(*) FROM ref_tyre_size"},
        {"tyre brands", "SELECT COUNT(*) FROM ref_tyre_type"},
        {"vehicle types", "SELECT COUNT(*) FROM ref_car_type"},
        {"vehicle properties", "SELECT COUNT(*) FROM ref_car_property"},
        {"document types", "SELECT COUNT(*) FROM ref_document_type"},
        {"firms", "SELECT COUNT(*) FROM firm WHERE \"GroupFlag\" = 0"},
        {"drivers with a prefix", "SELECT COUNT(*) FROM employee WHERE \"DriverFlag\" = 1 AND \"UserPref\" <> ''"},
        {"vehicles with a plate in a group", "SELECT COUNT(*) FROM transport_car c JOIN transport_car g ON g.\"ID\" = c.\"ParentID\" AND g.\"GroupFlag\" = 1 WHERE c.\"GroupFlag\" = 0 AND c.\"Code\" <> '' AND c.\"FuelTankTypeID1\" > 0"},
        {"vehicles with two tanks", "SELECT COUNT(*) FROM transport_car WHERE \"FuelTankTypeID2\" > 0"},
    };
    for (const auto& [what, sql] : filled)
        EXPECT_GT(count(QString::fromUtf8(sql)), 0) << what;
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM transport_car WHERE \"GroupFlag\" = 1")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM currency WHERE \"BaseCurrency\" = 1 AND \"Code\" = ?"), {QStringLiteral("EUR")}), 1);
    for (const QString& code : {QStringLiteral("USD"), QStringLiteral("PLN")})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM currency_rate r JOIN currency c ON c.\"ID\" = r.\"CurrencyID\" "
                                       "WHERE c.\"Code\" = ? AND r.\"Date\" = ?"), {code, today}), 1) << code.toStdString();

    const bo::Rows vehicles = query(QStringLiteral("SELECT \"ID\" FROM transport_car WHERE \"GroupFlag\" = 0 ORDER BY \"ID\""));
    ASSERT_GE(vehicles.size(), 4);
    for (const QVariantList& row : vehicles.values) {
        const qint64 car = row.at(0).toLongLong();
        SCOPED_TRACE("vehicle " + std::to_string(car));
        for (const char* table : {"transport_car_fuel_norm", "transport_car_fuel_tank"})
            EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"TransportCarID\" = ?").arg(QLatin1String(table)), {car}), 0) << table;
        for (const char* table : {"transport_car_driver", "transport_car_document"})
            EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"TransportID\" = ?").arg(QLatin1String(table)), {car}), 0) << table;
        EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM transport_car_tyre WHERE \"TransportID\" = ? AND \"DateTo\" IS NULL"), {car}), 4);
        EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM transport_cheque c JOIN transport_trip t ON t.\"ID\" = c.\"TransportTripID\" "
                                       "WHERE t.\"TransportCarID\" = ?"), {car}), 0);

        const bo::Rows sheets = query(QStringLiteral("SELECT \"Date\", \"DateTo\" FROM transport_trip WHERE \"TransportCarID\" = ? "
                                                     "ORDER BY \"Date\""), {car});
        ASSERT_GT(sheets.size(), 4);
        const QDate first = sheets.values.first().at(0).toDateTime().date();
        EXPECT_GE(first, today.addMonths(-4));
        EXPECT_LE(first, today.addMonths(-3));
        const QVariant lastTo = sheets.values.last().at(1);
        EXPECT_TRUE(lastTo.isNull() || lastTo.toDateTime().date() == today) << "the latest sheet reaches today";
    }

    const QList<QPair<const char*, const char*>> broken = {
        {"sheets without route lines", "SELECT COUNT(*) FROM transport_trip t WHERE NOT EXISTS (SELECT 1 FROM transport_trip_route l WHERE l.\"TransportTripID\" = t.\"ID\")"},
        {"sheets without a number or with a repeated one", "SELECT COUNT(*) FROM transport_trip t WHERE COALESCE(t.\"Name\", '') = '' OR EXISTS (SELECT 1 FROM transport_trip o WHERE o.\"Name\" = t.\"Name\" AND o.\"ID\" <> t.\"ID\")"},
        {"sheets driven by someone not marked as a driver", "SELECT COUNT(*) FROM transport_trip t JOIN employee e ON e.\"ID\" = t.\"UserID\" WHERE e.\"DriverFlag\" <> 1"},
        {"lines whose norm is not linked to the vehicle", "SELECT COUNT(*) FROM transport_trip_route l JOIN transport_trip t ON t.\"ID\" = l.\"TransportTripID\" WHERE NOT EXISTS (SELECT 1 FROM transport_car_fuel_norm k WHERE k.\"TransportCarID\" = t.\"TransportCarID\" AND k.\"TransportFuelNormID\" = l.\"TransportFuelNormID\")"},
        {"lines not copying their norm and segment", "SELECT COUNT(*) FROM transport_trip_route l JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" JOIN ref_route r ON r.\"ID\" = l.\"TransportRouteID\" WHERE l.\"FuelNormByDistance\" <> n.\"Value\" OR l.\"FuelNormByDuration\" <> n.\"DurationValue\" OR l.\"Distance\" <> r.\"Distance\" OR l.\"Duration\" <> r.\"Duration\""},
        {"lines outside their sheet's period", "SELECT COUNT(*) FROM transport_trip_route l JOIN transport_trip t ON t.\"ID\" = l.\"TransportTripID\" WHERE l.\"Date\" < t.\"Date\" OR (t.\"DateTo\" IS NOT NULL AND l.\"Date\" > t.\"DateTo\")"},
        {"cheques for a tank the sheet does not have", "SELECT COUNT(*) FROM transport_cheque c JOIN transport_trip t ON t.\"ID\" = c.\"TransportTripID\" JOIN ref_fuel_type f ON f.\"ID\" = c.\"TransportFuelTypeID\" WHERE f.\"TransportFuelTankTypeID\" NOT IN (COALESCE(t.\"FuelTankTypeID1\", 0), COALESCE(t.\"FuelTankTypeID2\", 0))"},
        {"foreign-currency cheques without a rate of their day", "SELECT COUNT(*) FROM transport_cheque c JOIN currency m ON m.\"ID\" = c.\"CurrencyID\" WHERE m.\"BaseCurrency\" = 0 AND NOT EXISTS (SELECT 1 FROM currency_rate r WHERE r.\"CurrencyID\" = c.\"CurrencyID\" AND r.\"Date\" = c.\"Date\")"},
    };
    for (const auto& [what, sql] : broken)
        EXPECT_EQ(count(QString::fromUtf8(sql)), 0) << what;
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM auto_number_settings WHERE \"ANMask\" = 'Prefix_Date_AutoNumber' "
                                   "AND \"ANPrefix\" = 'KL' AND \"AllowDuplicated\" = 0")),
              1)
        << "new sheets are numbered as the demo's are";
}

// That each sheet starts with the speedometer reading and the fuel its vehicle's
// previous sheet ended with, and that the layer's tank rows are the card's
// balance, is BoDemoTripBalance's test, through the trip sheet editor.
TEST_F(BoDemo, SheetsDoNotOverlapNeverRunDryAndShowEveryKindOfCase)
{
    seed();
    int measured = 0, ownExpense = 0, secondTankUsed = 0;
    const bo::Rows sheets = query(QStringLiteral(
        "SELECT \"ID\", \"TransportCarID\", \"Date\", \"DateTo\", \"DistanceRest\", \"DistanceEnd\", \"FinalRest1Indication\", "
        "\"FinalRest2Indication\", (SELECT SUM(l.\"Distance\") FROM transport_trip_route l WHERE l.\"TransportTripID\" = t.\"ID\") "
        "FROM transport_trip t ORDER BY \"TransportCarID\", \"Date\", \"ID\""));
    for (qsizetype i = 0; i < sheets.values.size(); ++i) {
        const QVariantList& s = sheets.values.at(i);
        SCOPED_TRACE("sheet " + s.at(0).toString().toStdString());
        if (i > 0 && sheets.values.at(i - 1).at(1) == s.at(1)) {
            EXPECT_LT(sheets.values.at(i - 1).at(3).toDateTime().date(), s.at(2).toDateTime().date()) << "sheets of one vehicle do not overlap";
        }
        ownExpense += s.at(5).toDouble() > s.at(4).toDouble() + s.at(8).toDouble() + 1e-9;
        measured += (s.at(6).toInt() != 0) + (s.at(7).toInt() != 0);
        const vx::RecordsetPtr tanks = rows("GetTransportTripFuelTanks", vx::oid::make(u"O4000100", s.at(0).toLongLong()));
        for (int row = 0; row < tanks->RecordCount(); ++row) {
            EXPECT_GE(tanks->valueAt(row, tanks->fieldIndex(u"FuelRestEnd")).toDouble(), -1e-9)
                << "tank " << row + 1 << " never runs dry by norms";
            secondTankUsed += row == 1 && tanks->valueAt(row, tanks->fieldIndex(u"FuelByNorm")).toDouble() > 0;
        }
    }
    EXPECT_GE(measured, 3) << "a few sheets give the measured rest";
    EXPECT_GT(ownExpense, 0) << "some sheets have distance driven at the driver's own expense";
    EXPECT_GT(secondTankUsed, 0) << "route lines run on a second tank too";
}

// kelmiractl run as a user runs it, on the test's store.
class BoKelmiractl : public StoreFixture {
protected:
    struct Run { int exitCode = -1; QStringList lines; QString errors; };

    Run ctl(const QString& location, const QStringList& arguments)
    {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kelmiractl"),
                      arguments + QStringList{QStringLiteral("--db"), location});
        Run run;
        if (!process.waitForFinished(120000)) {
            ADD_FAILURE() << "kelmiractl did not finish: " << process.errorString().toStdString();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        run.errors = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // The rows of a listing without the moment each record was stored, which no two runs share.
    static QStringList withoutCreationDate(const QStringList& lines)
    {
        const int column = int(lines.value(0).split(QLatin1Char('\t')).indexOf(QStringLiteral("CreationDate")));
        QStringList result;
        for (const QString& line : lines) {
            QStringList cells = line.split(QLatin1Char('\t'));
            if (column >= 0 && column < cells.size())
                cells.removeAt(column);
            result << cells.join(QLatin1Char('\t'));
        }
        return result;
    }
};

TEST_F(BoKelmiractl, SeedsOnceAndPrintsListsAndNamedCallsTheSameOnEveryStore)
{
    const QString location = store_->location();
    session_.reset(); // the commands run in processes of their own
    const Run init = ctl(location, {QStringLiteral("init")});
    EXPECT_EQ(init.exitCode, 0) << init.errors.toStdString();
    EXPECT_TRUE(init.lines.contains(QStringLiteral("Schemos versija: %1").arg(bo::latestSchemaVersion())));

    const Run demo = ctl(location, {QStringLiteral("demo")});
    ASSERT_EQ(demo.exitCode, 0) << demo.errors.toStdString();
    const Run again = ctl(location, {QStringLiteral("demo")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.errors.contains(QStringLiteral("jau yra duomenų"))) << again.errors.toStdString();

    const QStringList tripList{QStringLiteral("list"), QStringLiteral("O4000100"),
                               QStringLiteral("'O4000100','','','2000.01.01','2999.12.31'")};
    const Run sheets = ctl(location, tripList);
    ASSERT_EQ(sheets.exitCode, 0) << sheets.errors.toStdString();
    ASSERT_GT(sheets.lines.size(), 20);
    EXPECT_TRUE(sheets.lines.first().startsWith(QStringLiteral("OIDR\tID\t")));
    const QString sheetRow = sheets.lines.at(2); // a vehicle node, then its newest sheet
    EXPECT_TRUE(sheetRow.contains(QRegularExpression(QStringLiteral("\t\\d{4}\\.\\d{2}\\.\\d{2}\t")))) << sheetRow.toStdString();
    EXPECT_FALSE(sheetRow.contains(QStringLiteral(" 00:00"))) << "midnight is left out";

    const QString sheet = sheetRow.section(QLatin1Char('\t'), 0, 0);
    const Run routes = ctl(location, {QStringLiteral("call"), QStringLiteral("GetTransportTripRoutes"), sheet});
    ASSERT_EQ(routes.exitCode, 0) << routes.errors.toStdString();
    EXPECT_TRUE(routes.lines.value(0).startsWith(QStringLiteral("OIDR\tTransportRouteID\tDate\t")));
    EXPECT_GT(routes.lines.size(), 1);
    EXPECT_TRUE(routes.lines.value(1).contains(QStringLiteral(" – "))) << "segment names like Vilnius – Kaunas";

    const Run unknown = ctl(location, {QStringLiteral("call"), QStringLiteral("GetNoSuchThing"), QStringLiteral("1")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.errors.contains(QStringLiteral("GetNoSuchThing")));
    EXPECT_TRUE(unknown.lines.isEmpty());
    const Run badList = ctl(location, {QStringLiteral("list"), QStringLiteral("O4000100"), QStringLiteral("'unclosed")});
    EXPECT_EQ(badList.exitCode, 1);
    EXPECT_FALSE(badList.errors.isEmpty());

    QString reason;
    const std::unique_ptr<TestStore> other = TestStore::create(&reason);
    ASSERT_TRUE(other) << reason.toStdString();
    ASSERT_EQ(ctl(other->location(), {QStringLiteral("demo")}).exitCode, 0);
    EXPECT_EQ(withoutCreationDate(ctl(other->location(), tripList).lines), withoutCreationDate(sheets.lines))
        << "the demo fleet is the same on every run";
}

// Only init and demo make a store: a reading command on a mistyped path says so
// and leaves nothing behind. A store of a newer program is refused.
TEST_F(BoKelmiractl, ReadingCommandsMakeNoStoreAndANewerStoreIsRefused)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing.sqlite"));
    const QList<QStringList> reading = {{QStringLiteral("get"), QStringLiteral("O40004001")},
                                        {QStringLiteral("list"), QStringLiteral("O4000400"), QStringLiteral("'O4000400',''")},
                                        {QStringLiteral("call"), QStringLiteral("GetTransportTripRoutes"), QStringLiteral("''")}};
    for (const QStringList& command : reading) {
        const Run run = ctl(missing, command);
        EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(QStringLiteral("nėra"))) << run.errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(missing)) << command.join(u' ').toStdString();
    }

    const int newer = bo::latestSchemaVersion() + 1;
    bo::storeOf(session()).execute(QStringLiteral("INSERT INTO kelmira_schema (version, name, applied) VALUES (?, ?, ?)"),
                                   {newer, QStringLiteral("future"), QStringLiteral("2030-01-01T00:00:00Z")});
    session_.reset();
    for (const QStringList& command : {reading.first(), QStringList{QStringLiteral("init")}}) {
        const Run run = ctl(store_->location(), command);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.contains(QStringLiteral("Duomenų bazės schemos versija %1 naujesnė nei programos (%2). "
                                                       "Atnaujinkite programą.")
                                            .arg(newer)
                                            .arg(bo::latestSchemaVersion())))
            << run.errors.toStdString();
    }
}

} // namespace
