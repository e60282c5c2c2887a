#pragma once

#include "platform/contract/host_records.h"
#include "platform/contract/recordset.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"

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

class VxObjects {
public:
    virtual ~VxObjects();
    // An editor for an id, or for a bare type id a new record of that type
    // (host types too); none when the record cannot be read.
    virtual VxObjectUIOPtr GetVxObject(const QString& id) = 0;
    // The list controller of an object type.
    virtual VxObjectUIPtr GetVxObjectUI(const QString& objectType) = 0;
    // Host functions by name: "ShowVxObjectModal", "VxGroupSelect",
    // "GetOldPeriod", "GetNewPeriod", ...
    virtual CallResult CallFunction(const QString& name, const QString& param) = 0;
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

// The four access checks of a security component, in slot order.
class VxSecurity {
public:
    virtual ~VxSecurity();
    virtual bool CanOpen(const QString& componentKey, int objectId = 0) = 0;   // first check
    virtual bool CanWrite(const QString& componentKey, int objectId = 0) = 0;  // second check
    virtual bool CanDelete(const QString& componentKey, int objectId = 0) = 0; // third check
    virtual bool CanAdd(const QString& componentKey, int objectId = 0) = 0;    // fourth check
};

struct ApplicationInfo {
    QString ProgramPath; // ends with a separator
    QString ProductName; // the title of message boxes
};

struct CurrentUserInfo {
    QString ID;          // "O0001401" + number; empty when nobody is logged in
    RecordsetPtr Record; // the user's employee record (ID, UserPref, ...); null when none
};

class VxEnvironment {
public:
    virtual ~VxEnvironment();
    virtual void SaveSetting(const QString& objectType, const QString& key, const QString& value,
                             const QString& section = {}) = 0;
    virtual QString GetSetting(const QString& objectType, const QString& key, const QString& defaultValue = {},
                               const QString& section = {}) = 0;
    virtual CurrentUserInfo CurrentUser() = 0;
    virtual ApplicationInfo Application() = 0;
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
