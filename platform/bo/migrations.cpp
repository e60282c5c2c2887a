#include "platform/bo/migrations.h"

#include "platform/bo/database.h"
#include "platform/bo/schema_history.h"

#include <QDateTime>
#include <QScopeGuard>

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

namespace {

// A store of another program: an SQLite file that has tables but none of ours.
// Opening it would add our tables among someone else's.
void refuseForeign(Database& db)
{
    if (db.engine() != Engine::Sqlite)
        return;
    const Rows tables = db.query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    bool ours = false;
    for (const QVariantList& row : tables.values)
        ours = ours || row.value(0).toString() == QLatin1String("kelmira_schema");
    if (!tables.isEmpty() && !ours)
        throw StorageError(QStringLiteral("Failas %1 nėra Kelmira duomenų bazė: jame yra kitos programos lentelių.")
                               .arg(db.location()));
}

void refuseNewer(int stored)
{
    if (stored > latestSchemaVersion())
        throw StorageError(QStringLiteral("Duomenų bazės schemos versija %1 naujesnė nei programos (%2). "
                                          "Atnaujinkite programą.")
                               .arg(stored)
                               .arg(latestSchemaVersion()));
}

// A step that left a row naming a record that is not there is undone.
void refuseBrokenKeys(Database& db)
{
    const Rows broken = db.query(QStringLiteral("PRAGMA foreign_key_check"));
    if (broken.isEmpty())
        return;
    const QVariantList first = broken.values.first();
    throw StorageError(QStringLiteral("Duomenų bazės atnaujinimas nepavyko: lentelės %1 įrašas %2 nurodo "
                                      "neegzistuojantį %3 įrašą (iš viso pažeidimų: %4).")
                           .arg(first.value(0).toString(), first.value(1).toString(), first.value(2).toString())
                           .arg(broken.size()));
}

} // namespace

void migrate(Database& db)
{
    refuseForeign(db);
    if (db.readOnly()) {
        // Nothing can be written: a store that is not at this program's version cannot be used.
        const int stored = db.scalar(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM kelmira_schema")).toInt();
        refuseNewer(stored);
        if (stored < latestSchemaVersion())
            throw StorageError(QStringLiteral("%1 Jos schemos versija %2 senesnė nei programos (%3), o atnaujinti jos "
                                              "negalima.")
                                   .arg(Database::readOnlyMessage())
                                   .arg(stored)
                                   .arg(latestSchemaVersion()));
        return;
    }
    // A step may rebuild SQLite tables, which their keys would forbid half
    // way: keys are off while the steps run (SQLite cannot switch them inside
    // a transaction) and the whole store is checked before the commit instead.
    const bool sqlite = db.engine() == Engine::Sqlite;
    if (sqlite)
        db.execute(QStringLiteral("PRAGMA foreign_keys=OFF"));
    const auto keysBackOn = qScopeGuard([&db, sqlite] {
        try {
            if (sqlite)
                db.execute(QStringLiteral("PRAGMA foreign_keys=ON"));
        } catch (const StorageError&) {
            // The connection is gone; the next one turns them on when it opens.
        }
    });
    // Every missing step in one transaction: a failure on the way leaves the
    // store as it was, never half way between two versions.
    Transaction t(db);
    t.lock(migrationLockKey);
    const int stored = schemaVersion(db);
    refuseNewer(stored);
    for (const Migration& m : migrations()) {
        if (m.version <= stored)
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
    }
    if (sqlite && stored < latestSchemaVersion())
        refuseBrokenKeys(db);
    t.commit();
}

} // namespace bo
