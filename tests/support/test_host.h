#pragma once

#include "platform/contract/vx_services.h"
#include "platform/contract/recordset.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <functional>

// Host services that record what the module asks of them: a desktop, rights
// per component key, settings and the current user, with one log of the calls
// they receive, in order, as "Service.Operation(args)". The module's tests put
// them beside the real store's objects (module_host.h).
namespace testhost {

class TestMainWindow final : public vx::VxMainWindow {
public:
    vx::ImageCatalogue ImgCatalogue() override { return images; }

    vx::ImageCatalogue images;
};

class TestDesktop final : public vx::VxDesktop {
public:
    explicit TestDesktop(QStringList& log) : log_(log) {}

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

class TestSecurity final : public vx::VxSecurity {
public:
    explicit TestSecurity(QStringList& log) : log_(log) {}

    // Rights in the service's slot order; a key never granted has none.
    void grant(const QString& componentKey, bool open, bool write, bool remove, bool add)
    {
        rights_.insert(componentKey, {open, write, remove, add});
    }

    bool CanOpen(const QString& componentKey, int objectId = 0) override;
    bool CanWrite(const QString& componentKey, int objectId = 0) override;
    bool CanDelete(const QString& componentKey, int objectId = 0) override;
    bool CanAdd(const QString& componentKey, int objectId = 0) override;

private:
    bool check(const char* operation, int slot, const QString& componentKey, int objectId);

    QStringList& log_;
    QHash<QString, std::array<bool, 4>> rights_;
};

class TestEnvironment final : public vx::VxEnvironment {
public:
    void SaveSetting(const QString& objectType, const QString& key, const QString& value,
                     const QString& section = {}) override;
    QString GetSetting(const QString& objectType, const QString& key, const QString& defaultValue = {},
                       const QString& section = {}) override;
    vx::CurrentUserInfo CurrentUser() override { return currentUser; }
    vx::ApplicationInfo Application() override { return application; }

    // Logs a user in with an employee record carrying ID and UserPref.
    void logIn(int employeeNumber, const QString& userPref);

    QHash<QString, QString> settings; // "objectType/section/key" -> value
    vx::CurrentUserInfo currentUser;
    vx::ApplicationInfo application{QStringLiteral("/opt/kelmira/"), QStringLiteral("Kelmira bandymai")};
};

struct HostParts {
    QStringList log;
    TestMainWindow mainWindow;
    TestDesktop desktop{log};
    TestSecurity security{log};
    TestEnvironment environment;
};

} // namespace testhost
