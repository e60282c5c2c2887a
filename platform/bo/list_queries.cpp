#include "platform/bo/list_queries.h"

#include "platform/bo/argument_list.h"
#include "platform/bo/list_items.h"
#include "platform/bo/object_types.h"
#include "platform/bo/session_store.h"
#include "platform/bo/trip_list.h"
#include "platform/contract/object_id.h"

#include <QCollator>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace bo {
namespace {

const QString tripType = QStringLiteral("O4000100");
const QString catalogueType = QStringLiteral("O4000600");

// Groups first, then by display text in Lithuanian order.
void sortItems(QList<ListItem>& items)
{
    QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    collator.setNumericMode(true);
    std::stable_sort(items.begin(), items.end(), [&](const ListItem& a, const ListItem& b) {
        if (a.group != b.group)
            return a.group;
        return collator.compare(a.preview, b.preview) < 0;
    });
}

void appendRow(vx::Recordset& rs, const ObjectType& type, const ListItem& item, const QString& parentKey)
{
    rs.appendRow(listRowValues(type, item, parentKey));
}

// The tree under `rootId` (0: the whole tree), each row under its parent's key.
void appendTree(vx::Recordset& rs, const ObjectType& type, QList<ListItem> items, qint64 rootId, const QString& rootKey)
{
    sortItems(items);
    QHash<qint64, QList<const ListItem*>> children;
    for (const ListItem& item : items)
        children[item.parentId].append(&item);
    QList<QPair<qint64, QString>> pending{{rootId, rootKey}};
    QSet<qint64> seen;
    while (!pending.isEmpty()) {
        const auto [parent, key] = pending.takeFirst();
        for (const ListItem* item : children.value(parent)) {
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
    const vx::arguments::ItemList list = vx::arguments::read(param);
    if (!list.ok())
        throw StorageError(QStringLiteral("Netinkamas sąrašo parametras: %1").arg(list.error));
    if (second)
        *second = list.text(1);
    return list.text(0);
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
        QList<ListItem> items = readListItems(session, type, QStringLiteral("t.\"GroupFlag\" = 0"), {});
        QList<ListItem> matching;
        for (const ListItem& item : items) {
            QStringList texts;
            for (int c : columns)
                texts << folded(item.columns.at(c).toString());
            const QString searchedText = texts.join(QLatin1Char('\n'));
            if (std::all_of(words.cbegin(), words.cend(),
                            [&](const QString& word) { return searchedText.contains(word); }))
                matching.append(item);
        }
        sortItems(matching);
        for (const ListItem& item : matching)
            appendRow(rs, type, item, QString());
        return;
    }
    appendTree(rs, type, readListItems(session, type, QString(), {}), rootId, rootId > 0 ? parent : QString());
}

void catalogueList(Session& session, vx::Recordset& rs, const QString& param)
{
    QString parent = firstItem(param);
    if (parent.isEmpty())
        parent = catalogueType;
    if (parent == catalogueType) {
        const Rows rows = storeOf(session).query(
            QStringLiteral("SELECT c.\"Code\", c.\"Name\" FROM reference_catalogue c JOIN reference_catalogue r "
                           "ON c.\"ParentID\" = r.\"ID\" WHERE r.\"Code\" = ? ORDER BY c.\"Code\""),
            {catalogueType});
        // Each catalogue with its whole tree of groups and items beneath it.
        for (const QVariantList& row : rows.values) {
            const QString code = row.at(0).toString();
            QVariantList values{code, 0, QString(), 1, QStringLiteral("CT"), QStringLiteral("CT"), row.at(1), code};
            rs.appendRow(values);
            if (const ObjectType* type = objectType(code))
                appendTree(rs, *type, readListItems(session, *type, QString(), {}), 0, code);
        }
        return;
    }
    const ObjectType* type = objectType(vx::oid::typeId(parent));
    if (!type || !isCatalogueItemType(type->typeId) || !vx::oid::isWellFormed(parent))
        return;
    const qint64 rootId = vx::oid::recordNumber(parent);
    appendTree(rs, *type, readListItems(session, *type, QString(), {}), rootId, parent);
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
    QList<ListItem> items =
        readListItems(session, type, QStringLiteral("t.\"%1\" = ?").arg(type.ownerField), {owner});
    std::sort(items.begin(), items.end(), [](const ListItem& a, const ListItem& b) { return a.id < b.id; });
    for (const ListItem& item : items)
        appendRow(rs, type, item, QString());
}

} // namespace

QList<vx::FieldDef> listFields(const QString& typeId)
{
    if (typeId == catalogueType)
        return commonListFields();
    const ObjectType* type = objectType(typeId);
    return type ? typeListFields(*type) : commonListFields();
}

vx::RecordsetPtr listRowsEmpty(const QString& typeId)
{
    return vx::Recordset::create(listFields(typeId));
}

vx::RecordsetPtr listRows(Session& session, const QString& typeId, const QString& param)
{
    if (typeId == catalogueType) {
        auto rs = vx::Recordset::create(commonListFields());
        catalogueList(session, *rs, param);
        rs->MoveFirst();
        return rs;
    }
    const ObjectType* type = objectType(typeId);
    if (!type)
        throw StorageError(QStringLiteral("Nežinomas objekto tipas: %1").arg(typeId));
    if (type->typeId == tripType)
        return tripListRows(session, param); // on its first row, read when wanted
    auto rs = vx::Recordset::create(typeListFields(*type));
    if (type->typeId == QLatin1String("O4000300") && vx::oid::isOfType(firstItem(param), tripType))
        ownedList(session, *rs, *type, param);
    else if (!type->ownerField.isEmpty() && type->typeId != QLatin1String("O4000300"))
        ownedList(session, *rs, *type, param);
    else if (type->grouped)
        treeList(session, *rs, *type, param);
    else
        appendTree(*rs, *type, readListItems(session, *type, QString(), {}), 0, QString());
    rs->MoveFirst();
    return rs;
}

} // namespace bo
