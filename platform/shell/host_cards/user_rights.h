#pragma once

#include "platform/bo/session.h"
#include "platform/contract/host_records.h"

namespace shell::rights {

// The four rights of one user for one security component, as the Security
// service reads them. A component without a stored row is open.
struct ComponentRights {
    QString key;
    QString caption;
    bool open = true;
    bool write = true;
    bool remove = true;
    bool add = true;
};

// The host's own components: the lists of its types that the modules do not register.
vx::ComponentEntries hostComponents();
// The component that guards a host type's records ("CFirms", ...); empty for others.
QString componentOf(const QString& typeId);

// The user's rights for each component (module entries of kind 10 — a whole
// module — are left out: its parts carry the rights).
QList<ComponentRights> load(bo::Session& session, qint64 userId, const vx::ComponentEntries& components);
// Stores every given row in one transaction. Throws bo::StorageError.
void save(bo::Session& session, qint64 userId, const QList<ComponentRights>& rights);

// Whether the logged-in user is the administrator: the employee with the login "admin".
bool isAdministrator(bo::Session& session);

} // namespace shell::rights
