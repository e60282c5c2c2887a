#pragma once

#include "platform/contract/vx_object_uio.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;

// Message boxes and modal dialogs of the module.
//
// Every message box goes through one replaceable handler, and every modal
// dialog a card opens goes through one replaceable runner, so tests can answer
// them without an event loop. Texts are passed on exactly as given; a line
// break inside a message text is "\r\n" (two of them: "\r\n\r\n").
namespace Catalogue {

// Shows one message and returns the button pressed (NoButton when the box was
// closed without one).
using MessageHandler = std::function<QMessageBox::StandardButton(
    const QString& text, const QString& title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;

// Installs a handler and returns the one it replaces; an empty handler brings
// back the default, a QMessageBox over the active window.
MessageHandler setMessageHandler(MessageHandler handler);

// The one door every message box of the module passes through.
QMessageBox::StandardButton ShowMessage(const QString& text, const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons);

// The title of the module's message boxes: the host's product name, empty when
// the module has not been given the host's services.
QString MessageTitle();

// Runs a dialog modally and returns its result (QDialog::Accepted or Rejected,
// or whatever the dialog hands to done()).
using DialogRunner = std::function<int(QDialog& dialog)>;

// Installs a runner and returns the one it replaces; an empty runner brings
// back the default, dialog.exec().
DialogRunner setDialogRunner(DialogRunner runner);

// The one way a card opens a modal dialog.
int RunModal(QDialog& dialog);

// Critical icon, OK button; titled with the product name unless a title is given.
void ShowError(const QString& message);
void ShowError(const QString& message, const QString& title);

// Question icon, Yes and No; true only for Yes.
bool AskYesNo(const QString& message);
bool AskYesNo(const QString& message, const QString& title);

// Details, a blank line and "Uždaryti be išsaugojimo?"; exclamation icon, Yes
// and No; true only for Yes.
bool AskCloseWithoutSaving(const QString& details);

// Asks "Ar tikrai norite panaikinti?" with the editor's preview. On Yes the
// list controller of the editor's type deletes the record, and when it reports
// success (0) the desktop closes what it shows of the record. Returns whether
// the record was deleted.
bool DeleteWithConfirmation(const vx::VxObjectUIOPtr& editor);

} // namespace Catalogue
