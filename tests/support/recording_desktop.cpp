#include "tests/support/recording_desktop.h"

#include <QWidget>

namespace testhost {

void RecordingDesktop::AddForm(const vx::CardRef& card)
{
    log_.append(QStringLiteral("Desktop.AddForm(%1)").arg(card.widget ? card.widget->objectName() : QString()));
    cards.append(card);
}

void RecordingDesktop::CloseForm(const vx::CardRef& card)
{
    log_.append(QStringLiteral("Desktop.CloseForm(%1)").arg(card.widget ? card.widget->objectName() : QString()));
    cards.removeIf([&](const vx::CardRef& kept) { return kept.widget == card.widget; });
    if (card.widget)
        card.widget->deleteLater();
}

void RecordingDesktop::RemoveVxObject(const QString& oidr)
{
    log_.append(QStringLiteral("Desktop.RemoveVxObject(%1)").arg(oidr));
}

void RecordingDesktop::RefreshVxObject(const QString& oidr)
{
    log_.append(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(oidr));
}

bool RecordingDesktop::LeaveObject(const QString& oidr, bool askUser)
{
    log_.append(QStringLiteral("Desktop.LeaveObject(%1, %2)").arg(oidr).arg(askUser));
    return staysOnObject;
}

void RecordingDesktop::ReassignForm(const QString& oldOidr, const vx::CardRef& card, bool refresh)
{
    log_.append(QStringLiteral("Desktop.ReassignForm(%1, %2, %3)")
                    .arg(oldOidr, card.widget ? card.widget->objectName() : QString())
                    .arg(refresh));
}

} // namespace testhost
