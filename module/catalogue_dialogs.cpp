#include "module/catalogue_dialogs.h"

#include "module/module_services.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_services.h"

#include <QApplication>
#include <QDialog>

namespace Catalogue {
namespace {

const QString lineBreak = QStringLiteral("\r\n");

QMessageBox::StandardButton showMessageBox(const QString& text, const QString& title, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons)
{
    // Message texts carry "\r\n" line breaks; the label shows "\r" as a stray
    // character, so the box gets plain "\n".
    QString shown = text;
    shown.replace(lineBreak, QStringLiteral("\n"));
    QMessageBox box(icon, title, shown, buttons, QApplication::activeWindow());
    return QMessageBox::StandardButton(box.exec());
}

MessageHandler& messageHandler()
{
    static MessageHandler handler = showMessageBox;
    return handler;
}

int execDialog(QDialog& dialog)
{
    return dialog.exec();
}

DialogRunner& dialogRunner()
{
    static DialogRunner runner = execDialog;
    return runner;
}

} // namespace

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(messageHandler());
    messageHandler() = handler ? std::move(handler) : MessageHandler(showMessageBox);
    return previous;
}

QMessageBox::StandardButton ShowMessage(const QString& text, const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons)
{
    return messageHandler()(text, title, icon, buttons);
}

QString MessageTitle()
{
    const vx::VxSPtr services = module::services();
    return services ? services->Environment().Application().ProductName : QString();
}

DialogRunner setDialogRunner(DialogRunner runner)
{
    DialogRunner previous = std::move(dialogRunner());
    dialogRunner() = runner ? std::move(runner) : DialogRunner(execDialog);
    return previous;
}

int RunModal(QDialog& dialog)
{
    return dialogRunner()(dialog);
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
