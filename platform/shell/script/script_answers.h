#pragma once

#include "platform/contract/message_door.h"
#include "platform/shell/dialog_runner.h"

#include <QDate>
#include <QList>
#include <QQueue>
#include <QString>

#include <functional>
#include <variant>

namespace shell::script {

// A message box as the script saw it.
struct Message {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// The next period dialog's answer: the dates from and to, or the last so many days.
struct PeriodAnswer {
    QDate from, to;
    int days = -1; // >= 0: the days-back choice
};

// Plays the user's part in every message box and host dialog while a script
// runs: message boxes, file dialogs and the host's choosers take the answers
// queued by the script; any other dialog is handed to `interactive`, which keeps it open
// while the script works on it. Installs itself on construction and puts the
// previous handlers back on destruction.
class Answers {
public:
    using Complaint = std::function<void(const QString& why)>;
    using Interactive = std::function<int(QDialog& dialog)>;
    Answers(Complaint complain, Interactive interactive);
    ~Answers();
    Answers(const Answers&) = delete;
    Answers& operator=(const Answers&) = delete;

    void queueButton(QMessageBox::StandardButton button) { buttons_.enqueue(button); }
    void queuePick(const QString& key) { picks_.enqueue(key); }
    void queueRow(int row) { rows_.enqueue(row); }
    void queuePeriod(const PeriodAnswer& period) { periods_.enqueue(period); }
    void queueFilter(const QString& text) { filters_.enqueue(text); }
    // An absolute path, or "-" to cancel.
    void queueFile(const QString& path) { files_.enqueue(path); }

    const QList<Message>& messages() const { return messages_; }
    // The messages shown since the previous check; the check moves past them.
    QList<Message> takeUnchecked();

    // Words a script uses for buttons ("Yes", "OK", ...); NoButton for an unknown word.
    static QMessageBox::StandardButton buttonNamed(const QString& word);
    static QString buttonNames(QMessageBox::StandardButtons buttons);
    static QString iconName(QMessageBox::Icon icon);

private:
    QMessageBox::StandardButton answer(const Message& message);
    int runHostDialog(QDialog& dialog);
    int answerSelector(QDialog& dialog);
    int answerGroupSelect(QDialog& dialog);
    int answerPeriod(QDialog& dialog);
    int answerFilter(QDialog& dialog);
    int answerFile(QDialog& dialog);
    int runDialog(QDialog& dialog);

    Complaint complain_;
    Interactive interactive_;
    QQueue<QMessageBox::StandardButton> buttons_;
    QQueue<QString> picks_;
    QQueue<int> rows_;
    QQueue<PeriodAnswer> periods_;
    QQueue<QString> filters_;
    QQueue<QString> files_;
    QList<Message> messages_;
    qsizetype checked_ = 0;
    vx::messages::Handler previousHandler_;
    vx::dialogs::Runner previousRunner_;
    DialogRunner previousHostRunner_;
};

} // namespace shell::script
