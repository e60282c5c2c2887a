#pragma once

#include "platform/bo/argument_list.h"
#include "platform/bo/database.h"
#include "platform/contract/host_records.h"
#include "platform/contract/recordset.h"

#include <QHash>

#include <functional>

namespace bo {

class Session;

// A named call: its parameter text in, a result out. Handlers may throw
// StorageError; the registry turns that into Code and Message.
using CallHandler = std::function<vx::CallResult(Session& session, const QString& param)>;

// Every name the module and the host call, in one place.
class NamedCalls {
public:
    void add(const QString& name, CallHandler handler);
    bool contains(const QString& name) const { return handlers_.contains(name); }
    QStringList names() const;
    // Unknown names, malformed parameter texts and storage failures come back
    // as Code != 0 with a Message; nothing escapes.
    vx::CallResult call(Session& session, const QString& name, const QString& param) const;

private:
    QHash<QString, CallHandler> handlers_;
};

// The registry with every call of the layer.
const NamedCalls& namedCalls();

// A handler that checks the parameter text against `expected` before running `body`.
CallHandler withArguments(const QString& name, QList<ExpectedArgument> expected,
                          std::function<vx::CallResult(Session&, const TypedArguments&)> body);

// A record set with the given fields filled from query rows, column by column
// in the same order; values are converted to the field types.
vx::RecordsetPtr recordsetFrom(const Rows& rows, const QList<vx::FieldDef>& fields);

// A one-row record set.
vx::RecordsetPtr singleRow(const QList<vx::FieldDef>& fields, const QVariantList& values);

// The display text of the `typeId` record whose number is in `idColumn` (an
// SQL column of the calling query), as a subquery: the text its editor shows.
QString previewOf(const QString& typeId, const QString& idColumn);

// A call taking a record number and answering with that record of `typeId`
// (no row when the number names none).
CallHandler recordByNumberCall(const QString& callName, const QString& typeId);

// The groups of calls, each in its own file.
void addTripCalls(NamedCalls& calls);
void addNumberingCalls(NamedCalls& calls);
void addVehicleCalls(NamedCalls& calls);
void addTyreCalls(NamedCalls& calls);
void addCurrencyCalls(NamedCalls& calls);
void addCatalogueCalls(NamedCalls& calls);
void addReportCalls(NamedCalls& calls);

} // namespace bo
