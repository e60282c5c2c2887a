#include "platform/bo/settings.h"

#include "platform/bo/session_store.h"

namespace bo::settings {
namespace {

// The stored section is never null, so that a key is found again whichever way
// "no section" was written.
QString sectionText(const QString& section)
{
    return section.isNull() ? QString(QLatin1String("")) : section;
}

} // namespace

void save(Session& session, const QString& objectType, const QString& section, const QString& key,
          const QString& value)
{
    Database& db = storeOf(session);
    Transaction transaction(db);
    const QVariantList where{session.userId(), objectType, sectionText(section), key};
    db.execute(QStringLiteral("DELETE FROM setting WHERE \"UserID\" = ? AND \"ObjectType\" = ? AND \"Section\" = ? "
                              "AND \"Key\" = ?"),
               where);
    db.execute(QStringLiteral("INSERT INTO setting (\"UserID\", \"ObjectType\", \"Section\", \"Key\", \"Value\") "
                              "VALUES (?, ?, ?, ?, ?)"),
               where + QVariantList{value});
    transaction.commit();
}

std::optional<QString> read(Session& session, const QString& objectType, const QString& section, const QString& key)
{
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT \"Value\" FROM setting WHERE \"UserID\" = ? AND \"ObjectType\" = ? AND \"Section\" = ? "
                       "AND \"Key\" = ?"),
        {session.userId(), objectType, sectionText(section), key});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.values.first().first().toString();
}

} // namespace bo::settings
