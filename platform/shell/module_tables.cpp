#include "platform/shell/module_tables.h"

#include "platform/contract/vx_header.h"
#include "platform/shell/shell_host_factory.h"

namespace shell {

std::optional<ModuleTables> readModuleTables(ModuleLoader& loader, ShellHostFactory& factory,
                                             const QString& libraryName, QString* error)
{
    auto header = std::dynamic_pointer_cast<vx::VxHeader>(loader.create(libraryName, QStringLiteral("DLLHeader"), error));
    if (!header)
        return std::nullopt;
    auto security = std::dynamic_pointer_cast<vx::VxHeaderSecurity>(
        loader.create(libraryName, QStringLiteral("SecurityHeader"), error));
    if (!security)
        return std::nullopt;

    auto recorded = std::make_shared<RegisteredTables>();
    factory.setRegistrationTarget(recorded);
    header->DllInicialize();
    factory.setRegistrationTarget(nullptr);

    ModuleTables tables;
    tables.libraryName = libraryName;
    tables.registration = *recorded;
    tables.components = security->GetComponentList();
    return tables;
}

QStringList describeModuleTables(const ModuleTables& tables)
{
    const QChar tab = QLatin1Char('\t');
    QStringList lines;
    for (const RegistrationCall& call : tables.registration.calls)
        lines << (QStringList{call.kind} + call.fields).join(tab);
    for (const vx::ComponentEntry& entry : tables.components)
        lines << QStringList{QStringLiteral("component"), entry.Info, entry.Key, entry.Caption,
                             QString::number(entry.Kind)}
                     .join(tab);
    return lines;
}

} // namespace shell
