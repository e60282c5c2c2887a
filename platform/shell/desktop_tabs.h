#pragma once

#include "platform/contract/vx_services.h"

#include <QObject>

class QTabWidget;

namespace shell {

// The desktop: cards open as tabs beside the list page (tab 0).
class DesktopTabs final : public QObject, public vx::VxDesktop {
    Q_OBJECT
public:
    explicit DesktopTabs(QTabWidget* tabs);

    void AddForm(const vx::CardRef& card) override;
    // Asks the card first; a card that refuses stays open.
    void CloseForm(const vx::CardRef& card) override;
    void RemoveVxObject(const QString& oidr) override;
    void RefreshVxObject(const QString& oidr) override;
    bool LeaveObject(const QString& oidr, bool askUser) override;
    void ReassignForm(const QString& oldOidr, const vx::CardRef& card, bool refresh) override;

    // Asks every open card; false when one of them wants to stay.
    bool closeAll();
    QList<QWidget*> cards() const;

signals:
    // A saved object: lists of its type are reloaded.
    void refreshRequested(const QString& typeId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> cardsShowing(const QString& oidr) const;
    void removeCard(QWidget* card);
    QString titleOf(QWidget* card) const;

    QTabWidget* tabs_;
};

} // namespace shell
