#include "app/ctl_session.h"

namespace ctl {

QString shownLocation(const QString& location)
{
    return bo::Database::shownLocation(location);
}

} // namespace ctl
