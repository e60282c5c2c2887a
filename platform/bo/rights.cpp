#include "platform/bo/rights.h"

#include "platform/bo/access.h"
#include "platform/bo/session_store.h"

namespace bo {
namespace {

// The stored columns of rights 1 to 4, in that order.
const QString columns = QStringLiteral("\"CanOpen\", \"CanDelete\", \"CanWrite\", \"CanAdd\"");

// Rights 1 to 4 from a row whose columns start with them at `first`.
Rights readRights(const QVariantList& row, int first)
{
    Rights r;
    for (std::size_t i = 0; i < r.granted.size(); ++i)
        r.granted[i] = row.at(first + int(i)).toInt() != 0;
    return r;
}

} // namespace

std::optional<Rights> Rights::fromDigits(const QString& digits)
{
    if (digits.size() != 4)
        return std::nullopt;
    Rights read;
    for (int i = 0; i < 4; ++i) {
        if (digits.at(i) != QLatin1Char('0') && digits.at(i) != QLatin1Char('1'))
            return std::nullopt;
        read.granted[std::size_t(i)] = digits.at(i) == QLatin1Char('1');
    }
    return read;
}

namespace rights {

Rights unstored(const QString& componentKey)
{
    return componentKey == administratorComponent ? Rights::none() : Rights();
}

bool granted(Session& session, const QString& componentKey, Right right)
{
    if (session.isAdministrationTool())
        return true;
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT %1 FROM user_right WHERE \"UserID\" = ? AND \"ComponentKey\" = ?").arg(columns),
        {session.userId(), componentKey});
    return (rows.isEmpty() ? unstored(componentKey) : readRights(rows.values.first(), 0)).has(right);
}

QList<qint64> administrators(Session& session)
{
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT r.\"UserID\" FROM user_right r JOIN employee e ON e.\"ID\" = r.\"UserID\" "
                       "WHERE r.\"ComponentKey\" = ? AND r.\"CanOpen\" <> 0 ORDER BY r.\"UserID\""),
        {administratorComponent});
    QList<qint64> ids;
    for (const QVariantList& row : rows.values)
        ids.append(row.at(0).toLongLong());
    return ids;
}

QHash<QString, Rights> stored(Session& session, qint64 userId)
{
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT \"ComponentKey\", %1 FROM user_right WHERE \"UserID\" = ?").arg(columns), {userId});
    QHash<QString, Rights> found;
    for (const QVariantList& row : rows.values)
        found.insert(row.at(0).toString(), readRights(row, 1));
    return found;
}

void save(Session& session, qint64 userId, const QList<ComponentRights>& rows)
{
    access::requireAdministrator(session, QStringLiteral("keisti naudotojų teisių"));
    Database& db = storeOf(session);
    Transaction transaction(db);
    for (const ComponentRights& row : rows) {
        const auto& g = row.rights.granted;
        db.execute(QStringLiteral("DELETE FROM user_right WHERE \"UserID\" = ? AND \"ComponentKey\" = ?"),
                   {userId, row.componentKey});
        db.execute(QStringLiteral("INSERT INTO user_right (\"UserID\", \"ComponentKey\", %1) VALUES (?, ?, ?, ?, ?, ?)")
                       .arg(columns),
                   {userId, row.componentKey, int(g[0]), int(g[1]), int(g[2]), int(g[3])});
    }
    if (administrators(session).isEmpty())
        throw access::Refused(QStringLiteral("Teisės neįrašytos: turi likti bent vienas administratorius."));
    transaction.commit();
}

} // namespace rights
} // namespace bo
