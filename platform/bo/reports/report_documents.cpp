// "ReportExpiringDocuments" ('day',days,'vehicle and group ids'): the vehicle
// documents valid until a day from the given one to so many days after it,
// both ends included; a document without an end (2999.12.31 or later) never
// expires. Ordered by the end date, then by vehicle name; each row carries the
// document's and the vehicle's object ids.

#include "platform/bo/reports/report_calls.h"
#include "platform/bo/session_store.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <algorithm>

namespace bo::reports {
namespace {

using FT = vx::FieldType;

const QString documentsSql = QStringLiteral(
    "SELECT d.\"TransportID\", %1, d.\"ID\", COALESCE(dt.\"Name\", ''), d.\"DocShape\", d.\"DocNumber\", d.\"DateTo\" "
    "FROM transport_car_document d JOIN transport_car c ON c.\"ID\" = d.\"TransportID\" "
    "LEFT JOIN ref_document_type dt ON dt.\"ID\" = d.\"DocTypeID\" "
    "WHERE d.\"DateTo\" >= ? AND d.\"DateTo\" <= ? AND d.\"DateTo\" < ? AND %2 "
    "ORDER BY d.\"DateTo\", d.\"ID\"");

vx::CallResult expiringDocuments(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("RowKind"), FT::Integer}, {QStringLiteral("CarOIDR"), FT::Text},
        {QStringLiteral("CarName"), FT::Text},    {QStringLiteral("DocOIDR"), FT::Text},
        {QStringLiteral("DocName"), FT::Text},    {QStringLiteral("DocShape"), FT::Text},
        {QStringLiteral("DocNumber"), FT::Text},  {QStringLiteral("DateTo"), FT::Date},
        {QStringLiteral("DaysLeft"), FT::Integer},
    };
    const QString name = QStringLiteral("ReportExpiringDocuments");
    const QDate day = args.date(0);
    if (!day.isValid())
        return vx::CallResult::failure(QStringLiteral("%1: nenurodyta data.").arg(name));
    if (args.whole(1) < 0)
        return vx::CallResult::failure(QStringLiteral("%1: dienų skaičius negali būti neigiamas.").arg(name));
    const std::optional<QString> vehicles = chosenVehicles(args.text(2));
    if (!vehicles)
        return notVehicles(name, args.text(2));
    const QDate last = day.addDays(std::min<qint64>(args.whole(1), day.daysTo(vx::dates::calendarEnd())));
    Rows documents = storeOf(session).query(
        chosenCte() + documentsSql.arg(carNameSql(QStringLiteral("c")), chosenFilter(QStringLiteral("d.\"TransportID\""))),
        QVariantList{*vehicles, day, last, vx::dates::openEnd()} + chosenFilterValues(*vehicles));
    Rows out;
    for (const QVariantList& d : documents.values) {
        const QDate end = d.at(6).toDate();
        out.values.append({0, vx::oid::make(QStringLiteral("O4000400"), d.at(0).toLongLong()), d.at(1),
                           vx::oid::make(QStringLiteral("O4001100"), d.at(2).toLongLong()), d.at(3), d.at(4), d.at(5), end,
                           day.daysTo(end)});
    }
    std::stable_sort(out.values.begin(), out.values.end(), [](const QVariantList& a, const QVariantList& b) {
        return a.at(7).toDate() != b.at(7).toDate() ? a.at(7).toDate() < b.at(7).toDate()
                                                    : lessLithuanian(a.at(2).toString(), b.at(2).toString());
    });
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(out, fields)));
}

} // namespace

void addExpiringDocumentsCall(NamedCalls& calls)
{
    const QString name = QStringLiteral("ReportExpiringDocuments");
    calls.add(name, withArguments(name,
                                  {{QStringLiteral("day"), ArgumentType::Date},
                                   {QStringLiteral("days"), ArgumentType::Whole},
                                   {QStringLiteral("vehicles"), ArgumentType::Text, true}},
                                  expiringDocuments));
}

} // namespace bo::reports
