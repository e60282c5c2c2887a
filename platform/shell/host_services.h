#pragma once

#include "platform/bo/rights.h"
#include "platform/bo/session.h"
#include "platform/contract/vx_services.h"
#include "platform/shell/host_cards/host_card.h"
#include "platform/shell/module_tables.h"

#include <QHash>

#include <functional>
#include <optional>
#include <utility>

namespace shell {

class ModuleLoader;

// The host's answers to the module: the services of VxS, working on the
// logged-in user's session, the loaded modules and the main window's desktop.
class HostServices final : public vx::VxS,
                           private vx::VxMainWindow,
                           private vx::VxObjects,
                           private vx::VxSecurity,
                           private vx::VxEnvironment,
                           public std::enable_shared_from_this<HostServices> {
public:
    HostServices(bo::SessionPtr session, ModuleLoader& loader);

    // What the loaded modules registered (object types, icons).
    void addModule(const ModuleTables& tables);
    // The desktop that shows cards; the main window provides it.
    void setDesktop(vx::VxDesktop* desktop) { desktop_ = desktop; }
    // Where the program's files (templates) are read from; the executable's folder unless set.
    void setProgramPath(const QString& path) { programPath_ = path; }

    vx::VxMainWindow& MainWindow() override { return *this; }
    vx::VxObjects& Objects() override { return *this; }
    vx::VxDesktop& Desktop() override;
    vx::VxSecurity& Security() override { return *this; }
    vx::VxEnvironment& Environment() override { return *this; }

    const bo::SessionPtr& session() const { return session_; }
    // The library that registered an object type; empty for the host's own types.
    QString libraryOf(const QString& typeId) const;

    // Host functions by name ("GetOldPeriod", ...), so dialogs can be added by the shell.
    using HostFunction = std::function<vx::CallResult(const QString& param)>;
    void setFunction(const QString& name, HostFunction function) { functions_.insert(name, std::move(function)); }

    // The trip sheet list's view period of the logged-in user.
    vx::PeriodRecord storedPeriod();
    void storePeriod(const vx::PeriodRecord& period);
    // The answer the next "GetNewPeriod" gives without asking: a period the
    // user chose in one click on the list.
    void answerNextPeriod(const vx::PeriodRecord& period) { nextPeriod_ = period; }
    std::optional<vx::PeriodRecord> takeNextPeriod() { return std::exchange(nextPeriod_, std::nullopt); }
    // Whether the list of this type shows only the rows of the view period.
    static bool listsPeriod(const QString& typeId);

    // What the host's own cards need: the session, these services and the modules' security components.
    HostCardContext cardContext();

    static const QString productName;

private:
    // MainWindow
    vx::ImageCatalogue ImgCatalogue() override;
    // Objects
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    vx::VxObjectUIPtr GetVxObjectUI(const QString& objectType) override;
    vx::CallResult CallFunction(const QString& name, const QString& param) override;
    // Security
    bool CanOpen(const QString& componentKey, int objectId = 0) override;
    bool CanWrite(const QString& componentKey, int objectId = 0) override;
    bool CanDelete(const QString& componentKey, int objectId = 0) override;
    bool CanAdd(const QString& componentKey, int objectId = 0) override;
    // Environment
    void SaveSetting(const QString& objectType, const QString& key, const QString& value,
                     const QString& section = {}) override;
    QString GetSetting(const QString& objectType, const QString& key, const QString& defaultValue = {},
                       const QString& section = {}) override;
    vx::CurrentUserInfo CurrentUser() override;
    vx::ApplicationInfo Application() override;

    bool right(const QString& componentKey, bo::Right which);
    QString controllerType(const QString& typeId) const;

    bo::SessionPtr session_;
    ModuleLoader& loader_;
    vx::VxDesktop* desktop_ = nullptr;
    QString programPath_;
    QHash<QString, QString> typeLibraries_; // object type -> library name
    vx::ImageCatalogue images_;
    QHash<QString, vx::VxObjectUIPtr> controllers_;
    QHash<QString, HostFunction> functions_;
    vx::ComponentEntries components_;
    std::optional<vx::PeriodRecord> nextPeriod_;
};

} // namespace shell
