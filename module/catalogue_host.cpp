#include "module/catalogue_host.h"

#include "module/catalogue_controls.h"
#include "module/catalogue_conversions.h"
#include "module/module_services.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_services.h"

#include <QLineEdit>

namespace Catalogue {
namespace {

void showInTextBox(QLineEdit* textBox, const QString& text, const QString& tag)
{
    textBox->setText(text);
    SetTag(textBox, tag);
}

} // namespace

bool AccessRights::right(int number) const
{
    switch (number) {
    case 1: return Open;
    case 2: return Delete;
    case 3: return Write;
    case 4: return New;
    default: return false;
    }
}

vx::VxObjectUIOPtr GetEditor(const QString& id)
{
    const vx::VxSPtr services = module::services();
    return services ? services->Objects().GetVxObject(id) : nullptr;
}

AccessRights GetAccess(const QString& componentKey)
{
    AccessRights rights;
    const vx::VxSPtr services = module::services();
    if (!services)
        return rights;
    vx::VxSecurity& security = services->Security();
    // The service's checks are asked in this order, not in slot order.
    rights.Open = security.CanOpen(componentKey, 0);
    rights.Delete = security.CanDelete(componentKey, 0);
    rights.Write = security.CanWrite(componentKey, 0);
    rights.New = security.CanAdd(componentKey, 0);
    return rights;
}

void ShowObjectName(const QString& id, QLineEdit* textBox)
{
    if (!textBox)
        return;
    if (vx::oid::hasRecord(id))
        if (const vx::VxObjectUIOPtr editor = GetEditor(id)) {
            showInTextBox(textBox, editor->Preview(), editor->OIDR());
            return;
        }
    ClearObjectName(textBox);
}

void ClearObjectName(QLineEdit* textBox)
{
    if (textBox)
        showInTextBox(textBox, QString(), QString());
}

QString SelectObject(const QString& objectType, const QString& caption, QLineEdit* textBox, const QString& kind)
{
    const std::unique_ptr<vx::VxObjectSelector> selector = vx::hostFactory().createObjectSelector();
    if (!selector)
        return QString();
    selector->setObjectType(objectType);
    if (!kind.isEmpty())
        selector->setKind(kind);
    selector->setCaption(caption);
    if (textBox)
        selector->setCurrentValue(TagOf(textBox));
    if (!selector->showModal(textBox ? textBox->window() : nullptr))
        return QString();

    const QString key = selector->selectedKey();
    const qsizetype p = key.lastIndexOf(QLatin1Char('O'));
    if (p < 0)
        return QString();
    const QString id = key.mid(p);
    if (!vx::oid::hasRecord(key)) {
        ClearObjectName(textBox);
        return id;
    }
    const QString selectedCaption = selector->selectedCaption();
    if (!textBox)
        return id + QLatin1Char('_') + selectedCaption;
    showInTextBox(textBox, selectedCaption, id);
    return id;
}

QString ShowVxObjectModal(const QString& param, QLineEdit* textBox)
{
    const vx::VxSPtr services = module::services();
    if (!services)
        return QString();
    const vx::CallResult answer = services->Objects().CallFunction(QStringLiteral("ShowVxObjectModal"), param);
    const auto record = answer.Value.value<vx::RecordsetPtr>();
    if (!record || record->RecordCount() == 0)
        return QString();
    if (record->isBOF() || record->isEOF())
        record->MoveFirst();
    const QString oidr = TextOrEmpty(record->value(u"OIDR"));
    const QString preview = TextOrEmpty(record->value(u"Preview"));
    if (!textBox)
        return oidr + QLatin1Char('_') + preview;
    showInTextBox(textBox, preview, oidr);
    return oidr;
}

} // namespace Catalogue
