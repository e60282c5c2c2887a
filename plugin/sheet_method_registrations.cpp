// The parts of the module that answer the trip sheet editor's hooked methods.

#include "documents/document_hooks.h"
#include "numbering/numbering_hooks.h"
#include "plugin/module_registration.h"

namespace plugin {

void registerSheetMethods()
{
    numbering::installSheetMethods();
    documents::installSheetMethods();
}

} // namespace plugin
