#include "platform/shell/catalogue_controller.h"

#include "platform/bo/object_types.h"
#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/host_services.h"
#include "platform/shell/object_card_dialog.h"

#include <QApplication>

namespace shell {
namespace {

vx::MenuItem item(const char* key, const char* caption)
{
    return {QString::fromUtf8(caption), QLatin1String(key), {}, false};
}

const vx::MenuItem openItem = item("0", "Padėti &ant darbo stalo");
const vx::MenuItem newItem = item("1", "&Naujas įrašas");
const vx::MenuItem newGroup = item("2", "Nauja &grupė");
const vx::MenuItem deleteItem = item("4", "&Panaikinti");
const vx::MenuItem separator = item("100", "-");

bool isCatalogueItem(const QString& id)
{
    return bo::isCatalogueItemType(vx::oid::typeId(id));
}

} // namespace

CatalogueController::CatalogueController(bo::SessionPtr session)
    : PlainObjectList(QStringLiteral("O0001600")), session_(std::move(session))
{
}

vx::MenuItems CatalogueController::GetMenu(const QString& id, const QString& objectType, const QString&)
{
    if (!isCatalogueItem(id))
        return {};
    if (!vx::oid::hasRecord(id))
        return {newItem, newGroup};
    if (objectType == QLatin1String("Group"))
        return {openItem, separator, newItem, newGroup, separator, deleteItem};
    return {openItem, separator, deleteItem};
}

bool CatalogueController::edit(const vx::VxObjectUIOPtr& editor)
{
    const bo::ObjectType* type = bo::objectType(vx::oid::typeId(editor->OIDR()));
    if (!type)
        return false;
    ObjectCardDialog card(session_, editor, *type);
    return runDialogOver(card, QApplication::activeWindow()) == QDialog::Accepted;
}

vx::ClickResult CatalogueController::clickNew(const QString& id, const QString& menuKey)
{
    const QString type = vx::oid::typeId(id);
    vx::VxObjectUIOPtr editor = GetVxObject(type);
    if (!editor)
        return {};
    const bool group = menuKey == QLatin1String("2");
    editor->Fields().setValue(QStringLiteral("ParentID"), vx::oid::recordNumber(id));
    editor->Fields().setValue(QStringLiteral("GroupFlag"), group ? 1 : 0);
    editor->setOType(group ? QStringLiteral("Group") : type);
    return edit(editor) ? vx::ClickResult{vx::ActionReloadList, {}} : vx::ClickResult{};
}

vx::CardRef CatalogueController::objectForm(const QString& id)
{
    const auto services = services_.lock();
    if (!services)
        return {};
    const vx::VxObjectUIOPtr editor = services->Objects().GetVxObject(id);
    if (!editor)
        return {};
    const vx::CallResult form = editor->Properties(QStringLiteral("GetObjectForm"), QString());
    return form.Code == 0 ? form.Value.value<vx::CardRef>() : vx::CardRef{};
}

bool CatalogueController::AddToDeskTopVxObject(const QString& id)
{
    const auto services = services_.lock();
    const vx::CardRef card = objectForm(id);
    if (!services || card.isNull())
        return false;
    services->Desktop().AddForm(card);
    return true;
}

vx::ClickResult CatalogueController::ClickMenu(const QString& id, const QString&, const QString& menuKey,
                                               const QString&)
{
    if (!isCatalogueItem(id))
        return {};
    if (menuKey == QLatin1String("1") || menuKey == QLatin1String("2"))
        return clickNew(id, menuKey);
    if (menuKey == QLatin1String("0")) {
        if (const vx::CardRef card = objectForm(id); !card.isNull())
            return {vx::ActionShowCard, QVariant::fromValue(card)};
        vx::VxObjectUIOPtr editor = GetVxObject(id);
        if (!editor) {
            // Code 1 is a record that is not there; any other is a read the store
            // could not make (a lost connection), told with its own reason.
            const bool gone = readFailure_.Code <= 1 || readFailure_.Message.isEmpty();
            vx::messages::show(gone ? QStringLiteral("Elementas panaikintas!") : readFailure_.Message,
                               HostServices::productName, QMessageBox::Critical, QMessageBox::Ok);
            return {};
        }
        return edit(editor) ? vx::ClickResult{vx::ActionReloadList, {}} : vx::ClickResult{};
    }
    if (menuKey == QLatin1String("4")) {
        const auto answer = vx::messages::show(QStringLiteral("Ar tikrai norite panaikinti?"), HostServices::productName,
                                               QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok && DeleteVxObject(id) == 0)
            return {vx::ActionDeleted, {}};
    }
    return {};
}

vx::RecordsetPtr CatalogueController::GetVxObjectList(const QString& parentId, const QString&, const QString&)
{
    return session_->createList(QStringLiteral("O4000600"))->GetVxObjectList(parentId, QString(), QString());
}

vx::VxObjectUIOPtr CatalogueController::GetVxObject(const QString& id)
{
    vx::VxObjectUIOPtr editor = session_->createEditor(vx::oid::typeId(id));
    editor->setOIDR(id);
    readFailure_ = editor->Read();
    return readFailure_.Code == 0 ? editor : nullptr;
}

int CatalogueController::DeleteVxObject(const QString& id)
{
    return session_->createList(vx::oid::typeId(id))->DeleteVxObject(id);
}

} // namespace shell
