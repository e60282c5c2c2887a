#include "platform/shell/shell_host_factory.h"

namespace shell {

vx::VxRegistrationPtr ShellHostFactory::createRegistration()
{
    if (!target_)
        target_ = std::make_shared<RegisteredTables>();
    return std::make_shared<RegistrationRecorder>(target_);
}

vx::VxObjectUIPtr ShellHostFactory::createGenericList(const QString& objectType)
{
    return session_ ? session_->createList(objectType) : nullptr;
}

vx::VxObjectUIOPtr ShellHostFactory::createGenericEditor(const QString& objectType)
{
    return session_ ? session_->createEditor(objectType) : nullptr;
}

} // namespace shell
