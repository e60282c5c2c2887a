#pragma once

#include "platform/bo/session.h"
#include "platform/contract/vx_object_ui.h"

namespace shell {

// The host's controller of the reference catalogues ("O0001600"): the menus and
// clicks for catalogue items and their groups that the module's catalogue list
// hands on. Items and groups open in the host's plain card.
class CatalogueController final : public vx::VxObjectUI {
public:
    explicit CatalogueController(bo::SessionPtr session);

    QString className() const override { return QStringLiteral("CatalogueController"); }
    QString OID() const override { return oid_; }
    void setOID(const QString& oid) override { oid_ = oid; }
    QString OName() const override { return QStringLiteral("Žinynai"); }
    // A catalogue: new item and group; a group: open, new item and group, delete; an item: open, delete.
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    bool DragOK(const QString&, const QString&, const QString&) override { return true; }
    bool DropOK(const QString&) override { return false; }
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    bool AddToDeskTopVxObject(const QString&) override { return false; }
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    vx::IconTable GetIconsTable() const override { return {}; }
    int DeleteVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr&) override {}
    void setBO(const vx::VxBusinessObjectPtr&) override {}
    vx::VxBusinessObjectPtr BO() const override { return session_->businessObject(); }

private:
    // Shows the record in the host's card; true when it was saved.
    bool edit(const vx::VxObjectUIOPtr& editor);
    vx::ClickResult clickNew(const QString& id, const QString& menuKey);

    bo::SessionPtr session_;
    QString oid_ = QStringLiteral("O0001600");
};

} // namespace shell
