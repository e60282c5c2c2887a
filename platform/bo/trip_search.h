#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariantList>

namespace bo {

class Database;

// "WITH RECURSIVE v(id) AS (...) ": the vehicles that have sheets (those
// `condition` over "x" keeps, when given), found by stepping through an index
// that leads with the vehicle, one seek each, instead of reading every sheet.
// The values of a condition are given twice; a last v row holds NULL.
QString vehiclesWithSheetsCte(const QString& condition = QString());

// A search typed into the trip list, answered by the store: which sheets may
// show the typed text in their row, judged from the sheets' stored search
// texts (trip_search_text.h), the vehicles' codes and the drivers' names,
// never by reading every sheet. The list keeps its order and reads on page by
// page; the list pane's own filter then keeps exactly the rows that show it.
// When few sheets hold the text they are found at once (SQLite: through the
// trigram index) and only their vehicles are visited; otherwise each
// vehicle's sheets are read with the condition, in the list's order, as far
// as the rows wanted.
class TripSearch {
public:
    // The sheets of the period (`periodCondition` over "t", its values
    // `period`). Up to `fewSheets` sheets whose own texts hold the text are
    // found at once; more are left to reading in order, which fills a page soon.
    TripSearch(Database& db, const QString& typed, const QString& periodCondition, const QVariantList& period,
               int fewSheets = 20000);

    const QString& folded() const { return folded_; }
    // Whether some sheet of the vehicle (0: without one) may show the text.
    bool mayHold(qint64 vehicle) const;
    // The condition on the vehicle's sheets (" AND ..." over "t"), its values
    // appended to `values`; empty when every sheet of the vehicle shows the text.
    QString condition(qint64 vehicle, QVariantList& values) const;
    // Whether the condition names the vehicle's sheets by their numbers alone.
    bool byNumbers(qint64 vehicle) const;
    // How many sheets may show it when they are all known; -1 otherwise.
    int knownSheets() const;

private:
    void findFew(Database& db, const QString& periodCondition, const QVariantList& period, int fewSheets);
    void findDriven(Database& db);

    QString folded_;
    QString pattern_;            // LIKE pattern with "!" as its escape
    QSet<qint64> cars_;          // vehicles whose code shows the text: all their sheets
    QVariantList drivers_;       // drivers whose name shows it
    QSet<qint64> driven_;        // the vehicles they drove
    bool few_ = false;           // the sheets whose own texts hold it are these:
    QHash<qint64, QVariantList> sheets_; // vehicle -> sheet numbers
    int count_ = 0;
};

} // namespace bo
