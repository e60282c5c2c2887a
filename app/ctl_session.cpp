#include "app/ctl_session.h"

#include <QUrl>

namespace ctl {

QString shownLocation(const QString& location)
{
    if (!bo::Database::isPostgresUrl(location))
        return location;
    return QUrl(location).toString(QUrl::RemovePassword);
}

} // namespace ctl
