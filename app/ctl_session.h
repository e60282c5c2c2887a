#pragma once

#include "platform/bo/session.h"
#include "platform/bo/users.h"

#include <QString>
#include <QTextStream>

#include <exception>

// What every store command of kelmiractl shares: opening the store, turning
// storage failures into a message and exit code 1, and acting as the
// administrator.
namespace ctl {

// A location fit to show: a PostgreSQL address without its password.
QString shownLocation(const QString& location);

// Opens the store and runs `body` as the administration tool
// (bo::users::actAsAdministrator); a storage failure becomes a message and exit
// code 1. Only the commands that set a store up may create a missing one.
template <typename Body>
int withSession(const QString& location, QTextStream& err, Body body,
                bo::Database::Creation creation = bo::Database::Creation::Refused)
{
    bo::SessionPtr session;
    try {
        session = bo::Session::open(location, creation);
    } catch (const bo::StorageError& e) {
        // Say which store failed, unless the message already does.
        const QString where = shownLocation(location);
        err << (e.message().contains(where) ? e.message() : where + QStringLiteral(": ") + e.message()) << Qt::endl;
        return 1;
    }
    try {
        bo::users::actAsAdministrator(*session);
        return body(*session);
    } catch (const bo::StorageError& e) {
        err << e.message() << Qt::endl;
    } catch (const std::exception& e) {
        err << QString::fromLocal8Bit(e.what()) << Qt::endl;
    }
    return 1;
}

} // namespace ctl
