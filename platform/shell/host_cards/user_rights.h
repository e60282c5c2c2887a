#pragma once

#include "platform/bo/rights.h"
#include "platform/bo/session.h"
#include "platform/contract/host_records.h"

namespace shell::rights {

// A row of the administrator's rights table: a security component, its
// caption and the user's four rights as the Security service reads them.
struct ComponentRights : bo::ComponentRights {
    QString caption;
};

// The host's own components: the lists of its types that the modules do not
// register, and the administrator's.
vx::ComponentEntries hostComponents();
// The component that guards a host type's records ("CFirms", ...); empty for others.
QString componentOf(const QString& typeId);

// The user's rights for each component (module entries of kind 10 — a whole
// module — are left out: its parts carry the rights). A component without a
// stored row has bo::rights::unstored.
QList<ComponentRights> load(bo::Session& session, qint64 userId, const vx::ComponentEntries& components);

} // namespace shell::rights
