// The library's description and its four entry points, with C linkage so the
// host finds them by name. Everything else in the library is hidden.

#include "kelmira/plugin_build.h"
#include "module/class_factory.h"
#include "module/live_objects.h"
#include "module/registration_tables.h"
#include "platform/contract/library_registry.h"
#include "platform/contract/plugin_api.h"

#include <dlfcn.h>

namespace {

// Read by the host from the file before it loads the library.
[[gnu::section(KELMIRA_PLUGIN_SECTION), gnu::used]] constexpr vx::plugin::Description description =
    vx::plugin::describe(module::libraryNameText, vx::plugin::contractVersion, vx::plugin::buildId);

// The file this library was loaded from.
QString ownPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ownPath), &info) == 0 || !info.dli_fname)
        return QString();
    return QString::fromLocal8Bit(info.dli_fname);
}
} // namespace

extern "C" {

__attribute__((visibility("default"))) int vxRegisterLibrary()
{
    const QString path = ownPath();
    if (path.isEmpty())
        return 1;
    return vx::LibraryRegistry().add(module::libraryName, path) ? 0 : 2;
}

__attribute__((visibility("default"))) int vxUnregisterLibrary()
{
    return vx::LibraryRegistry().remove(module::libraryName) ? 0 : 1;
}

__attribute__((visibility("default"))) vx::ClassObject* vxGetClassObject(const char* className, QString* error)
{
    if (!className) {
        if (error)
            *error = QStringLiteral("Nenurodytas klasės vardas.");
        return nullptr;
    }
    return module::createRawClassObject(QString::fromUtf8(className), error);
}

__attribute__((visibility("default"))) bool vxCanUnloadNow()
{
    return LiveObject::count() == 0;
}

} // extern "C"

// The entry points must keep the host's expected signatures.
static_assert(std::is_same_v<decltype(&vxRegisterLibrary), vx::plugin::RegisterFunction>);
static_assert(std::is_same_v<decltype(&vxUnregisterLibrary), vx::plugin::UnregisterFunction>);
static_assert(std::is_same_v<decltype(&vxGetClassObject), vx::plugin::GetClassObjectFunction>);
static_assert(std::is_same_v<decltype(&vxCanUnloadNow), vx::plugin::CanUnloadFunction>);
