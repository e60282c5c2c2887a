#include "platform/bo/users.h"

#include "platform/bo/access.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

namespace bo::users {
namespace {

const QString employeeType = QStringLiteral("O0001401");

// A new employee who logs in with the name and is named after it; returns its record number.
qint64 createUser(Session& session, const QString& login)
{
    const vx::VxObjectUIOPtr editor = session.createEditor(employeeType);
    editor->setOIDR(employeeType);
    if (editor->Read().Code != 0)
        throw StorageError(QStringLiteral("Nepavyko sukurti naudotojo %1.").arg(login));
    editor->RsFields()->setValue(QStringLiteral("Name"), login);
    editor->RsFields()->setValue(QStringLiteral("Login"), login);
    const vx::Status saved = editor->Save();
    if (saved.Code != 0)
        throw StorageError(saved.Message);
    return vx::oid::recordNumber(editor->OIDR());
}

} // namespace

Account find(Session& session, const QString& login)
{
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT \"ID\", \"PasswordHash\" FROM employee WHERE \"Login\" = ?"), {login.trimmed()});
    if (rows.isEmpty())
        return {};
    return {rows.values.first().at(0).toLongLong(), rows.values.first().at(1).toString()};
}

bool isAdministrator(Session& session)
{
    return access::isAdministrator(session);
}

void actAsAdministrator(Session& session)
{
    session.setAdministrationTool(true);
    const QList<qint64> administrators = rights::administrators(session);
    if (!administrators.isEmpty())
        session.setUserId(administrators.first());
}

bool put(Session& session, const UserChange& change)
{
    access::requireAdministrator(session, QStringLiteral("keisti naudotojų"));
    Database& db = storeOf(session);
    Transaction transaction(db);
    qint64 id = find(session, change.login).id;
    const bool created = id <= 0;
    if (created)
        id = createUser(session, change.login.trimmed());
    if (change.passwordHash)
        db.execute(QStringLiteral("UPDATE employee SET \"PasswordHash\" = ? WHERE \"ID\" = ?"),
                   {*change.passwordHash, id});
    rights::save(session, id, change.rights);
    transaction.commit();
    return created;
}

} // namespace bo::users
