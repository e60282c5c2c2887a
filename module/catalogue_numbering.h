#pragma once

#include <QDate>
#include <QString>

namespace Catalogue {

// One part of an automatic number:
//   "Date"       the date as yyMMdd (3 November 2010 gives "101103");
//   "UserPrefix" `userPrefix`, or when empty the current user's UserPref from
//                the host, "??" when the host has no current user record;
//   "AutoNumber" `number` left-padded with "0" to the length of `width`
//                ("0000" makes 7 "0007"); a longer number is never cut;
//   "Prefix"     `prefix`;
// any other part name gives an empty text.
QString AutoNumberPart(const QString& partName, qint64 number, const QString& prefix, const QDate& date,
                       const QString& userPrefix, const QString& width);

} // namespace Catalogue
