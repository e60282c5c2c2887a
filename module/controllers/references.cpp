// The reference catalogue list (UI4000600). Route segments have the module's
// own card; everything else about the catalogues is the host's catalogue
// framework, the list controller of "O0001600".

#include "module/card_factory.h"
#include "module/catalogue_dialogs.h"
#include "module/module_services.h"
#include "module/type_list_controllers.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/object_id.h"

namespace {
const QString routeSegmentType = QStringLiteral("O4000601");
} // namespace

QString UI4000600::listParameter(const QString& parentId, const QString&, const QString&)
{
    return vx::arguments::quoted(parentId.isEmpty() ? OID() : parentId) + QStringLiteral(", ''");
}

vx::VxObjectUIPtr UI4000600::hostCatalogues() const
{
    const vx::VxSPtr services = module::services();
    return services ? services->Objects().GetVxObjectUI(QStringLiteral("O0001600")) : nullptr;
}

vx::MenuItems UI4000600::GetMenu(const QString& id, const QString& objectType, const QString& context)
{
    const vx::VxObjectUIPtr host = hostCatalogues();
    return host ? host->GetMenu(id, objectType, context) : vx::MenuItems();
}

vx::ClickResult UI4000600::ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                                     const QString& context)
{
    if (id.startsWith(routeSegmentType)) {
        if (menuKey == QLatin1String("0") && objectType != QLatin1String("Group"))
            return showCard(routeCard(id));
        if (menuKey == QLatin1String("1")) {
            // Context names the catalogue or group the new segment goes into.
            const qint64 parent = vx::oid::recordNumber(context);
            return showCard(routeCard(vx::oid::typeId(context), [parent](vx::VxObjectUIO& segment) {
                segment.Fields().setValue(QStringLiteral("ParentID"), parent);
            }));
        }
    }
    if (menuKey == QLatin1String("116S0"))
        return clickShowAll();
    const vx::VxObjectUIPtr host = hostCatalogues();
    return host ? host->ClickMenu(id, objectType, menuKey, context) : vx::ClickResult();
}

bool UI4000600::AddToDeskTopVxObject(const QString& id)
{
    const vx::VxObjectUIPtr host = hostCatalogues();
    return host && host->AddToDeskTopVxObject(id);
}

vx::CardRef UI4000600::routeCard(const QString& id, const std::function<void(vx::VxObjectUIO&)>& prepare)
{
    const vx::VxObjectUIOPtr editor = GetVxObject(id);
    if (!editor) {
        Catalogue::ShowError(QStringLiteral("Objektas panaikintas!"), title());
        return {};
    }
    if (!editor->OType().startsWith(routeSegmentType))
        return {};
    if (prepare)
        prepare(*editor);
    return module::createCard(QStringLiteral("frmTransportRoute"), editor);
}
