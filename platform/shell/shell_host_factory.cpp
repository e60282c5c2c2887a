#include "platform/shell/shell_host_factory.h"

namespace shell {

vx::VxRegistrationPtr ShellHostFactory::createRegistration()
{
    if (!target_)
        target_ = std::make_shared<RegisteredTables>();
    return std::make_shared<RegistrationRecorder>(target_);
}

} // namespace shell
