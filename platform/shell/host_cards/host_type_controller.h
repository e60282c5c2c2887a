#pragma once

#include "platform/bo/session.h"
#include "platform/contract/plain_object_list.h"
#include "platform/shell/host_cards/host_card.h"

namespace shell {

// The list controller of a host type with cards of its own (firms, employees,
// currencies): menus to open, create and delete records (and groups where the
// type has them), within the user's rights for the type's component. Records
// open as cards on the desktop; a delete the store refuses is reported by the
// session with the store's reason.
class HostTypeController final : public vx::PlainObjectList {
public:
    HostTypeController(HostCardContext context, const QString& typeId);

    QString className() const override { return QStringLiteral("HostTypeController"); }
    QString OName() const override;
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    int DeleteVxObject(const QString& id) override;
    bool AddToDeskTopVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr& services) override { context_.services = services; }
    void setBO(const vx::VxBusinessObjectPtr&) override {}
    vx::VxBusinessObjectPtr BO() const override { return context_.session->businessObject(); }

    static bool handles(const QString& typeId);

private:
    enum Right { Open, Write, Delete, Add };
    bool allowed(Right right) const;
    vx::ClickResult newRecord(const QString& parentId, bool group);

    HostCardContext context_;
    vx::VxObjectUIPtr list_;
};

} // namespace shell
