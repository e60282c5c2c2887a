#pragma once

#include "platform/contract/recordset.h"

#include <QString>

namespace bo {

class Session;

// The trip sheet list of a period (parameter text and row layout in
// list_queries.h): one node per vehicle in name order, each followed by its
// sheets, newest first. Only the vehicles are read at once (with their counts
// when the period has a start; a list without one is not counted); the sheets
// are read as the record set's rows are wanted, so a list of a million sheets
// opens at once. Vehicles with few sheets are read several at a time; a
// vehicle with many is read a page at a time, each page going on after the
// last sheet given, so a sheet saved meanwhile is neither given twice nor
// shifts the rest.
vx::RecordsetPtr tripListRows(Session& session, const QString& param);

} // namespace bo
