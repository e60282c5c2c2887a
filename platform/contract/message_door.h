#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <utility>

class QDialog;

// The one door every message box and every modal dialog of host and module
// passes through. It lives in the contract so both sides share one installed
// handler: whoever plays the user's part (a test, a script) installs it once
// and answers them all without an event loop.
namespace vx::messages {

// Shows one message and returns the button pressed (NoButton when the box was
// closed without one).
using Handler = std::function<QMessageBox::StandardButton(
    const QString& text, const QString& title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;

// Installs a handler and returns the one it replaces; an empty handler brings
// back the default, a QMessageBox over the active window. On a platform
// nobody sees (offscreen) the default waits for no one: it writes the title
// and text to the error stream and answers as closing the box would.
Handler setHandler(Handler handler);

// What closing a box with these buttons answers: Cancel, No or Ok, the first it has.
QMessageBox::StandardButton escapeButton(QMessageBox::StandardButtons buttons);

// Texts are passed on as given; the default box shows "\r\n" as a plain line break.
QMessageBox::StandardButton show(const QString& text, const QString& title, QMessageBox::Icon icon,
                                 QMessageBox::StandardButtons buttons);

// The same with captions for buttons that say more than their standard word
// ("Atidaryti aplanką" on Open). Only the box shows them: a handler answers
// with the standard button, so scripts and tests name it as usual.
using ButtonCaptions = QList<std::pair<QMessageBox::StandardButton, QString>>;
QMessageBox::StandardButton show(const QString& text, const QString& title, QMessageBox::Icon icon,
                                 QMessageBox::StandardButtons buttons, const ButtonCaptions& captions);

} // namespace vx::messages

namespace vx::dialogs {

// Runs a dialog modally and returns its result (QDialog::Accepted or Rejected,
// or whatever the dialog hands to done()).
using Runner = std::function<int(QDialog& dialog)>;

// Installs a runner and returns the one it replaces; an empty runner brings
// back the default, dialog.exec().
Runner setRunner(Runner runner);

int run(QDialog& dialog);

} // namespace vx::dialogs
