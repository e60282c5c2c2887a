#pragma once

#include <QString>

class QLineEdit;
class QTreeWidget;
class QWidget;

// Routines for the text boxes and lists of cards.
//
// A text box that shows a chosen object keeps the object's id as its tag: the
// dynamic property "tag" (a QString) of the widget. Lists are report-style
// QTreeWidgets whose rows carry their key under ListItem::KeyRole
// (module/list_item_roles.h).
namespace Catalogue {

inline constexpr char tagProperty[] = "tag";

QString TagOf(const QWidget* widget);
void SetTag(QWidget* widget, const QString& tag);

// Key codes as typed characters: digits 48-57 and Backspace (8) pass unchanged;
// "-" (45) only with `allowMinus`; "," (44) and "." (46) give "," only with
// `allowDecimal` while `text` holds no ","; every other key gives 0 (dropped).
int FilterNumberKey(int keyAscii, const QString& text, bool allowMinus, bool allowDecimal);

// Selects the whole text when there is any.
void SelectAllText(QLineEdit* textBox);
// Selects the whole text, empty or not.
void SelectAllTextAlways(QLineEdit* textBox);

// Whether the list has rows and one of them is selected.
bool HasSelectedItem(const QTreeWidget* listView);
// Selects and scrolls to the first row whose key is `key`; a key of eight
// characters or fewer (a bare type id) selects nothing.
void SelectListItem(QTreeWidget* listView, const QString& key);

} // namespace Catalogue
