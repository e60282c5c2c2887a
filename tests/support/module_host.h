#pragma once

#include "platform/bo/session.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_services.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/shell_host_factory.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/recording_desktop.h"
#include "tests/support/store_fixture.h"
#include "tests/support/test_selector.h"

#include <QHash>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QAbstractItemView;
class QLineEdit;

// The module on a real store: the shell's host factory over a bo::Session on a
// fresh TestStore, so every controller and editor wraps the real generic list
// object and generic editor, and a host whose Objects service hands out the
// module's own list controllers and editors (and the real host's for host
// types). Security, settings, the current user and the main window are the
// shell's own host services over the store; only the desktop records, as no
// window shows the cards.
namespace testhost {

class StoreHost;

class StoreObjects final : public vx::VxObjects {
public:
    explicit StoreObjects(StoreHost& host) : host_(host) {}

    // Module types: their list controller's editor; host types: the host's
    // editor; nothing when the record cannot be read. `hostEditors` first.
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    // Module types: a new list controller given the services and the business
    // object; host types: the host's controller.
    vx::VxObjectUIPtr GetVxObjectUI(const QString& objectType) override;
    // Answers the functions set in `functions`; other names fail.
    vx::CallResult CallFunction(const QString& name, const QString& param) override;

    // Host editors a test puts in place of the host's, by id.
    QHash<QString, vx::VxObjectUIOPtr> hostEditors;
    // The host functions ("GetOldPeriod", "ShowVxObjectModal", ...) a test answers.
    using Function = std::function<vx::CallResult(const QString& param)>;
    QHash<QString, Function> functions;

private:
    vx::VxObjectUIPtr listOf(const QString& typeId);

    StoreHost& host_;
};

class StoreHost final : public vx::VxS, public std::enable_shared_from_this<StoreHost> {
public:
    explicit StoreHost(bo::SessionPtr session);

    vx::VxMainWindow& MainWindow() override { return services->MainWindow(); }
    vx::VxObjects& Objects() override { return objects; }
    vx::VxDesktop& Desktop() override { return desktop; }
    vx::VxSecurity& Security() override { return services->Security(); }
    vx::VxEnvironment& Environment() override { return services->Environment(); }

    // Stores the signed-in user's rights on a component (in the order the
    // tests name them: open, write, delete, add).
    void grant(const QString& componentKey, bool open, bool write, bool remove, bool add);
    // Signs in a new employee of the store with this user prefix; the rights
    // granted so far go with the test user. Returns the employee's number.
    qint64 logInNew(const QString& userPref = {});
    // Signs in an employee of the store, keeping the rights granted so far.
    void logIn(qint64 employee);
    void logOut() { logIn(0); }

    bo::SessionPtr session;
    QStringList log; // the desktop's calls
    RecordingDesktop desktop{log};
    shell::ModuleLoader loader; // loads nothing: the module is linked into the tests
    std::shared_ptr<shell::HostServices> services;
    StoreObjects objects{*this};
};

// What the filter dialog answers, and how it was set up.
struct FilterScript {
    QString answer;
    QStringList oids; // the OID each dialog was given
};

// The shell's host factory with scripted host dialogs (filter and object
// selector). It also notes every parameter text a generic list object
// receives, so tests can read what a controller asked for.
class ScriptedHostFactory final : public shell::ShellHostFactory {
public:
    vx::VxObjectUIPtr createGenericList(const QString& objectType) override;
    std::unique_ptr<vx::VxFilterDialog> createFilterDialog() override;
    std::unique_ptr<vx::VxObjectSelector> createObjectSelector() override;

    std::shared_ptr<FilterScript> filter = std::make_shared<FilterScript>();
    std::shared_ptr<QStringList> listRequests = std::make_shared<QStringList>();
    SelectorFactory selectors;
};

// A test of the module on its own fresh store, with the host above installed
// (module-wide services and host factory) and scripted message boxes.
class ModuleFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void grant(const QString& componentKey, bool open, bool write, bool remove, bool add)
    {
        host->grant(componentKey, open, write, remove, add);
    }

    // A list controller as the host makes it: services and business object set.
    template <typename Controller>
    std::shared_ptr<Controller> controller()
    {
        auto made = std::make_shared<Controller>();
        made->setVxS(host);
        made->setBO(session->businessObject());
        return made;
    }

    // Saves a new record through the real generic editor; returns its id.
    QString create(const QString& typeId, const QVariantMap& fields) { return createRecord(*session, typeId, fields); }
    // The stored record, read afresh through the generic editor.
    vx::VxObjectUIOPtr stored(const QString& id) { return readRecord(*session, id); }

    static QVariantMap fields(std::initializer_list<std::pair<const char*, QVariant>> values) { return fieldMap(values); }
    // Saves a new record and returns its number.
    qint64 record(const char* typeId, const QVariantMap& values)
    {
        return vx::oid::recordNumber(create(QString::fromLatin1(typeId), values));
    }

    // A modal entry dialog for an opener's request, loaded and shown.
    template <typename Dialog, typename Request>
    static std::unique_ptr<Dialog> opened(const Request& request)
    {
        auto dialog = std::make_unique<Dialog>(request);
        EXPECT_TRUE(dialog->load());
        dialog->show();
        return dialog;
    }

    // A user's keys: what the field holds is replaced by `text`, the focus stays.
    static void typeKeys(QLineEdit* field, const QString& text);
    // Keys typed into a field; ASCII text as the tests write it.
    static void type(QLineEdit* field, const char* text) { typeKeys(field, QString::fromLatin1(text)); }
    static void enter(QWidget* field);
    static void leave(QWidget* field);
    // Drags text over a list and drops it; whether the list offered to take it
    // (with the copy effect). What the drop starts runs once events are processed.
    static bool dropText(QAbstractItemView* list, const QString& text);
    // The host selector answers the next choice with this object.
    void selectorPicks(const QString& id, const QString& caption);
    // The text of the last message box; empty when none appeared.
    QString lastMessage() const;

    // Each field reads its text; each control is enabled or not.
    static void expectShown(std::initializer_list<std::pair<const QLineEdit*, const char*>> shown);
    static void expectEnabled(std::initializer_list<std::pair<const QWidget*, bool>> enabled);

    // Takes over the card a click result shows (Action 1); null when none.
    static std::unique_ptr<QWidget> takeCard(const vx::ClickResult& result);

    std::unique_ptr<TestStore> store;
    bo::SessionPtr session;
    std::shared_ptr<ScriptedHostFactory> factory;
    std::shared_ptr<StoreHost> host;
    ScriptedMessages messages;
};

} // namespace testhost
