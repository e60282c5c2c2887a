#include "plugin/module_registration.h"

namespace {

// Runs while the code is loaded — when the host loads the plugin, or when a
// test binary that links the module's code starts — so every registry is
// filled before its first use, and a caller that replaces an entry replaces
// the module's own.
[[maybe_unused]] const bool registered = [] {
    plugin::registerClasses();
    plugin::registerCards();
    plugin::registerSheetMethods();
    return true;
}();

} // namespace
