// Named calls about trip sheets: their route lines, cheques, norms and tanks,
// the previous sheet of a vehicle, the fuel norms a route line may use and the
// sheets that drove a route segment.

#include "platform/bo/named_calls.h"
#include "platform/bo/session_store.h"
#include "platform/bo/sql_dialect.h"
#include "platform/contract/date_text.h"
#include "platform/contract/fuel_balance.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

#include <QCollator>

#include <algorithm>
#include <cmath>
#include <optional>

namespace bo {
namespace {

using FT = vx::FieldType;

const QString tripType = QStringLiteral("O4000100");
const QString carType = QStringLiteral("O4000400");
const QString segmentType = QStringLiteral("O4000601");

QList<vx::FieldDef> fieldsOf(std::initializer_list<std::pair<const char*, FT>> list)
{
    QList<vx::FieldDef> fields;
    for (const auto& [name, type] : list)
        fields.append({QString::fromLatin1(name), type});
    return fields;
}

vx::CallResult answer(const QList<QVariantList>& values, const QList<vx::FieldDef>& fields)
{
    Rows rows;
    rows.values = values;
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(rows, fields)));
}

// The types of `fields` in their order, as Database::readTyped takes them.
QList<FT> typesOf(const QList<vx::FieldDef>& fields)
{
    QList<FT> types;
    types.reserve(fields.size());
    for (const vx::FieldDef& field : fields)
        types << field.type;
    return types;
}

// Rows whose first value is a record number (read as such) with that value
// made into the record's id of `typeId`.
QList<QVariantList> withIds(QList<QVariantList> rows, const QString& typeId)
{
    for (QVariantList& row : rows)
        row[0] = vx::oid::make(typeId, row.at(0).toLongLong());
    return rows;
}

// The record number of a trip sheet id, 0 for anything else.
qint64 tripNumber(const QString& oidr)
{
    return vx::oid::isOfType(oidr, tripType) ? vx::oid::recordNumber(oidr) : 0;
}

// The record number an id names: 0 for an empty or bare type id, nothing for
// an id of another type.
std::optional<qint64> recordOf(const QString& id, const QString& typeId)
{
    if (id.isEmpty())
        return 0;
    if (!vx::oid::isOfType(id, typeId))
        return std::nullopt;
    return vx::oid::recordNumber(id);
}

vx::CallResult notAnId(const QString& call, const QString& id, const QString& what)
{
    return vx::CallResult::failure(QStringLiteral("%1: \"%2\" nėra %3 identifikatorius.").arg(call, id, what));
}

// SQLite hands dates back as text.
QDateTime momentOf(const QVariant& value)
{
    bool ok = false;
    return vx::Recordset::convert(value, FT::DateTime, &ok).toDateTime();
}

// Texts in Lithuanian order, the same on both engines (their own collations differ).
int compareText(const QVariant& a, const QVariant& b)
{
    thread_local QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    return collator.compare(a.toString(), b.toString());
}

// Per tank type, summed line by line in the order the trip sheet card sums them.
vx::fuel::TotalsByTankType tankTotals(Session& session, qint64 trip)
{
    vx::fuel::TotalsByTankType totals;
    const QList<QVariantList> lines = storeOf(session).readTyped(
        QStringLiteral("SELECT ft.\"TransportFuelTankTypeID\", l.\"Distance\", l.\"Duration\", l.\"FuelNormByDistance\", "
                       "l.\"FuelNormByDuration\" FROM transport_trip_route l "
                       "JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
                       "JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
                       "WHERE l.\"TransportTripID\" = ? AND ft.\"TransportFuelTankTypeID\" IS NOT NULL "
                       "ORDER BY l.\"Date\", l.\"ID\""),
        {trip}, {FT::BigInt, FT::Double, FT::Double, FT::Double, FT::Double});
    for (const QVariantList& line : lines)
        vx::fuel::addLine(totals, line.at(0).toLongLong(), line.at(3).toDouble(), line.at(1).toDouble(),
                          line.at(4).toDouble(), line.at(2).toDouble());
    const QList<QVariantList> cheques = storeOf(session).readTyped(
        QStringLiteral("SELECT ft.\"TransportFuelTankTypeID\", c.\"FuelAmount\" FROM transport_cheque c "
                       "JOIN ref_fuel_type ft ON ft.\"ID\" = c.\"TransportFuelTypeID\" "
                       "WHERE c.\"TransportTripID\" = ? AND COALESCE(c.\"GroupFlag\", 0) = 0 "
                       "AND ft.\"TransportFuelTankTypeID\" IS NOT NULL ORDER BY c.\"Date\", c.\"ID\""),
        {trip}, {FT::BigInt, FT::Double});
    for (const QVariantList& cheque : cheques)
        vx::fuel::addReceived(totals, cheque.at(0).toLongLong(), cheque.at(1).toDouble());
    return totals;
}

