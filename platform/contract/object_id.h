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

// The record number read from the ninth character on: its leading digits,
// 0 when there are none or the id carries no record.
qint64 recordNumber(QStringView id);

// The id of record `number` of type `typeId`; the bare type id for number <= 0.
QString make(QStringView typeId, qint64 number);

// Whether `id` is of the given type (its first eight characters equal it).
bool isOfType(QStringView id, QStringView typeId);

} // namespace vx::oid
