#include "platform/bo/recordset_text.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"

namespace bo {
namespace {

QString escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

} // namespace

QString valueText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return vx::dates::toText(value.toDate());
    case QMetaType::QDateTime:
        return vx::dates::toText(value.toDateTime(), true);
    case QMetaType::Double:
    case QMetaType::Float:
        return vx::numbers::plain(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return escaped(value.toString());
    }
}

QStringList describeRecordset(const vx::Recordset& rs)
{
    QStringList lines{rs.fieldNames().join(QLatin1Char('\t'))};
    for (int row = 0; row < rs.RecordCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < rs.fieldCount(); ++column)
            cells << valueText(rs.valueAt(row, column));
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace bo
