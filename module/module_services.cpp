#include "module/module_services.h"

namespace module {
namespace {
// Held weakly: the host owns its services, and when that host is gone (a test
// closing its window, say) the next host's services are taken instead of a
// dangling one.
std::weak_ptr<vx::VxS>& stored()
{
    static std::weak_ptr<vx::VxS> services;
    return services;
}
} // namespace

vx::VxSPtr adoptServices(const vx::VxSPtr& services)
{
    if (stored().expired() && services)
        stored() = services;
    return stored().lock();
}

vx::VxSPtr services()
{
    return stored().lock();
}

void forgetServices()
{
    stored().reset();
}

} // namespace module
