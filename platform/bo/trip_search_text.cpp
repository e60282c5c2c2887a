#include "platform/bo/trip_search_text.h"

#include "platform/bo/database.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/recordset.h"
#include "platform/contract/search_text.h"

#include <QStringList>

namespace bo {
namespace {

QDateTime momentOf(const QVariant& value)
{
    bool ok = false;
    const QVariant moment = vx::Recordset::convert(value, vx::FieldType::DateTime, &ok);
    return ok ? moment.toDateTime() : QDateTime();
}

// A moment as the list's date columns show it.
QString momentText(const QVariant& value)
{
    const QDateTime moment = momentOf(value);
    return moment.isValid() ? vx::dates::toText(moment, true) : QString();
}

QString numberText(const QVariant& value)
{
    bool ok = false;
    const double number = vx::Recordset::convert(value, vx::FieldType::Double, &ok).toDouble();
    return ok && !value.isNull() ? vx::numbers::plain(number) : QString();
}

} // namespace

QString tripSearchText(const QVariant& name, const QVariant& date, const QVariant& dateTo, const QVariant& distanceRest,
                       const QVariant& distanceEnd, const QVariant& code)
{
    const QDateTime moment = momentOf(date);
    const QString day = moment.isValid() ? moment.date().toString(u"yyyy.MM.dd") : QString();
    const QStringList shown{(name.toString() + QLatin1Char(' ') + day).trimmed(), momentText(date), momentText(dateTo),
                            numberText(distanceRest), numberText(distanceEnd), code.toString()};
    QStringList folded;
    for (const QString& text : shown)
        if (!text.isEmpty())
            folded << vx::search::folded(text);
    // Two line breaks end it, so that each of its letters begins three indexed ones.
    return folded.isEmpty() ? QString() : folded.join(QLatin1Char('\n')) + QStringLiteral("\n\n");
}

void addTripSearchText(Database& db)
{
    // Sheets a thousand at a time, in the order of their numbers.
    const QString read = QStringLiteral("SELECT \"ID\", \"Name\", \"Date\", \"DateTo\", \"DistanceRest\", \"DistanceEnd\", "
                                        "\"Code\" FROM transport_trip WHERE \"ID\" > ? ORDER BY \"ID\" LIMIT 1000");
    const QString write = QStringLiteral("UPDATE transport_trip SET \"SearchText\" = ? WHERE \"ID\" = ?");
    for (qint64 last = -1;;) {
        const Rows rows = db.query(read, {last});
        for (const QVariantList& row : rows.values)
            db.execute(write, {tripSearchText(row.at(1), row.at(2), row.at(3), row.at(4), row.at(5), row.at(6)), row.at(0)});
        if (rows.size() < 1000)
            break;
        last = rows.values.last().at(0).toLongLong();
    }
    if (db.engine() != Engine::Sqlite)
        return; // PostgreSQL reads the texts themselves: no extension needs installing
    // An index of every three letters of each text (SQLite's own), which the
    // store keeps up to date with the sheets.
    for (const char* statement : {
             "CREATE VIRTUAL TABLE transport_trip_search USING fts5(\"SearchText\", content='transport_trip', "
             "content_rowid='ID', tokenize='trigram', detail='none')",
             "INSERT INTO transport_trip_search (transport_trip_search) VALUES ('rebuild')",
             // The index's three-letter terms, in order.
             "CREATE VIRTUAL TABLE transport_trip_search_terms USING fts5vocab(transport_trip_search, 'row')",
             "CREATE TRIGGER transport_trip_search_insert AFTER INSERT ON transport_trip BEGIN "
             "INSERT INTO transport_trip_search (rowid, \"SearchText\") VALUES (new.\"ID\", new.\"SearchText\"); END",
             "CREATE TRIGGER transport_trip_search_delete AFTER DELETE ON transport_trip BEGIN "
             "INSERT INTO transport_trip_search (transport_trip_search, rowid, \"SearchText\") "
             "VALUES ('delete', old.\"ID\", old.\"SearchText\"); END",
             "CREATE TRIGGER transport_trip_search_update AFTER UPDATE OF \"SearchText\" ON transport_trip BEGIN "
             "INSERT INTO transport_trip_search (transport_trip_search, rowid, \"SearchText\") "
             "VALUES ('delete', old.\"ID\", old.\"SearchText\"); "
             "INSERT INTO transport_trip_search (rowid, \"SearchText\") VALUES (new.\"ID\", new.\"SearchText\"); END",
         })
        db.execute(QString::fromLatin1(statement));
}

void addTripSearchIndex(Database& db)
{
    if (db.engine() != Engine::Postgres)
        return; // SQLite's index came with the texts
    // Each block fails alone: a server without the extension leaves the upgrade whole.
    db.execute(QStringLiteral("DO $$ BEGIN CREATE EXTENSION IF NOT EXISTS pg_trgm; "
                              "EXCEPTION WHEN OTHERS THEN RAISE NOTICE 'no trigram index of trip sheets: %', SQLERRM; END $$"));
    db.execute(QStringLiteral("DO $$ BEGIN IF EXISTS (SELECT 1 FROM pg_extension WHERE extname = 'pg_trgm') THEN "
                              "CREATE INDEX ix_transport_trip_searchtext ON transport_trip USING gin (\"SearchText\" gin_trgm_ops); "
                              "END IF; END $$"));
}

} // namespace bo
