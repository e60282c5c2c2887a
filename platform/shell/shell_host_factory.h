#pragma once

#include "platform/bo/session.h"
#include "platform/contract/host_factory.h"
#include "platform/shell/registration_recorder.h"

namespace shell {

// The host's factory for the objects a module creates itself. Registration
// objects record into the tables of the module being loaded; generic list
// objects and editors work on the session's store.
class ShellHostFactory : public vx::HostFactory {
public:
    vx::VxRegistrationPtr createRegistration() override;
    vx::VxObjectUIPtr createGenericList(const QString& objectType) override;
    vx::VxObjectUIOPtr createGenericEditor(const QString& objectType) override;
    // The host's object selector over the session's store, and its filter dialog.
    std::unique_ptr<vx::VxObjectSelector> createObjectSelector() override;
    std::unique_ptr<vx::VxFilterDialog> createFilterDialog() override;
    // The host's report document and property grid.
    vx::VxReportDocumentPtr createReportDocument() override;
    vx::VxGridControl* createGridControl(QWidget* parent) override;

    void setSession(bo::SessionPtr session) { session_ = std::move(session); }
    const bo::SessionPtr& session() const { return session_; }

    // The tables the next registration objects record into.
    void setRegistrationTarget(std::shared_ptr<RegisteredTables> tables) { target_ = std::move(tables); }

private:
    std::shared_ptr<RegisteredTables> target_;
    bo::SessionPtr session_;
};

} // namespace shell
