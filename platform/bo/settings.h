#pragma once

#include "platform/bo/session.h"

#include <QString>

#include <optional>

namespace bo::settings {

// The logged-in user's settings, kept per object type, section and key (a null
// section is the empty one). Both throw StorageError.
void save(Session& session, const QString& objectType, const QString& section, const QString& key,
          const QString& value);
std::optional<QString> read(Session& session, const QString& objectType, const QString& section, const QString& key);

} // namespace bo::settings
