#pragma once

#include "platform/contract/ui_records.h"
#include "platform/contract/vx_core_services.h"

#include <QHash>
#include <QIcon>

#include <memory>

namespace vx {

// The host's image list, keyed by icon key (the module's registered icons and
// the host's own, such as "stdClose" and "stdOpen").
using ImageCatalogue = QHash<QString, QIcon>;

class VxMainWindow {
public:
    virtual ~VxMainWindow();
    virtual ImageCatalogue ImgCatalogue() = 0;
};

class VxDesktop {
public:
    virtual ~VxDesktop();
    virtual void AddForm(const CardRef& card) = 0;
    virtual void CloseForm(const CardRef& card) = 0;
    // Closes whatever the desktop shows of a deleted object.
    virtual void RemoveVxObject(const QString& oidr) = 0;
    // Lists showing the saved object are refreshed.
    virtual void RefreshVxObject(const QString& oidr) = 0;
    // Asks whether the card showing `oidr` may leave it; returns the cancel flag
    // (true: stay on the object).
    virtual bool LeaveObject(const QString& oidr, bool askUser) = 0;
    // The card, which showed `oldOidr`, now shows its editor's current record.
    virtual void ReassignForm(const QString& oldOidr, const CardRef& card, bool refresh) = 0;
};

// The system-services object handed to list controllers.
class VxS {
public:
    virtual ~VxS();
    virtual VxMainWindow& MainWindow() = 0;
    virtual VxObjects& Objects() = 0;
    virtual VxDesktop& Desktop() = 0;
    virtual VxSecurity& Security() = 0;
    virtual VxEnvironment& Environment() = 0;
};

} // namespace vx
