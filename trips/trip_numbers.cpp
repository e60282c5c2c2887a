#include "trips/trip_numbers.h"

#include "platform/contract/number_text.h"
#include "platform/contract/recordset.h"

namespace trips::numbers {

QString fuel(double litres)
{
    return vx::numbers::fixed(litres, 3);
}

QString plain(double value)
{
    return vx::numbers::plain(value);
}

QString amount(double value)
{
    return vx::numbers::fixed(value, 2);
}

QString rate(double value)
{
    return vx::numbers::fixed(value, 4);
}

double readDistance(QStringView text)
{
    return vx::numbers::readPrefix(text);
}

double readFuel(QStringView text, const QString& field)
{
    if (const std::optional<double> value = vx::numbers::readLocale(text))
        return *value;
    throw vx::ConversionError(field, text.toString(), vx::FieldType::Double);
}

} // namespace trips::numbers
