#pragma once

#include "platform/contract/recordset.h"

namespace vx {

// A row source that can search itself: it gives the rows again from the
// first, only those that may show `typed` in a column (folded as vx::search
// folds), found without reading the others. A list view asks it instead of
// reading every row to filter them.
class SearchableRows {
public:
    virtual ~SearchableRows() = default;
    // Null when the rows cannot be read now; an empty text gives every row.
    virtual RowSourcePtr narrowed(const QString& typed) const = 0;
};

} // namespace vx
