#include "module/card_factory.h"
#include "module/catalogue_dialogs.h"
#include "module/catalogue_host.h"
#include "module/type_object_editors.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"

vx::CallResult UIO4000600::Properties(const QString& name, const QString& param)
{
    if (name.compare(QLatin1String("GetObjectForm"), Qt::CaseInsensitive) == 0)
        return objectForm();
    return businessProperty(QStringLiteral("Get") + name, param, Catalogue::MessageTitle());
}

// A route segment's form is the module's route card; the host's catalogue
// framework makes the form of any other catalogue item. The form then edits
// the record through this editor.
vx::CallResult UIO4000600::objectForm()
{
    const QString type = OIDR().isEmpty() ? itemType_ : vx::oid::typeId(OIDR());
    if (type == QLatin1String("O4000601")) {
        const vx::CardRef card = module::createCard(QStringLiteral("frmTransportRoute"), sharedAs<vx::VxObjectUIO>());
        return card.isNull() ? vx::CallResult() : vx::CallResult::success(QVariant::fromValue(card));
    }
    const vx::VxObjectUIOPtr host = Catalogue::GetEditor(QStringLiteral("O0001601"));
    if (!host)
        return {};
    const vx::CallResult answer = host->Properties(QStringLiteral("GetObjectForm"), QString());
    const auto card = answer.Value.value<vx::CardRef>();
    vx::VxCard* form = vx::cardOf(card);
    if (!form)
        return {answer.Code, answer.Message, QVariant()};
    form->setVxObjectUIO(sharedAs<vx::VxObjectUIO>());
    return vx::CallResult::success(QVariant::fromValue(card));
}

// The catalogue's own type ("O4000600") stores nothing; the editor remembers
// which item type it was given, so that an emptied OIDR reads a new item of
// that type rather than failing.
void UIO4000600::setOIDR(const QString& oidr)
{
    const QString type = vx::oid::typeId(oidr);
    if (!oidr.isEmpty() && type != OID())
        itemType_ = type;
    ObjectEditor::setOIDR(oidr);
}

vx::Status UIO4000600::Read()
{
    if (OIDR().isEmpty() && !itemType_.isEmpty())
        ObjectEditor::setOIDR(itemType_);
    return ObjectEditor::Read();
}
