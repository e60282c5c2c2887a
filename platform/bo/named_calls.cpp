#include "platform/bo/named_calls.h"

#include "platform/bo/session.h"

namespace bo {

void NamedCalls::add(const QString& name, CallHandler handler)
{
    handlers_.insert(name, std::move(handler));
}

QStringList NamedCalls::names() const
{
    QStringList all = handlers_.keys();
    all.sort();
    return all;
}

vx::CallResult NamedCalls::call(Session& session, const QString& name, const QString& param) const
{
    const auto found = handlers_.constFind(name);
    if (found == handlers_.constEnd())
        return vx::CallResult::failure(QStringLiteral("Nežinomas kreipinys \"%1\".").arg(name));
    try {
        return (*found)(session, param);
    } catch (const StorageError& e) {
        return vx::CallResult::failure(QStringLiteral("%1: %2").arg(name, e.message()));
    } catch (const vx::RecordsetError& e) {
        return vx::CallResult::failure(QStringLiteral("%1: %2").arg(name, e.message()));
    }
}

const NamedCalls& namedCalls()
{
    static const NamedCalls all = [] {
        NamedCalls calls;
        addTripCalls(calls);
        addNumberingCalls(calls);
        addVehicleCalls(calls);
        addTyreCalls(calls);
        addCurrencyCalls(calls);
        addCatalogueCalls(calls);
        addReportCalls(calls);
        return calls;
    }();
    return all;
}

CallHandler withArguments(const QString& name, QList<ExpectedArgument> expected,
                          std::function<vx::CallResult(Session&, const TypedArguments&)> body)
{
    return [name, expected = std::move(expected), body = std::move(body)](Session& session, const QString& param) {
        const TypedArguments args = checkArguments(name, param, expected);
        if (!args.ok())
            return vx::CallResult::failure(args.error);
        return body(session, args);
    };
}

vx::RecordsetPtr recordsetFrom(const Rows& rows, const QList<vx::FieldDef>& fields)
{
    auto rs = vx::Recordset::create(fields);
    for (const QVariantList& row : rows.values)
        rs->appendRow(row.mid(0, fields.size()));
    rs->MoveFirst();
    return rs;
}

vx::RecordsetPtr singleRow(const QList<vx::FieldDef>& fields, const QVariantList& values)
{
    auto rs = vx::Recordset::create(fields);
    rs->appendRow(values);
    rs->MoveFirst();
    return rs;
}

} // namespace bo
