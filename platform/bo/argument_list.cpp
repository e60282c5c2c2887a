#include "platform/bo/argument_list.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

namespace bo {

ArgumentList parseArguments(const QString& text)
{
    ArgumentList list;
    if (text.trimmed().isEmpty())
        return list;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && text.at(i).isSpace())
            ++i;
        Argument item;
        if (i < n && text.at(i) == QLatin1Char('\'')) {
            item.kind = Argument::Kind::Quoted;
            ++i;
            bool closed = false;
            while (i < n) {
                if (text.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('\'')) {
                        item.text += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                item.text += text.at(i++);
            }
            if (!closed) {
                list.error = QStringLiteral("%1 elementas: trūksta uždarančios kabutės.").arg(list.items.size() + 1);
                return list;
            }
            while (i < n && text.at(i).isSpace())
                ++i;
            if (i < n && text.at(i) != QLatin1Char(',')) {
                list.error = QStringLiteral("%1 elementas: po kabutės eina \"%2\".")
                                 .arg(list.items.size() + 1)
                                 .arg(text.at(i));
                return list;
            }
        } else {
            const qsizetype start = i;
            while (i < n && text.at(i) != QLatin1Char(','))
                ++i;
            item.text = text.mid(start, i - start).trimmed();
            if (item.text.contains(QLatin1Char('\''))) {
                list.error = QStringLiteral("%1 elementas: kabutė ne vietoje.").arg(list.items.size() + 1);
                return list;
            }
            item.kind = item.text.isEmpty() ? Argument::Kind::Empty : Argument::Kind::Bare;
        }
        list.items.append(item);
        if (i >= n)
            break;
        ++i; // the comma
    }
    return list;
}

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

std::optional<QVariant> typed(const Argument& item, ArgumentType type)
{
    const QString& t = item.text;
    switch (type) {
    case ArgumentType::Text:
        return QVariant(t);
    case ArgumentType::ObjectId:
        if (t.isEmpty() || vx::oid::isTypeId(vx::oid::typeId(t)))
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

TypedArguments checkArguments(const QString& callName, const QString& text, const QList<ArgumentSpec>& specs)
{
    TypedArguments result;
    const ArgumentList list = parseArguments(text);
    if (!list.ok()) {
        result.error = QStringLiteral("%1: netinkami parametrai (%2)").arg(callName, list.error);
        return result;
    }
    int required = 0;
    for (const ArgumentSpec& spec : specs)
        required += spec.optional ? 0 : 1;
    if (list.size() < required || list.size() > specs.size()) {
        result.error = required == specs.size()
                           ? QStringLiteral("%1: laukiama %2 parametrų, gauta %3.").arg(callName).arg(specs.size()).arg(list.size())
                           : QStringLiteral("%1: laukiama nuo %2 iki %3 parametrų, gauta %4.")
                                 .arg(callName)
                                 .arg(required)
                                 .arg(specs.size())
                                 .arg(list.size());
        return result;
    }
    for (int i = 0; i < specs.size(); ++i) {
        if (i >= list.size()) {
            result.values << QVariant();
            continue;
        }
        const auto value = typed(list.items.at(i), specs.at(i).type);
        if (!value) {
            result.error = QStringLiteral("%1: %2 parametras (%3) turi būti %4, gauta \"%5\".")
                               .arg(callName)
                               .arg(i + 1)
                               .arg(specs.at(i).name, typeText(specs.at(i).type), list.items.at(i).text);
            return result;
        }
        result.values << *value;
    }
    return result;
}

} // namespace bo
