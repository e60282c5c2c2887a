#include "platform/bo/store_care.h"

#include "platform/bo/database.h"

#include <QFile>
#include <QFileInfo>

namespace bo {

void backupStore(const QString& location, const QString& file, bool overwrite)
{
    if (Database::isPostgresUrl(location))
        throw StorageError(QStringLiteral("PostgreSQL duomenų bazės kopiją daro pačios duomenų bazės įrankis "
                                          "pg_dump, pvz.: pg_dump --format=custom --file=kelmira.dump %1; "
                                          "atkuria pg_restore.")
                               .arg(Database::shownLocation(location)));
    if (location == QLatin1String(":memory:"))
        throw StorageError(QStringLiteral("Atmintyje laikomos duomenų bazės kopijos padaryti negalima."));
    const QFileInfo target(file);
    if (target.exists() && QFileInfo(location).exists() && target.canonicalFilePath() == QFileInfo(location).canonicalFilePath())
        throw StorageError(QStringLiteral("Kopija negali būti pati duomenų bazė: %1.").arg(file));
    if (target.exists() && !overwrite)
        throw StorageError(QStringLiteral("Failas %1 jau yra. Perrašyti jį leidžia --force.").arg(file));
    const std::unique_ptr<Database> db = Database::connect(location, Database::Creation::Refused);
    // The copy is made beside the target and put in its place only when
    // whole, so a failed copy never leaves a broken file under the name.
    const QString partial = target.absoluteFilePath() + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        db->execute(QStringLiteral("VACUUM INTO ?"), {partial});
    } catch (const StorageError& e) {
        QFile::remove(partial);
        throw StorageError(QStringLiteral("Kopijos %1 padaryti nepavyko: %2").arg(file, e.message()));
    }
    if ((target.exists() && !QFile::remove(target.absoluteFilePath())) || !QFile::rename(partial, target.absoluteFilePath())) {
        QFile::remove(partial);
        throw StorageError(QStringLiteral("Kopijos %1 įrašyti nepavyko.").arg(file));
    }
}

} // namespace bo
