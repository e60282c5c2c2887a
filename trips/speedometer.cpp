#include "trips/speedometer.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace trips {
namespace {
constexpr int significantDigits = 15;
constexpr int ownExpenseDecimals = 3;

int integerDigits(double magnitude)
{
    return magnitude >= 1.0 ? int(std::floor(std::log10(magnitude))) + 1 : 1;
}

qint64 powerOfTen(int exponent)
{
    qint64 p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}
} // namespace

double roundHalfEven(double value, int decimals, double magnitude)
{
    decimals = std::clamp(decimals, 0, 9);
    const double limit = 1e15 / double(powerOfTen(decimals));
    if (!std::isfinite(value) || std::fabs(value) >= limit)
        return value;
    magnitude = std::max({std::fabs(magnitude), std::fabs(value)});
    // The decimals the operands still determine; never fewer than we keep.
    const int known = std::clamp(significantDigits - integerDigits(magnitude), decimals, 30);
    const QString text = QString::number(std::fabs(value), 'f', known);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    fraction = fraction.leftJustified(known, QLatin1Char('0'));

    qint64 units = whole.toLongLong() * powerOfTen(decimals) + fraction.left(decimals).toLongLong();
    const QString rest = fraction.mid(decimals);
    if (!rest.isEmpty()) {
        const QString half = QStringLiteral("5").leftJustified(rest.size(), QLatin1Char('0'));
        const int order = QString::compare(rest, half);
        if (order > 0 || (order == 0 && units % 2 != 0))
            ++units;
    }
    const double rounded = double(units) / double(powerOfTen(decimals));
    return value < 0 && units != 0 ? -rounded : rounded;
}

double ownExpenseDistance(double start, double routeDistance, double end)
{
    const double difference = end - start - routeDistance;
    const double magnitude = std::max({std::fabs(start), std::fabs(routeDistance), std::fabs(end)});
    const double rounded = roundHalfEven(difference, ownExpenseDecimals, magnitude);
    return rounded > 0.0 ? rounded : 0.0;
}

double endReading(double start, double routeDistance, double ownExpense)
{
    return start + routeDistance + ownExpense;
}

double endReadingOnLeave(double start, double routeDistance, double end)
{
    const double least = start + routeDistance;
    return end < least ? least : end;
}

} // namespace trips
