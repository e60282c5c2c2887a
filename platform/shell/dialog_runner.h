#pragma once

#include "platform/contract/message_door.h"

class QWidget;

// Every modal dialog the host opens runs through the one replaceable runner
// that host and module share, so tests and scripts can play the user's part
// without entering an event loop.
namespace shell {

using DialogRunner = vx::dialogs::Runner;

// Installs a runner and returns the one it replaces; an empty runner brings
// back the default, dialog.exec().
inline DialogRunner setDialogRunner(DialogRunner runner)
{
    return vx::dialogs::setRunner(std::move(runner));
}

// The one way the host opens a modal dialog.
inline int runDialog(QDialog& dialog)
{
    return vx::dialogs::run(dialog);
}

// Runs a dialog its caller owns over `parent` (none: over no window); the
// dialog is the parent's child only while it is shown, so the caller keeps it.
int runDialogOver(QDialog& dialog, QWidget* parent);

} // namespace shell