vx::CallResult tripRoutes(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"OIDR", FT::Text},
        {"TransportRouteID", FT::Integer},
        {"Date", FT::DateTime},
        {"TransportRouteName", FT::Text},
        {"TransportRouteDistance", FT::Double},
        {"TransportRouteDuration", FT::Double},
        {"TransportFuelTypeName", FT::Text},
        {"TransportFuelNormName", FT::Text},
        {"TransportFuelNormValue", FT::Double},
        {"TransportFuelNormDurationValue", FT::Double},
        {"TransportRouteUserName", FT::Text},
        {"TransportRouteNote", FT::Text},
        {"TransportFuelTankTypeID", FT::Integer},
    });
    QList<FT> types = typesOf(fields);
    types[0] = FT::BigInt; // the line's number, made into its id below
    const QList<QVariantList> rows = storeOf(session).readTyped(
        QStringLiteral(
            "SELECT l.\"ID\", l.\"TransportRouteID\", l.\"Date\", r.\"Name\", "
            "l.\"Distance\", l.\"Duration\", ft.\"Name\", n.\"Name\", l.\"FuelNormByDistance\", l.\"FuelNormByDuration\", "
            "TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')), l.\"Note\", ft.\"TransportFuelTankTypeID\" "
            "FROM transport_trip_route l "
            "LEFT JOIN ref_route r ON r.\"ID\" = l.\"TransportRouteID\" "
            "LEFT JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
            "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
            "LEFT JOIN employee e ON e.\"ID\" = l.\"UserID\" "
            "WHERE l.\"TransportTripID\" = ? ORDER BY l.\"Date\", l.\"ID\""),
        {tripNumber(args.text(0))}, types);
    return answer(withIds(rows, QStringLiteral("O4000200")), fields);
}

// Sum in the base currency as people write it: two decimals, halves away from zero.
double baseSum(double sum, double rate)
{
    return vx::numbers::readLocale(vx::numbers::fixed(sum * rate, 2)).value_or(0.0);
}

vx::CallResult tripCheques(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"OIDR", FT::Text},
        {"Date", FT::Date},
        {"Name", FT::Text},
        {"Code", FT::Text},
        {"TransportFuelTankTypeID", FT::Integer},
        {"FuelAmount", FT::Double},
        {"TransportFuelTypeName", FT::Text},
        {"FirmName", FT::Text},
        {"SumCurr", FT::Double},
        {"SumCurrency", FT::Double},
        {"CurrCode", FT::Text},
        {"CurrRate", FT::Double},
        {"BaseCurrency", FT::SmallInt},
        {"SumA", FT::Double},
        {"CashFlag", FT::SmallInt},
    });
    // A cheque without a (known) currency is in the base currency.
    // As read: the first nine fields, then the currency's code, whether it is the base one, the rate and CashFlag.
    QList<FT> types = typesOf(fields).mid(0, 9);
    types[0] = FT::BigInt; // the cheque's number, made into its id below
    types << FT::Text << FT::SmallInt << FT::Double << FT::SmallInt;
    const QList<QVariantList> rows = storeOf(session).readTyped(
        QStringLiteral(
            "SELECT c.\"ID\", c.\"Date\", c.\"Name\", c.\"Code\", ft.\"TransportFuelTankTypeID\", "
            "c.\"FuelAmount\", ft.\"Name\", f.\"Name\", c.\"SumCurr\", "
            "COALESCE(cur.\"Code\", (SELECT MIN(b.\"Code\") FROM currency b WHERE b.\"BaseCurrency\" = 1)), "
            "CASE WHEN cur.\"ID\" IS NULL OR COALESCE(cur.\"BaseCurrency\", 0) <> 0 THEN 1 ELSE 0 END, "
            "r.\"Rate\", c.\"CashFlag\" "
            "FROM transport_cheque c "
            "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = c.\"TransportFuelTypeID\" "
            "LEFT JOIN firm f ON f.\"ID\" = c.\"FirmID\" "
            "LEFT JOIN currency cur ON cur.\"ID\" = c.\"CurrencyID\" "
            "LEFT JOIN currency_rate r ON r.\"CurrencyID\" = c.\"CurrencyID\" AND r.\"Date\" = c.\"Date\" "
            "WHERE c.\"TransportTripID\" = ? AND COALESCE(c.\"GroupFlag\", 0) = 0 ORDER BY c.\"Date\", c.\"ID\""),
        {tripNumber(args.text(0))}, types);
    QList<QVariantList> values;
    values.reserve(rows.size());
    for (const QVariantList& c : withIds(rows, QStringLiteral("O4000300"))) {
        const bool base = c.at(10).toInt() != 0;
        const double rate = base ? 1.0 : c.at(11).toDouble();
        const QVariant sum = c.at(8);
        values.append(QVariantList(c.mid(0, 9)) << sum << c.at(9) << rate << int(base)
                                                << baseSum(sum.toDouble(), rate) << c.at(12));
    }
    return answer(values, fields);
}

