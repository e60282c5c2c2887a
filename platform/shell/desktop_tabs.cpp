#include "platform/shell/desktop_tabs.h"

#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"
#include "platform/shell/modal_card_window.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

namespace shell {

DesktopTabs::DesktopTabs(QTabWidget* tabs) : QObject(tabs), tabs_(tabs)
{
    tabs_->setTabsClosable(true);
    connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) {
        if (index > 0)
            CloseForm({tabs_->widget(index)});
    });
}

QList<QWidget*> DesktopTabs::cards() const
{
    QList<QWidget*> all;
    for (int i = 1; i < tabs_->count(); ++i)
        all << tabs_->widget(i);
    return all;
}

QString DesktopTabs::titleOf(QWidget* card) const
{
    if (!card->windowTitle().isEmpty())
        return card->windowTitle();
    if (auto* vxCard = dynamic_cast<vx::VxCard*>(card))
        if (vx::VxObjectUIOPtr editor = vxCard->vxObjectUIO())
            return editor->Preview().isEmpty() ? editor->OName() : editor->Preview();
    return card->objectName();
}

void DesktopTabs::AddForm(const vx::CardRef& card)
{
    QWidget* widget = card.widget;
    if (!widget)
        return;
    const int index = tabs_->addTab(widget, titleOf(widget));
    widget->installEventFilter(this);
    tabs_->setCurrentIndex(index);
    widget->setFocus();
}

bool DesktopTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const int index = tabs_->indexOf(widget);
        if (index > 0)
            tabs_->setTabText(index, titleOf(widget));
    }
    return QObject::eventFilter(watched, event);
}

void DesktopTabs::removeCard(QWidget* card)
{
    const int index = tabs_->indexOf(card);
    if (index > 0)
        tabs_->removeTab(index);
    card->removeEventFilter(this);
    card->deleteLater();
}

void DesktopTabs::CloseForm(const vx::CardRef& card)
{
    QWidget* widget = card.widget;
    // A card in the host's modal window closes that window, which asks the card.
    if (auto* window = widget ? qobject_cast<ModalCardWindow*>(widget->window()) : nullptr) {
        window->reject();
        return;
    }
    if (!widget || tabs_->indexOf(widget) <= 0)
        return;
    if (auto* vxCard = vx::cardOf(card); vxCard && !vxCard->QueryRemove())
        return;
    removeCard(widget);
}

QList<QWidget*> DesktopTabs::cardsShowing(const QString& oidr) const
{
    QList<QWidget*> showing;
    for (QWidget* card : cards())
        if (auto* vxCard = dynamic_cast<vx::VxCard*>(card))
            if (vx::VxObjectUIOPtr editor = vxCard->vxObjectUIO(); editor && editor->OIDR() == oidr)
                showing << card;
    return showing;
}

void DesktopTabs::RemoveVxObject(const QString& oidr)
{
    for (QWidget* card : cardsShowing(oidr))
        removeCard(card);
    emit refreshRequested(vx::oid::typeId(oidr));
}

void DesktopTabs::RefreshVxObject(const QString& oidr)
{
    emit refreshRequested(vx::oid::typeId(oidr));
}

bool DesktopTabs::LeaveObject(const QString& oidr, bool askUser)
{
    if (!askUser)
        return false;
    for (QWidget* card : cardsShowing(oidr))
        if (auto* vxCard = dynamic_cast<vx::VxCard*>(card); vxCard && !vxCard->QueryRemove())
            return true;
    return false;
}

void DesktopTabs::ReassignForm(const QString&, const vx::CardRef& card, bool refresh)
{
    const int index = tabs_->indexOf(card.widget);
    if (index > 0)
        tabs_->setTabText(index, titleOf(card.widget));
    if (refresh)
        if (auto* vxCard = vx::cardOf(card))
            if (vx::VxObjectUIOPtr editor = vxCard->vxObjectUIO())
                emit refreshRequested(vx::oid::typeId(editor->OIDR()));
}

bool DesktopTabs::closeAll()
{
    for (QWidget* card : cards()) {
        if (auto* vxCard = dynamic_cast<vx::VxCard*>(card); vxCard && !vxCard->QueryRemove()) {
            tabs_->setCurrentWidget(card);
            return false;
        }
        removeCard(card);
    }
    return true;
}

} // namespace shell
