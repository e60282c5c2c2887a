#include "platform/shell/reports/open_record.h"

#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_services.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/host_services.h"
#include "platform/shell/modal_card_window.h"

#include <algorithm>

namespace shell {

void openRecordOver(vx::VxS& services, const QString& oidr, QWidget* parent)
{
    const QString open = QStringLiteral("0");
    const vx::VxObjectUIPtr list = services.Objects().GetVxObjectUI(vx::oid::typeId(oidr));
    const vx::MenuItems items = list ? list->GetMenu(oidr, QString(), QString()) : vx::MenuItems{};
    if (std::none_of(items.cbegin(), items.cend(), [&](const vx::MenuItem& item) { return item.Key == open; })) {
        vx::messages::show(QStringLiteral("Neturite teisės atverti šio įrašo."),
                           HostServices::productName, QMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    const vx::ClickResult result = list->ClickMenu(oidr, QString(), open, QString());
    const vx::CardRef card = result.Action == vx::ActionShowCard ? result.Value.value<vx::CardRef>() : vx::CardRef();
    // The list itself tells why a record it cannot show is not there.
    if (card.isNull())
        return;
    ModalCardWindow window(card, parent);
    runDialog(window);
}

} // namespace shell
