#include "platform/shell/host_cards/catalogue_editor.h"

#include "platform/shell/host_cards/host_card_factory.h"

namespace shell {

CatalogueEditor::CatalogueEditor(HostCardContext context, vx::VxObjectUIOPtr generic)
    : context_(std::move(context)), generic_(std::move(generic))
{
}

vx::CallResult CatalogueEditor::Properties(const QString& name, const QString& param)
{
    if (name == QLatin1String("GetObjectForm"))
        return vx::CallResult::success(QVariant::fromValue(vx::CardRef{makeEmptyHostCard(context_)}));
    return generic_->Properties(name, param);
}

} // namespace shell
