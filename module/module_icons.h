#pragma once

#include "platform/contract/ui_records.h"

#include <QStringList>

namespace module {

// The module's icon resources by name ("TRANSPORTTRIP", "CLOCK", ...).
QStringList iconResourceNames();
bool hasIconResource(const QString& name);
// The icon drawn at the usual list and toolbar sizes; a null icon for an unknown name.
QIcon loadIcon(const QString& name);
vx::Picture picture(const QString& name);

} // namespace module
