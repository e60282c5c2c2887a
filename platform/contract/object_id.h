#pragma once

#include <QString>
#include <QStringView>

// Object ids: an eight-character type id ("O" and seven digits) directly
// followed by the record number in decimal. Nothing else slices ids by hand.
namespace vx::oid {

inline constexpr qsizetype typeIdLength = 8;

// The first eight characters (the whole text when shorter).
QString typeId(QStringView id);

// Whether the text has the shape of a type id: "O" and seven digits.
bool isTypeId(QStringView text);

// Whether the id carries a record: it is longer than a type id.
bool hasRecord(QStringView id);

// The record number of an id that is a type id directly followed by decimal
// digits and nothing else; 0 for a bare type id and for any other text (a
// sign, a space, trailing characters, a number too large), so that no malformed
// id ever names a record.
qint64 recordNumber(QStringView id);

// Whether the text is a bare type id or the id of a record (number above 0).
bool isWellFormed(QStringView id);

// The id of record `number` of type `typeId`; the bare type id for number <= 0.
QString make(QStringView typeId, qint64 number);

// Whether `id` is a well-formed id of the given type.
bool isOfType(QStringView id, QStringView typeId);

} // namespace vx::oid
