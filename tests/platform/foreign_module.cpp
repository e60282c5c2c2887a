// A component library from another build: its entry points are all there, but
// its description differs from this build's in one piece (chosen by the
// compile definition FOREIGN_CONTRACT, FOREIGN_BUILD or FOREIGN_NAME). Any of
// its code that runs — a static initialiser or an entry point — leaves a mark
// in the environment, so a test sees whether the host ran it.

#include "kelmira/plugin_build.h"
#include "platform/contract/plugin_api.h"

#include <cstdlib>

namespace {

#if defined(FOREIGN_CONTRACT)
constexpr int contract = vx::plugin::contractVersion + 1;
#else
constexpr int contract = vx::plugin::contractVersion;
#endif
#if defined(FOREIGN_BUILD)
constexpr char build[] = "0000000000000000";
#else
constexpr const char* build = vx::plugin::buildId;
#endif
#if defined(FOREIGN_NAME)
constexpr char name[] = "Kitas";
#else
constexpr char name[] = "Svetimas";
#endif

[[gnu::section(KELMIRA_PLUGIN_SECTION), gnu::used]] constexpr vx::plugin::Description description =
    vx::plugin::describe(name, contract, build);

int ran()
{
    return setenv("KELMIRA_FOREIGN_MODULE_RAN", "1", 1);
}

[[maybe_unused]] const int loaded = ran();

} // namespace

extern "C" {
__attribute__((visibility("default"))) int vxRegisterLibrary()
{
    return ran() == 0 ? 0 : 1;
}
__attribute__((visibility("default"))) int vxUnregisterLibrary()
{
    return ran() == 0 ? 0 : 1;
}
__attribute__((visibility("default"))) vx::ClassObject* vxGetClassObject(const char*, QString*)
{
    ran();
    return nullptr;
}
__attribute__((visibility("default"))) bool vxCanUnloadNow()
{
    return ran() == 0;
}
}
