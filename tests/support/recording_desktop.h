#pragma once

#include "platform/contract/vx_services.h"

#include <QStringList>

// A desktop for tests, where no window can show a card: it keeps the cards it
// is given and logs the calls it receives, in order, as "Desktop.Operation(args)".
// The module's tests put it beside the real host services (module_host.h).
namespace testhost {

class RecordingDesktop final : public vx::VxDesktop {
public:
    explicit RecordingDesktop(QStringList& log) : log_(log) {}

    // The desktop keeps the cards it is given; they are closed with it.
    void AddForm(const vx::CardRef& card) override;
    void CloseForm(const vx::CardRef& card) override;
    void RemoveVxObject(const QString& oidr) override;
    void RefreshVxObject(const QString& oidr) override;
    bool LeaveObject(const QString& oidr, bool askUser) override;
    void ReassignForm(const QString& oldOidr, const vx::CardRef& card, bool refresh) override;

    QList<vx::CardRef> cards;
    bool staysOnObject = false; // what LeaveObject answers

private:
    QStringList& log_;
};

} // namespace testhost
