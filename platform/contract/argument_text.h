#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Argument texts: the one text a named call or an editor's method takes, holding
// a list of values such as 'O4000400123','2999.12.31','',12,5.
//
//   - items are separated by ","; spaces around an item are ignored;
//   - a text (object ids and dates included) is single-quoted, a quote inside
//     written twice: 'O4000400123', 'O''Brien';
//   - a number is written bare with "." as its decimal point: 4, -12.5;
//   - an empty item is nothing between the commas; an empty text has no items,
//     a trailing comma ends with an empty item.
//
// Write argument texts with quoted() or write() rather than by hand, so a typed
// text can never break the list apart.
namespace vx::arguments {

struct Item {
    enum class Kind { Empty, Quoted, Bare };
    Kind kind = Kind::Empty;
    QString text; // unquoted: '' inside quotes already turned into '
};

struct ItemList {
    QList<Item> items;
    QString error; // empty when the text was well formed; names the item at fault

    bool ok() const { return error.isEmpty(); }
    int size() const { return int(items.size()); }
    // The unquoted text of item `i`; empty past the end.
    QString text(int i) const;
    QStringList texts() const;
};

ItemList read(const QString& text);

// A text as one quoted item.
QString quoted(const QString& text);

// Values as an argument text: texts quoted, QDate and QDateTime as the quoted
// date text, whole numbers and flags bare, other numbers bare in their shortest
// exact form, null as an empty item.
QString write(const QVariantList& values);

} // namespace vx::arguments
