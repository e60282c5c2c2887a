#pragma once

#include <QModelIndex>
#include <QString>
#include <QStringList>

#include <optional>

class QAbstractItemView;
class QWidget;

// Reading a window's controls the way a script names them.
namespace shell::script {

// The control with this object name inside `root` (or `root` itself).
QWidget* findControl(QWidget* root, const QString& name);

// The row of a list whose key (the item data of its first column, else its
// first column's text) is `key`; searched through the whole tree.
QModelIndex findRow(QAbstractItemView* view, const QString& key);

// A property as `expect` reads it: text, enabled, visible, checked, caption,
// tooltip, rows, cell:KEY:N, cell:#R:N. Nothing, with `error` set, when the
// control has no such property or the row does not exist.
std::optional<QString> readProperty(QWidget* control, const QString& property, QString* error);

// The named control inside `root` that holds its window's keyboard focus (the
// focus may sit in an inner part of it, such as a date picker's field); empty
// when the focus is elsewhere.
QString focusedControl(QWidget* root);

// "True"/"False" as scripts write them.
QString boolText(bool value);

// The window's named controls, focusable ones first in tab order, then the
// rest: name, class, text, enabled, visible, checked, tab-separated.
QStringList describeControls(QWidget* root);

} // namespace shell::script
