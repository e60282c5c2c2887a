#pragma once

#include <QString>
#include <QTreeWidgetItem>

// Report-style lists inside cards (QTreeWidget) keep each row's object id and
// its tag in the item data of the first column, under these roles. Every card
// fills its lists this way, so the shared list routines can find a row by key.
namespace ListItem {

inline constexpr int KeyRole = Qt::UserRole;     // the row's key, normally an object id
inline constexpr int TagRole = Qt::UserRole + 1; // free text a card keeps with the row

inline QString keyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, KeyRole).toString() : QString();
}

inline QString tagOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, TagRole).toString() : QString();
}

inline void setKey(QTreeWidgetItem* item, const QString& key)
{
    item->setData(0, KeyRole, key);
}

inline void setTag(QTreeWidgetItem* item, const QString& tag)
{
    item->setData(0, TagRole, tag);
}

} // namespace ListItem
