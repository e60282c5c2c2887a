#include "platform/contract/message_door.h"

#include <QApplication>
#include <QDialog>

namespace vx::messages {
namespace {

QMessageBox::StandardButton showBox(const QString& text, const QString& title, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons)
{
    // The label would show "\r" as a stray character.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, shown, buttons, QApplication::activeWindow());
    return QMessageBox::StandardButton(box.exec());
}

Handler& installed()
{
    static Handler handler = showBox;
    return handler;
}

} // namespace

Handler setHandler(Handler handler)
{
    Handler previous = std::move(installed());
    installed() = handler ? std::move(handler) : Handler(showBox);
    return previous;
}

QMessageBox::StandardButton show(const QString& text, const QString& title, QMessageBox::Icon icon,
                                 QMessageBox::StandardButtons buttons)
{
    return installed()(text, title, icon, buttons);
}

} // namespace vx::messages

namespace vx::dialogs {
namespace {

int execDialog(QDialog& dialog)
{
    return dialog.exec();
}

Runner& installed()
{
    static Runner runner = execDialog;
    return runner;
}

} // namespace

Runner setRunner(Runner runner)
{
    Runner previous = std::move(installed());
    installed() = runner ? std::move(runner) : Runner(execDialog);
    return previous;
}

int run(QDialog& dialog)
{
    return installed()(dialog);
}

} // namespace vx::dialogs
