#include "platform/contract/date_text.h"

#include <QHash>
#include <QStringList>

#include <atomic>

namespace vx::dates {
namespace {
QString& formatStore()
{
    static QString format = QStringLiteral("yyyy.MM.dd");
    return format;
}

// Changes with every change of the short date form: moments read in an earlier form are forgotten.
std::atomic<int> formatGeneration{0};

// The digits of text[at, at + n) as a number; -1 when one is not a digit.
int digits(QStringView text, qsizetype at, int n)
{
    int value = 0;
    for (qsizetype i = at; i < at + n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// Writes `value` as `width` digits, with leading zeros, and moves past them.
void putDigits(QChar*& out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = QChar(u'0' + value % 10);
    out += width;
}

// The stored forms "yyyy-MM-dd" and "HH:mm:ss" read digit by digit: a long
// list reads one for every value, and a format parser costs far more. The
// date form is taken this way only when the short date form cannot read the
// same text otherwise.
std::optional<QDate> readStoredDate(QStringView t)
{
    if (t.size() != 10 || t.at(4) != QLatin1Char('-') || t.at(7) != QLatin1Char('-') ||
        shortDateFormat().contains(QLatin1Char('-')))
        return std::nullopt;
    const int year = digits(t, 0, 4), month = digits(t, 5, 2), day = digits(t, 8, 2);
    const QDate date = year > 0 && month > 0 && day > 0 ? QDate(year, month, day) : QDate();
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> readStoredTime(QStringView t)
{
    if (t.size() != 8 || t.at(2) != QLatin1Char(':') || t.at(5) != QLatin1Char(':'))
        return std::nullopt;
    const QTime time(digits(t, 0, 2), digits(t, 3, 2), digits(t, 6, 2));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

std::optional<QTime> readTime(QStringView text)
{
    if (auto time = readStoredTime(text))
        return time;
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
    if (auto date = readStoredDate(text))
        return date;
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
    ++formatGeneration;
}

QString toText(const QDate& date)
{
    if (!date.isValid())
        return QString();
    // The default form digit by digit: a long list writes one for every row,
    // and the format writer costs many times more.
    if (const int year = date.year(); year > 0 && year <= 9999 && formatStore() == u"yyyy.MM.dd") {
        QString text(10, Qt::Uninitialized);
        QChar* out = text.data();
        putDigits(out, year, 4);
        *out++ = u'.';
        putDigits(out, date.month(), 2);
        *out++ = u'.';
        putDigits(out, date.day(), 2);
        return text;
    }
    return date.toString(shortDateFormat());
}

QString toText(const QDateTime& moment, bool omitMidnight)
{
    if (!moment.isValid())
        return QString();
    const QTime time = moment.time();
    if (omitMidnight && time == QTime(0, 0))
        return toText(moment.date());
    QString text = toText(moment.date());
    const qsizetype at = text.size();
    text.resize(at + 6);
    QChar* out = text.data() + at;
    *out++ = u' ';
    putDigits(out, time.hour(), 2);
    *out++ = u':';
    putDigits(out, time.minute(), 2);
    return text;
}

namespace {
// A moment of local time costs the system's time zone rules each time it is
// made, and a long list reads the same few dates over and over: moments
// already made are kept by their text (a bounded number, per thread).
QHash<QString, QDateTime>& knownMoments()
{
    thread_local QHash<QString, QDateTime> known;
    thread_local int generation = -1;
    constexpr qsizetype kept = 4096;
    if (known.size() >= kept || generation != formatGeneration) {
        known.clear();
        generation = formatGeneration;
    }
    return known;
}

std::optional<QDateTime> readMoment(QStringView t)
{
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
} // namespace

std::optional<QDateTime> readDateTime(QStringView text)
{
    QHash<QString, QDateTime>& known = knownMoments();
    QString key = text.trimmed().toString();
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    std::optional<QDateTime> moment = readMoment(key);
    if (moment)
        known.insert(std::move(key), *moment);
    return moment;
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