// One norm's lines summed. A norm value the lines share is shown as it is;
// where the lines' values differ (a user derived one for a line), the row
// shows the value its sums imply, to 4 decimals as a line's norm is kept.
struct NormSum {
    QVariantList head; // tank type id, tank type name, norm name
    double distance = 0, duration = 0, byDistance = 0, byDuration = 0;
    double perHundredKm = 0, perHour = 0;
    bool perHundredKmDiffers = false, perHourDiffers = false;

    void add(double km, double hours, double lineHundredKm, double linePerHour, bool first)
    {
        perHundredKmDiffers = perHundredKmDiffers || (!first && lineHundredKm != perHundredKm);
        perHourDiffers = perHourDiffers || (!first && linePerHour != perHour);
        perHundredKm = lineHundredKm;
        perHour = linePerHour;
        distance += km;
        duration += hours;
        byDistance += vx::fuel::byDistance(lineHundredKm, km);
        byDuration += vx::fuel::byDuration(linePerHour, hours);
    }

    static double implied(double fuel, double amount, double per)
    {
        return amount > 0 ? std::round(fuel / amount * per * 10000.0) / 10000.0 : 0.0;
    }

    QVariantList row() const
    {
        return QVariantList(head) << distance << duration
                                  << (perHundredKmDiffers ? implied(byDistance, distance, 100) : perHundredKm)
                                  << (perHourDiffers ? implied(byDuration, duration, 1) : perHour) << byDistance
                                  << byDuration << byDistance + byDuration;
    }
};

vx::CallResult tripNorms(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"TransportFuelTankTypeID", FT::Integer},
        {"FuelTankTypeName", FT::Text},
        {"NormName", FT::Text},
        {"Distance", FT::Double},
        {"Duration", FT::Double},
        {"DistanceNormValue", FT::Double},
        {"DurationNormValue", FT::Double},
        {"FuelByDistanceNorm", FT::Double},
        {"FuelByDurationNorm", FT::Double},
        {"FuelByNorm", FT::Double},
    });
    const QList<QVariantList> lines = storeOf(session).readTyped(
        QStringLiteral(
            "SELECT ft.\"TransportFuelTankTypeID\", tt.\"Name\", n.\"Name\", COALESCE(l.\"Distance\", 0), "
            "COALESCE(l.\"Duration\", 0), COALESCE(l.\"FuelNormByDistance\", 0), COALESCE(l.\"FuelNormByDuration\", 0), "
            "COALESCE(l.\"TransportFuelNormID\", 0) "
            "FROM transport_trip_route l "
            "LEFT JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
            "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
            "LEFT JOIN ref_fuel_tank_type tt ON tt.\"ID\" = ft.\"TransportFuelTankTypeID\" "
            "WHERE l.\"TransportTripID\" = ? "
            "ORDER BY COALESCE(l.\"TransportFuelNormID\", 0), l.\"ID\""),
        {tripNumber(args.text(0))}, {FT::Integer, FT::Text, FT::Text, FT::Double, FT::Double, FT::Double, FT::Double, FT::BigInt});
    QList<NormSum> norms;
    qint64 shownNorm = -1;
    for (const QVariantList& l : lines) {
        const qint64 norm = l.at(7).toLongLong();
        const bool first = norms.isEmpty() || norm != shownNorm;
        if (first) {
            norms.append(NormSum());
            norms.last().head = l.mid(0, 3);
            shownNorm = norm;
        }
        norms.last().add(l.at(3).toDouble(), l.at(4).toDouble(), l.at(5).toDouble(), l.at(6).toDouble(), first);
    }
    QList<QVariantList> values;
    for (const NormSum& norm : norms)
        values.append(norm.row());
    std::stable_sort(values.begin(), values.end(), [](const QVariantList& a, const QVariantList& b) {
        for (int column : {1, 2})
            if (const int order = compareText(a.at(column), b.at(column)))
                return order < 0;
        return false;
    });
    return answer(values, fields);
}

