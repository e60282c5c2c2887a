#pragma once

#include "platform/contract/recordset.h"

#include <QString>
#include <QStringList>

namespace bo {

// A record set as lines of text for the command line: a header line of field
// names, then one line per row, values separated by tabs. Dates read
// yyyy.MM.dd (date-times add HH:mm unless at midnight), numbers use the app's
// number format, nulls are empty. Tabs, line breaks and backslashes inside
// texts are written as \t, \n, \r and \\ so every row stays on one line.
QStringList describeRecordset(const vx::Recordset& rs);

// One value as describeRecordset writes it.
QString valueText(const QVariant& value);

} // namespace bo
