#include "platform/shell/list_commands.h"

#include <QHash>
#include <QStringList>

namespace shell {

bool takesListCommand(const QString& typeId, const QString& command)
{
    static const QHash<QString, QStringList> taken = {
        {QStringLiteral("O4000400"), {listCommands::filter, listCommands::showAll}},
        {QStringLiteral("O4000800"), {listCommands::filter, listCommands::showAll}},
        {QStringLiteral("O4000600"), {listCommands::showAll}},
    };
    return taken.value(typeId).contains(command);
}

} // namespace shell
