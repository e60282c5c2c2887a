#pragma once

#include <QString>
#include <QVariant>

namespace bo {

class Database;

// What a trip sheet's own row in the trip list shows (its name with its date,
// its dates, speedometer readings and code), each text folded as the list's
// search folds it (vx::search::folded), one per line, two line breaks after
// the last (each letter then begins three letters of the index). Stored with the sheet
// as "SearchText", so that a search asks the store for the sheets holding the
// typed text instead of reading every sheet. The vehicle's and the driver's
// texts are not in it: a search looks them up in their own tables, so a
// renamed vehicle or driver is found under the new name at once.
QString tripSearchText(const QVariant& name, const QVariant& date, const QVariant& dateTo, const QVariant& distanceRest,
                       const QVariant& distanceEnd, const QVariant& code);

// The upgrade that brings the search text: every stored sheet's text, and on
// SQLite a trigram index of them kept up to date by the store itself.
void addTripSearchText(Database& db);

// On PostgreSQL, an index of every three letters of the search texts, so that a
// search reads the sheets holding the text rather than every sheet. It needs the
// server's trigram extension; where that cannot be had (not installed, or the
// store's user may not add it) the store stays without the index and a search
// reads the whole table: slower on a large store, the same answers.
void addTripSearchIndex(Database& db);

} // namespace bo
