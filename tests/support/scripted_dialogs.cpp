#include "tests/support/scripted_dialogs.h"

#include <QDialog>

namespace testhost {

ScriptedMessages::ScriptedMessages()
    : previous_(vx::messages::setHandler([this](const QString& text, const QString& title,
                                                    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
          messages.append({text, title, icon, buttons});
          return answers_.isEmpty() ? QMessageBox::NoButton : answers_.dequeue();
      }))
{
}

ScriptedMessages::~ScriptedMessages()
{
    vx::messages::setHandler(std::move(previous_));
}

ScriptedDialogs::ScriptedDialogs()
    : previous_(vx::dialogs::setRunner([this](QDialog& dialog) {
          shown.append(dialog.objectName());
          return plays_.isEmpty() ? int(QDialog::Rejected) : plays_.dequeue()(dialog);
      }))
{
}

ScriptedDialogs::~ScriptedDialogs()
{
    vx::dialogs::setRunner(std::move(previous_));
}

void ScriptedDialogs::answer(int result)
{
    plays_.enqueue([result](QDialog&) { return result; });
}

void ScriptedDialogs::play(std::function<void(QDialog& dialog)> user)
{
    plays_.enqueue([user = std::move(user)](QDialog& dialog) {
        user(dialog);
        return dialog.result();
    });
}

} // namespace testhost
