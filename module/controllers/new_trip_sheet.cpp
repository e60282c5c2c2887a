#include "module/controllers/new_trip_sheet.h"

#include "platform/contract/clock.h"

namespace NewTripSheet {

void startBlank(vx::VxObjectUIO& sheet)
{
    const vx::RecordFields fields = sheet.Fields();
    fields.setValue(QStringLiteral("Date"), vx::clock::today());
    fields.setValue(QStringLiteral("DateTo"), QVariant());
    fields.setValue(QStringLiteral("TransportCarID"), 0);
    fields.setValue(QStringLiteral("UserID"), 0);
}

void finish(vx::VxObjectUIO& sheet)
{
    sheet.setOType(QStringLiteral("Trip"));
}

} // namespace NewTripSheet
