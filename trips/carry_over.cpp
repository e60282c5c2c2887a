#include "trips/carry_over.h"

#include "module/catalogue_conversions.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "trips/row_value.h"
#include "trips/trip_sheet_fields.h"

namespace trips {
namespace {

double numberAt(const vx::Recordset& rs, QStringView field)
{
    return Catalogue::DoubleOrZero(rowValue(rs, 0, field));
}

bool hasFirstRow(const vx::RecordsetPtr& rs)
{
    return rs && rs->RecordCount() > 0 && !rs->isEOF();
}

} // namespace

QString tripFuelRestArgument(const QString& vehicleId, qint64 tankTypeId, const QString& dateText,
                             const QString& sheetId)
{
    return vx::arguments::write({vx::oid::recordNumber(vehicleId), tankTypeId, dateText, sheetId});
}

double carriedFuelRest(const vx::RecordsetPtr& previous)
{
    if (!hasFirstRow(previous))
        return 0.0;
    if (Catalogue::LongOrZero(rowValue(*previous, 0, u"FinalRestIndication")) != 0)
        return numberAt(*previous, u"FinalRest");
    return numberAt(*previous, u"FuelRest") + numberAt(*previous, u"FuelTaken") - numberAt(*previous, u"FuelByNorm");
}

QString lastTripArgument(const QString& vehicleId, const QString& dateText, const QString& sheetToLeaveOut)
{
    return vx::arguments::write({vehicleId, dateText, sheetToLeaveOut});
}

QString latestTripArgument(const QString& vehicleId)
{
    return lastTripArgument(vehicleId, vx::dates::openEndText(), QString());
}

std::optional<QVariant> previousEndReading(const vx::RecordsetPtr& lastTrip)
{
    if (!lastTrip || lastTrip->RecordCount() == 0)
        return std::nullopt;
    return rowValue(*lastTrip, 0, u"DistanceEnd");
}

std::optional<double> actualRest(const vx::RecordFields& sheet, int tank)
{
    if (Catalogue::LongOrZero(sheet.value(fields::finalRestIndication(tank))) == 0)
        return std::nullopt;
    return Catalogue::DoubleOrZero(sheet.value(fields::finalRest(tank)));
}

void setActualRest(const vx::RecordFields& sheet, int tank, std::optional<double> rest)
{
    sheet.setValue(fields::finalRest(tank), rest.value_or(0.0));
    sheet.setValue(fields::finalRestIndication(tank), rest ? 1 : 0);
}

} // namespace trips
