#include "platform/shell/host_cards/host_card_factory.h"

#include "platform/contract/object_id.h"
#include "platform/shell/host_cards/currency_card.h"
#include "platform/shell/host_cards/employee_card.h"

namespace shell {

HostCard* makeEmptyHostCard(const HostCardContext& context)
{
    return new HostCard(context, nullptr, HostCard::Fields::Grid);
}

vx::CardRef makeHostCard(const HostCardContext& context, const vx::VxObjectUIOPtr& editor)
{
    if (!editor)
        return {};
    const QString type = vx::oid::typeId(editor->OIDR());
    HostCard* card = nullptr;
    if (type == QLatin1String("O0001401"))
        card = new EmployeeCard(context);
    else if (type == QLatin1String("O0201500"))
        card = new CurrencyCard(context);
    else
        card = new HostCard(context);
    card->setVxObjectUIO(editor);
    return {card};
}

} // namespace shell
