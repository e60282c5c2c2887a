#include "platform/bo/store_summary.h"

#include "platform/bo/migrations.h"
#include "platform/bo/session_store.h"

namespace bo {

int storedSchemaVersion(Session& session)
{
    return schemaVersion(storeOf(session));
}

qint64 recordCount(Session& session, const ObjectType& type)
{
    // The table name comes from the type list, never from the user.
    return storeOf(session).scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(type.table)).toLongLong();
}

} // namespace bo
