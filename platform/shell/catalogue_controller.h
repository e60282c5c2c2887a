#pragma once

#include "platform/bo/session.h"
#include "platform/contract/plain_object_list.h"
#include "platform/contract/ui_records.h"

namespace shell {

// The host's controller of the reference catalogues ("O0001600"): the menus and
// clicks for catalogue items and their groups that the module's catalogue list
// hands on. An item opens on the desktop in the card its editor gives for
// "GetObjectForm"; new items and groups are made in the host's modal card.
class CatalogueController final : public vx::PlainObjectList {
public:
    explicit CatalogueController(bo::SessionPtr session);

    QString className() const override { return QStringLiteral("CatalogueController"); }
    QString OName() const override { return QStringLiteral("Žinynai"); }
    // A catalogue: new item and group; a group: open, new item and group, delete; an item: open, delete.
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    int DeleteVxObject(const QString& id) override;
    // Opens the item's card on the desktop.
    bool AddToDeskTopVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr& services) override { services_ = services; }
    void setBO(const vx::VxBusinessObjectPtr&) override {}
    vx::VxBusinessObjectPtr BO() const override { return session_->businessObject(); }

private:
    // Shows the record in the host's card; true when it was saved.
    bool edit(const vx::VxObjectUIOPtr& editor);
    vx::ClickResult clickNew(const QString& id, const QString& menuKey);
    // The item's card from its own editor's "GetObjectForm"; none when the editor gives none.
    vx::CardRef objectForm(const QString& id);

    bo::SessionPtr session_;
    std::weak_ptr<vx::VxS> services_;
    vx::Status readFailure_; // of the last GetVxObject
};

} // namespace shell
