// Lookups of catalogue items and display texts that the vehicle and tyre calls
// share. The reference item editor's own names ("GetTripRoutes") live with
// the trip calls; no further catalogue name is asked of the layer.

#include "platform/bo/named_calls.h"
#include "platform/bo/object_types.h"
#include "platform/bo/record_store.h"
#include "platform/bo/session.h"
#include "platform/contract/object_id.h"

namespace bo {

// The display text of the `typeId` record whose number is in `idColumn` (an
// SQL column of the calling query), as a subquery; the same text its editor shows.
QString previewOf(const QString& typeId, const QString& idColumn)
{
    const ObjectType& type = *objectType(typeId);
    return QStringLiteral("(SELECT %1 FROM %2 t WHERE t.\"ID\" = %3)")
        .arg(type.previewExpression(), type.table, idColumn);
}

// A call whose parameter is the number of a `typeId` record: that record with
// every column, OIDR and Preview, or no row when the number names none (an
// empty parameter included, since a card asks before a reference is chosen).
CallHandler recordByNumberCall(const QString& callName, const QString& typeId)
{
    return withArguments(callName, {{QStringLiteral("number"), ArgumentType::Whole, true}},
                         [typeId](Session& session, const TypedArguments& args) {
                             const ObjectType& type = *objectType(typeId);
                             vx::RecordsetPtr rs;
                             if (args.whole(0) > 0)
                                 rs = records::read(session, type, args.whole(0));
                             if (!rs)
                                 rs = vx::Recordset::create(type.recordFields());
                             return vx::CallResult::success(QVariant::fromValue(rs));
                         });
}

void addCatalogueCalls(NamedCalls&)
{
}

} // namespace bo
