// The command that presses keys, as a person at the keyboard would.
#include "platform/shell/script/script_commands.h"
#include "platform/shell/script/script_controls.h"
#include "platform/shell/script/script_runner.h"
#include "platform/shell/script/synthetic_input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QWidget>

namespace shell::script::commands {
namespace {

// What a keyboard types with the key: letters, digits and a few control
// characters; nothing under Ctrl or Meta.
QString typedText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar letter = QChar(ushort(key));
        return QString(modifiers & Qt::ShiftModifier ? letter : letter.toLower());
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space)
        return QString(QChar(ushort(key)));
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    default:
        return {};
    }
}

// The keys go to the focused control of the window the user looks at; with
// none focused there, to that window.
QWidget* keyTarget(Runner& r)
{
    QWidget* active = r.activeWindow();
    QWidget* focused = active->window()->focusWidget();
    return focused && (focused == active || active->isAncestorOf(focused)) ? focused : active;
}

// A button pressed by its mnemonic clicks a moment later (Qt animates the
// press); a person's next key comes later still, so the script waits for it.
void letAnimatedClicksFinish()
{
    QElapsedTimer clock;
    clock.start();
    const auto anyDown = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            for (const QAbstractButton* button : top->findChildren<QAbstractButton*>())
                if (button->isDown())
                    return true;
        return false;
    };
    while (anyDown() && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

void key(Runner& r, const QStringList& a)
{
    const QKeySequence keys = QKeySequence::fromString(a.at(0), QKeySequence::PortableText);
    if (keys.isEmpty() || keys[0].key() == Qt::Key_unknown) {
        r.fail(QStringLiteral("no key %1").arg(a.at(0)));
        return;
    }
    for (int i = 0; i < keys.count(); ++i) {
        Qt::Key key = keys[i].key();
        const Qt::KeyboardModifiers modifiers = keys[i].keyboardModifiers();
        // A keyboard reports Shift+Tab as the back-tab key.
        if (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))
            key = Qt::Key_Backtab;
        input::keyClick(keyTarget(r), key, typedText(key, modifiers), modifiers);
        if (modifiers & Qt::AltModifier)
            letAnimatedClicksFinish();
    }
}

} // namespace shell::script::commands
