#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The application's one number format: decimal comma, ASCII "-" for negatives,
// never a digit group separator. Qt's locale data is deliberately not used here
// (it groups digits and writes a typographic minus, which nothing reads back).
namespace vx::numbers {

// Exactly `decimals` digits after the comma. Rounding works on the number as
// people write it (its shortest decimal form) and takes halves away from zero,
// so 1,005 with two decimals shows "1,01".
QString fixed(double value, int decimals);

// Shortest form: at most 15 significant digits, trailing zeros dropped, no
// exponent (0.1 + 0.2 shows "0,3").
QString plain(double value);

// Strict reading of a typed number: optional sign, digits and at most one
// decimal comma (a point is accepted as well). Surrounding spaces are ignored.
// Anything else is not a number.
std::optional<double> readLocale(QStringView text);

// Lenient reading: the longest numeric prefix with "," read as ".",
// so "12.5x" gives 12.5 and "" gives 0.
double readPrefix(QStringView text);

// Whether readLocale would accept the text.
bool isNumeric(QStringView text);

} // namespace vx::numbers
