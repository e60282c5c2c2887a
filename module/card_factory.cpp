#include "module/card_factory.h"

#include "platform/contract/vx_card.h"

#include <map>

namespace module {
namespace {

std::map<QString, CardMaker>& cards()
{
    static std::map<QString, CardMaker> makers;
    return makers;
}

} // namespace

void registerCard(const QString& className, CardMaker maker)
{
    cards()[className] = std::move(maker);
}

bool hasCard(const QString& className)
{
    return cards().contains(className);
}

vx::CardRef createCard(const QString& className, const vx::VxObjectUIOPtr& editor)
{
    const auto found = cards().find(className);
    if (found == cards().end())
        return {};
    std::unique_ptr<QWidget> widget = found->second();
    auto* card = dynamic_cast<vx::VxCard*>(widget.get());
    if (!card)
        return {};
    card->setVxObjectUIO(editor);
    return {widget.release()};
}

} // namespace module
