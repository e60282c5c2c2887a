#pragma once

#include "module/live_objects.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_services.h"

// What every list controller shares: it wraps the host's generic list object
// of its type, forwards the record operations to it, keeps the icon table and
// the message title, and makes the type's editors.
class ListController : public vx::VxObjectUI {
public:
    QString OID() const override;
    void setOID(const QString& oid) override;
    QString OName() const override;
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    bool DragOK(const QString& source, const QString& target, const QString& data) override;
    bool DropOK(const QString& data) override;
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    bool AddToDeskTopVxObject(const QString& id) override;
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    vx::IconTable GetIconsTable() const override;
    int DeleteVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr& services) override;
    void setBO(const vx::VxBusinessObjectPtr& bo) override;
    vx::VxBusinessObjectPtr BO() const override;

    const QString& typeId() const { return typeId_; }
    const QString& title() const { return title_; }
    const vx::VxObjectUIPtr& genericList() const { return generic_; }

protected:
    ListController(QString typeId, vx::IconTable icons);

    // The parameter text the generic list object receives for a list request.
    virtual QString listParameter(const QString& parentId, const QString& context, const QString& command);
    // Whether the controller reads the product name as its title when it gets the services.
    virtual bool readsTitle() const { return true; }
    // Whether editors made here send only modified records back.
    virtual bool marshalsModifiedOnly() const { return true; }

private:
    QString typeId_;
    QString ownOid_; // used only when the host offers no generic list object
    vx::IconTable icons_;
    QString title_;
    vx::VxObjectUIPtr generic_;
    vx::VxBusinessObjectPtr bo_;
    LiveObject live_;
};
