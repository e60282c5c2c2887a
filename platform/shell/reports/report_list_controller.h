#pragma once

#include "platform/bo/session.h"
#include "platform/contract/plain_object_list.h"

#include <functional>

namespace shell {

// The list controller of the host's reports ("O0001900"): the reports of the
// object type a node names in its parameter (the list's context), with their
// name and description. Opening one asks its parameters and shows it; the
// list and each report answer to the reports' security component.
class ReportListController final : public vx::PlainObjectList {
public:
    // `period` gives the host's current view period, the reports' default.
    ReportListController(bo::SessionPtr session, std::weak_ptr<vx::VxS> services, std::function<vx::PeriodRecord()> period);

    QString className() const override { return QStringLiteral("ReportListController"); }
    QString OName() const override { return QStringLiteral("Ataskaitos"); }
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    vx::VxObjectUIOPtr GetVxObject(const QString&) override { return nullptr; }
    int DeleteVxObject(const QString&) override { return 1; }
    void setVxS(const vx::VxSPtr& services) override { services_ = services; }
    void setBO(const vx::VxBusinessObjectPtr&) override {}
    vx::VxBusinessObjectPtr BO() const override { return session_->businessObject(); }

private:
    bool mayOpen() const;

    bo::SessionPtr session_;
    std::weak_ptr<vx::VxS> services_;
    std::function<vx::PeriodRecord()> period_;
};

} // namespace shell
