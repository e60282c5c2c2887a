#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Null-safe conversions: the only way card code turns a field value into a
// number, a text or a date.
//
// "Empty" is a null QVariant, a null text (what the database hands back for a
// NULL column) and, for numbers and dates, a text of blanks only; an empty
// value gives the default. Other values convert the way writing them into a
// record set column of that type does: numbers from numbers, Booleans and
// numeric text in the application's number form ("12,5"), whole numbers
// rounded half to even. A value that does not convert (text that is not a
// number, a number out of range) throws vx::ConversionError, which the card's
// event handler ends the action on.
namespace Catalogue {

// 32-bit integer, 0 when empty.
qint32 LongOrZero(const QVariant& value);
// 16-bit integer, 0 when empty.
qint16 IntegerOrZero(const QVariant& value);
// Double, 0 when empty.
double DoubleOrZero(const QVariant& value);
// Text, empty for null. Numbers in the application's number form (decimal
// comma, shortest form); dates in the short date form; a date-time as its date
// and short time, the time left out at midnight; Booleans "True"/"False".
QString TextOrEmpty(const QVariant& value);
// Date, `defaultDate` when empty. A date-time gives its date; text is read in
// the short date form or ISO, with or without a time.
QDate DateOrDefault(const QVariant& value, const QDate& defaultDate);
// The same for a date with its time; a date alone gives its midnight.
QDateTime DateTimeOrDefault(const QVariant& value, const QDateTime& defaultMoment);

// The number a text holds when it is numeric ("12,5", "-3", "1.5"), else 0.
double TextToNumber(const QString& text);
// A numeric text as the number with exactly `decimals` decimals and no digit
// grouping; any other text gives an empty text, or zero with `decimals`
// decimals when `zeroWhenEmpty` is set.
QString FormatNumberText(const QString& text, int decimals, bool zeroWhenEmpty);

} // namespace Catalogue
