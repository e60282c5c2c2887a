#include "trips/row_value.h"

namespace trips {

QVariant rowValue(const vx::Recordset& rs, int row, QStringView field)
{
    const int column = rs.fieldIndex(field);
    if (column < 0)
        throw vx::UnknownFieldError(field.toString());
    return rs.valueAt(row, column);
}

} // namespace trips
