#include "platform/bo/store_care.h"

#include "platform/bo/database.h"
#include "platform/bo/migrations.h"
#include "platform/bo/references.h"

namespace bo {
namespace {

constexpr int shownRows = 10;

void checkVersion(Database& db, StoreCheck& check)
{
    const int stored = db.scalar(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM kelmira_schema")).toInt();
    const int latest = latestSchemaVersion();
    check.lines << QStringLiteral("Schemos versija: %1 (programos %2)").arg(stored).arg(latest);
    if (stored < latest)
        check.problems << QStringLiteral("Schemos versija %1 senesnė nei programos (%2): atnaujina „kelmiractl init“.")
                              .arg(stored)
                              .arg(latest);
    else if (stored > latest)
        check.problems << QStringLiteral("Schemos versija %1 naujesnė nei programos (%2): atnaujinkite programą.")
                              .arg(stored)
                              .arg(latest);
}

void checkSqlite(Database& db, StoreCheck& check)
{
    const Rows integrity = db.query(QStringLiteral("PRAGMA integrity_check(10)"));
    const bool whole = integrity.size() == 1 && integrity.values.first().value(0).toString() == QLatin1String("ok");
    check.lines << QStringLiteral("Vientisumas (integrity_check): %1").arg(whole ? QStringLiteral("gerai") : QStringLiteral("KLAIDOS"));
    if (!whole)
        for (const QVariantList& row : integrity.values)
            check.problems << QStringLiteral("Vientisumas: %1").arg(row.value(0).toString());

    const Rows keys = db.query(QStringLiteral("PRAGMA foreign_key_check"));
    check.lines << QStringLiteral("Išoriniai raktai (foreign_key_check): %1")
                       .arg(keys.isEmpty() ? QStringLiteral("gerai") : QStringLiteral("pažeidimų %1").arg(keys.size()));
    for (int i = 0; i < keys.size() && i < shownRows; ++i)
        check.problems << QStringLiteral("Lentelės %1 įrašas %2 nurodo neegzistuojantį %3 įrašą.")
                              .arg(keys.values.at(i).value(0).toString(), keys.values.at(i).value(1).toString(),
                                   keys.values.at(i).value(2).toString());
}

bool isKelmiraStore(Database& db)
{
    const QString sql = db.engine() == Engine::Sqlite
                            ? QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?")
                            : QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                                             "current_schema() AND table_name = ?");
    return db.scalar(sql, {QStringLiteral("kelmira_schema")}).toInt() > 0;
}

} // namespace

StoreCheck checkStore(const QString& location)
{
    const std::unique_ptr<Database> db = Database::connect(location, Database::Creation::Refused);
    StoreCheck check;
    if (!isKelmiraStore(*db)) {
        check.problems << QStringLiteral("Tai ne Kelmira duomenų bazė: joje nėra schemos istorijos.");
        return check;
    }
    checkVersion(*db, check);
    if (db->engine() == Engine::Sqlite)
        checkSqlite(*db, check);
    else
        check.lines << QStringLiteral("Vientisumas: PostgreSQL duomenų bazės failus tikrina jos pačios įrankis "
                                      "pg_amcheck; išorinius raktus serveris prižiūri pats.");
    const QList<Orphans> orphans = findOrphans(*db, shownRows);
    check.lines << QStringLiteral("Nuorodos į neegzistuojančius įrašus: %1")
                       .arg(orphans.isEmpty() ? QStringLiteral("nėra") : QString::number(orphans.size()));
    for (const Orphans& o : orphans)
        check.problems << QStringLiteral("Nuoroda į neegzistuojantį įrašą: %1").arg(o.describe());
    return check;
}

} // namespace bo
