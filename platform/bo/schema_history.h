#pragma once

#include "platform/bo/migrations.h"

namespace bo {

// Every migration of the store's schema, oldest first.
QList<Migration> schemaHistory();

} // namespace bo
