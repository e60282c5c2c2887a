// Named calls about tyres and their mountings: brand and size names, where a
// tyre has been, the run it has reached, whether it or a position is taken, and
// the distance a vehicle drove while a tyre was on it.

#include "platform/bo/named_calls.h"
#include "platform/bo/session_store.h"
#include "platform/bo/sql_dialect.h"

namespace bo {

namespace {

// A mounting with no removal date is still on the vehicle.
const QString stillMounted = QStringLiteral("\"DateTo\" IS NULL");

vx::RecordsetPtr query(Session& session, const QString& sql, const QVariantList& values,
                       const QList<vx::FieldDef>& fields)
{
    return recordsetFrom(storeOf(session).query(storeOf(session).dialect().expression(sql), values), fields);
}

vx::CallResult answer(const vx::RecordsetPtr& rs)
{
    return vx::CallResult::success(QVariant::fromValue(rs));
}

vx::CallResult tyreHistory(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("DateFrom"), vx::FieldType::Date},
        {QStringLiteral("DateTo"), vx::FieldType::Date},
        {QStringLiteral("CarPreview"), vx::FieldType::Text},
        {QStringLiteral("TyreRunFrom"), vx::FieldType::Integer},
        {QStringLiteral("TyreRunTo"), vx::FieldType::Integer},
        {QStringLiteral("OIDR"), vx::FieldType::Text},
        {QStringLiteral("TransportID"), vx::FieldType::Integer},
    };
    return answer(query(session,
                        QStringLiteral("SELECT m.\"DateFrom\", m.\"DateTo\", %2, m.\"TyreRunFrom\", m.\"TyreRunTo\", "
                                       "%1, m.\"TransportID\" "
                                       "FROM transport_car_tyre m WHERE m.\"TyreID\" = ? "
                                       "ORDER BY CASE WHEN m.\"DateFrom\" IS NULL THEN 0 ELSE 1 END, m.\"DateFrom\", m.\"ID\"")
                                           .arg(objectIdSql(QStringLiteral("O4000900"), QStringLiteral("m.\"ID\"")))
                            .arg(previewOf(QStringLiteral("O4000400"), QStringLiteral("m.\"TransportID\""))),
                        {args.whole(0)}, fields));
}

// A tyre never mounted, or mounted without a recorded run, has reached 0 km:
// the mounting dialog proposes the value as a start run.
vx::CallResult tyreRun(Session& session, const TypedArguments& args)
{
    return answer(query(session,
                        QStringLiteral("SELECT COALESCE(MAX(\"TyreRunTo\"), 0) FROM transport_car_tyre WHERE \"TyreID\" = ?"),
                        {args.whole(0)}, {{QStringLiteral("MaxRunTo"), vx::FieldType::Integer}}));
}

vx::RecordsetPtr countOf(Session& session, const QString& condition, const QVariantList& values)
{
    return query(session,
                 QStringLiteral("SELECT COUNT(*) FROM transport_car_tyre WHERE %1 AND %2").arg(condition, stillMounted),
                 values, {{QStringLiteral("Result"), vx::FieldType::Integer}});
}

vx::CallResult tyreInUse(Session& session, const TypedArguments& args)
{
    return answer(countOf(session, QStringLiteral("\"TyreID\" = ?"), {args.whole(0)}));
}

vx::CallResult positionTaken(Session& session, const TypedArguments& args)
{
    return answer(countOf(session,
                          QStringLiteral("\"TransportID\" = ? AND \"Axis\" = ? AND \"CarSide\" = ? AND \"PositionOnAxis\" = ?"),
                          {args.whole(0), args.whole(1), args.whole(2), args.whole(3)}));
}

// Kilometres on the speedometer over the vehicle's trip sheets that start
// within the period; a sheet whose end reading is missing or below its start adds nothing.
vx::CallResult carRun(Session& session, const TypedArguments& args)
{
    if (!args.date(1).isValid() || !args.date(2).isValid())
        return vx::CallResult::failure(QStringLiteral("GetCarRun: nenurodyta laikotarpio pradžia arba pabaiga."));
    // Whole days, as bounds the vehicle-and-date index seeks to.
    return answer(query(session,
                        QStringLiteral("SELECT COALESCE(SUM(CASE WHEN t.\"DistanceEnd\" > COALESCE(t.\"DistanceRest\", 0) "
                                       "THEN t.\"DistanceEnd\" - COALESCE(t.\"DistanceRest\", 0) ELSE 0 END), 0) "
                                       "FROM transport_trip t WHERE t.\"TransportCarID\" = ? "
                                       "AND t.\"Date\" >= ? AND t.\"Date\" < ?"),
                        {args.whole(0), dayStart(args.date(1)), dayAfter(args.date(2))},
                        {{QStringLiteral("Distance"), vx::FieldType::Double}}));
}

ExpectedArgument number(const char* name)
{
    return {QLatin1String(name), ArgumentType::Whole};
}

} // namespace

void addTyreCalls(NamedCalls& calls)
{
    calls.add(QStringLiteral("GetTyreType"), recordByNumberCall(QStringLiteral("GetTyreType"), QStringLiteral("O4000606")));
    calls.add(QStringLiteral("GetTyreSize"), recordByNumberCall(QStringLiteral("GetTyreSize"), QStringLiteral("O4000605")));
    calls.add(QStringLiteral("GetTyreHistory"),
              withArguments(QStringLiteral("GetTyreHistory"), {number("tyre")}, tyreHistory));
    calls.add(QStringLiteral("GetTyreRun"), withArguments(QStringLiteral("GetTyreRun"), {number("tyre")}, tyreRun));
    calls.add(QStringLiteral("GetCheckTyreInUse"),
              withArguments(QStringLiteral("GetCheckTyreInUse"), {number("tyre")}, tyreInUse));
    calls.add(QStringLiteral("GetCheckPosition"),
              withArguments(QStringLiteral("GetCheckPosition"),
                            {number("vehicle"), number("axle"), number("side"), number("position")}, positionTaken));
    calls.add(QStringLiteral("GetCarRun"),
              withArguments(QStringLiteral("GetCarRun"),
                            {number("vehicle"), {QStringLiteral("start"), ArgumentType::Date},
                             {QStringLiteral("end"), ArgumentType::Date}},
                            carRun));
}

} // namespace bo
