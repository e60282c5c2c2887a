#include "app/ctl_record_commands.h"

#include "app/ctl_session.h"
#include "platform/bo/users.h"
#include "platform/shell/passwords.h"

namespace ctl {

bool readRights(const QString& text, bo::ComponentRights* rights)
{
    const qsizetype equals = text.lastIndexOf(QLatin1Char('='));
    const std::optional<bo::Rights> read = bo::Rights::fromDigits(text.mid(equals + 1));
    if (equals <= 0 || !read)
        return false;
    rights->componentKey = text.left(equals);
    rights->rights = *read;
    return true;
}

int putUser(const QString& location, const QString& name, const QString* password,
            const QList<bo::ComponentRights>& rights, QTextStream& out, QTextStream& err)
{
    if (name.trimmed().isEmpty()) {
        err << "Nurodykite naudotojo vardą." << Qt::endl;
        return 1;
    }
    return withSession(location, err, [&](bo::Session& session) {
        bo::users::UserChange change{name.trimmed(), std::nullopt, rights};
        if (password)
            change.passwordHash = password->isEmpty() ? QString() : shell::passwords::hash(*password);
        if (bo::users::put(session, change))
            out << "Naujas naudotojas: " << change.login << '\n';
        out << "Naudotojas " << change.login << " įrašytas." << Qt::endl;
        return 0;
    });
}

} // namespace ctl
