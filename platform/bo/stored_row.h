#pragma once

#include "platform/contract/recordset.h"

#include <QVariant>

#include <functional>

namespace bo {

// One row of a statement while it is being read, each value taken from the
// store when it is asked for: a long list makes its rows from these without
// first copying every value into a row of its own.
class StoredRow {
public:
    virtual ~StoredRow() = default;
    virtual int size() const = 0;
    // The value as Database::query gives it.
    virtual QVariant value(int column) const = 0;
    // The value as a record set column of `type` holds it; as value() gives
    // it when it cannot be converted, and then `allTyped` is set to false
    // (the record set converting the row says why).
    virtual QVariant typed(int column, vx::FieldType type, bool& allTyped) const = 0;
};

// Each row of a statement in turn. It must not run statements of its own.
using StoredRowReader = std::function<void(const StoredRow&)>;

// A value converted to a column type, or left as it is when it cannot be
// (`allTyped` then set to false).
inline QVariant typedOrAsIs(const QVariant& value, vx::FieldType type, bool& allTyped)
{
    bool ok = false;
    QVariant converted = vx::Recordset::convert(value, type, &ok);
    allTyped = allTyped && ok;
    return ok ? converted : value;
}

} // namespace bo
