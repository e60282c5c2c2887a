#include "module/catalogue_dialogs.h"

#include "module/module_services.h"
#include "platform/contract/message_door.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_services.h"


namespace Catalogue {
namespace {

const QString lineBreak = QStringLiteral("\r\n");

} // namespace

// The module shares the host's one door, so whatever answers the host's
// message boxes answers the module's too.
MessageHandler setMessageHandler(MessageHandler handler)
{
    return vx::messages::setHandler(std::move(handler));
}

QMessageBox::StandardButton ShowMessage(const QString& text, const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons)
{
    return vx::messages::show(text, title, icon, buttons);
}

QString MessageTitle()
{
    const vx::VxSPtr services = module::services();
    return services ? services->Environment().Application().ProductName : QString();
}

DialogRunner setDialogRunner(DialogRunner runner)
{
    return vx::dialogs::setRunner(std::move(runner));
}

int RunModal(QDialog& dialog)
{
    return vx::dialogs::run(dialog);
}

void ShowError(const QString& message)
{
    ShowError(message, MessageTitle());
}

void ShowError(const QString& message, const QString& title)
{
    ShowMessage(message, title, QMessageBox::Critical, QMessageBox::Ok);
}

bool AskYesNo(const QString& message)
{
    return AskYesNo(message, MessageTitle());
}

bool AskYesNo(const QString& message, const QString& title)
{
    return ShowMessage(message, title, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

bool AskCloseWithoutSaving(const QString& details)
{
    const QString text = details + lineBreak + lineBreak + QStringLiteral("Uždaryti be išsaugojimo?");
    return ShowMessage(text, MessageTitle(), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

bool DeleteWithConfirmation(const vx::VxObjectUIOPtr& editor)
{
    if (!editor)
        return false;
    const QString text = QStringLiteral("Ar tikrai norite panaikinti?") + lineBreak + lineBreak + editor->Preview();
    if (ShowMessage(text, MessageTitle(), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    const vx::VxSPtr services = module::services();
    if (!services)
        return false;
    const vx::VxObjectUIPtr list = services->Objects().GetVxObjectUI(editor->OID());
    if (!list)
        return false;
    const QString oidr = editor->OIDR();
    if (list->DeleteVxObject(oidr) != 0)
        return false;
    services->Desktop().RemoveVxObject(oidr);
    return true;
}

} // namespace Catalogue
