#pragma once

#include "platform/contract/host_records.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/registration_recorder.h"

#include <QStringList>

#include <optional>

namespace shell {

class ShellHostFactory;

// Everything a module hands the host when it is loaded.
struct ModuleTables {
    QString libraryName;
    RegisteredTables registration;
    vx::ComponentEntries components;
};

// Creates the module's DLLHeader and SecurityHeader and calls DllInicialize and
// GetComponentList once each. Nothing when the library cannot be loaded or lacks
// the two classes; `error` then says why.
std::optional<ModuleTables> readModuleTables(ModuleLoader& loader, ShellHostFactory& factory,
                                             const QString& libraryName, QString* error = nullptr);

// The tables as tab-separated lines, one item per line, in call order.
QStringList describeModuleTables(const ModuleTables& tables);

} // namespace shell
