// Named calls behind the host's reports (the other reports' calls are in
// reports/). "ReportFuelBalance" gives the fuel balance of each vehicle over a
// period, from its trip sheets of that period: distance, own-expense distance,
// fuel by norms, fuel received, the fuel at the start of the first sheet and at
// the end of the last one, and the deviation (end rest - (start rest + received
// - by norms)); each vehicle group is followed by its total and the list by a
// grand total. Vehicles in no group come last, under "Be grupės".

#include "platform/bo/reports/report_calls.h"
#include "platform/bo/session_store.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <QCollator>

#include <algorithm>
#include <cmath>

namespace bo {
namespace {

using FT = vx::FieldType;

const QString carType = QStringLiteral("O4000400");
const QString employeeType = QStringLiteral("O0001401");

// The sheets of the period, one row each with what its route lines and
// cheques give its two tanks. The chosen vehicles and groups arrive as one
// bound text ",12,40," and take in every vehicle below a chosen group.
const QString sheetsSql = QStringLiteral(
    "SELECT t.\"TransportCarID\", COALESCE(c.\"ParentID\", 0), COALESCE(g.\"Name\", ''), "
    "%5, "
    "t.\"DistanceRest\", t.\"DistanceEnd\", "
    "t.\"FuelTankTypeID1\", t.\"FuelRest1\", t.\"FinalRest1Indication\", t.\"FinalRest1\", "
    "t.\"FuelTankTypeID2\", t.\"FuelRest2\", t.\"FinalRest2Indication\", t.\"FinalRest2\", "
    "(SELECT SUM(l.\"Distance\") FROM transport_trip_route l WHERE l.\"TransportTripID\" = t.\"ID\"), "
    "%1, %2, %3, %4 "
    "FROM transport_trip t JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
    "LEFT JOIN transport_car g ON g.\"ID\" = c.\"ParentID\" "
    "WHERE COALESCE(t.\"GroupFlag\", 0) = 0 AND t.\"Date\" >= ? AND t.\"Date\" < ? "
    "AND (? = 0 OR t.\"UserID\" = ?) AND (? = 0 OR t.\"TransportCarID\" IN (SELECT id FROM chosen)) "
    "ORDER BY t.\"TransportCarID\", t.\"Date\", t.\"ID\"");

QString usedSql(int tank)
{
    return QStringLiteral("(SELECT SUM(COALESCE(l.\"FuelNormByDistance\", 0) * COALESCE(l.\"Distance\", 0) / 100 "
                          "+ COALESCE(l.\"FuelNormByDuration\", 0) * COALESCE(l.\"Duration\", 0)) "
                          "FROM transport_trip_route l JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
                          "JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
                          "WHERE l.\"TransportTripID\" = t.\"ID\" AND ft.\"TransportFuelTankTypeID\" = t.\"FuelTankTypeID%1\")")
        .arg(tank);
}

QString receivedSql(int tank)
{
    return QStringLiteral("(SELECT SUM(ch.\"FuelAmount\") FROM transport_cheque ch "
                          "JOIN ref_fuel_type ft ON ft.\"ID\" = ch.\"TransportFuelTypeID\" "
                          "WHERE ch.\"TransportTripID\" = t.\"ID\" AND COALESCE(ch.\"GroupFlag\", 0) = 0 "
                          "AND ft.\"TransportFuelTankTypeID\" = t.\"FuelTankTypeID%1\")")
        .arg(tank);
}

// What the group column says for a vehicle that is in no group, so its rows
// and their total read as a group of their own rather than as blanks.
QString noGroup()
{
    return QStringLiteral("Be grupės");
}

// Where the columns of one tank start in a sheet row, and the route and fuel sums.
enum Column { Car, Group, GroupName, CarName, Start, End, Tank1 = 6, Tank2 = 10, Distance = 14, Used1, Used2, Got1, Got2 };

struct Balance {
    int kind = 0; // 0 vehicle, 1 group total, 2 grand total
    qint64 group = 0;
    QString groupName;
    qint64 car = 0;
    QString carName;
    int sheets = 0;
    double distance = 0, ownDistance = 0, byNorms = 0, received = 0, startRest = 0, endRest = 0;

