#pragma once

#include "platform/bo/rights.h"
#include "platform/bo/session.h"

#include <QList>
#include <QString>

#include <optional>

namespace bo::users {

// A user is an employee with a login.
struct Account {
    qint64 id = 0;        // 0: nobody logs in with the name
    QString passwordHash; // empty: no password
};

// The employee who logs in with this name (spaces around it aside). Throws StorageError.
Account find(Session& session, const QString& login);
// Whether the logged-in user holds the administrator's right
// (rights::administratorComponent); false when the store cannot tell.
bool isAdministrator(Session& session);
// Makes the session the administration tool, holding every right, saving as
// the administrator with the lowest record number when the store has one.
// Throws StorageError.
void actAsAdministrator(Session& session);

// A user to create or change from the administration tool.
struct UserChange {
    QString login;
    std::optional<QString> passwordHash; // a null text removes the password; nothing keeps it
    QList<ComponentRights> rights;
};

// Creates the user when no employee logs in with the name (a new employee
// named after the login), sets the password and stores the rights, all in
// one transaction. Only the administrator may. Returns true when the user was
// created. Throws StorageError (access::Refused when refused).
bool put(Session& session, const UserChange& change);

} // namespace bo::users
