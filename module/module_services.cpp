#include "module/module_services.h"

namespace module {
namespace {
vx::VxSPtr& stored()
{
    static vx::VxSPtr services;
    return services;
}
} // namespace

vx::VxSPtr adoptServices(const vx::VxSPtr& services)
{
    if (!stored() && services)
        stored() = services;
    return stored();
}

vx::VxSPtr services()
{
    return stored();
}

void forgetServices()
{
    stored().reset();
}

} // namespace module
