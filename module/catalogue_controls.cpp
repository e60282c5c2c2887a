#include "module/catalogue_controls.h"

#include "module/list_item_roles.h"
#include "platform/contract/object_id.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace Catalogue {

QString TagOf(const QWidget* widget)
{
    return widget ? widget->property(tagProperty).toString() : QString();
}

void SetTag(QWidget* widget, const QString& tag)
{
    if (widget)
        widget->setProperty(tagProperty, tag);
}

int FilterNumberKey(int keyAscii, const QString& text, bool allowMinus, bool allowDecimal)
{
    constexpr int backspace = 8;
    constexpr int comma = ',';
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == backspace)
        return keyAscii;
    if (keyAscii == '-')
        return allowMinus ? keyAscii : 0;
    if (keyAscii == comma || keyAscii == '.')
        return allowDecimal && !text.contains(QLatin1Char(',')) ? comma : 0;
    return 0;
}

void SelectAllText(QLineEdit* textBox)
{
    if (textBox && !textBox->text().isEmpty())
        SelectAllTextAlways(textBox);
}

void SelectAllTextAlways(QLineEdit* textBox)
{
    if (textBox)
        textBox->setSelection(0, int(textBox->text().size()));
}

bool HasSelectedItem(const QTreeWidget* listView)
{
    return listView && listView->topLevelItemCount() > 0 && !listView->selectedItems().isEmpty();
}

void SelectListItem(QTreeWidget* listView, const QString& key)
{
    if (!listView || !vx::oid::hasRecord(key))
        return;
    for (int i = 0; i < listView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = listView->topLevelItem(i);
        if (ListItem::keyOf(item) == key) {
            listView->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            listView->scrollToItem(item);
            return;
        }
    }
}

} // namespace Catalogue
