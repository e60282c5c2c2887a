#pragma once

#include "platform/contract/vx_services.h"
#include "tests/support/memory_objects.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <functional>

// A host kept in memory: the five services of VxS with answers a test sets up,
// and one log of the calls they receive, in order, as "Service.Operation(args)".
namespace testhost {

class TestMainWindow final : public vx::VxMainWindow {
public:
    vx::ImageCatalogue ImgCatalogue() override { return images; }

    vx::ImageCatalogue images;
};

class TestObjects final : public vx::VxObjects {
public:
    using Function = std::function<vx::CallResult(const QString& param)>;

    explicit TestObjects(QStringList& log) : store(log), log_(log) {}

    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    vx::VxObjectUIPtr GetVxObjectUI(const QString& objectType) override;
    // Answers the functions set in `functions`; other names fail.
    vx::CallResult CallFunction(const QString& name, const QString& param) override;

    MemoryObjects store;
    QHash<QString, Function> functions;

private:
    QStringList& log_;
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

class TestHost final : public vx::VxS {
public:
    vx::VxMainWindow& MainWindow() override { return mainWindow; }
    vx::VxObjects& Objects() override { return objects; }
    vx::VxDesktop& Desktop() override { return desktop; }
    vx::VxSecurity& Security() override { return security; }
    vx::VxEnvironment& Environment() override { return environment; }

    QStringList log;
    TestMainWindow mainWindow;
    TestObjects objects{log};
    TestDesktop desktop{log};
    TestSecurity security{log};
    TestEnvironment environment;
};

} // namespace testhost
