// Named calls about trip sheets: their route lines, cheques, norms and tanks,
// and the previous sheet of a vehicle.

#include "platform/bo/named_calls.h"
#include "platform/bo/session.h"
#include "platform/contract/object_id.h"

namespace bo {
namespace {

// The record number of a trip sheet id, 0 for anything else.
qint64 tripNumber(const QString& oidr)
{
    return vx::oid::isOfType(oidr, QStringLiteral("O4000100")) ? vx::oid::recordNumber(oidr) : 0;
}

vx::CallResult tripRoutes(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("OIDR"), vx::FieldType::Text},
        {QStringLiteral("TransportRouteID"), vx::FieldType::Integer},
        {QStringLiteral("Date"), vx::FieldType::DateTime},
        {QStringLiteral("TransportRouteName"), vx::FieldType::Text},
        {QStringLiteral("TransportRouteDistance"), vx::FieldType::Double},
        {QStringLiteral("TransportRouteDuration"), vx::FieldType::Double},
        {QStringLiteral("TransportFuelTypeName"), vx::FieldType::Text},
        {QStringLiteral("TransportFuelNormName"), vx::FieldType::Text},
        {QStringLiteral("TransportFuelNormValue"), vx::FieldType::Double},
        {QStringLiteral("TransportFuelNormDurationValue"), vx::FieldType::Double},
        {QStringLiteral("TransportRouteUserName"), vx::FieldType::Text},
        {QStringLiteral("TransportRouteNote"), vx::FieldType::Text},
        {QStringLiteral("TransportFuelTankTypeID"), vx::FieldType::Integer},
    };
    const Rows rows = session.db().query(
        QStringLiteral(
            "SELECT 'O4000200' || CAST(l.\"ID\" AS TEXT), l.\"TransportRouteID\", l.\"Date\", r.\"Name\", "
            "l.\"Distance\", l.\"Duration\", ft.\"Name\", n.\"Name\", l.\"FuelNormByDistance\", l.\"FuelNormByDuration\", "
            "TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')), l.\"Note\", ft.\"TransportFuelTankTypeID\" "
            "FROM transport_trip_route l "
            "LEFT JOIN ref_route r ON r.\"ID\" = l.\"TransportRouteID\" "
            "LEFT JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
            "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
            "LEFT JOIN employee e ON e.\"ID\" = l.\"UserID\" "
            "WHERE l.\"TransportTripID\" = ? ORDER BY l.\"Date\", l.\"ID\""),
        {tripNumber(args.text(0))});
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(rows, fields)));
}

} // namespace

void addTripCalls(NamedCalls& calls)
{
    calls.add(QStringLiteral("GetTransportTripRoutes"),
              withArguments(QStringLiteral("GetTransportTripRoutes"),
                            {{QStringLiteral("trip sheet"), ArgumentType::ObjectId}}, tripRoutes));
}

} // namespace bo
