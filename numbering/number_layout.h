#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

// A trip sheet number and its layout: making the text from the parts, and
// reading the counter back out of a number, typed or made.
namespace numbering {

// The parts in order, each formatted by Catalogue::AutoNumberPart, joined by
// "-"; no "-" is added while the number is still empty, so an empty first
// part leaves no leading separator.
QString composeNumber(const QStringList& parts, qint64 counter, const QString& prefix, const QDate& date,
                      const QString& userPrefix, const QString& numberTemplate);

// The counter a number holds under a layout.
struct CounterReading {
    QVariant value;      // the counter, or null
    QString tooLarge;    // the piece's value when it is above 2147483647, else empty
};

// The piece of `name` (split at "-") at the position of the first
// "AutoNumber" among `parts`: its value when it is a whole number of at most
// 2147483647; null when the layout has no counter, the name no piece there,
// or the piece is no number; null and `tooLarge` above that.
CounterReading counterIn(const QStringList& parts, const QString& name);

} // namespace numbering
