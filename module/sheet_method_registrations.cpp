// The parts of the module that answer the trip sheet editor's hooked methods.

#include "documents/document_hooks.h"
#include "numbering/numbering_hooks.h"
#include "trips/trip_sheet_hooks.h"

namespace trips {

void installModuleSheetMethods()
{
    numbering::installSheetMethods();
    documents::installSheetMethods();
}

} // namespace trips
