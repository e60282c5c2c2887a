#include "trips/method_arguments.h"

#include "platform/contract/date_text.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace trips {

MethodArguments MethodArguments::parse(const QString& params)
{
    MethodArguments args;
    const QString text = params.trimmed();
    if (text.isEmpty())
        return args;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (true) {
        while (i < n && text.at(i).isSpace())
            ++i;
        QString item;
        if (i < n && text.at(i) == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                if (text.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('\'')) {
                        item += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                item += text.at(i++);
            }
            if (!closed) {
                args.error = QStringLiteral("Neuždaryta kabutė parametre %1.").arg(args.items.size() + 1);
                return args;
            }
            while (i < n && text.at(i).isSpace())
                ++i;
        } else {
            while (i < n && text.at(i) != QLatin1Char(','))
                item += text.at(i++);
            item = item.trimmed();
            if (item.contains(QLatin1Char('\''))) {
                args.error = QStringLiteral("Netikėta kabutė parametre %1.").arg(args.items.size() + 1);
                return args;
            }
        }
        args.items << item;
        if (i >= n)
            return args;
        if (text.at(i) != QLatin1Char(',')) {
            args.error = QStringLiteral("Po parametro %1 trūksta kablelio.").arg(args.items.size());
            return args;
        }
        ++i;
    }
}

QString quoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString argumentList(const QVariantList& values)
{
    QStringList items;
    for (const QVariant& value : values) {
        switch (value.typeId()) {
        case QMetaType::QDate:
            items << quoted(vx::dates::toText(value.toDate()));
            break;
        case QMetaType::QDateTime:
            items << quoted(vx::dates::toText(value.toDateTime().date()));
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool:
            items << QString::number(value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            items << QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
            break;
        default:
            items << (value.isNull() ? QString() : quoted(value.toString()));
        }
    }
    return items.join(QLatin1Char(','));
}

} // namespace trips
