#include "platform/bo/migrations.h"

#include "platform/bo/database.h"
#include "platform/bo/schema_history.h"

#include <QDateTime>

namespace bo {
namespace {
// Any fixed number: the lock every migrating program takes.
constexpr qint64 migrationLockKey = 4000100001;

void ensureHistoryTable(Database& db)
{
    db.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS kelmira_schema ("
                              "version INTEGER PRIMARY KEY, name TEXT NOT NULL, applied TEXT NOT NULL)"));
}
} // namespace

const QList<Migration>& migrations()
{
    static const QList<Migration> all = schemaHistory();
    return all;
}

int latestSchemaVersion()
{
    return migrations().isEmpty() ? 0 : migrations().last().version;
}

int schemaVersion(Database& db)
{
    ensureHistoryTable(db);
    return db.scalar(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM kelmira_schema")).toInt();
}

void migrate(Database& db)
{
    {
        Transaction t(db);
        t.lock(migrationLockKey);
        ensureHistoryTable(db);
        t.commit();
    }
    for (const Migration& m : migrations()) {
        Transaction t(db);
        t.lock(migrationLockKey);
        if (schemaVersion(db) >= m.version)
            continue;
        for (const QString& statement : m.statements) {
            try {
                db.execute(db.dialect().ddl(statement));
            } catch (const StorageError& e) {
                throw StorageError(QStringLiteral("Duomenų bazės atnaujinimas %1 (%2) nepavyko: %3")
                                       .arg(m.version)
                                       .arg(m.name, e.message()));
            }
        }
        if (m.seed)
            m.seed(db);
        db.execute(QStringLiteral("INSERT INTO kelmira_schema (version, name, applied) VALUES (?, ?, ?)"),
                   {m.version, m.name, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
        t.commit();
    }
}

} // namespace bo
