#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/record_store.h"
#include "platform/bo/rights.h"
#include "platform/bo/session.h"

#include <QString>

namespace bo::access {

using rights::administratorComponent;
// The component guarding the module's settings (numbering of trip sheets).
inline const QString settingsComponent = QStringLiteral("CTransportSettings");

// A call the signed-in user's rights do not allow.
class Refused : public SaveRefused {
public:
    using SaveRefused::SaveRefused;
};

// The component guarding a stored type's records ("CTransportTrips", "CFirms", ...).
// Records that belong to another record are guarded by their owner's.
QString componentOf(const QString& typeId);

// Throws Refused unless the signed-in user holds `right` on the component;
// `what` names the records in the message ("Įmonės").
void require(Session& session, const QString& component, Right right, const QString& what);
// The right a save (new record when `id` is 0) or a delete of a record of
// `type` needs: a record owned by another one needs the owner's write right,
// whatever happens to it. Throws Refused.
void requireSave(Session& session, const ObjectType& type, qint64 id);
void requireDelete(Session& session, const ObjectType& type);

// Everything a save through the generic editor needs: requireSave (except
// for a user saving nothing but his own password, which needs no right) and
// requireCredentialSave. Throws Refused.
void requireRecordSave(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id);

// An employee's login and password are his credentials: only the
// administrator gives, changes or takes away a login, or deletes a user;
// a password is changed by its owner or the administrator. Throws Refused.
void requireCredentialSave(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id);
void requireCredentialDelete(Session& session, const ObjectType& type, qint64 id);

// Whether the signed-in user is the store's administrator; false when the store cannot tell.
bool isAdministrator(Session& session);
// Throws Refused unless the signed-in user is the administrator; `what` says
// what he tried ("keisti kitų naudotojų teisių").
void requireAdministrator(Session& session, const QString& what);

} // namespace bo::access
