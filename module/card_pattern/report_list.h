#pragma once

#include <QList>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Report-style lists inside cards: a QTreeWidget without a tree, whose columns
// have keys (sub-items are written by column key) and whose rows carry their
// key and tag in the roles of module/list_item_roles.h.
namespace ReportList {

struct Column {
    QString key; // empty for the first column, which holds the item text
    QString caption;
};

// Sets the list up: one level, whole rows selected one at a time, the columns
// in order with their keys.
void setUp(QTreeWidget* list, const QList<Column>& columns);

// The column of a key; -1 when the list has none.
int columnOf(const QTreeWidget* list, const QString& key);

// Appends a row with its key, item text and tag.
QTreeWidgetItem* addItem(QTreeWidget* list, const QString& key, const QString& text, const QString& tag = QString());
// The same row not yet in a list, so writing its cells tells no view; the
// caller adds it (many at once are added far quicker than one by one).
QTreeWidgetItem* makeItem(const QString& key, const QString& text, const QString& tag = QString());
// Writes a sub-item by its column key; an unknown key writes nothing.
void setSubItem(QTreeWidgetItem* item, const QString& columnKey, const QString& text, bool bold = false);
// The text of a sub-item by its column key.
QString subItem(const QTreeWidgetItem* item, const QString& columnKey);

// Appends the totals row: no key, "Viso:" in bold, every other cell a single
// space until the caller writes the totals (setSubItem with bold).
QTreeWidgetItem* addTotalsRow(QTreeWidget* list);
// Whether a row is the totals row.
bool isTotalsRow(const QTreeWidgetItem* item);

// The last row that is not the totals row; null for an empty list.
QTreeWidgetItem* lastItem(const QTreeWidget* list);

} // namespace ReportList
