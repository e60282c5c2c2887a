// "ReportOdometerGaps" ('from','to','vehicle and group ids'): the trip sheets
// starting within the period whose start reading differs from the end reading
// of the vehicle's previous sheet, in the order the previous-sheet lookup uses
// (day of the date, then number). The previous sheet may lie before the
// period: the sheets up to the period's end are read, the comparison made in
// the one query. Each row carries both sheets' object ids so a view can open
// them; the difference is this start minus the previous end (positive: km no
// sheet accounts for; negative: km counted twice). Vehicles follow their names
// in Lithuanian order.

#include "platform/bo/reports/report_calls.h"
#include "platform/bo/session_store.h"
#include "platform/bo/sql_dialect.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <algorithm>

namespace bo::reports {
namespace {

using FT = vx::FieldType;

const QString sheetsSql = QStringLiteral(
    ", sheets(id, car, name, moment, rest, prevId, prevName, prevMoment, prevEnd) AS ("
    "SELECT t.\"ID\", t.\"TransportCarID\", t.\"Name\", t.\"Date\", t.\"DistanceRest\", "
    "LAG(t.\"ID\") %1, LAG(t.\"Name\") %1, LAG(t.\"Date\") %1, LAG(t.\"DistanceEnd\") %1 "
    "FROM transport_trip t WHERE COALESCE(t.\"GroupFlag\", 0) = 0 AND t.\"Date\" IS NOT NULL AND t.\"Date\" < ? AND %2) "
    "SELECT s.car, %3, s.prevId, s.prevName, s.prevMoment, s.prevEnd, s.id, s.name, s.moment, s.rest "
    "FROM sheets s JOIN transport_car c ON c.\"ID\" = s.car "
    "WHERE s.moment >= ? AND s.prevId IS NOT NULL "
    "AND ABS(COALESCE(s.rest, 0) - COALESCE(s.prevEnd, 0)) >= 0.0005 "
    "ORDER BY s.car, {datetext:s.moment}, s.id");

QDate dayOf(const QVariant& moment)
{
    bool ok = false;
    return vx::Recordset::convert(moment, FT::DateTime, &ok).toDateTime().date();
}

vx::CallResult odometerGaps(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("RowKind"), FT::Integer},  {QStringLiteral("CarOIDR"), FT::Text},
        {QStringLiteral("CarName"), FT::Text},     {QStringLiteral("PrevOIDR"), FT::Text},
        {QStringLiteral("PrevName"), FT::Text},    {QStringLiteral("PrevDate"), FT::Date},
        {QStringLiteral("PrevEnd"), FT::Double},   {QStringLiteral("TripOIDR"), FT::Text},
        {QStringLiteral("TripName"), FT::Text},    {QStringLiteral("TripDate"), FT::Date},
        {QStringLiteral("TripStart"), FT::Double}, {QStringLiteral("Difference"), FT::Double},
    };
    const QString name = QStringLiteral("ReportOdometerGaps");
    PeriodChoice choice;
    if (const std::optional<vx::CallResult> refused = readPeriodChoice(name, args, choice))
        return *refused;
    const QDate from = choice.from, to = choice.to;
    const QString& vehicles = choice.vehicles;
    Database& store = storeOf(session);
    const QString order = QStringLiteral("OVER (PARTITION BY t.\"TransportCarID\" ORDER BY {datetext:t.\"Date\"}, t.\"ID\")");
    const QString sql = chosenCte() + sheetsSql.arg(order, chosenFilter(QStringLiteral("t.\"TransportCarID\"")), carNameSql(QStringLiteral("c")));
    Rows gaps = store.query(store.dialect().expression(sql),
                            QVariantList{vehicles, dayAfter(to)} + chosenFilterValues(vehicles) + QVariantList{dayStart(from)});
    std::stable_sort(gaps.values.begin(), gaps.values.end(), [](const QVariantList& a, const QVariantList& b) {
        return a.at(1).toString() != b.at(1).toString() ? lessLithuanian(a.at(1).toString(), b.at(1).toString())
                                                        : a.at(0).toLongLong() < b.at(0).toLongLong();
    });
    Rows out;
    const QString car = QStringLiteral("O4000400"), trip = QStringLiteral("O4000100");
    for (const QVariantList& g : gaps.values)
        out.values.append({0, vx::oid::make(car, g.at(0).toLongLong()), g.at(1), vx::oid::make(trip, g.at(2).toLongLong()),
                           g.at(3), dayOf(g.at(4)), g.at(5), vx::oid::make(trip, g.at(6).toLongLong()), g.at(7),
                           dayOf(g.at(8)), g.at(9), rounded(g.at(9).toDouble() - g.at(5).toDouble(), 3)});
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(out, fields)));
}

} // namespace

void addOdometerGapsCall(NamedCalls& calls)
{
    const QString name = QStringLiteral("ReportOdometerGaps");
    calls.add(name, withArguments(name, periodArguments(), odometerGaps));
}

} // namespace bo::reports
