#include "platform/contract/message_door.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

#include <cstdio>

namespace vx::messages {
namespace {

// The captions of the box being shown, while it is shown.
ButtonCaptions& currentCaptions()
{
    static ButtonCaptions captions;
    return captions;
}

QMessageBox::StandardButton showBox(const QString& text, const QString& title, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons)
{
    // The label would show "\r" as a stray character.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(shown));
        return escapeButton(buttons);
    }
    QMessageBox box(icon, title, shown, buttons, QApplication::activeWindow());
    for (const auto& [button, caption] : currentCaptions())
        if (QAbstractButton* shownButton = box.button(button))
            shownButton->setText(caption);
    return QMessageBox::StandardButton(box.exec());
}

Handler& installed()
{
    static Handler handler = showBox;
    return handler;
}

} // namespace

QMessageBox::StandardButton escapeButton(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (buttons.testFlag(b))
            return b;
    return QMessageBox::NoButton;
}

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

QMessageBox::StandardButton show(const QString& text, const QString& title, QMessageBox::Icon icon,
                                 QMessageBox::StandardButtons buttons, const ButtonCaptions& captions)
{
    struct Shown {
        explicit Shown(const ButtonCaptions& c) { currentCaptions() = c; }
        ~Shown() { currentCaptions().clear(); }
        Shown(const Shown&) = delete;
        Shown& operator=(const Shown&) = delete;
    } shown(captions);
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
