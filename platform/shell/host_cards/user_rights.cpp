#include "platform/shell/host_cards/user_rights.h"

namespace shell::rights {

vx::ComponentEntries hostComponents()
{
    return {{QString(), QStringLiteral("CFirms"), QStringLiteral("Įmonės"), 1},
            {QString(), QStringLiteral("CEmployees"), QStringLiteral("Darbuotojai"), 1},
            {QString(), QStringLiteral("CCurrencies"), QStringLiteral("Valiutos"), 1},
            {QString(), bo::rights::administratorComponent, QStringLiteral("Administratorius"), 1}};
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
    const QHash<QString, bo::Rights> stored = userId > 0 ? bo::rights::stored(session, userId) : QHash<QString, bo::Rights>();
    QList<ComponentRights> all;
    for (const vx::ComponentEntry& component : components) {
        if (component.Kind == 10)
            continue;
        ComponentRights r;
        r.componentKey = component.Key;
        r.caption = component.Caption;
        r.rights = stored.value(component.Key, bo::rights::unstored(component.Key));
        all.append(r);
    }
    return all;
}

} // namespace shell::rights
