#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace bo {

// One item of a parameter text such as 'O4000400123','2999.12.31','' or 12,2,1,2.
struct Argument {
    enum class Kind { Empty, Quoted, Bare };
    Kind kind = Kind::Empty;
    QString text; // the unquoted text ('' inside quotes already turned into ')
};

struct ArgumentList {
    QList<Argument> items;
    QString error; // empty when the text was well formed

    bool ok() const { return error.isEmpty(); }
    int size() const { return int(items.size()); }
};

// Splits a parameter text into items: single-quoted texts (two quotes inside
// stand for one), bare words and numbers, and empty items. An empty text has
// no items; a trailing comma ends with an empty item. Spaces around items are
// ignored.
ArgumentList parseArguments(const QString& text);

// The types a named call expects of its arguments.
enum class ArgumentType { Text, ObjectId, Whole, Number, Date, Flag };

struct ArgumentSpec {
    QString name;
    ArgumentType type = ArgumentType::Text;
    bool optional = false;
};

// The typed values of a checked argument list, in order: QString for texts and
// object ids, qint64 for whole numbers, double for numbers, QDate for dates
// (null for an empty item), bool for flags; a missing optional item is null.
struct TypedArguments {
    QVariantList values;
    QString error;

    bool ok() const { return error.isEmpty(); }
    QString text(int i) const { return values.value(i).toString(); }
    qint64 whole(int i) const { return values.value(i).toLongLong(); }
    double number(int i) const { return values.value(i).toDouble(); }
    QDate date(int i) const { return values.value(i).toDate(); }
};

// Parses and checks a parameter text for the call `callName`: the count and the
// type of each item. A malformed text gives an error naming the call and the item.
TypedArguments checkArguments(const QString& callName, const QString& text, const QList<ArgumentSpec>& specs);

} // namespace bo
