#pragma once

#include "platform/bo/session.h"
#include "platform/contract/vx_object_ui.h"

namespace bo {

// The host's list object for any stored type: the rows of a list (see
// list_queries.h for their layout), the editor of a record, and deletes.
class GenericList final : public vx::VxObjectUI {
public:
    GenericList(SessionPtr session, QString typeId);

    QString className() const override { return QStringLiteral("GenericList"); }

    QString OID() const override { return oid_; }
    void setOID(const QString& oid) override { oid_ = oid; }
    QString OName() const override;
    vx::MenuItems GetMenu(const QString&, const QString&, const QString&) override { return {}; }
    vx::ClickResult ClickMenu(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    bool DragOK(const QString&, const QString&, const QString&) override { return true; }
    bool DropOK(const QString&) override { return false; }
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    bool AddToDeskTopVxObject(const QString&) override { return false; }
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    vx::IconTable GetIconsTable() const override { return {}; }
    // 0 when deleted; otherwise the refusal is reported through the session.
    int DeleteVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr&) override {}
    void setBO(const vx::VxBusinessObjectPtr& bo) override { bo_ = bo; }
    vx::VxBusinessObjectPtr BO() const override { return bo_ ? bo_ : session_->businessObject(); }

private:
    SessionPtr session_;
    QString typeId_;
    QString oid_;
    vx::VxBusinessObjectPtr bo_;
};

} // namespace bo
