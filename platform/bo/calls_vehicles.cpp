// Named calls about vehicles: the vehicle record, its fuel norms and tanks,
// drivers, documents and mounted tyres.

#include "platform/bo/named_calls.h"
#include "platform/bo/object_types.h"
#include "platform/bo/record_store.h"
#include "platform/bo/session.h"
#include "platform/contract/object_id.h"

namespace bo {
namespace {

vx::CallResult vehicleRecord(Session& session, const TypedArguments& args)
{
    const ObjectType& type = *objectType(QStringLiteral("O4000400"));
    const QString id = args.text(0);
    if (!vx::oid::isOfType(id, type.typeId))
        return vx::CallResult::failure(QStringLiteral("DO4000400_GetVxObject: \"%1\" nėra automobilio identifikatorius.").arg(id));
    vx::RecordsetPtr rs = records::read(session, type, vx::oid::recordNumber(id));
    if (!rs)
        rs = vx::Recordset::create(type.recordFields());
    return vx::CallResult::success(QVariant::fromValue(rs));
}

} // namespace

void addVehicleCalls(NamedCalls& calls)
{
    calls.add(QStringLiteral("DO4000400_GetVxObject"),
              withArguments(QStringLiteral("DO4000400_GetVxObject"),
                            {{QStringLiteral("vehicle"), ArgumentType::ObjectId}}, vehicleRecord));
}

} // namespace bo
