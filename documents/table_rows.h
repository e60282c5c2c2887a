#pragma once

#include "documents/document_body.h"

// How a body row of an exported table is set, the same in every document
// kind. A row whose first cell is empty closes a part of the table: when its
// second cell holds text the first two cells become one, centred, at
// 10 points; otherwise it gets a double line above. Only such rows are bold.
namespace documents {

struct RowLook {
    bool bold = false;
    bool joinFirstTwo = false;
    bool totalsLine = false;
};

RowLook rowLook(const WordTable& table, qsizetype row);

} // namespace documents
