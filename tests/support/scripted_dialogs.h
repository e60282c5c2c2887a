#pragma once

#include "platform/contract/message_door.h"

#include <QList>
#include <QMessageBox>
#include <QQueue>
#include <QStringList>

#include <functional>

class QDialog;

// Answers the message boxes and modal dialogs of host and module from a script, so no
// test waits in an event loop. Each object takes over while it lives and
// gives the previous handler or runner back when it goes.
namespace testhost {

struct RecordedMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // The button pressed on the next message; a message nobody answered is
    // closed without a button (NoButton).
    void answer(QMessageBox::StandardButton button) { answers_.enqueue(button); }
    // The text of every message so far.
    QStringList texts() const
    {
        QStringList all;
        for (const RecordedMessage& message : messages)
            all << message.text;
        return all;
    }

    QList<RecordedMessage> messages;

private:
    QQueue<QMessageBox::StandardButton> answers_;
    vx::messages::Handler previous_;
};

class ScriptedDialogs {
public:
    // Plays the user's part on a dialog (fills its controls) and returns its result.
    using Play = std::function<int(QDialog& dialog)>;

    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answer(int result);
    void answer(Play play) { plays_.enqueue(std::move(play)); }
    // Plays the user's part; the result is whatever the dialog was closed with.
    void play(std::function<void(QDialog& dialog)> user);

    QStringList shown; // the objectName of every dialog run, in order; a dialog nobody answered is rejected

private:
    QQueue<Play> plays_;
    vx::dialogs::Runner previous_;
};

} // namespace testhost
