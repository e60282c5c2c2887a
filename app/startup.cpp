#include "app/startup.h"

#include "platform/contract/host_factory.h"

Startup startModule()
{
    Startup s;
    s.factory = std::make_shared<shell::ShellHostFactory>();
    vx::setHostFactory(s.factory);
    s.loader = std::make_unique<shell::ModuleLoader>();
    QString error;
    if (!s.loader->ensureBundledRegistered(bundledLibraryName, &error)) {
        s.error = error;
        return s;
    }
    s.tables = shell::readModuleTables(*s.loader, *s.factory, bundledLibraryName, &error);
    if (!s.tables)
        s.error = error;
    return s;
}