vx::CallResult tripFuelTanks(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"Name", FT::Text},
        {"Code", FT::Text},
        {"Distance", FT::Double},
        {"Duration", FT::Double},
        {"FuelRest", FT::Double},
        {"FuelTaken", FT::Double},
        {"FuelByNorm", FT::Double},
        {"FuelRestEnd", FT::Double},
    });
    const qint64 trip = tripNumber(args.text(0));
    // The sheet's own two tanks first, then stored tank records of other types.
    QList<QPair<qint64, double>> tanks;
    const Rows sheet = storeOf(session).query(
        QStringLiteral("SELECT \"FuelTankTypeID1\", \"FuelRest1\", \"FuelTankTypeID2\", \"FuelRest2\" "
                       "FROM transport_trip WHERE \"ID\" = ?"),
        {trip});
    for (const QVariantList& s : sheet.values)
        for (int at : {0, 2})
            if (s.at(at).toLongLong() > 0)
                tanks.append({s.at(at).toLongLong(), s.at(at + 1).toDouble()});
    const QList<QPair<qint64, double>> own = tanks;
    const Rows records = storeOf(session).query(
        QStringLiteral("SELECT \"TransportFuelTankTypeID\", \"FuelRest\" FROM transport_trip_fuel_tank "
                       "WHERE \"TransportTripID\" = ? ORDER BY \"ID\""),
        {trip});
    for (const QVariantList& r : records.values) {
        const qint64 type = r.at(0).toLongLong();
        if (std::none_of(own.begin(), own.end(), [type](const auto& tank) { return tank.first == type; }))
            tanks.append({type, r.at(1).toDouble()});
    }
    const vx::fuel::TotalsByTankType totals = tankTotals(session, trip);
    QList<QVariantList> values;
    for (const auto& [type, rest] : tanks) {
        const Rows name = storeOf(session).query(
            QStringLiteral("SELECT \"Name\", \"Code\" FROM ref_fuel_tank_type WHERE \"ID\" = ?"), {type});
        const vx::fuel::TankTotals t = totals.value(type);
        const vx::fuel::TankBalance tank = vx::fuel::tankBalance(rest, t.received, t.usedByNorms);
        values.append({name.at(0, QStringLiteral("Name")), name.at(0, QStringLiteral("Code")), t.distance, t.duration,
                       tank.startRest, tank.received, tank.usedByNorms, tank.restByNorms});
    }
    return answer(values, fields);
}

// Where the vehicle's earlier sheets lie: before the stored day and number of
// the sheet left out, or up to the end of the given day when no stored sheet
// is left out. Sheets of one day follow their numbers. The date's upper bound
// comes first so that the vehicle-and-date index can seek to it.
struct Earlier {
    QString where;
    QVariantList values;
};

std::optional<Earlier> earlierSheets(Session& session, qint64 car, const QDate& date, const QString& leftOut)
{
    if (const qint64 left = tripNumber(leftOut); left > 0) {
        const QDateTime stored =
            momentOf(storeOf(session).scalar(QStringLiteral("SELECT \"Date\" FROM transport_trip WHERE \"ID\" = ?"), {left}));
        if (stored.isValid())
            return Earlier{QStringLiteral("t.\"TransportCarID\" = ? AND t.\"Date\" < ? AND (t.\"Date\" < ? OR t.\"ID\" < ?)"),
                           {car, dayAfter(stored.date()), dayStart(stored.date()), left}};
    }
    if (!date.isValid())
        return std::nullopt;
    return Earlier{QStringLiteral("t.\"TransportCarID\" = ? AND t.\"Date\" < ?"), {car, dayAfter(date)}};
}

// The last of the earlier sheets that also meets `also`: the last in day order,
// and of that day's sheets the one with the largest number. Two index seeks:
// the latest date, then the largest number within its day; no sort.
Rows lastEarlierSheet(Session& session, const Earlier& earlier, const QString& columns, const QString& also = {},
                      const QVariantList& alsoValues = {})
{
    Database& store = storeOf(session);
    const QVariantList values = earlier.values + alsoValues;
    const QDateTime latest = momentOf(store.scalar(
        QStringLiteral("SELECT t.\"Date\" FROM transport_trip t WHERE %1%2 ORDER BY t.\"Date\" DESC LIMIT 1").arg(earlier.where, also),
        values));
    if (!latest.isValid())
        return {};
    return store.query(QStringLiteral("SELECT %1 FROM transport_trip t WHERE %2%3 AND t.\"Date\" >= ? AND t.\"Date\" < ? "
                                      "ORDER BY t.\"ID\" DESC LIMIT 1")
                           .arg(columns, earlier.where, also),
                       values + QVariantList{dayStart(latest.date()), dayAfter(latest.date())});
}

