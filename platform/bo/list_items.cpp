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
    QVariantList bound = values;
    if (limit > 0) {
        sql += QStringLiteral(" LIMIT ?");
        bound << limit;
    }
    Rows rows = storeOf(session).query(storeOf(session).dialect().expression(sql), bound);
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
