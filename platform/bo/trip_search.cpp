#include "platform/bo/trip_search.h"

#include "platform/bo/database.h"
#include "platform/contract/search_text.h"

#include <QStringList>

namespace bo {
namespace {

// As many marks as the next power of two, the last value repeated, so that
// few statement texts are prepared whatever the count.
QString marksFor(const QVariantList& given, QVariantList& values)
{
    QStringList marks;
    for (qsizetype i = 0; i < given.size() || (marks.size() & (marks.size() - 1)) != 0; ++i) {
        marks << QStringLiteral("?");
        values << given.at(std::min(i, given.size() - 1));
    }
    return marks.join(u',');
}

QString likePattern(const QString& folded)
{
    QString escaped = folded;
    escaped.replace(u'!', QStringLiteral("!!")).replace(u'%', QStringLiteral("!%")).replace(u'_', QStringLiteral("!_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// Whether a trigram index can narrow a search for the text: only a run of
// three letters or digits gives it three letters to look up. For any other
// text it would read all of itself and then every sheet.
bool trigramsNarrow(const QString& folded)
{
    int run = 0;
    for (const QChar c : folded) {
        run = c.isLetterOrNumber() ? run + 1 : 0;
        if (run == 3)
            return true;
    }
    return false;
}

} // namespace

QString vehiclesWithSheetsCte(const QString& condition)
{
    const QString also = condition.isEmpty() ? QString() : QStringLiteral(" AND ") + condition;
    return QStringLiteral("WITH RECURSIVE v(id) AS (SELECT MIN(x.\"TransportCarID\") FROM transport_trip x WHERE 1 = 1%1 "
                          "UNION ALL SELECT (SELECT MIN(x.\"TransportCarID\") FROM transport_trip x WHERE x.\"TransportCarID\" > v.id%1) "
                          "FROM v WHERE v.id IS NOT NULL) ")
        .arg(also);
}

TripSearch::TripSearch(Database& db, const QString& typed, const QString& periodCondition, const QVariantList& period,
                       int fewSheets)
    : folded_(vx::search::folded(typed)), pattern_(likePattern(folded_))
{
    // The vehicle's code and the driver's name as the sheet's row shows them.
    for (const QVariantList& row : db.query(QStringLiteral("SELECT \"ID\", \"Code\" FROM transport_car")).values)
        if (vx::search::folded(row.at(1).toString()).contains(folded_))
            cars_.insert(row.at(0).toLongLong());
    for (const QVariantList& row :
         db.query(QStringLiteral("SELECT \"ID\", TRIM(COALESCE(\"Name\", '') || ' ' || COALESCE(\"LastName\", '')) FROM employee"))
             .values)
        if (vx::search::folded(row.at(1).toString()).contains(folded_))
            drivers_ << row.at(0);
    findFew(db, periodCondition, period, fewSheets);
    findDriven(db);
}

void TripSearch::findFew(Database& db, const QString& periodCondition, const QVariantList& period, int fewSheets)
{
    if (db.engine() == Engine::Sqlite && !folded_.isEmpty() && folded_.size() < 3 && folded_.back().unicode() < 0xFFFF) {
        // A text of one or two letters is in a sheet's texts only if some
        // three letters of the index begin with it: one seek tells.
        QString after = folded_;
        after.back() = QChar(char16_t(after.back().unicode() + 1));
        if (!db.scalar(QStringLiteral("SELECT 1 FROM transport_trip_search_terms WHERE term >= ? AND term < ? LIMIT 1"),
                       {folded_, after})
                 .isValid()) {
            few_ = true;
            return;
        }
    }
    // Whether a sheet is in the period is told, not asked: a condition on its
    // date would read the sheets in date order, one look-up each.
    QVariantList values = period;
    QString sql;
    if (db.engine() == Engine::Sqlite && !folded_.contains(u'%') && !folded_.contains(u'_')) {
        // The trigram index (a text shorter than three letters it reads through).
        sql = QStringLiteral("SELECT s.rowid, COALESCE(t.\"TransportCarID\", 0), CASE WHEN %1 THEN 1 ELSE 0 END "
                             "FROM transport_trip_search s JOIN transport_trip t ON t.\"ID\" = s.rowid "
                             "WHERE s.\"SearchText\" LIKE ? LIMIT ?")
                  .arg(periodCondition);
        values << QStringLiteral("%%1%").arg(folded_);
    } else {
        // A text the index cannot narrow reads the table itself ("|| ''" keeps
        // the index out, also for a plan the server keeps for every text).
        sql = QStringLiteral("SELECT t.\"ID\", COALESCE(t.\"TransportCarID\", 0), CASE WHEN %1 THEN 1 ELSE 0 END "
                             "FROM transport_trip t WHERE %2 LIKE ? ESCAPE '!' LIMIT ?")
                  .arg(periodCondition, trigramsNarrow(folded_) ? QStringLiteral("t.\"SearchText\"")
                                                                : QStringLiteral("(t.\"SearchText\" || '')"));
        values << pattern_;
    }
    values << fewSheets + 1;
    const Rows found = db.query(sql, values);
    if (found.size() > fewSheets)
        return;
    few_ = true;
    for (const QVariantList& row : found.values) {
        if (row.at(2).toInt() == 0)
            continue; // outside the period
        sheets_[row.at(1).toLongLong()] << row.at(0);
        ++count_;
    }
}

// Each driver's vehicles, one seek apiece in the index of sheets by driver and vehicle.
void TripSearch::findDriven(Database& db)
{
    for (const QVariant& driver : std::as_const(drivers_)) {
        const Rows cars = db.query(vehiclesWithSheetsCte(QStringLiteral("x.\"UserID\" = ?")) +
                                       QStringLiteral("SELECT id FROM v WHERE id IS NOT NULL"),
                                   {driver, driver});
        for (const QVariantList& row : cars.values)
            driven_.insert(row.at(0).toLongLong());
        // Sheets without a vehicle go under the vehicle 0.
        if (db.scalar(QStringLiteral("SELECT 1 FROM transport_trip WHERE \"UserID\" = ? AND \"TransportCarID\" IS NULL LIMIT 1"),
                      {driver})
                .isValid())
            driven_.insert(0);
    }
}

bool TripSearch::mayHold(qint64 vehicle) const
{
    return !few_ || cars_.contains(vehicle) || sheets_.contains(vehicle) || driven_.contains(vehicle);
}

QString TripSearch::condition(qint64 vehicle, QVariantList& values) const
{
    if (cars_.contains(vehicle))
        return QString();
    QStringList either;
    if (!few_) {
        either << QStringLiteral("t.\"SearchText\" LIKE ? ESCAPE '!'");
        values << pattern_;
    } else if (sheets_.contains(vehicle)) {
        either << QStringLiteral("t.\"ID\" IN (%1)").arg(marksFor(sheets_.value(vehicle), values));
    }
    // "+" keeps the driver's index out: the vehicle's sheets are read in the list's order.
    if (driven_.contains(vehicle))
        either << QStringLiteral("+t.\"UserID\" IN (%1)").arg(marksFor(drivers_, values));
    if (either.isEmpty())
        return QStringLiteral(" AND 1 = 0");
    return QStringLiteral(" AND (%1)").arg(either.join(QStringLiteral(" OR ")));
}

bool TripSearch::byNumbers(qint64 vehicle) const
{
    return few_ && sheets_.contains(vehicle) && !cars_.contains(vehicle) && !driven_.contains(vehicle);
}

int TripSearch::knownSheets() const
{
    return few_ && cars_.isEmpty() && drivers_.isEmpty() ? count_ : -1;
}

} // namespace bo