vx::CallResult noDate(const QString& call)
{
    return vx::CallResult::failure(QStringLiteral("%1: nenurodyta data.").arg(call));
}

vx::CallResult lastTrip(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"DistanceEnd", FT::Double},
        {"OIDR", FT::Text},
        {"ID", FT::Integer},
        {"Name", FT::Text},
        {"Date", FT::DateTime},
        {"DateTo", FT::DateTime},
        {"DistanceRest", FT::Double},
    });
    const QString call = QStringLiteral("GetLastTrip");
    const std::optional<qint64> car = recordOf(args.text(0), carType);
    if (!car)
        return notAnId(call, args.text(0), QStringLiteral("automobilio"));
    if (*car <= 0)
        return answer({}, fields);
    const std::optional<Earlier> earlier = earlierSheets(session, *car, args.date(1), args.text(2));
    if (!earlier)
        return noDate(call);
    const Rows rows = lastEarlierSheet(
        session, *earlier,
        QStringLiteral("t.\"DistanceEnd\", %1, t.\"ID\", t.\"Name\", t.\"Date\", "
                       "t.\"DateTo\", t.\"DistanceRest\"")
                           .arg(objectIdSql(QStringLiteral("O4000100"), QStringLiteral("t.\"ID\""))));
    return answer(rows.values, fields);
}

vx::CallResult tripFuelRest(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"FinalRestIndication", FT::SmallInt},
        {"FinalRest", FT::Double},
        {"FuelRest", FT::Double},
        {"FuelTaken", FT::Double},
        {"FuelByNorm", FT::Double},
        {"OIDR", FT::Text},
    });
    const qint64 car = args.whole(0);
    const qint64 tankType = args.whole(1);
    if (car <= 0 || tankType <= 0)
        return answer({}, fields);
    const std::optional<Earlier> earlier = earlierSheets(session, car, args.date(2), args.text(3));
    if (!earlier)
        return noDate(QStringLiteral("GetTripFuelRest"));
    const Rows rows = lastEarlierSheet(
        session, *earlier,
        QStringLiteral("t.\"ID\", t.\"FuelTankTypeID1\", t.\"FuelRest1\", t.\"FinalRest1Indication\", t.\"FinalRest1\", "
                       "t.\"FuelRest2\", t.\"FinalRest2Indication\", t.\"FinalRest2\""),
        QStringLiteral(" AND (t.\"FuelTankTypeID1\" = ? OR t.\"FuelTankTypeID2\" = ?)"), {tankType, tankType});
    if (rows.isEmpty())
        return answer({}, fields);
    const QVariantList& s = rows.values.first();
    const qint64 trip = s.at(0).toLongLong();
    const int tank = s.at(1).toLongLong() == tankType ? 2 : 5; // where the tank's rest fields start
    const vx::fuel::TankTotals totals = tankTotals(session, trip).value(tankType);
    return answer({{s.at(tank + 1).toInt(), s.at(tank + 2).toDouble(), s.at(tank).toDouble(), totals.received, totals.usedByNorms,
                    vx::oid::make(tripType, trip)}},
                  fields);
}

vx::CallResult carFuelNorms(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"OIDR", FT::Text},
        {"TransportFuelNormName", FT::Text},
        {"FuelNormByDistance", FT::Double},
        {"FuelNormByDuration", FT::Double},
        {"TransportFuelNormCode", FT::Text},
        {"TransportFuelTypeName", FT::Text},
    });
    const std::optional<qint64> car = recordOf(args.text(0), carType);
    if (!car)
        return notAnId(QStringLiteral("DO4000100_GetTripCarFuelNorms"), args.text(0), QStringLiteral("automobilio"));
    Rows rows = storeOf(session).query(
        QStringLiteral("SELECT %1, n.\"Name\", n.\"Value\", n.\"DurationValue\", "
                       "n.\"Code\", ft.\"Name\" FROM transport_car_fuel_norm cn "
                       "JOIN ref_fuel_norm n ON n.\"ID\" = cn.\"TransportFuelNormID\" "
                       "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
                       "WHERE cn.\"TransportCarID\" = ? ORDER BY n.\"ID\"")
                           .arg(objectIdSql(QStringLiteral("O4000603"), QStringLiteral("n.\"ID\""))),
        {*car});
    std::stable_sort(rows.values.begin(), rows.values.end(),
                     [](const QVariantList& a, const QVariantList& b) { return compareText(a.at(1), b.at(1)) < 0; });
    return answer(rows.values, fields);
}

