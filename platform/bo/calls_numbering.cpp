// Named calls of trip sheet auto-numbering: the settings record, the next
// counter for a date and user, the repeated-number check and storing the settings.
//
// There is no counter of its own: the next value is read from the counters the
// trip sheets carry (`AutoNumber`), so deleting or renumbering a sheet is seen
// at once and nothing has to be kept in step.

#include "platform/bo/access.h"
#include "platform/bo/named_calls.h"
#include "platform/bo/session_store.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/clock.h"

#include <QRegularExpression>

#include <limits>

namespace bo {
namespace {

const QString tripType = QStringLiteral("O4000100");

vx::CallResult answer(const Rows& rows, const QList<vx::FieldDef>& fields)
{
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(rows, fields)));
}

vx::CallResult settings(Session& session, const QString&)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("ID"), vx::FieldType::Integer},          {QStringLiteral("ANMask"), vx::FieldType::Text},
        {QStringLiteral("ANPrefix"), vx::FieldType::Text},       {QStringLiteral("ANCycle"), vx::FieldType::SmallInt},
        {QStringLiteral("ANMinimal"), vx::FieldType::Integer},   {QStringLiteral("ANTemplate"), vx::FieldType::Text},
        {QStringLiteral("ANGroupBy"), vx::FieldType::SmallInt},  {QStringLiteral("AllowDuplicated"), vx::FieldType::SmallInt},
    };
    return answer(storeOf(session).query(QStringLiteral("SELECT \"ID\", \"ANMask\", \"ANPrefix\", \"ANCycle\", \"ANMinimal\", "
                                                    "\"ANTemplate\", \"ANGroupBy\", \"AllowDuplicated\" "
                                                    "FROM auto_number_settings WHERE \"ObjectType\" = ?"),
                                     {tripType}),
                  fields);
}

