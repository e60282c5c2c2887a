#include "platform/shell/host_cards/host_type_controller.h"

#include "platform/bo/object_types.h"
#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_cards/host_card_factory.h"
#include "platform/shell/host_cards/user_rights.h"
#include "platform/shell/host_services.h"

namespace shell {
namespace {

vx::MenuItem item(const char* key, const char* caption)
{
    return {QString::fromUtf8(caption), QLatin1String(key), {}, false};
}

const QString openKey = QStringLiteral("0");
const QString newKey = QStringLiteral("1");
const QString groupKey = QStringLiteral("2");
const QString deleteKey = QStringLiteral("4");

} // namespace

bool HostTypeController::handles(const QString& typeId)
{
    return typeId == QLatin1String("O0000100") || typeId == QLatin1String("O0001401")
           || typeId == QLatin1String("O0201500");
}

HostTypeController::HostTypeController(HostCardContext context, const QString& typeId)
    : PlainObjectList(typeId), context_(std::move(context)), list_(context_.session->createList(typeId))
{
}

QString HostTypeController::OName() const
{
    return list_->OName();
}

bool HostTypeController::allowed(Right right) const
{
    const auto services = context_.services.lock();
    const QString component = rights::componentOf(OID());
    if (!services || component.isEmpty())
        return true;
    vx::VxSecurity& security = services->Security();
    switch (right) {
    case Open:
        return security.CanOpen(component);
    case Write:
        return security.CanWrite(component);
    case Delete:
        return security.CanDelete(component);
    case Add:
        return security.CanAdd(component);
    }
    return false;
}

vx::MenuItems HostTypeController::GetMenu(const QString& id, const QString&, const QString&)
{
    const bo::ObjectType* type = bo::objectType(OID());
    const bool grouped = type && type->grouped;
    vx::MenuItems menu;
    const bool onRecord = vx::oid::hasRecord(id);
    if (onRecord && allowed(Open))
        menu << item("0", "&Atidaryti");
    if (allowed(Add)) {
        if (!menu.isEmpty())
            menu << item("100", "-");
        menu << item("1", "&Naujas įrašas");
        if (grouped)
            menu << item("2", "Nauja &grupė");
    }
    if (onRecord && allowed(Delete)) {
        if (!menu.isEmpty())
            menu << item("100", "-");
        menu << item("4", "&Panaikinti");
    }
    return menu;
}

vx::ClickResult HostTypeController::newRecord(const QString& parentId, bool group)
{
    if (!allowed(Add))
        return {};
    vx::VxObjectUIOPtr editor = context_.session->createEditor(OID());
    editor->setOIDR(OID());
    if (editor->Read().Code != 0)
        return {};
    const bo::ObjectType* type = bo::objectType(OID());
    if (type && type->grouped) {
        // A new record goes into the chosen group, or beside the chosen record.
        qint64 parent = 0;
        if (vx::oid::isOfType(parentId, OID()) && vx::oid::hasRecord(parentId)) {
            if (vx::VxObjectUIOPtr chosen = GetVxObject(parentId))
                parent = chosen->Fields().value(QStringLiteral("GroupFlag")).toInt() != 0
                             ? vx::oid::recordNumber(parentId)
                             : chosen->Fields().value(QStringLiteral("ParentID")).toLongLong();
        }
        editor->Fields().setValue(QStringLiteral("ParentID"), parent);
        editor->Fields().setValue(QStringLiteral("GroupFlag"), group ? 1 : 0);
        editor->setOType(group ? QStringLiteral("Group") : OID());
    }
    return {vx::ActionShowCard, QVariant::fromValue(makeHostCard(context_, editor))};
}

vx::ClickResult HostTypeController::ClickMenu(const QString& id, const QString&, const QString& menuKey,
                                              const QString&)
{
    if (menuKey == newKey || menuKey == groupKey)
        return newRecord(id, menuKey == groupKey);
    if (!vx::oid::hasRecord(id))
        return {};
    if (menuKey == openKey) {
        if (!allowed(Open))
            return {};
        vx::VxObjectUIOPtr editor = GetVxObject(id);
        if (!editor) {
            vx::messages::show(QStringLiteral("Objektas panaikintas!"), HostServices::productName, QMessageBox::Critical,
                               QMessageBox::Ok);
            return {};
        }
        return {vx::ActionShowCard, QVariant::fromValue(makeHostCard(context_, editor))};
    }
    if (menuKey == deleteKey && allowed(Delete)) {
        const auto answer = vx::messages::show(QStringLiteral("Ar tikrai norite panaikinti?"), HostServices::productName,
                                               QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok && DeleteVxObject(id) == 0) {
            if (auto services = context_.services.lock())
                services->Desktop().RemoveVxObject(id);
            return {vx::ActionDeleted, {}};
        }
    }
    return {};
}

vx::RecordsetPtr HostTypeController::GetVxObjectList(const QString& parentId, const QString& context,
                                                     const QString& command)
{
    return list_->GetVxObjectList(parentId == OID() ? QString() : parentId, context, command);
}

vx::VxObjectUIOPtr HostTypeController::GetVxObject(const QString& id)
{
    return list_->GetVxObject(id);
}

int HostTypeController::DeleteVxObject(const QString& id)
{
    return list_->DeleteVxObject(id);
}

bool HostTypeController::AddToDeskTopVxObject(const QString& id)
{
    const vx::ClickResult opened = ClickMenu(id, QString(), openKey, QString());
    const auto services = context_.services.lock();
    if (opened.Action != vx::ActionShowCard || !services)
        return false;
    services->Desktop().AddForm(opened.Value.value<vx::CardRef>());
    return true;
}

} // namespace shell
