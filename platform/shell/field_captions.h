#pragma once

#include <QString>

namespace shell {

// The Lithuanian label of a stored or listed field, for host cards and lists
// that show fields the module gives no caption for. A reference field without
// a label of its own is named after the type it points to; an unknown field
// keeps its name.
QString fieldCaption(const QString& field, const QString& refType = QString());

} // namespace shell
