#include "platform/bo/record_store.h"

#include "platform/bo/session_store.h"
#include "platform/bo/trip_search_text.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"

namespace bo::records {
namespace {

// Identifiers come only from the fixed schema, never from caller text.
QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

bool exists(Session& session, const ObjectType& type, qint64 id)
{
    return storeOf(session)
               .scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"ID\" = ?").arg(type.table), {id})
               .toInt() > 0;
}

qint64 whole(const vx::Recordset& row, const QString& field)
{
    const QVariant v = row.value(field);
    return v.isNull() ? 0 : v.toLongLong();
}

void checkReferences(Session& session, const ObjectType& type, const vx::Recordset& row)
{
    for (const ColumnDef& column : type.columns) {
        if (column.refType.isEmpty() || column.name == QLatin1String("ParentID"))
            continue;
        const qint64 target = whole(row, column.name);
        if (target <= 0)
            continue;
        const ObjectType* targetType = objectType(column.refType);
        if (targetType && !exists(session, *targetType, target))
            throw SaveRefused(QStringLiteral("Laukas %1 nurodo neegzistuojantį įrašą (%2).")
                                  .arg(column.name, vx::oid::make(column.refType, target)));
    }
}

void checkGroupPlace(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id)
{
    qint64 parent = whole(row, QStringLiteral("ParentID"));
    int depth = 0;
    while (parent > 0) {
        if (parent == id)
            throw SaveRefused(QStringLiteral("Grupės negalima perkelti į ją pačią ar į jos pogrupį."));
        const Rows rows = storeOf(session).query(
            QStringLiteral("SELECT \"ParentID\", \"GroupFlag\" FROM %1 WHERE \"ID\" = ?").arg(type.table), {parent});
        if (rows.isEmpty())
            throw SaveRefused(QStringLiteral("Nurodyta grupė neegzistuoja."));
        if (depth == 0 && rows.values.first().at(1).toInt() == 0)
            throw SaveRefused(QStringLiteral("Įrašą galima dėti tik į grupę."));
        parent = rows.values.first().at(0).toLongLong();
        if (++depth > 100)
            throw SaveRefused(QStringLiteral("Grupių medis sugadintas: per gilus."));
    }
}

// Trip sheet numbers: when repeats are not allowed, this check and the write
// run under one lock, so two people saving the same number at once cannot both succeed.
void checkTripNumber(Session& session, const vx::Recordset& row, qint64 id)
{
    const QString name = row.value(QStringLiteral("Name")).toString().trimmed();
    if (name.isEmpty())
        return;
    const QVariant allow = storeOf(session).scalar(
        QStringLiteral("SELECT \"AllowDuplicated\" FROM auto_number_settings WHERE \"ObjectType\" = ?"),
        {QStringLiteral("O4000100")});
    if (allow.isNull() || allow.toInt() != 0)
        return;
    constexpr qint64 tripNumberLock = 4000100002;
    Transaction lock(storeOf(session));
    lock.lock(tripNumberLock);
    const int others = storeOf(session)
                           .scalar(QStringLiteral("SELECT COUNT(*) FROM transport_trip WHERE \"Name\" = ? AND \"ID\" <> ?"),
                                   {row.value(QStringLiteral("Name")).toString(), id})
                           .toInt();
    if (others > 0)
        throw SaveRefused(QStringLiteral("Dokumento numeris kartojasi!"));
    lock.commit();
}

// An employee's login: blank means none (stored as null, so any number of
// employees may have none); a login already someone else's is refused by name.
bool isLoginColumn(const ObjectType& type, const QString& column)
{
    return type.typeId == QLatin1String("O0001401") && column == QLatin1String("Login");
}

QVariant loginValue(const vx::Recordset& row)
{
    const QString login = row.value(QStringLiteral("Login")).toString().trimmed();
    return login.isEmpty() ? QVariant() : QVariant(login);
}

void checkLogin(Session& session, const vx::Recordset& row, qint64 id)
{
    const QVariant login = loginValue(row);
    if (login.isNull())
        return;
    const int others = storeOf(session)
                           .scalar(QStringLiteral("SELECT COUNT(*) FROM employee WHERE \"Login\" = ? AND \"ID\" <> ?"),
                                   {login, id})
                           .toInt();
    if (others > 0)
        throw SaveRefused(QStringLiteral("Prisijungimo vardas „%1“ jau priskirtas kitam darbuotojui.").arg(login.toString()));
}

// A reference of 0 (or less) names no record: it is stored as null, which the
// store's foreign keys accept, and read back as null.
QVariant storedValue(const ObjectType& type, const ColumnDef& column, const vx::Recordset& row)
{
    if (isLoginColumn(type, column.name))
        return loginValue(row);
    const QVariant value = row.value(column.name);
    if (!column.refType.isEmpty() && column.name != QLatin1String("ParentID") && !value.isNull() &&
        value.toLongLong() <= 0)
        return QVariant();
    return value;
}

} // namespace

