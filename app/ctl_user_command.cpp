#include "app/ctl_record_commands.h"

#include "app/ctl_session.h"
#include "platform/bo/object_types.h"
#include "platform/contract/object_id.h"
#include "platform/shell/passwords.h"

namespace ctl {
namespace {

const QString employeeType = QStringLiteral("O0001401");

// The employee who logs in with this name; a new one (named after the login) when there is none.
qint64 userNamed(bo::Session& session, const QString& name, QTextStream& out)
{
    const QVariant found = session.db().scalar(QStringLiteral("SELECT \"ID\" FROM employee WHERE \"Login\" = ?"), {name});
    if (!found.isNull())
        return found.toLongLong();
    const vx::VxObjectUIOPtr editor = session.createEditor(employeeType);
    editor->setOIDR(employeeType);
    if (editor->Read().Code != 0)
        throw bo::StorageError(QStringLiteral("Nepavyko sukurti naudotojo %1.").arg(name));
    editor->RsFields()->setValue(QStringLiteral("Name"), name);
    editor->RsFields()->setValue(QStringLiteral("Login"), name);
    const vx::Status saved = editor->Save();
    if (saved.Code != 0)
        throw bo::StorageError(saved.Message);
    out << "Naujas naudotojas: " << name << '\n';
    return vx::oid::recordNumber(editor->OIDR());
}

} // namespace

bool readRights(const QString& text, UserRights* rights)
{
    const qsizetype equals = text.lastIndexOf(QLatin1Char('='));
    const QString digits = text.mid(equals + 1);
    if (equals <= 0 || digits.size() != 4)
        return false;
    for (const QChar d : digits)
        if (d != QLatin1Char('0') && d != QLatin1Char('1'))
            return false;
    rights->component = text.left(equals);
    rights->open = digits.at(0) == QLatin1Char('1');
    rights->remove = digits.at(1) == QLatin1Char('1');
    rights->write = digits.at(2) == QLatin1Char('1');
    rights->add = digits.at(3) == QLatin1Char('1');
    return true;
}

int putUser(const QString& location, const QString& name, const QString* password, const QList<UserRights>& rights,
            QTextStream& out, QTextStream& err)
{
    if (name.trimmed().isEmpty()) {
        err << "Nurodykite naudotojo vardą." << Qt::endl;
        return 1;
    }
    return withSession(location, err, [&](bo::Session& session) {
        actAsAdministrator(session);
        bo::Transaction transaction(session.db());
        const qint64 id = userNamed(session, name.trimmed(), out);
        if (password)
            session.db().execute(QStringLiteral("UPDATE employee SET \"PasswordHash\" = ? WHERE \"ID\" = ?"),
                                 {password->isEmpty() ? QString() : shell::passwords::hash(*password), id});
        for (const UserRights& r : rights) {
            session.db().execute(QStringLiteral("DELETE FROM user_right WHERE \"UserID\" = ? AND \"ComponentKey\" = ?"),
                                 {id, r.component});
            session.db().execute(QStringLiteral("INSERT INTO user_right (\"UserID\", \"ComponentKey\", \"CanOpen\", "
                                                "\"CanWrite\", \"CanDelete\", \"CanAdd\") VALUES (?, ?, ?, ?, ?, ?)"),
                                 {id, r.component, int(r.open), int(r.write), int(r.remove), int(r.add)});
        }
        transaction.commit();
        out << "Naudotojas " << name.trimmed() << " įrašytas." << Qt::endl;
        return 0;
    });
}

} // namespace ctl
