// The commands that use a control of the active window as a user would.
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/shell/main_window.h"
#include "platform/shell/script/script_commands.h"
#include "platform/shell/script/script_controls.h"
#include "platform/shell/script/script_runner.h"
#include "platform/shell/script/script_support.h"
#include "platform/shell/script/synthetic_input.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QTabWidget>

namespace shell::script::commands {
namespace {

// Key events go where the keyboard focus is: the control or its inner editor.
QWidget* keyTarget(QWidget* control)
{
    QWidget* focused = QApplication::focusWidget();
    return focused && (focused == control || control->isAncestorOf(focused)) ? focused : control;
}

void sendFocus(QWidget* control, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(control, &event);
}

void enterField(QWidget* control)
{
    control->activateWindow();
    control->setFocus(Qt::TabFocusReason);
    // Without an active window (offscreen, hidden) focus stays where it was;
    // the field still learns that it was entered.
    if (!control->hasFocus() && !control->isAncestorOf(QApplication::focusWidget()))
        sendFocus(control, QEvent::FocusIn);
}

void leaveField(QWidget* control)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused || (focused != control && !control->isAncestorOf(focused))) {
        sendFocus(control, QEvent::FocusOut);
        return;
    }
    for (QWidget* next = control->nextInFocusChain(); next != control; next = next->nextInFocusChain()) {
        if (!control->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    control->clearFocus();
}

void typeCharacter(QWidget* target, QChar ch)
{
    const ushort code = ch.toUpper().unicode();
    const bool plain = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || code == ' ';
    const auto key = plain ? Qt::Key(code) : Qt::Key_unknown;
    input::keyClick(target, key, QString(ch));
}

bool setValue(QWidget* control, const QString& value)
{
    if (auto* edit = qobject_cast<QDateTimeEdit*>(control)) {
        if (const auto moment = vx::dates::readDateTime(value)) {
            edit->setDateTime(*moment);
            return true;
        }
        if (const auto date = vx::dates::readDate(value)) {
            edit->setDate(*date);
            return true;
        }
        return false;
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->findText(value);
        if (index >= 0)
            combo->setCurrentIndex(index);
        return index >= 0;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok)
            spin->setValue(number);
        return ok;
    }
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        const auto number = vx::numbers::readLocale(QString(value).replace(QLatin1Char('.'), QLatin1Char(',')));
        if (number)
            spin->setValue(*number);
        return number.has_value();
    }
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(value);
        return true;
    }
    return false;
}

// Context menus and drops land on a list's viewport, elsewhere on the control.
QWidget* surfaceOf(QWidget* control)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    return area ? area->viewport() : control;
}

} // namespace

void type(Runner& r, const QStringList& a)
{
    QWidget* control = controlFor(r, a.at(0));
    if (!control)
        return;
    enterField(control);
    QWidget* target = keyTarget(control);
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->selectAll();
    else
        input::keyClick(target, Qt::Key_A, QString(), Qt::ControlModifier);
    for (const QChar ch : a.at(1))
        typeCharacter(target, ch);
    leaveField(control);
}

void set(Runner& r, const QStringList& a)
{
    QWidget* control = controlFor(r, a.at(0));
    if (control && !setValue(control, a.at(1)))
        r.fail(QStringLiteral("%1 cannot take %2").arg(a.at(0), a.at(1)));
}

void click(Runner& r, const QStringList& a)
{
    QWidget* control = controlFor(r, a.at(0));
    if (!control)
        return;
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button && !button->isVisible()) {
        button->click();
        return;
    }
    // A check box or option button takes clicks on its indicator and text
    // only, which start at its left edge; any button takes them there.
    const QPoint at = button ? QPoint(qMin(8, control->width() / 2), control->height() / 2) : control->rect().center();
    input::mouseClick(control, at);
}

void rclick(Runner& r, const QStringList& a)
{
    QWidget* control = controlFor(r, a.at(0));
    if (!control)
        return;
    QWidget* surface = surfaceOf(control);
    QPoint at = surface->rect().center();
    if (auto* view = qobject_cast<QAbstractItemView*>(control); view && view->currentIndex().isValid())
        at = view->visualRect(view->currentIndex()).center();
    // A pop-up menu waits in its own event loop; `choose` answers it there.
    r.keepGoing();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
    QApplication::sendEvent(surface, &event);
}

void choose(Runner& r, const QStringList& a)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        r.fail(QStringLiteral("no pop-up menu is open"));
        return;
    }
    for (QAction* action : menu->actions()) {
        if (action->objectName() != a.at(0) && action->text().remove(QLatin1Char('&')) != a.at(0))
            continue;
        if (!action->isEnabled()) {
            r.fail(QStringLiteral("menu item %1 is disabled").arg(a.at(0)));
            menu->close();
            return;
        }
        menu->setActiveAction(action);
        input::keyClick(menu, Qt::Key_Return);
        return;
    }
    r.fail(QStringLiteral("the pop-up menu has no item %1").arg(a.at(0)));
    menu->close();
}

void tab(Runner& r, const QStringList& a)
{
    QWidget* control = controlFor(r, a.at(0));
    auto* tabs = qobject_cast<QTabWidget*>(control);
    auto* bar = tabs ? tabs->tabBar() : qobject_cast<QTabBar*>(control);
    if (!bar) {
        if (control)
            r.fail(QStringLiteral("%1 is not a tab strip").arg(a.at(0)));
        return;
    }
    for (int i = 0; i < bar->count(); ++i) {
        const bool named = bar->tabData(i).toString() == a.at(1) || bar->tabText(i).remove(QLatin1Char('&')) == a.at(1)
                           || (tabs && tabs->widget(i)->objectName() == a.at(1));
        if (named) {
            if (!bar->isTabEnabled(i))
                r.fail(QStringLiteral("tab %1 is disabled").arg(a.at(1)));
            else
                bar->setCurrentIndex(i);
            return;
        }
    }
    r.fail(QStringLiteral("%1 has no tab %2").arg(a.at(0), a.at(1)));
}

void drop(Runner& r, const QStringList& a)
{
    QWidget* control = controlFor(r, a.at(0));
    if (!control)
        return;
    QWidget* surface = surfaceOf(control);
    QMimeData data;
    data.setText(a.at(1));
    const QPoint at = surface->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &enter);
    if (!enter.isAccepted()) {
        r.fail(QStringLiteral("%1 does not take the drop").arg(a.at(0)));
        return;
    }
    QDragMoveEvent move(at, enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QDropEvent dropped(at, enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &dropped);
}

void settle(Runner&, const QStringList&)
{
    settleEvents();
}

void close(Runner& r, const QStringList&)
{
    QWidget* active = r.activeWindow();
    if (active == &r.window()) {
        r.window().close();
        return;
    }
    if (active->isWindow()) {
        active->close();
        return;
    }
    // A card closes as its tab's close button would.
    QTabWidget* tabs = r.window().desktopTabs();
    emit tabs->tabCloseRequested(tabs->indexOf(active));
}

} // namespace shell::script::commands
