#include "platform/shell/script/synthetic_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace shell::script::input {
namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A real press focuses the nearest widget that takes focus on a click; an
// event sent by hand does not, so do it here.
void focusAsAClickWould(QWidget* target)
{
    for (QWidget* w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
            w->setFocus(Qt::MouseFocusReason);
            return;
        }
    }
}

} // namespace

void keyClick(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void mouseClick(QWidget* target, QPoint at)
{
    focusAsAClickWould(target);
    sendMouse(target, QEvent::MouseButtonPress, at);
    sendMouse(target, QEvent::MouseButtonRelease, at);
}

void mouseDoubleClick(QWidget* target, QPoint at)
{
    mouseClick(target, at);
    sendMouse(target, QEvent::MouseButtonPress, at);
    sendMouse(target, QEvent::MouseButtonDblClick, at);
    sendMouse(target, QEvent::MouseButtonRelease, at);
}

} // namespace shell::script::input