    double deviation() const { return endRest - (startRest + received - byNorms); }
    void add(const Balance& other)
    {
        sheets += other.sheets;
        distance += other.distance;
        ownDistance += other.ownDistance;
        byNorms += other.byNorms;
        received += other.received;
        startRest += other.startRest;
        endRest += other.endRest;
    }
};

double number(const QVariantList& row, int column)
{
    return row.at(column).toDouble();
}

bool usesTank(const QVariantList& row, int tank)
{
    return row.at(tank).toLongLong() > 0;
}

// The fuel a tank holds at the end of a sheet: the measured rest where one is
// given, otherwise the rest by norms.
double tankEnd(const QVariantList& row, int tank, int used, int got)
{
    if (!usesTank(row, tank))
        return 0;
    if (row.at(tank + 2).toInt() != 0)
        return number(row, tank + 3);
    return number(row, tank + 1) + number(row, got) - number(row, used);
}

// Own-expense distance of a sheet: end - start - route distance, to 3 decimals, never below 0.
double ownDistance(const QVariantList& row)
{
    const double own = std::nearbyint((number(row, End) - number(row, Start) - number(row, Distance)) * 1000.0) / 1000.0;
    return std::max(0.0, own);
}

QList<Balance> vehicleBalances(const Rows& sheets)
{
    QList<Balance> vehicles;
    for (const QVariantList& row : sheets.values) {
        const qint64 car = row.at(Car).toLongLong();
        if (vehicles.isEmpty() || vehicles.last().car != car) {
            Balance b;
            b.car = car;
            b.group = row.at(Group).toLongLong();
            b.groupName = b.group == 0 ? noGroup() : row.at(GroupName).toString();
            b.carName = row.at(CarName).toString();
            for (const int tank : {Tank1, Tank2})
                b.startRest += usesTank(row, tank) ? number(row, tank + 1) : 0.0;
            vehicles.append(b);
        }
        Balance& b = vehicles.last();
        ++b.sheets;
        b.distance += number(row, Distance);
        b.ownDistance += ownDistance(row);
        b.byNorms += (usesTank(row, Tank1) ? number(row, Used1) : 0.0) + (usesTank(row, Tank2) ? number(row, Used2) : 0.0);
        b.received += (usesTank(row, Tank1) ? number(row, Got1) : 0.0) + (usesTank(row, Tank2) ? number(row, Got2) : 0.0);
        b.endRest = tankEnd(row, Tank1, Used1, Got1) + tankEnd(row, Tank2, Used2, Got2);
    }
    return vehicles;
}

// Vehicles by group name and then by name (Lithuanian order), the vehicles in
// no group after the groups, each group followed by its total, then the grand total.
QList<Balance> withTotals(QList<Balance> vehicles)
{
    QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    std::stable_sort(vehicles.begin(), vehicles.end(), [&](const Balance& a, const Balance& b) {
        if (a.group != b.group) {
            if (a.group == 0 || b.group == 0)
                return b.group == 0;
            const int byName = collator.compare(a.groupName, b.groupName);
            return byName != 0 ? byName < 0 : a.group < b.group;
        }
        return collator.compare(a.carName, b.carName) < 0;
    });
    QList<Balance> rows;
    Balance total;
    total.kind = 2;
    for (int i = 0; i < vehicles.size(); ++i) {
        rows.append(vehicles.at(i));
        total.add(vehicles.at(i));
        if (i + 1 < vehicles.size() && vehicles.at(i + 1).group == vehicles.at(i).group)
            continue;
        Balance group;
        group.kind = 1;
        group.group = vehicles.at(i).group;
        group.groupName = vehicles.at(i).groupName;
        for (int j = i; j >= 0 && vehicles.at(j).group == group.group; --j)
            group.add(vehicles.at(j));
        rows.append(group);
    }
    if (!vehicles.isEmpty())
        rows.append(total);
    return rows;
}

using reports::chosenVehicles;

// Litres and kilometres to 3 decimals.
double rounded(double value)
{
    return reports::rounded(value, 3);
}

vx::CallResult fuelBalance(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("RowKind"), FT::Integer},       {QStringLiteral("GroupName"), FT::Text},
        {QStringLiteral("CarOIDR"), FT::Text},          {QStringLiteral("CarName"), FT::Text},
        {QStringLiteral("Sheets"), FT::Integer},        {QStringLiteral("Distance"), FT::Double},
        {QStringLiteral("OwnDistance"), FT::Double},    {QStringLiteral("FuelByNorms"), FT::Double},
        {QStringLiteral("FuelReceived"), FT::Double},   {QStringLiteral("FuelStartRest"), FT::Double},
        {QStringLiteral("FuelEndRest"), FT::Double},    {QStringLiteral("FuelDeviation"), FT::Double},
    };
    const QString name = QStringLiteral("ReportFuelBalance");
    reports::PeriodChoice choice;
    if (const std::optional<vx::CallResult> refused = reports::readPeriodChoice(name, args, choice))
        return *refused;
    const QDate from = choice.from, to = choice.to;
    const QString& vehicles = choice.vehicles;
    const QString driver = args.text(3);
    if (!driver.isEmpty() && !(vx::oid::isOfType(driver, employeeType) && vx::oid::hasRecord(driver)))
        return vx::CallResult::failure(QStringLiteral("%1: \"%2\" nėra vairuotojo identifikatorius.").arg(name, driver));
    const qint64 driverId = driver.isEmpty() ? 0 : vx::oid::recordNumber(driver);
    const QDateTime end = to >= vx::dates::calendarEnd() ? QDateTime(to, QTime(23, 59, 59)) : QDateTime(to.addDays(1), QTime(0, 0));
    const Rows sheets = storeOf(session).query(
        reports::chosenCte()
            + sheetsSql.arg(usedSql(1), usedSql(2), receivedSql(1), receivedSql(2), reports::carNameSql(QStringLiteral("c"))),
        {vehicles, QDateTime(from, QTime(0, 0)), end, driverId, driverId, vehicles == QLatin1String(",") ? 0 : 1});
    Rows out;
    for (const Balance& b : withTotals(vehicleBalances(sheets)))
        out.values.append({b.kind, b.groupName, b.kind == 0 ? vx::oid::make(carType, b.car) : QString(), b.carName,
                           b.sheets, rounded(b.distance), rounded(b.ownDistance), rounded(b.byNorms),
                           rounded(b.received), rounded(b.startRest), rounded(b.endRest), rounded(b.deviation())});
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(out, fields)));
}

} // namespace

void addReportCalls(NamedCalls& calls)
{
    const QString name = QStringLiteral("ReportFuelBalance");
    calls.add(name, withArguments(name,
                                  reports::periodArguments()
                                      << ExpectedArgument{QStringLiteral("driver"), ArgumentType::ObjectId, true},
                                  fuelBalance));
    reports::addFuelChequesCall(calls);
    reports::addOdometerGapsCall(calls);
    reports::addExpiringDocumentsCall(calls);
    reports::addTyreRunsCall(calls);
}

} // namespace bo
