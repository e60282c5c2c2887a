#pragma once

#include <QString>
#include <QStringView>

// How the numbers of a trip sheet are written and read back, on the
// application's one number format (vx::numbers: decimal comma, no grouping).
namespace trips::numbers {

// Fuel quantities (start rest, used by norms, rest by norms, actual rest):
// exactly 3 decimals.
QString fuel(double litres);
// Received fuel, distances, durations and norm values: shortest form.
QString plain(double value);
// `SumCurr` and `SumA`: exactly 2 decimals.
QString amount(double value);
// `CurrRate`: exactly 4 decimals.
QString rate(double value);

// Speedometer and distance text: "," read as ".", the number at the start of
// the text; reading stops at the first character that is not part of it and
// empty text is 0.
double readDistance(QStringView text);
// Fuel text, strictly: text that is not a number throws vx::ConversionError
// naming `field`.
double readFuel(QStringView text, const QString& field);

} // namespace trips::numbers
