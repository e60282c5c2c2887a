#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The Params of the trip sheet editor's methods. The editor's contract passes
// one text, so an array of values is written into it as an argument list, the
// same form the business-object layer reads for its named calls:
//
//   - items are separated by ","; spaces around an item are ignored;
//   - a text (object ids and dates included) is single-quoted, a quote inside
//     written twice: 'O4000400123', 'O''Brien';
//   - a number is written bare with "." as its decimal point: 4, -12.5;
//   - an empty item is nothing between the commas; an empty Params text has no items.
//
// So "GetLastTripFuelRest" takes 'O4000400123',4,'2026.11.03' and
// "AddUpdateAutoNumber" one quoted text: '0,''Prefix_Date_AutoNumber'',''KL'',3,1,''0000'',0,0'.
// Build Params with argumentList() rather than by hand.
namespace trips {

struct MethodArguments {
    QStringList items; // each item's text, unquoted
    QString error;     // empty when the text was well formed

    bool ok() const { return error.isEmpty(); }
    int size() const { return int(items.size()); }
    QString text(int i) const { return items.value(i); }

    static MethodArguments parse(const QString& params);
};

// A text as one quoted item.
QString quoted(const QString& text);

// Values as an argument list: texts quoted, QDate and QDateTime as the quoted
// date text, numbers bare (shortest exact form), null as an empty item.
QString argumentList(const QVariantList& values);

} // namespace trips
