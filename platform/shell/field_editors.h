#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"

#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <optional>

// The editors of a record's fields in the host's cards and property grid, one
// kind per field type: a chooser for a reference, a check box for a flag, a
// date (and time) editor, and a text box for text and numbers.
namespace shell::field_editors {

// Fields the layer keeps itself: those that place a record in its tree, keep
// its history or its password.
bool isKeptByLayer(const bo::ColumnDef& column);
// Whether the grid shows a field: none the layer keeps, nor the tie to its owner.
bool isShown(const bo::ObjectType& type, const bo::ColumnDef& column);

// A new editor for a column, named by kind ("sel", "chk", "dtp", "txt") and
// field name; `changed` runs whenever its value changes other than by show().
QWidget* create(const bo::SessionPtr& session, const bo::ColumnDef& column, const QString& caption,
                QWidget* parent, std::function<void()> changed);

// Shows a stored value in an editor.
void show(QWidget* editor, const bo::ColumnDef& column, const QVariant& value);

// The value an editor holds, typed for the column (null for an empty one);
// nothing when the text is no number of a numeric column.
std::optional<QVariant> read(const QWidget* editor, const bo::ColumnDef& column);

} // namespace shell::field_editors
