#include "platform/shell/host_cards/user_rights.h"

namespace shell::rights {

vx::ComponentEntries hostComponents()
{
    return {{QString(), QStringLiteral("CFirms"), QStringLiteral("Įmonės"), 1},
            {QString(), QStringLiteral("CEmployees"), QStringLiteral("Darbuotojai"), 1},
            {QString(), QStringLiteral("CCurrencies"), QStringLiteral("Valiutos"), 1}};
}

QString componentOf(const QString& typeId)
{
    if (typeId == QLatin1String("O0000100"))
        return QStringLiteral("CFirms");
    if (typeId == QLatin1String("O0001401"))
        return QStringLiteral("CEmployees");
    if (typeId == QLatin1String("O0201500") || typeId == QLatin1String("O0002200"))
        return QStringLiteral("CCurrencies");
    return QString();
}

QList<ComponentRights> load(bo::Session& session, qint64 userId, const vx::ComponentEntries& components)
{
    QHash<QString, QVariantList> stored;
    if (userId > 0) {
        const bo::Rows rows = session.db().query(
            QStringLiteral("SELECT \"ComponentKey\", \"CanOpen\", \"CanWrite\", \"CanDelete\", \"CanAdd\" "
                           "FROM user_right WHERE \"UserID\" = ?"),
            {userId});
        for (const QVariantList& row : rows.values)
            stored.insert(row.at(0).toString(), row);
    }
    QList<ComponentRights> all;
    for (const vx::ComponentEntry& component : components) {
        if (component.Kind == 10)
            continue;
        ComponentRights r{component.Key, component.Caption};
        if (const auto found = stored.constFind(component.Key); found != stored.constEnd()) {
            r.open = found->at(1).toInt() != 0;
            r.write = found->at(2).toInt() != 0;
            r.remove = found->at(3).toInt() != 0;
            r.add = found->at(4).toInt() != 0;
        }
        all.append(r);
    }
    return all;
}

void save(bo::Session& session, qint64 userId, const QList<ComponentRights>& rights)
{
    bo::Transaction transaction(session.db());
    for (const ComponentRights& r : rights) {
        session.db().execute(QStringLiteral("DELETE FROM user_right WHERE \"UserID\" = ? AND \"ComponentKey\" = ?"),
                             {userId, r.key});
        session.db().execute(QStringLiteral("INSERT INTO user_right (\"UserID\", \"ComponentKey\", \"CanOpen\", "
                                            "\"CanWrite\", \"CanDelete\", \"CanAdd\") VALUES (?, ?, ?, ?, ?, ?)"),
                             {userId, r.key, int(r.open), int(r.write), int(r.remove), int(r.add)});
    }
    transaction.commit();
}

bool isAdministrator(bo::Session& session)
{
    if (session.userId() <= 0)
        return false;
    try {
        const bo::Rows rows = session.db().query(QStringLiteral("SELECT \"Login\" FROM employee WHERE \"ID\" = ?"),
                                                 {session.userId()});
        return !rows.isEmpty() && rows.values.first().first().toString() == QLatin1String("admin");
    } catch (const bo::StorageError&) {
        return false;
    }
}

} // namespace shell::rights
