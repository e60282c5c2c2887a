#include "platform/bo/argument_list.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

namespace bo {
namespace {

QString typeText(ArgumentType type)
{
    switch (type) {
    case ArgumentType::Text: return QStringLiteral("tekstas");
    case ArgumentType::ObjectId: return QStringLiteral("objekto identifikatorius");
    case ArgumentType::Whole: return QStringLiteral("sveikasis skaičius");
    case ArgumentType::Number: return QStringLiteral("skaičius");
    case ArgumentType::Date: return QStringLiteral("data");
    case ArgumentType::Flag: return QStringLiteral("požymis 0 arba 1");
    }
    return QString();
}

std::optional<QVariant> typed(const vx::arguments::Item& item, ArgumentType type)
{
    const QString& t = item.text;
    switch (type) {
    case ArgumentType::Text:
        return QVariant(t);
    case ArgumentType::ObjectId:
        if (t.isEmpty() || vx::oid::isWellFormed(t))
            return QVariant(t);
        return std::nullopt;
    case ArgumentType::Whole: {
        if (t.isEmpty())
            return QVariant(qint64(0));
        bool ok = false;
        const qint64 value = t.toLongLong(&ok);
        return ok ? std::optional<QVariant>(QVariant(value)) : std::nullopt;
    }
    case ArgumentType::Number: {
        if (t.isEmpty())
            return QVariant(0.0);
        if (auto value = vx::numbers::readLocale(t))
            return QVariant(*value);
        return std::nullopt;
    }
    case ArgumentType::Date:
        if (t.isEmpty())
            return QVariant(QDate());
        if (auto date = vx::dates::readDate(t))
            return QVariant(*date);
        return std::nullopt;
    case ArgumentType::Flag:
        if (t.isEmpty() || t == QLatin1String("0"))
            return QVariant(false);
        if (t == QLatin1String("1") || t == QLatin1String("-1"))
            return QVariant(true);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

TypedArguments checkArguments(const QString& callName, const QString& text, const QList<ExpectedArgument>& expected)
{
    TypedArguments result;
    const vx::arguments::ItemList list = vx::arguments::read(text);
    if (!list.ok()) {
        result.error = QStringLiteral("%1: netinkami parametrai (%2)").arg(callName, list.error);
        return result;
    }
    int required = 0;
    for (const ExpectedArgument& argument : expected)
        required += argument.optional ? 0 : 1;
    if (list.size() < required || list.size() > expected.size()) {
        result.error = required == expected.size()
                           ? QStringLiteral("%1: laukiama %2 parametrų, gauta %3.").arg(callName).arg(expected.size()).arg(list.size())
                           : QStringLiteral("%1: laukiama nuo %2 iki %3 parametrų, gauta %4.")
                                 .arg(callName)
                                 .arg(required)
                                 .arg(expected.size())
                                 .arg(list.size());
        return result;
    }
    for (int i = 0; i < expected.size(); ++i) {
        if (i >= list.size()) {
            result.values << QVariant();
            continue;
        }
        const auto value = typed(list.items.at(i), expected.at(i).type);
        if (!value) {
            result.error = QStringLiteral("%1: %2 parametras (%3) turi būti %4, gauta \"%5\".")
                               .arg(callName)
                               .arg(i + 1)
                               .arg(expected.at(i).name, typeText(expected.at(i).type), list.items.at(i).text);
            return result;
        }
        result.values << *value;
    }
    return result;
}

} // namespace bo
