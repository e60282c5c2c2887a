// The lists shown inside cards (fuel norms, tanks, mounted tyres, drivers,
// documents) and the route lines of a trip sheet. Their cards act on the
// rows themselves, so every click of the host's list does nothing
// (ListController::ClickMenu), and route lines have no menu at all.

#include "module/controllers/menu_builder.h"
#include "module/type_list_controllers.h"

vx::MenuItems SubListController::GetMenu(const QString&, const QString&, const QString&)
{
    return MenuBuilder().add({"0", "4"}).items();
}
