#pragma once

#include "platform/shell/host_services.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/shell_host_factory.h"
#include "tests/support/store_fixture.h"

#include <memory>

// A store with the real host around it: the shell's host factory installed
// and the host services over the store (no module loaded).
class HostFixture : public StoreFixture {
protected:
    void SetUp() override
    {
        StoreFixture::SetUp();
        if (IsSkipped())
            return;
        factory = std::make_shared<shell::ShellHostFactory>();
        factory->setSession(sessionPtr());
        vx::setHostFactory(factory);
        services = std::make_shared<shell::HostServices>(sessionPtr(), loader);
    }

    void TearDown() override
    {
        services.reset();
        vx::setHostFactory(nullptr);
        StoreFixture::TearDown();
    }

    shell::ModuleLoader loader;
    std::shared_ptr<shell::ShellHostFactory> factory;
    std::shared_ptr<shell::HostServices> services;
};
