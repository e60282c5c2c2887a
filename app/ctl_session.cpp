#include "app/ctl_session.h"

#include <QUrl>

namespace ctl {

QString shownLocation(const QString& location)
{
    if (!bo::Database::isPostgresUrl(location))
        return location;
    return QUrl(location).toString(QUrl::RemovePassword);
}

void actAsAdministrator(bo::Session& session)
{
    const QVariant admin = session.db().scalar(QStringLiteral("SELECT \"ID\" FROM employee WHERE \"Login\" = ?"),
                                               {QStringLiteral("admin")});
    if (!admin.isNull())
        session.setUserId(admin.toLongLong());
}

} // namespace ctl
