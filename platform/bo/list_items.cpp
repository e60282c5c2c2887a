#include "platform/bo/list_items.h"

#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

#include <QHash>

namespace bo {
namespace {

// Stored columns already given by the common fields of every row.
bool repeatsCommonField(const ColumnDef& column)
{
    return column.name == QLatin1String("GroupFlag") || column.name == QLatin1String("OType");
}

QString recordIcon(const ObjectType& type)
{
    static const QHash<QString, QString> icons = {
        {QStringLiteral("O4000100"), QStringLiteral("Trip")}, {QStringLiteral("O4000300"), QStringLiteral("Card")},
        {QStringLiteral("O4000400"), QStringLiteral("Car")},  {QStringLiteral("O4000800"), QStringLiteral("Tyre")},
    };
    return icons.value(type.typeId, QStringLiteral("C"));
}

// The statement reading a type's records for a list: ID, the columns,
// CreationDate, the preview, then the extra expressions.
QString listSelect(const Database& db, const ObjectType& type, const QString& where, const QStringList& extraExpressions,
                   const QString& order, bool limited, const QString& previewExpression)
{
    QStringList select{QStringLiteral("t.\"ID\"")};
    for (const ColumnDef& c : type.columns)
        select << QStringLiteral("t.\"%1\"").arg(c.name);
    select << QStringLiteral("t.\"CreationDate\"")
           << (previewExpression.isEmpty() ? type.previewExpression() : previewExpression) << extraExpressions;
    QString sql = QStringLiteral("SELECT %1 FROM %2 t").arg(select.join(QStringLiteral(", ")), type.table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    if (limited)
        sql += QStringLiteral(" LIMIT ?");
    return db.dialect().expression(sql);
}

} // namespace

QList<vx::FieldDef> commonListFields()
{
    return {{QStringLiteral("OIDR"), vx::FieldType::Text},      {QStringLiteral("ID"), vx::FieldType::Integer},
            {QStringLiteral("ParentKey"), vx::FieldType::Text}, {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt},
            {QStringLiteral("OType"), vx::FieldType::Text},     {QStringLiteral("Icon"), vx::FieldType::Text},
            {QStringLiteral("Preview"), vx::FieldType::Text},   {QStringLiteral("Context"), vx::FieldType::Text}};
}

QList<vx::FieldDef> typeListFields(const ObjectType& type)
{
    QList<vx::FieldDef> fields = commonListFields();
    for (const ColumnDef& c : type.columns)
        if (!repeatsCommonField(c))
            fields.append({c.name, c.type});
    fields.append({QStringLiteral("CreationDate"), vx::FieldType::DateTime});
    if (type.typeId == QLatin1String("O4000100"))
        for (const char* name : {"CarName", "CarCode", "UserName"})
            fields.append({QLatin1String(name), vx::FieldType::Text});
    return fields;
}

QList<ListItem> readListItems(Session& session, const ObjectType& type, const QString& where, const QVariantList& values,
                              const QStringList& extraExpressions, const QString& order, int limit,
                              const QString& previewExpression)
{
    Database& db = storeOf(session);
    QVariantList bound = values;
    if (limit > 0)
        bound << limit;
    Rows rows = db.query(listSelect(db, type, where, extraExpressions, order, limit > 0, previewExpression), bound);
    QList<ListItem> items;
    items.reserve(rows.size());
    const int columnCount = int(type.columns.size()) + 1;
    // Each row read is let go as soon as it is an item, so a long list is not held twice.
    while (!rows.values.isEmpty()) {
        QVariantList row = rows.values.takeFirst();
        ListItem item;
        item.id = row.at(0).toLongLong();
        if (type.grouped) {
            item.parentId = row.at(1).toLongLong(); // ParentID comes first
            item.group = row.at(2).toInt() != 0;    // then GroupFlag
        }
        item.preview = row.at(1 + columnCount).toString();
        // The values move into the item: a long list copies none of them.
        item.columns.reserve(columnCount);
        for (int i = 1; i <= columnCount; ++i)
            item.columns << std::move(row[i]);
        for (int i = 2 + columnCount; i < row.size(); ++i)
            item.extra << std::move(row[i]);
        items.append(std::move(item));
    }
    return items;
}

ListRows readListRows(Session& session, const ObjectType& type, const QString& where, const QVariantList& values,
                      const QStringList& extraExpressions, const QString& order, int limit,
                      const QString& previewExpression, const ListRowFinish& finish)
{
    Database& db = storeOf(session);
    QVariantList bound = values;
    if (limit > 0)
        bound << limit;
    const QList<vx::FieldDef> fields = typeListFields(type);
    const int columnCount = int(type.columns.size());
    // The row is laid out as listRowValues lays it out, in the order the
    // statement gives the values: each goes straight to its place.
    QList<vx::FieldType> columnTypes; // of the stored columns the row keeps, and CreationDate
    QList<int> keptColumns;
    for (int c = 0; c < columnCount; ++c) {
        if (!repeatsCommonField(type.columns.at(c))) {
            keptColumns << 1 + c;
            columnTypes << type.columns.at(c).type;
        }
    }
    keptColumns << 1 + columnCount;
    columnTypes << vx::FieldType::DateTime;
    const int firstExtra = int(fields.size() - extraExpressions.size());
    const int unread = firstExtra - int(commonListFields().size()) - int(keptColumns.size()); // filled by `finish`
    const vx::FieldType idType = fields.at(1).type;
    const QString recordKind = type.recordKind, groupKind = QStringLiteral("Group");
    const QString icon = recordIcon(type), groupIcon = QStringLiteral("CGroup");
    ListRows read;
    db.read(listSelect(db, type, where, extraExpressions, order, limit > 0, previewExpression), bound,
            [&](const StoredRow& stored) {
                QVariantList row;
                row.reserve(fields.size());
                const QString oidr = vx::oid::make(type.typeId, stored.value(0).toLongLong());
                // ParentID and GroupFlag come first in a grouped type's columns.
                const bool group = type.grouped && stored.value(2).toInt() != 0;
                row.emplaceBack(oidr);
                row.emplaceBack(stored.typed(0, idType, read.typed));
                row.emplaceBack(QString()); // ParentKey
                row.emplaceBack(group ? 1 : 0);
                row.emplaceBack(group ? groupKind : recordKind);
                row.emplaceBack(group ? groupIcon : icon);
                row.emplaceBack(stored.value(columnCount + 2).toString()); // Preview
                row.emplaceBack(oidr);                                     // Context
                for (int k = 0; k < keptColumns.size(); ++k)
                    row.emplaceBack(stored.typed(keptColumns.at(k), columnTypes.at(k), read.typed));
                row.resize(row.size() + unread);
                for (int e = firstExtra; e < fields.size(); ++e)
                    row.emplaceBack(stored.typed(columnCount + 3 + e - firstExtra, fields.at(e).type, read.typed));
                if (finish)
                    finish(stored, row);
                read.rows.append(std::move(row));
            });
    return read;
}

QVariantList listRowValues(const ObjectType& type, const ListItem& item, const QString& parentKey, const QString& kind,
                           const QString& icon)
{
    const QString oidr = vx::oid::make(type.typeId, item.id);
    const QString rowKind = !kind.isEmpty() ? kind : item.group ? QStringLiteral("Group") : type.recordKind;
    const QString iconKey = !icon.isEmpty() ? icon : item.group ? QStringLiteral("CGroup") : recordIcon(type);
    QVariantList values;
    values.reserve(8 + type.columns.size() + 1 + item.extra.size());
    values << oidr << item.id << parentKey << (item.group ? 1 : 0) << rowKind << iconKey << item.preview << oidr;
    for (int c = 0; c < type.columns.size(); ++c)
        if (!repeatsCommonField(type.columns.at(c)))
            values << item.columns.at(c);
    values << item.columns.last() << item.extra; // CreationDate, then the extra values
    return values;
}

} // namespace bo
