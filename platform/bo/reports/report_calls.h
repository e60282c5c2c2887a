#pragma once

#include "platform/bo/named_calls.h"

#include <QDate>
#include <QString>

#include <optional>

// What the named calls behind the reports share: the chosen vehicles, the
// Lithuanian order of names and the rounding of sums. Each report's call lives
// in a file of its own and is registered by addReportCalls.
namespace bo::reports {

// The chosen vehicles and groups as the one bound text ",12,40,", or nothing
// when an item is no vehicle id. "," alone chooses every vehicle.
std::optional<QString> chosenVehicles(const QString& list);
vx::CallResult notVehicles(const QString& call, const QString& list);

// The period and the chosen vehicles a report over trip sheets starts with.
struct PeriodChoice {
    QDate from, to; // open ends when not given
    QString vehicles; // as chosenVehicles gives it
};
// The arguments such a report expects: "from", "to", "vehicles" (optional).
QList<ExpectedArgument> periodArguments();
// Reads arguments 0-2 into `choice`; returns the failure to answer with when
// the period ends before it starts or an item is no vehicle id.
std::optional<vx::CallResult> readPeriodChoice(const QString& call, const TypedArguments& args, PeriodChoice& choice);

// "WITH RECURSIVE chosen(id) AS (...) ": the vehicles a chosen text names and
// every vehicle below a chosen group. Takes the chosen text as its one bound value.
QString chosenCte();
// A condition on a vehicle id column that is true for every vehicle when
// nothing was chosen; takes the bound value chosenFilterValues() gives.
QString chosenFilter(const QString& carColumn);
QVariantList chosenFilterValues(const QString& chosen);

// A vehicle's name and plate number as one text, from a transport_car alias.
QString carNameSql(const QString& alias);

// Lithuanian order of two texts.
bool lessLithuanian(const QString& a, const QString& b);

// A value to so many decimals, so sums show no float noise; never -0.
double rounded(double value, int decimals);

void addFuelChequesCall(NamedCalls& calls);
void addOdometerGapsCall(NamedCalls& calls);
void addExpiringDocumentsCall(NamedCalls& calls);
void addTyreRunsCall(NamedCalls& calls);

} // namespace bo::reports
