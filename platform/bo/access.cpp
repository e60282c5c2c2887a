#include "platform/bo/access.h"

#include "platform/bo/session_store.h"

#include <QHash>

namespace bo::access {
namespace {

QString refusal(Right right, const QString& what)
{
    switch (right) {
    case Right::Open:
        return QStringLiteral("Neturite teisės atverti įrašų: %1.").arg(what);
    case Right::Delete:
        return QStringLiteral("Neturite teisės trinti įrašų: %1.").arg(what);
    case Right::Write:
        return QStringLiteral("Neturite teisės keisti įrašų: %1.").arg(what);
    case Right::New:
        break;
    }
    return QStringLiteral("Neturite teisės kurti naujų įrašų: %1.").arg(what);
}

// The type that guards a record of `type`: its owner's, when it has one.
const ObjectType& guardingType(const ObjectType& type)
{
    const ObjectType* owner = type.ownerType.isEmpty() ? nullptr : objectType(type.ownerType);
    return owner ? *owner : type;
}

const QString employeeType = QStringLiteral("O0001401");

// The stored login and password hash of an employee; nulls for a new one.
QVariantList storedCredentials(Session& session, qint64 id)
{
    if (id <= 0)
        return {QVariant(), QVariant()};
    const Rows rows = storeOf(session).query(
        QStringLiteral("SELECT \"Login\", \"PasswordHash\" FROM employee WHERE \"ID\" = ?"), {id});
    return rows.isEmpty() ? QVariantList{QVariant(), QVariant()} : rows.values.first();
}

// Null and empty are the same credential.
bool differs(const QVariant& stored, const QVariant& given)
{
    return stored.toString().trimmed() != given.toString().trimmed();
}

// Whether a value the form wrote back differs from the stored one: a null
// number is 0, a null text empty.
bool valueDiffers(const ColumnDef& column, const QVariant& stored, const QVariant& given)
{
    switch (column.type) {
    case vx::FieldType::Integer:
    case vx::FieldType::SmallInt:
    case vx::FieldType::BigInt:
    case vx::FieldType::Double:
    case vx::FieldType::Currency:
    case vx::FieldType::Boolean:
        return stored.toDouble() != given.toDouble();
    default:
        return differs(stored, given);
    }
}

// Whether the user saves his own employee record with nothing changed but the password.
bool onlyOwnPassword(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id)
{
    if (type.typeId != employeeType || id <= 0 || id != session.userId())
        return false;
    const vx::RecordsetPtr stored = records::read(session, type, id);
    if (!stored)
        return false;
    for (const ColumnDef& column : type.columns) {
        if (column.name != QLatin1String("PasswordHash") &&
            valueDiffers(column, stored->value(column.name), row.value(column.name)))
            return false;
    }
    return true;
}

} // namespace

QString componentOf(const QString& typeId)
{
    if (isCatalogueItemType(typeId) || typeId == QLatin1String("O0001601"))
        return QStringLiteral("CTransportReferences");
    if (const ObjectType* type = objectType(typeId); type && !type->ownerType.isEmpty())
        return componentOf(type->ownerType);
    static const QHash<QString, QString> components = {
        {QStringLiteral("O4000100"), QStringLiteral("CTransportTrips")},
        {QStringLiteral("O4000400"), QStringLiteral("CTransportCars")},
        {QStringLiteral("O4000800"), QStringLiteral("CTransportTyres")},
        {QStringLiteral("O0000100"), QStringLiteral("CFirms")},
        {QStringLiteral("O0001401"), QStringLiteral("CEmployees")},
        {QStringLiteral("O0201500"), QStringLiteral("CCurrencies")},
    };
    return components.value(typeId);
}

void require(Session& session, const QString& component, Right right, const QString& what)
{
    if (!component.isEmpty() && !rights::granted(session, component, right))
        throw Refused(refusal(right, what));
}

void requireSave(Session& session, const ObjectType& type, qint64 id)
{
    const ObjectType& guard = guardingType(type);
    const Right right = &guard != &type || id > 0 ? Right::Write : Right::New;
    require(session, componentOf(type.typeId), right, guard.caption);
}

void requireDelete(Session& session, const ObjectType& type)
{
    const ObjectType& guard = guardingType(type);
    require(session, componentOf(type.typeId), &guard != &type ? Right::Write : Right::Delete, guard.caption);
}

void requireRecordSave(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id)
{
    if (!onlyOwnPassword(session, type, row, id))
        requireSave(session, type, id);
    requireCredentialSave(session, type, row, id);
}

void requireCredentialSave(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id)
{
    if (type.typeId != employeeType)
        return;
    const QVariantList stored = storedCredentials(session, id);
    if (differs(stored.at(0), row.value(QStringLiteral("Login"))))
        requireAdministrator(session, QStringLiteral("keisti naudotojų prisijungimo vardų"));
    if (differs(stored.at(1), row.value(QStringLiteral("PasswordHash"))) && id != session.userId())
        requireAdministrator(session, QStringLiteral("keisti kitų naudotojų slaptažodžių"));
}

void requireCredentialDelete(Session& session, const ObjectType& type, qint64 id)
{
    if (type.typeId == employeeType && !storedCredentials(session, id).at(0).toString().trimmed().isEmpty())
        requireAdministrator(session, QStringLiteral("trinti naudotojų"));
}

bool isAdministrator(Session& session)
{
    if (session.isAdministrationTool())
        return true;
    if (session.userId() <= 0)
        return false;
    try {
        return rights::granted(session, administratorComponent, Right::Open);
    } catch (const StorageError&) {
        return false;
    }
}

void requireAdministrator(Session& session, const QString& what)
{
    if (!isAdministrator(session))
        throw Refused(QStringLiteral("Neturite teisės %1: tai gali tik administratorius.").arg(what));
}

} // namespace bo::access
