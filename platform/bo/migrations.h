#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace bo {

class Database;

// One step of the schema's history. Statements use the neutral type marks of
// SqlDialect::ddl. A released migration is never changed: a new one is added.
struct Migration {
    int version;
    QString name;
    QStringList statements;
    // Rows the migration adds after its statements, with bound values.
    std::function<void(Database&)> seed;
};

const QList<Migration>& migrations();
int latestSchemaVersion();

// The version the store's schema is at (0 for an empty store).
int schemaVersion(Database& db);

// Applies every missing migration in one transaction. Several programs opening
// one store at once apply each migration once. Refuses a store of a newer
// program and an SQLite file holding another program's tables; a read-only
// store is only checked to be at this program's version.
void migrate(Database& db);

} // namespace bo
