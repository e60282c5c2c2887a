#include "platform/shell/dialog_runner.h"

#include <QDialog>

namespace shell {

int runDialogOver(QDialog& dialog, QWidget* parent)
{
    const Qt::WindowFlags flags = dialog.windowFlags();
    if (parent)
        dialog.setParent(parent, flags);
    const int result = runDialog(dialog);
    if (parent)
        dialog.setParent(nullptr, flags);
    return result;
}

} // namespace shell
