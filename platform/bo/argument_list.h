#pragma once

#include "platform/contract/argument_text.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace bo {

// The types a named call expects of its arguments.
enum class ArgumentType { Text, ObjectId, Whole, Number, Date, Flag };

// One argument a named call expects: its name in messages, its type and
// whether it may be left out at the end of the list.
struct ExpectedArgument {
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

// Reads a parameter text (see vx::arguments) and checks it for the call
// `callName`: the count and the type of each item. A malformed text gives an
// error naming the call and the item.
TypedArguments checkArguments(const QString& callName, const QString& text, const QList<ExpectedArgument>& expected);

} // namespace bo
