#include "platform/contract/number_text.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace vx::numbers {
namespace {

// A finite number as decimal digits: value = d0.d1d2... x 10^exponent.
struct Decimal {
    bool negative = false;
    QByteArray digits = QByteArrayLiteral("0");
    int exponent = 0;

    bool isZero() const
    {
        for (char c : digits)
            if (c != '0')
                return false;
        return true;
    }
};

Decimal decompose(double value)
{
    Decimal d;
    if (!std::isfinite(value) || value == 0.0)
        return d;
    d.negative = value < 0;
    const QString e = QString::number(std::fabs(value), 'e', QLocale::FloatingPointShortest);
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    QString mantissa = e.left(ePos);
    mantissa.remove(QLatin1Char('.'));
    d.digits = mantissa.toLatin1();
    d.exponent = e.mid(ePos + 1).toInt();
    return d;
}

// Keeps digits up to and including index `lastKept`, rounding half away from zero.
void roundAt(Decimal& d, int lastKept)
{
    if (lastKept >= d.digits.size() - 1)
        return;
    if (lastKept < -1) {
        d.digits = QByteArrayLiteral("0");
        d.exponent = 0;
        return;
    }
    const bool up = d.digits.at(lastKept + 1) >= '5';
    d.digits.truncate(lastKept + 1);
    if (!up) {
        if (d.digits.isEmpty()) {
            d.digits = QByteArrayLiteral("0");
            d.exponent = 0;
        }
        return;
    }
    int i = lastKept;
    while (i >= 0 && d.digits.at(i) == '9') {
        d.digits[i] = '0';
        --i;
    }
    if (i < 0) {
        d.digits.prepend('1');
        d.exponent += 1;
    } else {
        d.digits[i] = char(d.digits.at(i) + 1);
    }
}

char digitAtPlace(const Decimal& d, int place)
{
    const int index = d.exponent - place;
    if (index < 0 || index >= d.digits.size())
        return '0';
    return d.digits.at(index);
}

QString render(const Decimal& d, int decimals)
{
    QString out;
    if (d.negative && !d.isZero())
        out += QLatin1Char('-');
    for (int place = std::max(d.exponent, 0); place >= 0; --place)
        out += QLatin1Char(digitAtPlace(d, place));
    if (decimals > 0) {
        out += QLatin1Char(',');
        for (int place = -1; place >= -decimals; --place)
            out += QLatin1Char(digitAtPlace(d, place));
    }
    return out;
}

} // namespace

QString fixed(double value, int decimals)
{
    decimals = std::max(decimals, 0);
    Decimal d = decompose(value);
    roundAt(d, d.exponent + decimals);
    return render(d, decimals);
}

QString plain(double value)
{
    constexpr int significantDigits = 15;
    // Whole numbers, the most common in lists, are written as integers.
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(qint64(value));
    // A number whose shortest form has no more digits than that is written so
    // (lists show many: this is their quick way).
    if (value != 0.0 && std::fabs(value) < 1e15) {
        QString shortest = QString::number(value, 'f', QLocale::FloatingPointShortest);
        int digits = 0;
        for (const QChar c : std::as_const(shortest))
            if (c.isDigit() && (digits > 0 || c != u'0'))
                ++digits;
        if (digits <= significantDigits)
            return shortest.replace(u'.', u',');
    }
    Decimal d = decompose(value);
    roundAt(d, significantDigits - 1);
    while (d.digits.size() > 1 && d.digits.endsWith('0'))
        d.digits.chop(1);
    const int decimals = std::max(0, int(d.digits.size()) - 1 - d.exponent);
    return render(d, decimals);
}

std::optional<double> readLocale(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString trimmed = text.trimmed().toString();
    if (!pattern.match(trimmed).hasMatch())
        return std::nullopt;
    QString normal = trimmed;
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool isNumeric(QStringView text)
{
    return readLocale(text).has_value();
}

double readPrefix(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    qsizetype digits = 0;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && (text.at(i) == QLatin1Char(',') || text.at(i) == QLatin1Char('.'))) {
        ++i;
        while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('+')))
            ++j;
        const qsizetype expStart = j;
        while (j < n && text.at(j).isDigit() && text.at(j).unicode() < 128)
            ++j;
        if (j > expStart)
            end = j;
    }
    QString number = text.mid(start, end - start).toString();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = number.toDouble();
    return std::isfinite(value) ? value : 0.0;
}

} // namespace vx::numbers
