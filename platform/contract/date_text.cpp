#include "platform/contract/date_text.h"

#include <QStringList>

namespace vx::dates {
namespace {
QString& formatStore()
{
    static QString format = QStringLiteral("yyyy.MM.dd");
    return format;
}

std::optional<QTime> readTime(QStringView text)
{
    for (const QString& form : {QStringLiteral("HH:mm:ss"), QStringLiteral("HH:mm"),
                                QStringLiteral("H:mm"), QStringLiteral("HH:mm:ss.zzz")}) {
        const QTime time = QTime::fromString(text.toString(), form);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

std::optional<QDate> readDateOnly(QStringView text)
{
    const QString t = text.toString();
    for (const QString& form : {shortDateFormat(), QStringLiteral("yyyy-MM-dd"),
                                QStringLiteral("yyyy.MM.dd")}) {
        const QDate date = QDate::fromString(t, form);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}
} // namespace

QString shortDateFormat()
{
    return formatStore();
}

void setShortDateFormat(const QString& format)
{
    formatStore() = format;
}

QString toText(const QDate& date)
{
    return date.isValid() ? date.toString(shortDateFormat()) : QString();
}

QString toText(const QDateTime& moment, bool omitMidnight)
{
    if (!moment.isValid())
        return QString();
    if (omitMidnight && moment.time() == QTime(0, 0))
        return toText(moment.date());
    return toText(moment.date()) + QLatin1Char(' ') + moment.time().toString(shortTimeFormat.toString());
}

std::optional<QDateTime> readDateTime(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype split = t.indexOf(QLatin1Char(' '));
    if (split < 0)
        split = t.indexOf(QLatin1Char('T'));
    if (split < 0) {
        if (auto date = readDateOnly(t))
            return QDateTime(*date, QTime(0, 0));
        return std::nullopt;
    }
    auto date = readDateOnly(t.left(split));
    auto time = readTime(t.mid(split + 1).trimmed());
    if (!date || !time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

std::optional<QDate> readDate(QStringView text)
{
    const QStringView t = text.trimmed();
    if (auto date = readDateOnly(t))
        return date;
    if (auto moment = readDateTime(t))
        return moment->date();
    return std::nullopt;
}

QDate noDate()
{
    return QDate(1900, 1, 1);
}

QDate openEnd()
{
    return QDate(2999, 12, 31);
}

QDate calendarEnd()
{
    return QDate(9999, 12, 31);
}

bool isNoDate(const QDate& date)
{
    return date == noDate();
}

bool isOpenEnd(const QDate& date)
{
    return date == openEnd() || date == calendarEnd();
}

QString openEndText()
{
    return openEnd().toString(QStringLiteral("yyyy.MM.dd"));
}

} // namespace vx::dates
