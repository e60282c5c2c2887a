#include "module/card_pattern/report_list.h"

#include "module/card_pattern/list_cell_delegate.h"
#include "module/list_item_roles.h"

#include <QTreeWidget>

namespace ReportList {
namespace {

// Column keys live in the header item's data, beside the captions.
constexpr int columnKeyRole = ListItem::KeyRole;
// Marks the totals row, which has no key (rows of some lists have none either).
constexpr int totalsRole = ListItem::TagRole + 1;

void setBold(QTreeWidgetItem* item, int column, bool bold)
{
    QFont font = item->font(column);
    font.setBold(bold);
    item->setFont(column, font);
}

} // namespace

void setUp(QTreeWidget* list, const QList<Column>& columns)
{
    list->clear();
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (!qobject_cast<ListCellDelegate*>(list->itemDelegate()))
        list->setItemDelegate(new ListCellDelegate(list)); // owned by the list
    // The captions are written before the header joins the list, which then
    // hears of them all at once instead of caption by caption.
    auto* header = new QTreeWidgetItem;
    for (int i = 0; i < columns.size(); ++i) {
        header->setText(i, columns.at(i).caption);
        header->setData(i, columnKeyRole, columns.at(i).key);
    }
    list->setHeaderItem(header); // owned by the list
}

int columnOf(const QTreeWidget* list, const QString& key)
{
    const QTreeWidgetItem* header = list->headerItem();
    for (int i = 0; i < list->columnCount(); ++i)
        if (header->data(i, columnKeyRole).toString() == key)
            return i;
    return -1;
}

QTreeWidgetItem* makeItem(const QString& key, const QString& text, const QString& tag)
{
    auto* item = new QTreeWidgetItem; // the caller hands it to a list, which owns it
    item->setText(0, text);
    ListItem::setKey(item, key);
    ListItem::setTag(item, tag);
    return item;
}

QTreeWidgetItem* addItem(QTreeWidget* list, const QString& key, const QString& text, const QString& tag)
{
    QTreeWidgetItem* item = makeItem(key, text, tag);
    list->addTopLevelItem(item); // owned by the list
    return item;
}

void setSubItem(QTreeWidgetItem* item, const QString& columnKey, const QString& text, bool bold)
{
    const int column = item->treeWidget() ? columnOf(item->treeWidget(), columnKey) : -1;
    if (column < 0)
        return;
    item->setText(column, text);
    // A cell of the list's own font keeps no font of its own: each one would
    // cost its measuring and drawing.
    if (bold || item->data(column, Qt::FontRole).isValid())
        setBold(item, column, bold);
}

QString subItem(const QTreeWidgetItem* item, const QString& columnKey)
{
    const int column = item->treeWidget() ? columnOf(item->treeWidget(), columnKey) : -1;
    return column < 0 ? QString() : item->text(column);
}

QTreeWidgetItem* addTotalsRow(QTreeWidget* list)
{
    QTreeWidgetItem* item = addItem(list, QString(), QStringLiteral("Viso:"));
    item->setData(0, totalsRole, true);
    setBold(item, 0, true);
    for (int column = 1; column < list->columnCount(); ++column)
        item->setText(column, QStringLiteral(" "));
    return item;
}

bool isTotalsRow(const QTreeWidgetItem* item)
{
    return item && item->data(0, totalsRole).toBool();
}

QTreeWidgetItem* lastItem(const QTreeWidget* list)
{
    for (int i = list->topLevelItemCount() - 1; i >= 0; --i)
        if (!isTotalsRow(list->topLevelItem(i)))
            return list->topLevelItem(i);
    return nullptr;
}

} // namespace ReportList
