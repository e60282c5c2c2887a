#pragma once

#include "platform/contract/recordset.h"

// A field of any row of a record set, read without moving its cursor (a card
// may be walking the same set). An unknown field throws vx::UnknownFieldError,
// as reading through the cursor does.
namespace trips {

QVariant rowValue(const vx::Recordset& rs, int row, QStringView field);

} // namespace trips
