// The commands that queue answers for message boxes and host dialogs.
#include "platform/contract/date_text.h"
#include "platform/shell/script/script_commands.h"
#include "platform/shell/script/script_runner.h"

#include <QDir>

namespace shell::script::commands {

void answer(Runner& r, const QStringList& a)
{
    const QMessageBox::StandardButton button = Answers::buttonNamed(a.at(0));
    if (button == QMessageBox::NoButton)
        r.fail(QStringLiteral("unknown button %1 (Yes, No, OK, Cancel)").arg(a.at(0)));
    else
        r.answers().queueButton(button);
}

void pick(Runner& r, const QStringList& a)
{
    r.answers().queuePick(a.at(0));
}

void pickrow(Runner& r, const QStringList& a)
{
    bool ok = false;
    const int row = a.at(0).toInt(&ok);
    if (!ok || row < -1)
        r.fail(QStringLiteral("pickrow takes a row number or -1"));
    else
        r.answers().queueRow(row);
}

void period(Runner& r, const QStringList& a)
{
    PeriodAnswer answer;
    if (a.at(0) == QLatin1String("days")) {
        bool ok = false;
        answer.days = a.at(1).toInt(&ok);
        if (!ok || answer.days < 0) {
            r.fail(QStringLiteral("period days takes a number of days"));
            return;
        }
    } else {
        const auto from = vx::dates::readDate(a.at(0));
        const auto to = vx::dates::readDate(a.at(1));
        if (!from || !to) {
            r.fail(QStringLiteral("period takes two dates yyyy.MM.dd"));
            return;
        }
        answer.from = *from;
        answer.to = *to;
    }
    r.answers().queuePeriod(answer);
}

void filter(Runner& r, const QStringList& a)
{
    r.answers().queueFilter(a.at(0));
}

void file(Runner& r, const QStringList& a)
{
    // A relative path is taken from the directory the program was started in,
    // as on a command line, not from the folder the dialog happens to show.
    r.answers().queueFile(a.at(0) == QLatin1String("-") ? a.at(0) : QDir::current().absoluteFilePath(a.at(0)));
}

} // namespace shell::script::commands
