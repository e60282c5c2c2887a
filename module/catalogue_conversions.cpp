#include "module/catalogue_conversions.h"

#include "platform/contract/number_text.h"
#include "platform/contract/recordset.h"

namespace Catalogue {
namespace {

bool isText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

bool isNullValue(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

// Qt 6 does not call a variant holding a null QString null, and the database
// hands NULL back exactly so: blank text counts as empty.
bool isEmptyValue(const QVariant& value)
{
    return isNullValue(value) || (isText(value) && value.toString().trimmed().isEmpty());
}

// An invalid date is what an emptied date picker hands over.
bool isEmptyDate(const QVariant& value)
{
    return isEmptyValue(value) || (value.typeId() == QMetaType::QDate && !value.toDate().isValid())
        || (value.typeId() == QMetaType::QDateTime && !value.toDateTime().isValid());
}

QVariant converted(const QVariant& value, vx::FieldType type)
{
    bool ok = false;
    QVariant result = vx::Recordset::convert(value, type, &ok);
    if (!ok)
        throw vx::ConversionError(QString(), value, type);
    return result;
}

} // namespace

qint32 LongOrZero(const QVariant& value)
{
    return isEmptyValue(value) ? 0 : converted(value, vx::FieldType::Integer).toInt();
}

qint16 IntegerOrZero(const QVariant& value)
{
    return isEmptyValue(value) ? 0 : qint16(converted(value, vx::FieldType::SmallInt).toInt());
}

double DoubleOrZero(const QVariant& value)
{
    return isEmptyValue(value) ? 0.0 : converted(value, vx::FieldType::Double).toDouble();
}

QString TextOrEmpty(const QVariant& value)
{
    return isNullValue(value) ? QString() : converted(value, vx::FieldType::Text).toString();
}

QDate DateOrDefault(const QVariant& value, const QDate& defaultDate)
{
    if (isEmptyDate(value))
        return defaultDate;
    return converted(value, vx::FieldType::Date).toDate();
}

QDateTime DateTimeOrDefault(const QVariant& value, const QDateTime& defaultMoment)
{
    if (isEmptyDate(value))
        return defaultMoment;
    return converted(value, vx::FieldType::DateTime).toDateTime();
}

double TextToNumber(const QString& text)
{
    return vx::numbers::readLocale(text).value_or(0.0);
}

QString FormatNumberText(const QString& text, int decimals, bool zeroWhenEmpty)
{
    if (const auto number = vx::numbers::readLocale(text))
        return vx::numbers::fixed(*number, decimals);
    return zeroWhenEmpty ? vx::numbers::fixed(0.0, decimals) : QString();
}

} // namespace Catalogue
