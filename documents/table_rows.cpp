#include "documents/table_rows.h"

namespace documents {

RowLook rowLook(const WordTable& table, qsizetype row)
{
    const QStringList& cells = table.rows.at(row);
    const bool firstEmpty = cells.value(0).isEmpty();
    RowLook look;
    look.joinFirstTwo = firstEmpty && table.columns.size() > 1 && !cells.value(1).isEmpty();
    look.totalsLine = firstEmpty && !look.joinFirstTwo;
    look.bold = firstEmpty;
    return look;
}

} // namespace documents
