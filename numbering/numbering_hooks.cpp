#include "numbering/numbering_hooks.h"

namespace numbering {

// Not built yet: nothing is installed.
void installSheetMethods() {}

} // namespace numbering
