#include "module/card_pattern/card_panel.h"

#include "module/card_pattern/card_base.h"
#include "module/catalogue_conversions.h"
#include "module/catalogue_dialogs.h"
#include "module/module_services.h"

#include <QAbstractButton>

namespace CardPanel {

bool startNewInSameGroup(CardBase& card, TopLevel topLevel)
{
    const vx::VxObjectUIOPtr editor = card.vxObjectUIO();
    const vx::RecordFields current = editor->Fields();
    const qint64 parentId = Catalogue::LongOrZero(current.value(QStringLiteral("ParentID")));
    const qint64 groupFlag = Catalogue::LongOrZero(current.value(QStringLiteral("GroupFlag")));
    const QString oldOidr = editor->OIDR();
    const vx::VxSPtr services = module::services();
    if (services && services->Desktop().LeaveObject(oldOidr, true))
        return false;
    editor->setOIDR(QString());
    if (editor->Read().Code != 0)
        return false;
    const vx::RecordFields fresh = editor->Fields();
    fresh.setValue(QStringLiteral("ParentID"),
                   parentId == 0 && topLevel == TopLevel::Null ? QVariant() : QVariant(parentId));
    fresh.setValue(QStringLiteral("GroupFlag"), groupFlag);
    card.InitForm();
    if (services && !oldOidr.isEmpty())
        services->Desktop().ReassignForm(oldOidr, {&card}, true);
    return true;
}

} // namespace CardPanel
