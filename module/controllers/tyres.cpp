// The tyre list (UI4000800): menus and clicks.

#include "platform/contract/argument_text.h"
#include "module/controllers/menu_builder.h"
#include "module/type_list_controllers.h"

QString UI4000800::listParameter(const QString& parentId, const QString&, const QString&)
{
    return vx::arguments::quoted(parentId) + QStringLiteral(",''");
}

// The tyre list keeps no filter text of its own: a filtered list is asked of
// the generic list object with the text in the place the vehicle list keeps
// its filter, which the generic list reads the same way for both.
vx::RecordsetPtr UI4000800::filteredList(const QString& filter)
{
    if (!genericList())
        return nullptr;
    const QString parameter = vx::arguments::quoted(QString()) + QLatin1Char(',') + vx::arguments::quoted(filter);
    return genericList()->GetVxObjectList(parameter, QString(), QString());
}

vx::MenuItems UI4000800::GetMenu(const QString& id, const QString& objectType, const QString&)
{
    const Catalogue::AccessRights granted = rights();
    MenuBuilder menu(MenuCaption::newTyre, MenuCaption::filter);
    if (isOwn(id))
        return menu.addIf(granted.New, {"2", "1", "100", "3", "100"}).items();
    menu.addIf(granted.Open, {"0", "100"});
    if (objectType == QLatin1String("Group"))
        menu.addIf(granted.New, {"2", "1", "100"});
    return menu.addIf(granted.Delete, {"4", "100"}).items();
}

