// The vehicle list (UI4000400): its filter text, menus and clicks.

#include "platform/contract/argument_text.h"
#include "module/controllers/menu_builder.h"
#include "module/type_list_controllers.h"

namespace {
const QString filterCommand = QStringLiteral("&Atrinkti");
} // namespace

vx::RecordsetPtr UI4000400::GetVxObjectList(const QString& parentId, const QString& context, const QString& command)
{
    if (command != filterCommand)
        filter_.clear();
    return GroupedListController::GetVxObjectList(parentId, context, command);
}

QString UI4000400::listParameter(const QString& parentId, const QString&, const QString&)
{
    return vx::arguments::quoted(parentId) + QLatin1Char(',') + vx::arguments::quoted(filter_);
}

vx::RecordsetPtr UI4000400::filteredList(const QString&)
{
    // The filter text is already kept (filterChosen); the list request carries it.
    return GetVxObjectList(QString(), QString(), filterCommand);
}

bool UI4000400::newGoesBeside(const QString& objectType) const
{
    return objectType == QLatin1String("Car");
}

vx::MenuItems UI4000400::GetMenu(const QString& id, const QString& objectType, const QString&)
{
    const Catalogue::AccessRights granted = rights();
    MenuBuilder menu(MenuCaption::newVehicle, MenuCaption::filter);
    if (isOwn(id)) {
        menu.addIf(granted.New, {"2", "1", "100"});
    } else {
        if (objectType == QLatin1String("Group"))
            menu.addIf(granted.Open, {"0", "100"}).addIf(granted.New, {"2", "1", "100"});
        else
            menu.addIf(granted.Open, {"0"}).addIf(granted.New, {"1", "100"});
        menu.addIf(granted.Delete, {"4", "100"});
    }
    return menu.add({"3"}).items();
}

