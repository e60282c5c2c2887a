#include "platform/shell/script/script_commands.h"

#include "platform/shell/script/script_runner.h"

#include <QHash>

namespace shell::script {
namespace {

struct Command {
    void (*run)(Runner&, const QStringList&);
    int least;
    int most;
};

const QHash<QString, Command>& table()
{
    using namespace commands;
    static const QHash<QString, Command> commands = {
        {QStringLiteral("node"), {node, 1, 1}},
        {QStringLiteral("menu"), {menu, 2, 2}},
        {QStringLiteral("open"), {open, 1, 1}},
        {QStringLiteral("type"), {type, 2, 2}},
        {QStringLiteral("key"), {key, 1, 1}},
        {QStringLiteral("set"), {set, 2, 2}},
        {QStringLiteral("click"), {click, 1, 1}},
        {QStringLiteral("rclick"), {rclick, 1, 1}},
        {QStringLiteral("choose"), {choose, 1, 1}},
        {QStringLiteral("tab"), {tab, 2, 2}},
        {QStringLiteral("select"), {select, 2, 2}},
        {QStringLiteral("dblclick"), {dblclick, 2, 2}},
        {QStringLiteral("drop"), {drop, 2, 2}},
        {QStringLiteral("settle"), {settle, 0, 0}},
        {QStringLiteral("close"), {close, 0, 0}},
        {QStringLiteral("answer"), {answer, 1, 1}},
        {QStringLiteral("pick"), {pick, 1, 1}},
        {QStringLiteral("pickrow"), {pickrow, 1, 1}},
        {QStringLiteral("period"), {period, 2, 2}},
        {QStringLiteral("filter"), {filter, 1, 1}},
        {QStringLiteral("file"), {file, 1, 1}},
        {QStringLiteral("expect"), {expect, 2, 3}},
        {QStringLiteral("expectmsg"), {expectmsg, 1, 3}},
        {QStringLiteral("nomsg"), {nomsg, 0, 0}},
        {QStringLiteral("dump"), {dump, 0, 0}},
        {QStringLiteral("messages"), {messages, 0, 0}},
        {QStringLiteral("screenshot"), {screenshot, 1, 2}},
    };
    return commands;
}

} // namespace

void runCommand(Runner& runner, const QStringList& words)
{
    const auto found = table().constFind(words.value(0));
    if (found == table().constEnd()) {
        runner.fail(QStringLiteral("unknown command %1").arg(words.value(0)));
        return;
    }
    const QStringList arguments = words.mid(1);
    if (arguments.size() < found->least || arguments.size() > found->most) {
        runner.fail(found->least == found->most
                        ? QStringLiteral("%1 takes %2 argument(s)").arg(words.first()).arg(found->least)
                        : QStringLiteral("%1 takes %2 to %3 arguments").arg(words.first()).arg(found->least).arg(found->most));
        return;
    }
    found->run(runner, arguments);
}

} // namespace shell::script