vx::RecordsetPtr read(Session& session, const ObjectType& type, qint64 id)
{
    QStringList columns{QStringLiteral("t.\"ID\"")};
    for (const ColumnDef& c : type.columns)
        columns << QStringLiteral("t.") + quoted(c.name);
    columns << QStringLiteral("t.\"CreationDate\"") << type.previewExpression();
    const QString sql = QStringLiteral("SELECT %1 FROM %2 t WHERE t.\"ID\" = ?").arg(columns.join(QStringLiteral(", ")), type.table);
    const QList<vx::FieldDef> fields = type.recordFields();
    // ID, the columns and CreationDate, each read once as its field holds it; then the preview.
    QList<vx::FieldType> types;
    types.reserve(type.columns.size() + 3);
    for (int c = 0; c < type.columns.size() + 2; ++c)
        types << fields.at(c).type;
    types << vx::FieldType::Text;
    const QList<QVariantList> rows = storeOf(session).readTyped(storeOf(session).dialect().expression(sql), {id}, types);
    if (rows.isEmpty())
        return nullptr;
    QVariantList values = rows.first();
    const QVariant preview = values.takeLast();
    values << vx::oid::make(type.typeId, id) << preview;
    if (type.grouped) {
        // Grouped types keep ParentID as their first column, right after ID.
        values << previewPath(session, type, values.at(1).toLongLong());
    }
    auto rs = vx::Recordset::create(fields);
    rs->appendRow(values);
    rs->MoveFirst();
    return rs;
}

QString previewPath(Session& session, const ObjectType& type, qint64 parentId)
{
    QStringList names;
    for (int depth = 0; parentId > 0 && depth < 100; ++depth) {
        const Rows rows = storeOf(session).query(
            QStringLiteral("SELECT \"Name\", \"ParentID\" FROM %1 WHERE \"ID\" = ?").arg(type.table), {parentId});
        if (rows.isEmpty())
            break;
        names.prepend(rows.values.first().at(0).toString());
        parentId = rows.values.first().at(1).toLongLong();
    }
    return names.join(QStringLiteral(" / "));
}

void checkBeforeSave(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id)
{
    checkReferences(session, type, row);
    if (type.grouped)
        checkGroupPlace(session, type, row, id);
    if (!type.ownerField.isEmpty() && type.typeId != QLatin1String("O4000300") &&
        whole(row, type.ownerField) <= 0)
        throw SaveRefused(QStringLiteral("Įrašas nepriskirtas jokiam %1 įrašui.")
                              .arg(objectType(type.ownerType) ? objectType(type.ownerType)->caption : type.ownerType));
    if (type.typeId == QLatin1String("O4000100"))
        checkTripNumber(session, row, id);
    if (type.typeId == QLatin1String("O0001401"))
        checkLogin(session, row, id);
}

qint64 write(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id)
{
    QStringList names;
    QVariantList values;
    for (const ColumnDef& c : type.columns) {
        names << quoted(c.name);
        values << storedValue(type, c, row);
    }
    if (type.typeId == QLatin1String("O4000100")) {
        names << QStringLiteral("\"SearchText\"");
        values << tripSearchText(row.value(u"Name"), row.value(u"Date"), row.value(u"DateTo"), row.value(u"DistanceRest"),
                                 row.value(u"DistanceEnd"), row.value(u"Code"));
    }
    if (id <= 0) {
        names << QStringLiteral("\"CreationDate\"");
        values << vx::clock::now();
        QStringList marks;
        for (qsizetype i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        return storeOf(session).insert(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING \"ID\"")
                                       .arg(type.table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                                   values);
    }
    QStringList sets;
    for (const QString& name : names)
        sets << name + QStringLiteral(" = ?");
    values << id;
    const int changed = storeOf(session).execute(
        QStringLiteral("UPDATE %1 SET %2 WHERE \"ID\" = ?").arg(type.table, sets.join(QStringLiteral(", "))), values);
    if (changed == 0)
        throw SaveRefused(QStringLiteral("Įrašas panaikintas: jo išsaugoti nebegalima."));
    return id;
}

void remove(Session& session, const ObjectType& type, qint64 id)
{
    Database& db = storeOf(session);
    if (!exists(session, type, id))
        throw SaveRefused(QStringLiteral("Įrašas jau panaikintas."));
    if (type.grouped) {
        const int children =
            db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"ParentID\" = ?").arg(type.table), {id}).toInt();
        if (children > 0)
            throw SaveRefused(QStringLiteral("Grupėje yra įrašų (%1): pirmiausia juos perkelkite arba panaikinkite.")
                                  .arg(children));
    }
    QList<QPair<const ObjectType*, QString>> owned;
    for (const ObjectType& other : objectTypes()) {
        for (const ColumnDef& c : other.columns) {
            if (c.refType != type.typeId || (&other == &type && c.name == QLatin1String("ParentID")))
                continue;
            if (other.ownerType == type.typeId && other.ownerField == c.name) {
                owned.append({&other, c.name});
                continue;
            }
            const int users = db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(other.table, quoted(c.name)),
                                        {id})
                                  .toInt();
            if (users > 0)
                throw SaveRefused(QStringLiteral("Įrašo negalima panaikinti: jį naudoja „%1“ (%2 įr.).")
                                      .arg(other.caption)
                                      .arg(users));
        }
    }
    for (const auto& [child, field] : owned)
        db.execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(child->table, quoted(field)), {id});
    db.execute(QStringLiteral("DELETE FROM %1 WHERE \"ID\" = ?").arg(type.table), {id});
}

} // namespace bo::records
