// The module's public classes by class name: the registration and security
// headers, a list controller (UI...) and an object editor (UIO...) per object type.

#include "module/class_factory.h"
#include "module/dll_header.h"
#include "module/security_header.h"
#include "module/type_list_controllers.h"
#include "module/type_object_editors.h"
#include "plugin/module_registration.h"
#include "trips/trip_sheet_editor.h"

namespace plugin {
namespace {

template <typename T>
void add(const char* className)
{
    module::registerClass(QLatin1String(className), [] { return std::make_unique<T>(); });
}

} // namespace

void registerClasses()
{
    add<DLLHeader>("DLLHeader");
    add<SecurityHeader>("SecurityHeader");
    add<UI4000100>("UI4000100");
    add<UI4000200>("UI4000200");
    add<UI4000300>("UI4000300");
    add<UI4000400>("UI4000400");
    add<UI4000500>("UI4000500");
    add<UI4000600>("UI4000600");
    add<UI4000700>("UI4000700");
    add<UI4000800>("UI4000800");
    add<UI4000900>("UI4000900");
    add<UI4001000>("UI4001000");
    add<UI4001100>("UI4001100");
    add<UI4001200>("UI4001200");
    add<UIO4000100>("UIO4000100");
    add<UIO4000200>("UIO4000200");
    add<UIO4000300>("UIO4000300");
    add<UIO4000400>("UIO4000400");
    add<UIO4000500>("UIO4000500");
    add<UIO4000600>("UIO4000600");
    add<UIO4000700>("UIO4000700");
    add<UIO4000800>("UIO4000800");
    add<UIO4000900>("UIO4000900");
    add<UIO4001000>("UIO4001000");
    add<UIO4001100>("UIO4001100");
    add<UIO4001200>("UIO4001200");
}

} // namespace plugin