vx::CallResult segmentTrips(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = fieldsOf({
        {"TripName", FT::Text},
        {"OIDR", FT::Text},
        {"CarName", FT::Text},
        {"Date", FT::DateTime},
    });
    const std::optional<qint64> segment = recordOf(args.text(0), segmentType);
    if (!segment)
        return notAnId(QStringLiteral("GetTripRoutes"), args.text(0), QStringLiteral("atkarpos"));
    const QDate from = args.date(1).isValid() ? args.date(1) : vx::dates::noDate();
    const QDate to = args.date(2).isValid() ? args.date(2) : vx::dates::calendarEnd();
    Rows rows = storeOf(session).query(
        QStringLiteral("SELECT t.\"Name\", %1, "
                       "TRIM(COALESCE(c.\"Name\", '') || ' ' || COALESCE(c.\"Code\", '')), l.\"Date\" "
                       "FROM transport_trip_route l JOIN transport_trip t ON t.\"ID\" = l.\"TransportTripID\" "
                       "LEFT JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
                       "WHERE l.\"TransportRouteID\" = ? AND l.\"Date\" >= ? AND l.\"Date\" < ? ORDER BY l.\"Date\", l.\"ID\"")
                           .arg(objectIdSql(QStringLiteral("O4000100"), QStringLiteral("t.\"ID\""))),
        {*segment, dayStart(from), dayAfter(to)});
    std::stable_sort(rows.values.begin(), rows.values.end(), [](const QVariantList& a, const QVariantList& b) {
        const QDateTime da = momentOf(a.at(3)), db = momentOf(b.at(3));
        return da != db ? da < db : compareText(a.at(0), b.at(0)) < 0;
    });
    return answer(rows.values, fields);
}

void addOnTripSheet(NamedCalls& calls, const QString& name,
                    std::function<vx::CallResult(Session&, const TypedArguments&)> body)
{
    calls.add(name, withArguments(name, {{QStringLiteral("trip sheet"), ArgumentType::ObjectId}}, std::move(body)));
}

} // namespace

void addTripCalls(NamedCalls& calls)
{
    addOnTripSheet(calls, QStringLiteral("GetTransportTripRoutes"), tripRoutes);
    addOnTripSheet(calls, QStringLiteral("GetTransportCheques"), tripCheques);
    addOnTripSheet(calls, QStringLiteral("GetTransportTripNorms"), tripNorms);
    addOnTripSheet(calls, QStringLiteral("GetTransportTripFuelTanks"), tripFuelTanks);
    calls.add(QStringLiteral("GetLastTrip"),
              withArguments(QStringLiteral("GetLastTrip"),
                            {{QStringLiteral("vehicle"), ArgumentType::ObjectId},
                             {QStringLiteral("date"), ArgumentType::Date},
                             {QStringLiteral("sheet left out"), ArgumentType::ObjectId}},
                            lastTrip));
    calls.add(QStringLiteral("GetTripFuelRest"),
              withArguments(QStringLiteral("GetTripFuelRest"),
                            {{QStringLiteral("vehicle"), ArgumentType::Whole},
                             {QStringLiteral("tank type"), ArgumentType::Whole},
                             {QStringLiteral("date"), ArgumentType::Date},
                             {QStringLiteral("sheet left out"), ArgumentType::ObjectId}},
                            tripFuelRest));
    calls.add(QStringLiteral("DO4000100_GetTripCarFuelNorms"),
              withArguments(QStringLiteral("DO4000100_GetTripCarFuelNorms"),
                            {{QStringLiteral("vehicle"), ArgumentType::ObjectId}}, carFuelNorms));
    calls.add(QStringLiteral("GetTripRoutes"),
              withArguments(QStringLiteral("GetTripRoutes"),
                            {{QStringLiteral("route segment"), ArgumentType::ObjectId},
                             {QStringLiteral("from"), ArgumentType::Date},
                             {QStringLiteral("to"), ArgumentType::Date}},
                            segmentTrips));
}

} // namespace bo
