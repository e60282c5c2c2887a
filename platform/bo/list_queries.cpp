#include "platform/bo/list_queries.h"

#include "platform/bo/argument_list.h"
#include "platform/bo/object_types.h"
#include "platform/bo/session.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <QCollator>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace bo {
namespace {

const QString tripType = QStringLiteral("O4000100");
const QString carType = QStringLiteral("O4000400");
const QString catalogueType = QStringLiteral("O4000600");

QList<vx::FieldDef> commonFields()
{
    return {{QStringLiteral("OIDR"), vx::FieldType::Text},      {QStringLiteral("ID"), vx::FieldType::Integer},
            {QStringLiteral("ParentKey"), vx::FieldType::Text}, {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt},
            {QStringLiteral("OType"), vx::FieldType::Text},     {QStringLiteral("Icon"), vx::FieldType::Text},
            {QStringLiteral("Preview"), vx::FieldType::Text},   {QStringLiteral("Context"), vx::FieldType::Text}};
}

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

// One stored record read for a list, before it becomes a row.
struct Item {
    qint64 id = 0;
    qint64 parentId = 0;
    bool group = false;
    QString preview;
    QVariantList columns; // the type's stored columns and CreationDate, in order
    QVariantList extra;   // trip sheets: CarName, CarCode, UserName
};

QList<Item> readItems(Session& session, const ObjectType& type, const QString& where, const QVariantList& values,
                      const QStringList& extraExpressions = {}, const QString& order = QString())
{
    QStringList select{QStringLiteral("t.\"ID\"")};
    for (const ColumnDef& c : type.columns)
        select << QStringLiteral("t.\"%1\"").arg(c.name);
    select << QStringLiteral("t.\"CreationDate\"") << type.previewExpression() << extraExpressions;
    QString sql = QStringLiteral("SELECT %1 FROM %2 t").arg(select.join(QStringLiteral(", ")), type.table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    Rows rows = session.db().query(session.db().dialect().expression(sql), values);
    QList<Item> items;
    items.reserve(rows.size());
    const int columnCount = int(type.columns.size()) + 1;
    // Each row read is let go as soon as it is an item, so a long list is not held twice.
    while (!rows.values.isEmpty()) {
        const QVariantList row = rows.values.takeFirst();
        Item item;
        item.id = row.at(0).toLongLong();
        item.columns = row.mid(1, columnCount);
        item.preview = row.at(1 + columnCount).toString();
        item.extra = row.mid(2 + columnCount);
        if (type.grouped) {
            item.parentId = row.at(1).toLongLong(); // ParentID comes first
            item.group = row.at(2).toInt() != 0;    // then GroupFlag
        }
        items.append(item);
    }
    return items;
}

// Groups first, then by display text in Lithuanian order.
void sortItems(QList<Item>& items)
{
    QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    collator.setNumericMode(true);
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        if (a.group != b.group)
            return a.group;
        return collator.compare(a.preview, b.preview) < 0;
    });
}

void appendRow(vx::Recordset& rs, const ObjectType& type, const Item& item, const QString& parentKey,
               const QString& otype = QString(), const QString& icon = QString())
{
    const QString oidr = vx::oid::make(type.typeId, item.id);
    const QString kind = !otype.isEmpty() ? otype : item.group ? QStringLiteral("Group") : type.recordKind;
    const QString iconKey = !icon.isEmpty() ? icon : item.group ? QStringLiteral("CGroup") : recordIcon(type);
    QVariantList values{oidr, item.id, parentKey, item.group ? 1 : 0, kind, iconKey, item.preview, oidr};
    for (int c = 0; c < type.columns.size(); ++c)
        if (!repeatsCommonField(type.columns.at(c)))
            values << item.columns.at(c);
    values << item.columns.last() << item.extra; // CreationDate, then the extra texts
    rs.appendRow(values);
}

QList<vx::FieldDef> typeFields(const ObjectType& type)
{
    QList<vx::FieldDef> fields = commonFields();
    for (const ColumnDef& c : type.columns)
        if (!repeatsCommonField(c))
            fields.append({c.name, c.type});
    fields.append({QStringLiteral("CreationDate"), vx::FieldType::DateTime});
    if (type.typeId == tripType)
        for (const char* name : {"CarName", "CarCode", "UserName"})
            fields.append({QLatin1String(name), vx::FieldType::Text});
    return fields;
}

