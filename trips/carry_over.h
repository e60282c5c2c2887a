#pragma once

#include "platform/contract/recordset.h"

#include <QDate>
#include <QString>

#include <optional>

// What a trip sheet takes over from its vehicle's previous sheet: the fuel
// left in each tank ("TripFuelRest") and the speedometer reading ("LastTrip"),
// and the actual rest a sheet leaves for the next one.
namespace trips {

// The argument of "TripFuelRest": vehicle record id, tank type, the date as
// text and the sheet to leave out (this sheet's own object id, the bare
// "O4000100" for a new one), e.g. 123,4,'2026.11.03','O4000100456'.
QString tripFuelRestArgument(const QString& vehicleId, qint64 tankTypeId, const QString& dateText,
                             const QString& sheetId);

// The fuel one tank type carries into the next sheet, from the first row of a
// "TripFuelRest" answer: the measured `FinalRest` when `FinalRestIndication` is
// non-zero (even when it is 0), else `FuelRest` + `FuelTaken` - `FuelByNorm`.
// No record set, no rows or a cursor at its end give 0.
double carriedFuelRest(const vx::RecordsetPtr& previous);

// The argument of "LastTrip": the vehicle's object id, a date as text and the
// sheet to leave out, each quoted, e.g. 'O4000400123','2999.12.31',''.
QString lastTripArgument(const QString& vehicleId, const QString& dateText, const QString& sheetToLeaveOut);
// The argument a new sheet asks with: the vehicle's latest sheet.
QString latestTripArgument(const QString& vehicleId);

// The previous sheet's `DistanceEnd` from a "LastTrip" answer; nothing when
// no row came back (the start reading is then left as it was).
std::optional<QVariant> previousEndReading(const vx::RecordsetPtr& lastTrip);

// The actual (measured) rest of tank n at the end: given when the record's
// `FinalRest`n`Indication` is non-zero.
std::optional<double> actualRest(const vx::RecordFields& sheet, int tank);
// Ticked: `FinalRest`n := rest, indication 1. Unticked: both 0. It changes
// only what the next sheet inherits, never the rest by norms.
void setActualRest(const vx::RecordFields& sheet, int tank, std::optional<double> rest);

} // namespace trips
