#pragma once

#include "platform/contract/host_factory.h"
#include "platform/shell/registration_recorder.h"

namespace shell {

// The host's factory for the objects a module creates itself. Registration
// objects record into the tables of the module being loaded.
class ShellHostFactory : public vx::HostFactory {
public:
    vx::VxRegistrationPtr createRegistration() override;

    // The tables the next registration objects record into.
    void setRegistrationTarget(std::shared_ptr<RegisteredTables> tables) { target_ = std::move(tables); }

private:
    std::shared_ptr<RegisteredTables> target_;
};

} // namespace shell