// The tree under `rootId` (0: the whole tree), each row under its parent's key.
void appendTree(vx::Recordset& rs, const ObjectType& type, QList<Item> items, qint64 rootId, const QString& rootKey)
{
    sortItems(items);
    QHash<qint64, QList<const Item*>> children;
    for (const Item& item : items)
        children[item.parentId].append(&item);
    QList<QPair<qint64, QString>> pending{{rootId, rootKey}};
    QSet<qint64> seen;
    while (!pending.isEmpty()) {
        const auto [parent, key] = pending.takeFirst();
        for (const Item* item : children.value(parent)) {
            if (seen.contains(item->id))
                continue;
            seen.insert(item->id);
            appendRow(rs, type, *item, key);
            if (item->group)
                pending.append({item->id, vx::oid::make(type.typeId, item->id)});
        }
    }
}

QString folded(const QString& text)
{
    return text.toCaseFolded();
}

QString firstItem(const QString& param, QString* second = nullptr)
{
    const ArgumentList list = parseArguments(param);
    if (!list.ok())
        throw StorageError(QStringLiteral("Netinkamas sąrašo parametras: %1").arg(list.error));
    if (second)
        *second = list.size() > 1 ? list.items.at(1).text : QString();
    return list.size() > 0 ? list.items.at(0).text : QString();
}

void treeList(Session& session, vx::Recordset& rs, const ObjectType& type, const QString& param)
{
    QString filter;
    const QString parent = firstItem(param, &filter);
    const qint64 rootId = vx::oid::isOfType(parent, type.typeId) ? vx::oid::recordNumber(parent) : 0;
    // The filter is words, each of which must appear (case folded) in the name,
    // code or number; the words may fall in different columns.
    const QStringList words = folded(filter).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        QStringList searched{QStringLiteral("Name"), QStringLiteral("Code"), QStringLiteral("ChasisNumber"),
                             QStringLiteral("Number")};
        QList<int> columns;
        for (int i = 0; i < type.columns.size(); ++i)
            if (searched.contains(type.columns.at(i).name))
                columns << i;
        QList<Item> items = readItems(session, type, QStringLiteral("t.\"GroupFlag\" = 0"), {});
        QList<Item> matching;
        for (const Item& item : items) {
            QStringList texts;
            for (int c : columns)
                texts << folded(item.columns.at(c).toString());
            const QString searchedText = texts.join(QLatin1Char('\n'));
            if (std::all_of(words.cbegin(), words.cend(),
                            [&](const QString& word) { return searchedText.contains(word); }))
                matching.append(item);
        }
        sortItems(matching);
        for (const Item& item : matching)
            appendRow(rs, type, item, QString());
        return;
    }
    appendTree(rs, type, readItems(session, type, QString(), {}), rootId, rootId > 0 ? parent : QString());
}

void catalogueList(Session& session, vx::Recordset& rs, const QString& param)
{
    QString parent = firstItem(param);
    if (parent.isEmpty())
        parent = catalogueType;
    if (parent == catalogueType) {
        const Rows rows = session.db().query(
            QStringLiteral("SELECT c.\"Code\", c.\"Name\" FROM reference_catalogue c JOIN reference_catalogue r "
                           "ON c.\"ParentID\" = r.\"ID\" WHERE r.\"Code\" = ? ORDER BY c.\"Code\""),
            {catalogueType});
        // Each catalogue with its whole tree of groups and items beneath it.
        for (const QVariantList& row : rows.values) {
            const QString code = row.at(0).toString();
            QVariantList values{code, 0, QString(), 1, QStringLiteral("CT"), QStringLiteral("CT"), row.at(1), code};
            rs.appendRow(values);
            if (const ObjectType* type = objectType(code))
                appendTree(rs, *type, readItems(session, *type, QString(), {}), 0, code);
        }
        return;
    }
    const ObjectType* type = objectType(vx::oid::typeId(parent));
    if (!type || !isCatalogueItemType(type->typeId))
        return;
    const qint64 rootId = vx::oid::recordNumber(parent);
    appendTree(rs, *type, readItems(session, *type, QString(), {}), rootId, parent);
}

void ownedList(Session& session, vx::Recordset& rs, const ObjectType& type, const QString& param)
{
    const QString parent = firstItem(param);
    bool numeric = false;
    qint64 owner = parent.toLongLong(&numeric);
    if (!numeric)
        owner = vx::oid::isOfType(parent, type.ownerType) ? vx::oid::recordNumber(parent) : 0;
    if (owner <= 0)
        return;
    QList<Item> items =
        readItems(session, type, QStringLiteral("t.\"%1\" = ?").arg(type.ownerField), {owner});
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.id < b.id; });
    for (const Item& item : items)
        appendRow(rs, type, item, QString());
}

