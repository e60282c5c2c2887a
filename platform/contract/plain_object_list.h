#pragma once

#include "platform/contract/vx_object_ui.h"

namespace vx {

// A list object of the host's with no menus, cards, icons or drops of its own:
// the parts every such list answers alike, so each one writes only what it does.
class PlainObjectList : public VxObjectUI {
public:
    QString OID() const override { return oid_; }
    void setOID(const QString& oid) override { oid_ = oid; }
    MenuItems GetMenu(const QString&, const QString&, const QString&) override { return {}; }
    ClickResult ClickMenu(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    bool DragOK(const QString&, const QString&, const QString&) override { return true; }
    bool DropOK(const QString&) override { return false; }
    bool AddToDeskTopVxObject(const QString&) override { return false; }
    IconTable GetIconsTable() const override { return {}; }
    void setVxS(const VxSPtr&) override {}

protected:
    explicit PlainObjectList(QString oid) : oid_(std::move(oid)) {}

private:
    QString oid_;
};

} // namespace vx
