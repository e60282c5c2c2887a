#include "documents/document_hooks.h"

namespace documents {

// Not built yet: nothing is installed.
void installSheetMethods() {}

} // namespace documents