void tripList(Session& session, vx::Recordset& rs, const QString& param)
{
    const TypedArguments args = checkArguments(
        QStringLiteral("Kelionės lapų sąrašas"), param,
        {{QStringLiteral("P"), ArgumentType::Text}, {QStringLiteral("C"), ArgumentType::Text, true},
         {QStringLiteral("M"), ArgumentType::Text, true}, {QStringLiteral("F"), ArgumentType::Date, true},
         {QStringLiteral("T"), ArgumentType::Date, true}});
    if (!args.ok())
        throw StorageError(args.error);
    const QDate from = args.date(3).isValid() ? args.date(3) : QDate(1900, 1, 1);
    const QDate to = args.date(4).isValid() ? args.date(4) : QDate(9999, 12, 31);
    // The last second of the end day bounds the period: a "next day" would run
    // past the calendar's end for the open end 9999.12.31.
    QString where = QStringLiteral("t.\"Date\" >= ? AND t.\"Date\" <= ?");
    QVariantList values{QDateTime(from, QTime(0, 0)), QDateTime(to, QTime(23, 59, 59))};
    if (vx::oid::isOfType(args.text(0), carType) && vx::oid::hasRecord(args.text(0))) {
        where += QStringLiteral(" AND t.\"TransportCarID\" = ?");
        values << vx::oid::recordNumber(args.text(0));
    }
    const ObjectType& type = *objectType(tripType);
    QList<Item> items = readItems(
        session, type, where, values,
        {QStringLiteral("(SELECT c.\"Name\" FROM transport_car c WHERE c.\"ID\" = t.\"TransportCarID\")"),
         QStringLiteral("(SELECT c.\"Code\" FROM transport_car c WHERE c.\"ID\" = t.\"TransportCarID\")"),
         QStringLiteral("(SELECT TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')) "
                        "FROM employee e WHERE e.\"ID\" = t.\"UserID\")")},
        // Newest first within each vehicle (the store orders the dates: no date conversions per comparison).
        QStringLiteral("t.\"Date\" DESC, t.\"ID\" DESC"));
    const int carColumn = type.columnIndex(QStringLiteral("TransportCarID"));
    // Vehicles in name order.
    QMap<QString, QList<const Item*>> byCar; // vehicle display text -> its sheets
    QHash<QString, qint64> carIds;
    QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    for (const Item& item : items) {
        const qint64 car = item.columns.at(carColumn).toLongLong();
        const QString label = QStringLiteral("%1 %2").arg(item.extra.value(0).toString(), item.extra.value(1).toString()).trimmed();
        const QString key = label + QLatin1Char('\x1f') + QString::number(car);
        byCar[key].append(&item);
        carIds.insert(key, car);
    }
    QStringList keys = byCar.keys();
    std::stable_sort(keys.begin(), keys.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    for (const QString& key : keys) {
        const qint64 car = carIds.value(key);
        const QString carOid = vx::oid::make(carType, car);
        const QString nodeKey = QStringLiteral("Car:") + carOid;
        QVariantList node{nodeKey, 0, QString(), 1, QStringLiteral("Car"), QStringLiteral("Car"),
                          key.section(QLatin1Char('\x1f'), 0, 0), carOid};
        rs.appendRow(node);
        for (const Item* item : byCar.value(key))
            appendRow(rs, type, *item, nodeKey, QStringLiteral("Trip"), QStringLiteral("Trip"));
    }
}

} // namespace

QList<vx::FieldDef> listFields(const QString& typeId)
{
    if (typeId == catalogueType)
        return commonFields();
    const ObjectType* type = objectType(typeId);
    return type ? typeFields(*type) : commonFields();
}

vx::RecordsetPtr listRowsEmpty(const QString& typeId)
{
    return vx::Recordset::create(listFields(typeId));
}

vx::RecordsetPtr listRows(Session& session, const QString& typeId, const QString& param)
{
    if (typeId == catalogueType) {
        auto rs = vx::Recordset::create(commonFields());
        catalogueList(session, *rs, param);
        rs->MoveFirst();
        return rs;
    }
    const ObjectType* type = objectType(typeId);
    if (!type)
        throw StorageError(QStringLiteral("Nežinomas objekto tipas: %1").arg(typeId));
    auto rs = vx::Recordset::create(typeFields(*type));
    if (type->typeId == tripType)
        tripList(session, *rs, param);
    else if (type->typeId == QLatin1String("O4000300") && vx::oid::isOfType(firstItem(param), tripType))
        ownedList(session, *rs, *type, param);
    else if (!type->ownerField.isEmpty() && type->typeId != QLatin1String("O4000300"))
        ownedList(session, *rs, *type, param);
    else if (type->grouped)
        treeList(session, *rs, *type, param);
    else
        appendTree(*rs, *type, readItems(session, *type, QString(), {}), 0, QString());
    rs->MoveFirst();
    return rs;
}

} // namespace bo
