#include "tests/support/scripted_dialogs.h"

#include <QDialog>

namespace testhost {

ScriptedMessages::ScriptedMessages()
    : previous_(Catalogue::setMessageHandler([this](const QString& text, const QString& title,
                                                    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
          messages.append({text, title, icon, buttons});
          return answers_.isEmpty() ? QMessageBox::NoButton : answers_.dequeue();
      }))
{
}

ScriptedMessages::~ScriptedMessages()
{
    Catalogue::setMessageHandler(std::move(previous_));
}

ScriptedDialogs::ScriptedDialogs()
    : previous_(Catalogue::setDialogRunner([this](QDialog& dialog) {
          shown.append(dialog.objectName());
          return plays_.isEmpty() ? int(QDialog::Rejected) : plays_.dequeue()(dialog);
      }))
{
}

ScriptedDialogs::~ScriptedDialogs()
{
    Catalogue::setDialogRunner(std::move(previous_));
}

void ScriptedDialogs::answer(int result)
{
    plays_.enqueue([result](QDialog&) { return result; });
}

} // namespace testhost
