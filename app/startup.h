#pragma once

#include "platform/shell/module_tables.h"
#include "platform/shell/shell_host_factory.h"

#include <memory>
#include <optional>

// What both programs do first: install the host factory, make sure the bundled
// module is registered and read what it registers.
struct Startup {
    std::shared_ptr<shell::ShellHostFactory> factory;
    std::unique_ptr<shell::ModuleLoader> loader;
    std::optional<shell::ModuleTables> tables;
    QString error; // why the module could not be loaded
};

inline const QString bundledLibraryName = QStringLiteral("Kelmira");

Startup startModule();
