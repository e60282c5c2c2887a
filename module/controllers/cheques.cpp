// The fuel cheque list (UI4000300). A cheque is entered, changed and shown in
// the cheque list of its trip sheet's card, so opening a cheque opens that
// card, and a new cheque starts with a new trip sheet.

#include "module/card_factory.h"
#include "module/catalogue_conversions.h"
#include "module/controllers/menu_builder.h"
#include "module/controllers/new_trip_sheet.h"
#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"

namespace {
const QString tripSheetType = QStringLiteral("O4000100");
const QString tripSheetCardClass = QStringLiteral("frmTransportTripsSV");
} // namespace

vx::MenuItems UI4000300::GetMenu(const QString& id, const QString& objectType, const QString&)
{
    MenuBuilder menu(MenuCaption::newCard);
    if (isOwn(id))
        menu.add({"2", "1", "100"});
    else if (objectType == QLatin1String("Group"))
        menu.add({"0", "100", "2", "1", "100", "4", "100"});
    else
        menu.add({"0", "100", "4", "100"});
    return menu.items();
}

vx::ClickResult UI4000300::ClickMenu(const QString& id, const QString&, const QString& menuKey, const QString&)
{
    if (menuKey == QLatin1String("0")) {
        bool missing = false;
        const vx::CardRef card = tripSheetCard(id, &missing);
        if (missing)
            reportMissing();
        return showCard(card);
    }
    if (menuKey == QLatin1String("1"))
        return clickNewTripSheet();
    if (menuKey == QLatin1String("4"))
        return clickDelete(id);
    // "2": cheques are grouped by their trip sheets, not by hand.
    return {};
}

bool UI4000300::AddToDeskTopVxObject(const QString& id)
{
    bool missing = false;
    return addToDesktop(tripSheetCard(id, &missing));
}

vx::CardRef UI4000300::tripSheetCard(const QString& chequeId, bool* missing)
{
    *missing = false;
    const vx::VxObjectUIOPtr cheque = GetVxObject(chequeId);
    if (!cheque) {
        *missing = true;
        return {};
    }
    const vx::RecordFields fields = cheque->Fields();
    if (Catalogue::LongOrZero(fields.value(QStringLiteral("GroupFlag"))) != 0)
        return {}; // a group of cheques belongs to no trip sheet
    const qint64 sheetNumber = Catalogue::LongOrZero(fields.value(QStringLiteral("TransportTripID")));
    const vx::VxObjectUIOPtr sheet =
        sheetNumber > 0 ? Catalogue::GetEditor(vx::oid::make(tripSheetType, sheetNumber)) : nullptr;
    if (!sheet) {
        *missing = true;
        return {};
    }
    // What opens is a trip sheet, so the trip sheets' right to open applies.
    if (!Catalogue::GetAccess(QStringLiteral("CTransportTrips")).Open)
        return {};
    return module::createCard(tripSheetCardClass, sheet);
}

vx::ClickResult UI4000300::clickNewTripSheet()
{
    if (!Catalogue::GetAccess(QStringLiteral("CTransportTrips")).New)
        return {};
    const vx::VxObjectUIOPtr sheet = Catalogue::GetEditor(tripSheetType);
    if (!sheet)
        return {};
    NewTripSheet::startBlank(*sheet);
    NewTripSheet::finish(*sheet);
    return showCard(module::createCard(tripSheetCardClass, sheet));
}
