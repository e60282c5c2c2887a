#pragma once

// The services of the host's system-services object that carry no widgets or
// icons: objects and host functions, security checks, settings and the user.

#include "platform/contract/host_records.h"
#include "platform/contract/recordset.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"

namespace vx {

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

// The four access checks of a security component, in slot order. The rights
// they read are numbered apart: right 1 open, right 2 delete, right 3 write,
// right 4 new record.
class VxSecurity {
public:
    virtual ~VxSecurity();
    virtual bool CanOpen(const QString& componentKey, int objectId = 0) = 0;   // first check: right 1
    virtual bool CanWrite(const QString& componentKey, int objectId = 0) = 0;  // second check: right 3
    virtual bool CanDelete(const QString& componentKey, int objectId = 0) = 0; // third check: right 2
    virtual bool CanAdd(const QString& componentKey, int objectId = 0) = 0;    // fourth check: right 4
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

} // namespace vx
