// "ReportTyreRuns" (share in per cent,'vehicle and group ids'): the tyres in use
// (not written off, with a maximum run) whose run has reached that share of
// their maximum. A tyre's run is the run it had at its first mounting plus
// what each mounting added (its end run less its start run, never below 0), so
// a gap or an overlap between mountings does not falsify it. The vehicle is the
// one the tyre is mounted on now (a mounting without a removal date); with
// vehicles chosen only tyres mounted on them are listed. The most worn first.

#include "platform/bo/reports/report_calls.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

#include <algorithm>

namespace bo::reports {
namespace {

using FT = vx::FieldType;

const QString tyresSql = QStringLiteral(
    ", tyres(id, number, name, maxRun, car, firstRun, runs) AS ("
    "SELECT y.\"ID\", y.\"Number\", y.\"Name\", y.\"MaxRun\", "
    "(SELECT m.\"TransportID\" FROM transport_car_tyre m WHERE m.\"TyreID\" = y.\"ID\" AND m.\"DateTo\" IS NULL "
    " ORDER BY m.\"ID\" DESC LIMIT 1), "
    "(SELECT COALESCE(m.\"TyreRunFrom\", 0) FROM transport_car_tyre m WHERE m.\"TyreID\" = y.\"ID\" "
    " ORDER BY CASE WHEN m.\"DateFrom\" IS NULL THEN 0 ELSE 1 END, m.\"DateFrom\", m.\"ID\" LIMIT 1), "
    "(SELECT SUM(CASE WHEN COALESCE(m.\"TyreRunTo\", 0) > COALESCE(m.\"TyreRunFrom\", 0) "
    " THEN COALESCE(m.\"TyreRunTo\", 0) - COALESCE(m.\"TyreRunFrom\", 0) ELSE 0 END) "
    " FROM transport_car_tyre m WHERE m.\"TyreID\" = y.\"ID\") "
    "FROM transport_tyre y WHERE COALESCE(y.\"GroupFlag\", 0) = 0 AND y.\"DateTo\" IS NULL AND y.\"MaxRun\" > 0) "
    "SELECT t.id, t.number, t.name, t.car, %1, COALESCE(t.firstRun, 0) + COALESCE(t.runs, 0), t.maxRun "
    "FROM tyres t LEFT JOIN transport_car c ON c.\"ID\" = t.car WHERE %2");

struct Tyre {
    qint64 id = 0, car = 0, run = 0, maxRun = 0;
    QString name, carName;
};

vx::CallResult tyreRuns(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("RowKind"), FT::Integer}, {QStringLiteral("TyreOIDR"), FT::Text},
        {QStringLiteral("TyreName"), FT::Text},   {QStringLiteral("CarOIDR"), FT::Text},
        {QStringLiteral("CarName"), FT::Text},    {QStringLiteral("Run"), FT::Integer},
        {QStringLiteral("MaxRun"), FT::Integer},  {QStringLiteral("Share"), FT::Double},
    };
    const QString name = QStringLiteral("ReportTyreRuns");
    const qint64 share = args.whole(0);
    if (share < 0)
        return vx::CallResult::failure(QStringLiteral("%1: ridos dalis negali būti neigiama.").arg(name));
    const std::optional<QString> vehicles = chosenVehicles(args.text(1));
    if (!vehicles)
        return notVehicles(name, args.text(1));
    const Rows rows = storeOf(session).query(
        chosenCte() + tyresSql.arg(carNameSql(QStringLiteral("c")), chosenFilter(QStringLiteral("t.car"))),
        QVariantList{*vehicles} + chosenFilterValues(*vehicles));
    QList<Tyre> worn;
    for (const QVariantList& r : rows.values) {
        Tyre t{r.at(0).toLongLong(), r.at(3).toLongLong(), r.at(5).toLongLong(), r.at(6).toLongLong(), r.at(1).toString(),
               r.at(4).toString()};
        if (!r.at(2).toString().isEmpty())
            t.name += QStringLiteral(" – ") + r.at(2).toString();
        if (t.run * 100 >= share * t.maxRun)
            worn.append(t);
    }
    std::sort(worn.begin(), worn.end(), [](const Tyre& a, const Tyre& b) {
        const qint64 left = a.run * b.maxRun, right = b.run * a.maxRun;
        return left != right ? left > right : lessLithuanian(a.name, b.name);
    });
    Rows out;
    for (const Tyre& t : worn)
        out.values.append({0, vx::oid::make(QStringLiteral("O4000800"), t.id), t.name,
                           t.car > 0 ? vx::oid::make(QStringLiteral("O4000400"), t.car) : QString(), t.carName, t.run,
                           t.maxRun, rounded(100.0 * double(t.run) / double(t.maxRun), 1)});
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(out, fields)));
}

} // namespace

void addTyreRunsCall(NamedCalls& calls)
{
    const QString name = QStringLiteral("ReportTyreRuns");
    calls.add(name, withArguments(name,
                                  {{QStringLiteral("share"), ArgumentType::Whole},
                                   {QStringLiteral("vehicles"), ArgumentType::Text, true}},
                                  tyreRuns));
}

} // namespace bo::reports
