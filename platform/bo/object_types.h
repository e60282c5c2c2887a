#pragma once

#include "platform/contract/recordset.h"

#include <QList>
#include <QString>

namespace bo {

struct ColumnDef {
    QString name;
    vx::FieldType type;
    QString refType; // the object type a reference column names; empty for plain values
};

// What the layer knows of one stored object type: its table and columns, whether
// its records form a group tree, the record kind of its non-group records and,
// for records that belong to another record, the owning field.
struct ObjectType {
    QString typeId;
    QString caption;
    QString table;
    QString recordKind; // "Trip", "Car", "Tyre", the item's own type id, or "C"
    bool grouped = false;
    QString ownerField; // e.g. "TransportTripID"
    QString ownerType;  // e.g. "O4000100"
    QList<ColumnDef> columns; // stored columns besides "ID" and "CreationDate"

    bool hasColumn(const QString& name) const;
    // Position of a stored column in `columns`; -1 when the type has none of that name.
    int columnIndex(const QString& name) const;
    // The fields of its record sets: ID, the columns, CreationDate, then the
    // computed OIDR, Preview and (grouped types) PreviewPath.
    QList<vx::FieldDef> recordFields() const;
    // An SQL expression over the table aliased "t" giving the display text;
    // dates inside use the {datetext:...} mark of SqlDialect::expression.
    QString previewExpression() const;
};

const ObjectType* objectType(const QString& typeId);
const QList<ObjectType>& objectTypes();

// The catalogue item types "O4000601" ... "O4000609".
bool isCatalogueItemType(const QString& typeId);

} // namespace bo
