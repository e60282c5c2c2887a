// The fuel balance report on a hand-made fleet: a vehicle in a group with two
// sheets (the second with a measured end rest) and one without a group whose
// sheet uses its second tank, a negative cheque and a line of another fuel;
// sheets outside the period, filters by vehicle group and driver, malformed
// parameters, and the rows as a .csv file.

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

class BoFuelBalance : public StoreFixture {
protected:
    void SetUp() override
    {
        StoreFixture::SetUp();
        if (!session_)
            return;
        const qint64 diesel = id("O4000604", f({{"Name", QStringLiteral("Dyzelinas")}}));
        const qint64 petrol = id("O4000604", f({{"Name", QStringLiteral("Benzinas")}}));
        const qint64 dieselFuel = id("O4000602", f({{"Name", QStringLiteral("DT")}, {"TransportFuelTankTypeID", diesel}}));
        const qint64 petrolFuel = id("O4000602", f({{"Name", QStringLiteral("A95")}, {"TransportFuelTankTypeID", petrol}}));
        const qint64 city = id("O4000603", f({{"Name", QStringLiteral("Miestas")}, {"TransportFuelTypeID", dieselFuel}}));
        const qint64 generator = id("O4000603", f({{"Name", QStringLiteral("Generatorius")}, {"TransportFuelTypeID", petrolFuel}}));
        segment = id("O4000601", f({{"Name", QStringLiteral("Vilnius – Kaunas")}}));
        group = id("O4000400", f({{"Name", QStringLiteral("Sunkvežimiai")}, {"GroupFlag", 1}, {"OType", QStringLiteral("Group")}}));
        volvo = id("O4000400", f({{"Name", QStringLiteral("Volvo")}, {"Code", QStringLiteral("KLM 123")}, {"ParentID", group}}));
        man = id("O4000400", f({{"Name", QStringLiteral("MAN")}}));
        driver = id("O0001401", f({{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Žukas")}}));

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

    qint64 id(const char* type, const QVariantMap& fields) { return createId(QString::fromLatin1(type), fields); }
    qint64 sheet(qint64 car, const QDateTime& date, double start, double end, QVariantMap fields)
    {
        fields.insert(QStringLiteral("TransportCarID"), car);
        fields.insert(QStringLiteral("Date"), date);
        fields.insert(QStringLiteral("DistanceRest"), start);
        fields.insert(QStringLiteral("DistanceEnd"), end);
        return id("O4000100", fields);
    }
    void line(qint64 trip, qint64 norm, double km, double hours, double perKm, double perHour)
    {
        id("O4000200", f({{"TransportTripID", trip}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                          {"Distance", km}, {"Duration", hours}, {"FuelNormByDistance", perKm},
                          {"FuelNormByDuration", perHour}, {"Date", at(3, 1)}}));
    }
    void cheque(qint64 trip, qint64 fuel, double litres)
    {
        id("O4000300", f({{"TransportTripID", trip}, {"TransportFuelTypeID", fuel}, {"FuelAmount", litres},
                          {"Date", QDate(2024, 3, 1)}}));
    }
    vx::RecordsetPtr report(ReportArguments args)
    {
        const vx::CallResult result = bo::reports::run(session(), *bo::reports::findReport(QStringLiteral("Kuro balansas")), args);
        EXPECT_EQ(result.Code, 0) << result.Message.toStdString();
        return result.Value.value<vx::RecordsetPtr>();
    }
    // Each row as "kind group car | sheets distance own norms received start end deviation".
    static QStringList lines(const vx::RecordsetPtr& rs)
    {
        QStringList out;
        for (int r = 0; rs && r < rs->readCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs->fieldCount(); ++c)
                if (c != rs->fieldIndex(u"CarOIDR"))
                    cells << rs->valueAt(r, c).toString();
            out << cells.join(QLatin1Char(' '));
        }
        return out;
    }
    QString car(qint64 number) const { return vx::oid::make(QStringLiteral("O4000400"), number); }

    qint64 segment = 0, group = 0, volvo = 0, man = 0, driver = 0;
};

TEST_F(BoFuelBalance, VehiclesOfThePeriodWithGroupAndGrandTotals)
{
    const vx::RecordsetPtr rs = report({QDate(2024, 3, 1), QDate(2024, 3, 31), {}, {}, {}, {}});
    ASSERT_TRUE(rs);
    EXPECT_EQ(lines(rs), (QStringList{
                             QStringLiteral("0  MAN 1 50 0.5 4 15 10 21 0"),
                             QStringLiteral("1   1 50 0.5 4 15 10 21 0"),
                             QStringLiteral("0 Sunkvežimiai Volvo KLM 123 2 300 20 32 40 50 55 -3"),
                             QStringLiteral("1 Sunkvežimiai  2 300 20 32 40 50 55 -3"),
                             QStringLiteral("2   3 350 20.5 36 55 60 76 -3"),
                         }));
    EXPECT_EQ(rs->valueAt(0, rs->fieldIndex(u"CarOIDR")).toString(), car(man));
}

TEST_F(BoFuelBalance, FiltersByPeriodVehicleGroupAndDriver)
{
    struct Case {
        const char* what;
        ReportArguments args;
        QStringList vehicleRows;
    };
    const QList<Case> cases = {
        {"the group takes in its vehicles", {QDate(2024, 3, 1), QDate(2024, 3, 31), {car(group)}, {}, {}, {}},
         {QStringLiteral("0 Sunkvežimiai Volvo KLM 123 2 300 20 32 40 50 55 -3")}},
        {"one vehicle", {QDate(2024, 3, 1), QDate(2024, 3, 31), {car(man)}, {}, {}, {}},
         {QStringLiteral("0  MAN 1 50 0.5 4 15 10 21 0")}},
        {"the driver's sheets", {QDate(2024, 1, 1), QDate(2024, 12, 31), {}, vx::oid::make(QStringLiteral("O0001401"), driver), {}, {}},
         {QStringLiteral("0  MAN 1 50 0.5 4 15 10 21 0")}},
        {"the end rest by norms of the last sheet", {QDate(2024, 3, 1), QDate(2024, 3, 9), {car(volvo)}, {}, {}, {}},
         {QStringLiteral("0 Sunkvežimiai Volvo KLM 123 1 100 20 12 30 50 68 0")}},
        {"no sheets, no rows", {QDate(2023, 1, 1), QDate(2023, 1, 31), {}, {}, {}, {}}, {}},
    };
    for (const Case& c : cases) {
        QStringList vehicles;
        for (const QString& row : lines(report(c.args)))
            if (row.startsWith(QLatin1Char('0')))
                vehicles << row;
        EXPECT_EQ(vehicles, c.vehicleRows) << c.what;
    }
}

TEST_F(BoFuelBalance, MalformedParametersAreRefusedWithAReason)
{
    const struct {
        const char* param;
        const char* says;
    } cases[] = {
        {"'2024.03.31','2024.03.01','',''", "pabaiga ankstesnė"},
        {"'2024.03.01','2024.03.31','O4000100001',''", "automobilių"},
        {"'2024.03.01','2024.03.31','','O4000400001'", "vairuotojo"},
        {"'2024.03.01'", "ReportFuelBalance"},
    };
    for (const auto& c : cases) {
        const vx::CallResult result = call(QStringLiteral("ReportFuelBalance"), QString::fromLatin1(c.param));
        EXPECT_NE(result.Code, 0) << c.param;
        EXPECT_TRUE(result.Message.contains(QString::fromUtf8(c.says))) << result.Message.toStdString();
    }
}

TEST_F(BoFuelBalance, TheCsvFileReadsBackWithLithuanianLettersAndDecimalCommas)
{
    const bo::reports::ReportDefinition& definition = *bo::reports::findReport(QStringLiteral("FuelBalance"));
    const vx::RecordsetPtr rs = report({QDate(2024, 3, 1), QDate(2024, 3, 31), {}, {}, {}, {}});
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
    EXPECT_EQ(rows.at(1), QStringLiteral(";MAN;1;50;0,5;4,000;15,000;10,000;21,000;0,000"));
    EXPECT_EQ(rows.at(3), QStringLiteral("Sunkvežimiai;Volvo KLM 123;2;300;20;32,000;40,000;50,000;55,000;-3,000"));
    EXPECT_EQ(rows.at(5), QStringLiteral(";Iš viso;3;350;20,5;36,000;55,000;60,000;76,000;-3,000"));
}

TEST_F(BoFuelBalance, TheCommandLinePrintsTheRowsOfTheNamedCall)
{
    const vx::RecordsetPtr rs = report({QDate(2024, 3, 1), QDate(2024, 3, 31), {car(group)}, {}, {}, {}});
    QString printed, complaints;
    QTextStream out(&printed), err(&complaints);
    const QStringList words{QStringLiteral("2024.03.01"), QStringLiteral("2024.03.31"), car(group)};
    EXPECT_EQ(ctl::runReport(store_->location(), QStringLiteral("fuelbalance"), words, QString(), out, err), 0)
        << complaints.toStdString();
    EXPECT_EQ(printed, bo::describeRecordset(*rs).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_EQ(ctl::runReport(store_->location(), QStringLiteral("Nėra"), words, QString(), out, err), 1);
    EXPECT_TRUE(complaints.contains(QStringLiteral("FuelBalance"))) << "names the reports there are";
}

} // namespace
