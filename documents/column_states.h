#pragma once

#include "documents/print_tables.h"

#include <QHash>
#include <QString>

namespace vx {
class VxEnvironment;
}

// Which columns of a print table are printed, as the user chose in the print
// parameters dialog and the host's setting store keeps it: per table one
// setting "TransportTripPrintParameters" + table key (object type "O4000100",
// no section) whose value lists field name and state code alternately,
// separated by "#" ("Date#0#TransportRouteName#0#TransportRouteDistance#2").
namespace documents {

// "0" always printed (cannot be switched off), "1" printed, "2" not printed.
enum class ColumnState { Always = 0, Printed = 1, Hidden = 2 };

using ColumnStates = QHash<QString, ColumnState>; // by field name

QString settingKey(const QString& tableKey);

// Reads a stored value; pairs with an unknown state code, and a trailing
// name without a state, are left out. An empty value gives no states.
ColumnStates parseStates(const QString& stored);
// Writes the value for the table's columns in order.
QString joinStates(const PrintTable& table, const ColumnStates& states);

// The state a column has: the stored one, else "always" for the always-printed
// defaults and "printed" for every other column.
ColumnState stateOf(const PrintColumn& column, const ColumnStates& states);

ColumnStates readStates(vx::VxEnvironment& environment, const QString& tableKey);
void writeStates(vx::VxEnvironment& environment, const QString& tableKey, const QString& value);

// The table with only the columns to be printed, the widths of the columns
// switched off handed to the wide text columns (route name and driver, firm).
// Stored names that are not columns of the table are ignored.
PrintTable printedColumns(const PrintTable& table, const ColumnStates& states);

// The same with the states stored for the table; without services, all defaults.
PrintTable printedColumns(const QString& tableKey);

} // namespace documents
