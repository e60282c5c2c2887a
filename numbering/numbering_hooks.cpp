#include "numbering/numbering_hooks.h"

#include "numbering/sheet_numbering.h"
#include "trips/trip_sheet_hooks.h"

namespace numbering {

void installSheetMethods()
{
    trips::setSheetMethod(QStringLiteral("GetAutoNumber"), getAutoNumber);
    trips::setSheetMethod(QStringLiteral("Validate"), validate);
    trips::setAutoNumberDerivation(deriveAutoNumber);
}

} // namespace numbering
