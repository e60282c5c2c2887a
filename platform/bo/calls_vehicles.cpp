// Named calls about vehicles: the vehicle record, its fuel norms and tanks,
// drivers, documents and mounted tyres, and the names its editor forwards.

#include "platform/bo/named_calls.h"
#include "platform/bo/sql_dialect.h"
#include "platform/bo/object_types.h"
#include "platform/bo/record_store.h"
#include "platform/bo/session_store.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace bo {

namespace {

const QString carType = QStringLiteral("O4000400");

vx::CallResult vehicleRecord(Session& session, const TypedArguments& args)
{
    const ObjectType& type = *objectType(carType);
    const QString id = args.text(0);
    if (!vx::oid::isOfType(id, type.typeId))
        return vx::CallResult::failure(QStringLiteral("DO4000400_GetVxObject: \"%1\" nėra automobilio identifikatorius.").arg(id));
    vx::RecordsetPtr rs = records::read(session, type, vx::oid::recordNumber(id));
    if (!rs)
        rs = vx::Recordset::create(type.recordFields());
    return vx::CallResult::success(QVariant::fromValue(rs));
}

// Rows of something a vehicle owns. The editor passes the vehicle either as its
// object id (the tabs it fills itself) or as its bare number (the names it
// forwards); a vehicle not saved yet sends "O4000400" or an empty text and has none.
struct VehicleList {
    QString name;
    ArgumentType parameter; // ObjectId or Whole
    QList<vx::FieldDef> fields;
    QString sql;            // one bound value: the vehicle's number
    int collateBy = -1;     // a text column to order by in Lithuanian, after the SQL order
};

QString nullsFirst(const QString& column)
{
    return QStringLiteral("CASE WHEN %1 IS NULL THEN 0 ELSE 1 END, %1").arg(column);
}

QList<VehicleList> vehicleLists()
{
    using vx::FieldType;
    return {
        {QStringLiteral("GetTransportCarFuelNorms"), ArgumentType::ObjectId,
         {{QStringLiteral("OIDR"), FieldType::Text},
          {QStringLiteral("TransportFuelNormID"), FieldType::Integer},
          {QStringLiteral("TransportFuelNormName"), FieldType::Text},
          {QStringLiteral("TransportFuelNormCode"), FieldType::Text},
          {QStringLiteral("TransportFuelTypeName"), FieldType::Text},
          {QStringLiteral("TransportFuelNormValue"), FieldType::Double},
          {QStringLiteral("TransportFuelNormDurationValue"), FieldType::Double}},
         QStringLiteral("SELECT %1, l.\"TransportFuelNormID\", n.\"Name\", n.\"Code\", "
                        "ft.\"Name\", n.\"Value\", n.\"DurationValue\" "
                        "FROM transport_car_fuel_norm l "
                        "LEFT JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
                        "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
                        "WHERE l.\"TransportCarID\" = ? ORDER BY l.\"ID\"")
                            .arg(objectIdSql(QStringLiteral("O4000500"), QStringLiteral("l.\"ID\""))),
         2},
        {QStringLiteral("GetCarFuelTanks"), ArgumentType::ObjectId,
         {{QStringLiteral("OIDR"), FieldType::Text},
          {QStringLiteral("TransportFuelTankTypeID"), FieldType::Integer},
          {QStringLiteral("FuelTankTypeName"), FieldType::Text}},
         QStringLiteral("SELECT %1, k.\"TransportFuelTankTypeID\", tt.\"Name\" "
                        "FROM transport_car_fuel_tank k "
                        "LEFT JOIN ref_fuel_tank_type tt ON tt.\"ID\" = k.\"TransportFuelTankTypeID\" "
                        "WHERE k.\"TransportCarID\" = ? ORDER BY k.\"ID\"")
                            .arg(objectIdSql(QStringLiteral("O4001200"), QStringLiteral("k.\"ID\"")))},
        {QStringLiteral("GetCarDrivers"), ArgumentType::Whole,
         {{QStringLiteral("OIDR"), FieldType::Text},
          {QStringLiteral("UserID"), FieldType::Integer},
          {QStringLiteral("Preview"), FieldType::Text},
          {QStringLiteral("DateFrom"), FieldType::Date},
          {QStringLiteral("DateTo"), FieldType::Date},
          {QStringLiteral("Order"), FieldType::Text}},
         // Later appointments come later: readers let them win.
         QStringLiteral("SELECT %1, d.\"UserID\", %2, d.\"DateFrom\", d.\"DateTo\", "
                        "d.\"Order\" FROM transport_car_driver d WHERE d.\"TransportID\" = ? ORDER BY %3, d.\"ID\"")
                            .arg(objectIdSql(QStringLiteral("O4001000"), QStringLiteral("d.\"ID\"")))
             .arg(previewOf(QStringLiteral("O0001401"), QStringLiteral("d.\"UserID\"")),
                  nullsFirst(QStringLiteral("d.\"DateFrom\"")))},
        {QStringLiteral("GetCarDocuments"), ArgumentType::Whole,
         {{QStringLiteral("OIDR"), FieldType::Text},
          {QStringLiteral("DocTypeID"), FieldType::Integer},
          {QStringLiteral("Preview"), FieldType::Text},
          {QStringLiteral("DocNumber"), FieldType::Text},
          {QStringLiteral("DocShape"), FieldType::Text},
          {QStringLiteral("DateFrom"), FieldType::Date},
          {QStringLiteral("DateTo"), FieldType::Date},
          {QStringLiteral("DocDescription"), FieldType::Text}},
         QStringLiteral("SELECT %1, d.\"DocTypeID\", %2, d.\"DocNumber\", d.\"DocShape\", "
                        "d.\"DateFrom\", d.\"DateTo\", d.\"DocDescription\" "
                        "FROM transport_car_document d WHERE d.\"TransportID\" = ? ORDER BY %3, d.\"ID\"")
                            .arg(objectIdSql(QStringLiteral("O4001100"), QStringLiteral("d.\"ID\"")))
             .arg(previewOf(QStringLiteral("O4000609"), QStringLiteral("d.\"DocTypeID\"")),
                  nullsFirst(QStringLiteral("d.\"DateFrom\"")))},
        {QStringLiteral("GetCarTyres"), ArgumentType::Whole,
         {{QStringLiteral("OIDR"), FieldType::Text},
          {QStringLiteral("TyreID"), FieldType::Integer},
          {QStringLiteral("DateFrom"), FieldType::Date},
          {QStringLiteral("DateTo"), FieldType::Date},
          {QStringLiteral("Axis"), FieldType::SmallInt},
          {QStringLiteral("CarSide"), FieldType::SmallInt},
          {QStringLiteral("PositionOnAxis"), FieldType::SmallInt},
          {QStringLiteral("Preview"), FieldType::Text},
          {QStringLiteral("TyreRunFrom"), FieldType::Integer},
          {QStringLiteral("TyreRunTo"), FieldType::Integer}},
         // Mounted tyres first, by their place on the vehicle; then the history.
         QStringLiteral("SELECT %1, m.\"TyreID\", m.\"DateFrom\", m.\"DateTo\", m.\"Axis\", "
                        "m.\"CarSide\", m.\"PositionOnAxis\", %2, m.\"TyreRunFrom\", m.\"TyreRunTo\" "
                        "FROM transport_car_tyre m WHERE m.\"TransportID\" = ? "
                        "ORDER BY CASE WHEN m.\"DateTo\" IS NULL THEN 0 ELSE 1 END, COALESCE(m.\"Axis\", 0), "
                        "COALESCE(m.\"CarSide\", 0), COALESCE(m.\"PositionOnAxis\", 0), %3, m.\"ID\"")
                            .arg(objectIdSql(QStringLiteral("O4000900"), QStringLiteral("m.\"ID\"")))
             .arg(previewOf(QStringLiteral("O4000800"), QStringLiteral("m.\"TyreID\"")),
                  nullsFirst(QStringLiteral("m.\"DateFrom\"")))},
    };
}

const VehicleList& vehicleList(const QString& name)
{
    static const QList<VehicleList> all = vehicleLists();
    return *std::find_if(all.begin(), all.end(), [&](const VehicleList& l) { return l.name == name; });
}

qint64 vehicleNumber(const VehicleList& list, const TypedArguments& args)
{
    if (list.parameter == ArgumentType::Whole)
        return args.whole(0);
    return vx::oid::isOfType(args.text(0), carType) ? vx::oid::recordNumber(args.text(0)) : 0;
}

// Sorting in C++ keeps the same order on both engines and puts Lithuanian
// letters where people expect them (SQLite compares code points).
void collate(Rows& rows, int column)
{
    QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    collator.setNumericMode(true);
    std::stable_sort(rows.values.begin(), rows.values.end(), [&](const QVariantList& a, const QVariantList& b) {
        return collator.compare(a.at(column).toString(), b.at(column).toString()) < 0;
    });
}

vx::RecordsetPtr vehicleRows(Session& session, const VehicleList& list, qint64 vehicle)
{
    Rows rows;
    if (vehicle > 0)
        rows = storeOf(session).query(storeOf(session).dialect().expression(list.sql), {vehicle});
    if (list.collateBy >= 0)
        collate(rows, list.collateBy);
    return recordsetFrom(rows, list.fields);
}

CallHandler vehicleListCall(const VehicleList& list)
{
    return withArguments(list.name, {{QStringLiteral("vehicle"), list.parameter, true}},
                         [&list](Session& session, const TypedArguments& args) {
                             return vx::CallResult::success(
                                 QVariant::fromValue(vehicleRows(session, list, vehicleNumber(list, args))));
                         });
}

// The driver valid on a day, by the rule the trip sheet card applies to the
// same rows: an open appointment that has begun wins over earlier ones; one
// that has ended before the day does not count; one still running counts
// only while no other has been found.
vx::CallResult driverName(Session& session, const TypedArguments& args)
{
    const QDate day = args.date(1).isValid() ? args.date(1) : vx::clock::today();
    vx::RecordsetPtr drivers = vehicleRows(session, vehicleList(QStringLiteral("GetCarDrivers")), args.whole(0));
    QVariantList found;
    for (drivers->MoveFirst(); !drivers->isEOF(); drivers->MoveNext()) {
        const QDate from = drivers->value(u"DateFrom").toDate();
        if (!from.isValid() || from > day)
            continue;
        const QVariant to = drivers->value(u"DateTo");
        if (to.isNull() || (found.isEmpty() && to.toDate() >= day))
            found = {drivers->value(u"UserID"), drivers->value(u"Preview")};
    }
    auto rs = vx::Recordset::create({{QStringLiteral("UserID"), vx::FieldType::Integer},
                                     {QStringLiteral("Name"), vx::FieldType::Text}});
    if (!found.isEmpty())
        rs->appendRow(found);
    rs->MoveFirst();
    return vx::CallResult::success(QVariant::fromValue(rs));
}

} // namespace

void addVehicleCalls(NamedCalls& calls)
{
    calls.add(QStringLiteral("DO4000400_GetVxObject"),
              withArguments(QStringLiteral("DO4000400_GetVxObject"),
                            {{QStringLiteral("vehicle"), ArgumentType::ObjectId}}, vehicleRecord));
    for (const char* name :
         {"GetTransportCarFuelNorms", "GetCarFuelTanks", "GetCarDrivers", "GetCarDocuments", "GetCarTyres"})
        calls.add(QLatin1String(name), vehicleListCall(vehicleList(QLatin1String(name))));
    calls.add(QStringLiteral("GetDriverName"),
              withArguments(QStringLiteral("GetDriverName"),
                            {{QStringLiteral("vehicle"), ArgumentType::Whole},
                             {QStringLiteral("date"), ArgumentType::Date, true}},
                            driverName));
    calls.add(QStringLiteral("GetTypeName"), recordByNumberCall(QStringLiteral("GetTypeName"), QStringLiteral("O4000607")));
    calls.add(QStringLiteral("GetPropertyName"),
              recordByNumberCall(QStringLiteral("GetPropertyName"), QStringLiteral("O4000608")));
}

} // namespace bo
