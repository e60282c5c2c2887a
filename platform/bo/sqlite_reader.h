#pragma once

#include "platform/bo/stored_row.h"

#include <QHash>
#include <QSqlError>
#include <QString>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace bo {

// Statements read through SQLite's own interface on the connection QtSql
// opened (so within the same transaction and busy timeout), each prepared
// once and kept: a long list takes its values from the statement straight
// into the rows that keep them, with no row of driver values in between.
class SqliteReader {
public:
    explicit SqliteReader(sqlite3* db) : db_(db) {}
    ~SqliteReader() { clear(); }
    SqliteReader(const SqliteReader&) = delete;
    SqliteReader& operator=(const SqliteReader&) = delete;

    // The statement for `sql`, prepared now or before; null with the engine's
    // reason when it cannot be prepared.
    sqlite3_stmt* prepared(const QString& sql, QSqlError& error);
    // Runs a prepared statement with `values` bound as QtSql binds them,
    // handing each row to `each`; the engine's failure, if any.
    QSqlError run(sqlite3_stmt* statement, const QVariantList& values, const StoredRowReader& each) const;
    // Lets every kept statement go (before the connection closes).
    void clear();

private:
    QSqlError failure(int code) const;

    sqlite3* db_;
    QHash<QString, sqlite3_stmt*> kept_;
};

} // namespace bo
