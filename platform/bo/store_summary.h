#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"

namespace bo {

// What the administration tool tells about a store. Both throw StorageError.
int storedSchemaVersion(Session& session);
// How many records (groups too) of the object type the store holds.
qint64 recordCount(Session& session, const ObjectType& type);

} // namespace bo