// The first day of the counter period (0 day, 1 month, 2 quarter, 3 year)
// holding `day`, and the first day after it.
QPair<QDate, QDate> cyclePeriod(const QDate& day, int cycle)
{
    switch (cycle) {
    case 0:
        return {day, day.addDays(1)};
    case 1: {
        const QDate first(day.year(), day.month(), 1);
        return {first, first.addMonths(1)};
    }
    case 2: {
        const QDate first(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
        return {first, first.addMonths(3)};
    }
    default: {
        const QDate first(day.year(), 1, 1);
        return {first, first.addYears(1)};
    }
    }
}

vx::CallResult nextNumber(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {{QStringLiteral("AutoNumber"), vx::FieldType::Integer}};
    const Rows found = storeOf(session).query(
        QStringLiteral("SELECT \"ANMask\", \"ANCycle\", \"ANMinimal\", \"ANGroupBy\" FROM auto_number_settings "
                       "WHERE \"ObjectType\" = ?"),
        {tripType});
    if (found.isEmpty() || !found.values.first().at(0).toString().split(QLatin1Char('_')).contains(QLatin1String("AutoNumber")))
        return answer({}, fields);
    const QVariantList& s = found.values.first();
    if (!args.date(0).isValid())
        return vx::CallResult::failure(QStringLiteral("GetAutoNumber: nenurodyta kelionės lapo data."));
    const auto [from, to] = cyclePeriod(args.date(0), s.at(1).toInt());
    QString sql = QStringLiteral("SELECT MAX(\"AutoNumber\") FROM transport_trip WHERE \"Date\" >= ? AND \"Date\" < ?");
    QVariantList values{QDateTime(from, QTime(0, 0)), QDateTime(to, QTime(0, 0))};
    if (s.at(3).toInt() == 1) {
        // Sheets saved with nobody logged in count for user 0.
        sql += QStringLiteral(" AND COALESCE(\"CreatedByUserID\", 0) = ?");
        values << args.whole(1);
    }
    const qint64 last = storeOf(session).scalar(sql, values).toLongLong();
    return vx::CallResult::success(QVariant::fromValue(singleRow(fields, {std::max(last + 1, s.at(2).toLongLong())})));
}

// The number travels quoted, its own quotes doubled, then the record number of
// the sheet to leave out: 'KL-1',12.
vx::CallResult checkNumber(Session& session, const QString& param)
{
    using vx::arguments::Item;
    const vx::arguments::ItemList list = vx::arguments::read(param);
    bool ok = list.size() == 2 && list.items.at(0).kind == Item::Kind::Quoted
              && list.items.at(1).kind == Item::Kind::Bare;
    const qint64 id = ok ? list.text(1).toLongLong(&ok) : 0;
    if (!ok)
        return vx::CallResult::failure(
            QStringLiteral("CheckNumber: netinkami parametrai \"%1\" (laukiama '<numeris>',<ID>).").arg(param));
    const QVariant others = storeOf(session).scalar(
        QStringLiteral("SELECT COUNT(*) FROM transport_trip WHERE \"Name\" = ? AND \"ID\" <> ?"), {list.text(0), id});
    return vx::CallResult::success(
        QVariant::fromValue(singleRow({{QStringLiteral("Result"), vx::FieldType::Integer}}, {others.toLongLong()})));
}

// The settings as the settings card sends them.
struct SettingsText {
    qint64 id = 0;
    QString mask;
    QString prefix;
    qint64 cycle = 0;
    qint64 minimal = 0;
    QString numberTemplate;
    qint64 groupBy = 0;
    qint64 allowDuplicated = 0;
};

// Digits only, so a failed reading means the number is too large.
qint64 digits(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? value : std::numeric_limits<qint64>::max();
}

// The texts are quoted, the numbers bare digits; the minimal number may carry a
// decimal part after a point (its whole part counts).
std::optional<SettingsText> readSettingsText(const QString& param)
{
    using Kind = vx::arguments::Item::Kind;
    const Kind shape[] = {Kind::Bare, Kind::Quoted, Kind::Quoted, Kind::Bare,
                          Kind::Bare, Kind::Quoted, Kind::Bare,   Kind::Bare};
    const vx::arguments::ItemList list = vx::arguments::read(param);
    if (!list.ok() || list.size() != int(std::size(shape)))
        return std::nullopt;
    for (int i = 0; i < list.size(); ++i)
        if (list.items.at(i).kind != shape[i])
            return std::nullopt;
    const QRegularExpression whole(QStringLiteral("^\\d+$"));
    for (int i : {0, 3, 6, 7})
        if (!whole.match(list.text(i)).hasMatch())
            return std::nullopt;
    const QRegularExpression withDecimals(QStringLiteral("^(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch minimal = withDecimals.match(list.text(4));
    if (!minimal.hasMatch())
        return std::nullopt;
    // An empty text is stored as an empty text, not as null.
    const auto text = [&list](int i) { return list.text(i).isNull() ? QString::fromLatin1("") : list.text(i); };
    return SettingsText{digits(list.text(0)),        text(1), text(2),          digits(list.text(3)),
                        digits(minimal.captured(1)), text(5), digits(list.text(6)), digits(list.text(7))};
}

// What is wrong with the settings, in the user's words; empty when nothing.
QString settingsProblem(const SettingsText& s)
{
    const struct {
        qint64 value;
        qint64 max;
        const char* what;
    } ranges[] = {
        {s.cycle, 3, "Kartojimosi ciklas turi būti nuo 0 iki 3"},
        {s.groupBy, 1, "Auto-numerio formavimo būdas turi būti 0 arba 1"},
        {s.allowDuplicated, 1, "Pakartotinio numerio požymis turi būti 0 arba 1"},
        {s.minimal, std::numeric_limits<qint32>::max(), "Minimalus numeris per didelis"},
    };
    for (const auto& r : ranges)
        if (r.value > r.max)
            return QString::fromUtf8(r.what) + QStringLiteral(" (gauta %1).").arg(r.value);
    if (s.numberTemplate.contains(QRegularExpression(QStringLiteral("[^0]"))))
        return QStringLiteral("Numerio šablone gali būti tik nuliai (gauta \"%1\").").arg(s.numberTemplate);
    if (s.mask.isEmpty())
        return QString();
    const QStringList known = {QStringLiteral("Date"), QStringLiteral("UserPrefix"), QStringLiteral("AutoNumber"),
                               QStringLiteral("Prefix")};
    QStringList seen;
    for (const QString& part : s.mask.split(QLatin1Char('_'))) {
        if (!known.contains(part))
            return QStringLiteral("Nežinoma numerio maketo dalis \"%1\".").arg(part);
        if (seen.contains(part))
            return QStringLiteral("Numerio maketo dalis \"%1\" kartojasi.").arg(part);
        seen << part;
    }
    return QString();
}

vx::CallResult storeSettings(Session& session, const QString& param)
{
    access::require(session, access::settingsComponent, Right::Write, QStringLiteral("Nustatymai"));
    const std::optional<SettingsText> s = readSettingsText(param);
    if (!s)
        return vx::CallResult::failure(
            QStringLiteral("AddUpdateAutoNumber: netinkami parametrai \"%1\" (laukiama "
                           "<ID>,'<maketas>','<prefiksas>',<ciklas>,<minimalus>,'<šablonas>',<pagal vartotoją>,<kartoti>).")
                .arg(param));
    if (const QString problem = settingsProblem(*s); !problem.isEmpty())
        return vx::CallResult::failure(QStringLiteral("AddUpdateAutoNumber: ") + problem);
    const QVariant user = session.userId() > 0 ? QVariant(session.userId()) : QVariant();
    const QVariantList values{s->mask,    s->prefix,           s->cycle,          s->minimal,
                              s->numberTemplate, s->groupBy, s->allowDuplicated, vx::clock::now(), user};
    const QStringList columns = {QStringLiteral("\"ANMask\""),     QStringLiteral("\"ANPrefix\""),
                                 QStringLiteral("\"ANCycle\""),    QStringLiteral("\"ANMinimal\""),
                                 QStringLiteral("\"ANTemplate\""), QStringLiteral("\"ANGroupBy\""),
                                 QStringLiteral("\"AllowDuplicated\""), QStringLiteral("\"ModifyDate\""),
                                 QStringLiteral("\"ModifiedByUserID\"")};
    QStringList assignments;
    QStringList fromInsert;
    for (const QString& column : columns) {
        assignments << column + QStringLiteral(" = ?");
        fromInsert << column + QStringLiteral(" = EXCLUDED.") + column;
    }
    if (s->id > 0) {
        const int changed = storeOf(session).execute(
            QStringLiteral("UPDATE auto_number_settings SET %1 WHERE \"ID\" = ? AND \"ObjectType\" = ?")
                .arg(assignments.join(QStringLiteral(", "))),
            values + QVariantList{s->id, tripType});
        if (changed == 0)
            return vx::CallResult::failure(
                QStringLiteral("AddUpdateAutoNumber: nustatymų įrašas %1 nerastas.").arg(s->id));
        return vx::CallResult::success();
    }
    // One record for everybody: a second first save updates it.
    storeOf(session).execute(QStringLiteral("INSERT INTO auto_number_settings (\"ObjectType\", %1) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (\"ObjectType\") DO UPDATE SET %2")
                             .arg(columns.join(QStringLiteral(", ")), fromInsert.join(QStringLiteral(", "))),
                         QVariantList{tripType} + values);
    return vx::CallResult::success();
}

} // namespace

void addNumberingCalls(NamedCalls& calls)
{
    calls.add(QStringLiteral("GetAutoNumberSettings"), settings);
    calls.add(QStringLiteral("GetAutoNumber"),
              withArguments(QStringLiteral("GetAutoNumber"),
                            {{QStringLiteral("trip sheet date"), ArgumentType::Date},
                             {QStringLiteral("user"), ArgumentType::Whole}},
                            nextNumber));
    calls.add(QStringLiteral("CheckNumber"), checkNumber);
    calls.add(QStringLiteral("AddUpdateAutoNumber"), storeSettings);
}

} // namespace bo
