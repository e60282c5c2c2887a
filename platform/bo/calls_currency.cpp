// Named calls of the host's currency objects: the currencies with their rates
// on a day ("O0201500" Properties "CurrencyList") and storing the rate of a
// day ("O0002200" Methods "SaveDayRate").

#include "platform/bo/access.h"
#include "platform/bo/named_calls.h"
#include "platform/bo/session_store.h"
#include "platform/bo/sql_dialect.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"

#include <optional>

namespace bo {
namespace {

// Rates hold for exactly their day: a day without a row has rate 0, which is
// what lets the cheque dialog offer to store a typed rate for it.
vx::CallResult currencyList(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("Code"), vx::FieldType::Text},
        {QStringLiteral("ID"), vx::FieldType::Integer},
        {QStringLiteral("BaseCurrency"), vx::FieldType::SmallInt},
        {QStringLiteral("Rate"), vx::FieldType::Double},
        {QStringLiteral("Name"), vx::FieldType::Text},
        {QStringLiteral("OIDR"), vx::FieldType::Text},
    };
    if (!args.date(0).isValid())
        return vx::CallResult::failure(QStringLiteral("CurrencyList: nenurodyta data."));
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT c.\"Code\", c.\"ID\", COALESCE(c.\"BaseCurrency\", 0), "
                       "CASE WHEN COALESCE(c.\"BaseCurrency\", 0) <> 0 THEN 1 ELSE COALESCE(r.\"Rate\", 0) END, "
                       "c.\"Name\", %1 "
                       "FROM currency c LEFT JOIN currency_rate r ON r.\"CurrencyID\" = c.\"ID\" AND r.\"Date\" = ? "
                       "ORDER BY c.\"Code\", c.\"ID\"")
                           .arg(objectIdSql(QStringLiteral("O0201500"), QStringLiteral("c.\"ID\""))),
        {args.date(0)});
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(rows, fields)));
}

// The currency a code names, and whether it is the base currency.
struct Currency {
    qint64 id = 0;
    bool base = false;
};

std::optional<Currency> currencyByCode(Session& session, const QString& code)
{
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT \"ID\", COALESCE(\"BaseCurrency\", 0) FROM currency WHERE \"Code\" = ?"), {code});
    if (rows.isEmpty())
        return std::nullopt;
    return Currency{rows.values.first().at(0).toLongLong(), rows.values.first().at(1).toInt() != 0};
}

QString dayRateRefusal(const TypedArguments& args, const std::optional<Currency>& currency)
{
    const QString code = args.text(0).trimmed();
    if (code.isEmpty())
        return QStringLiteral("SaveDayRate: nenurodyta valiuta.");
    if (!currency)
        return QStringLiteral("SaveDayRate: valiuta \"%1\" nerasta.").arg(code);
    if (currency->base)
        return QStringLiteral("SaveDayRate: %1 yra bazinė valiuta, jos kursas visada 1.").arg(code);
    if (!args.date(1).isValid())
        return QStringLiteral("SaveDayRate: nenurodyta kurso data.");
    if (!(args.number(2) > 0))
        return QStringLiteral("SaveDayRate: kursas turi būti didesnis už 0.");
    return QString();
}

// One row per currency and day: a second rate for the same day replaces the first.
vx::CallResult saveDayRate(Session& session, const TypedArguments& args)
{
    access::require(session, access::componentOf(QStringLiteral("O0002200")), Right::Write,
                    QStringLiteral("Valiutų kursai"));
    Transaction t(storeOf(session));
    const std::optional<Currency> currency = currencyByCode(session, args.text(0).trimmed());
    const QString refusal = dayRateRefusal(args, currency);
    if (!refusal.isEmpty())
        return vx::CallResult::failure(refusal);
    const qint64 id = storeOf(session).insert(
        QStringLiteral("INSERT INTO currency_rate (\"CurrencyID\", \"Date\", \"Rate\", \"CreationDate\") VALUES (?, ?, ?, ?) "
                       "ON CONFLICT (\"CurrencyID\", \"Date\") DO UPDATE SET \"Rate\" = excluded.\"Rate\" RETURNING \"ID\""),
        {currency->id, args.date(1), args.number(2), vx::clock::now()});
    t.commit();
    return vx::CallResult::success(vx::oid::make(QStringLiteral("O0002200"), id));
}

} // namespace

void addCurrencyCalls(NamedCalls& calls)
{
    calls.add(QStringLiteral("CurrencyList"),
              withArguments(QStringLiteral("CurrencyList"), {{QStringLiteral("date"), ArgumentType::Date}}, currencyList));
    calls.add(QStringLiteral("SaveDayRate"),
              withArguments(QStringLiteral("SaveDayRate"),
                            {{QStringLiteral("currency code"), ArgumentType::Text},
                             {QStringLiteral("date"), ArgumentType::Date},
                             {QStringLiteral("rate"), ArgumentType::Number}},
                            saveDayRate));
}

} // namespace bo
