#include "platform/shell/script/script_answers.h"

#include "platform/shell/filter_dialog.h"
#include "platform/shell/group_select_dialog.h"
#include "platform/shell/object_selector_dialog.h"
#include "platform/shell/period_dialog.h"

#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace shell::script {
namespace {

const QList<std::pair<QString, QMessageBox::StandardButton>>& buttonWords()
{
    static const QList<std::pair<QString, QMessageBox::StandardButton>> words = {
        {QStringLiteral("Yes"), QMessageBox::Yes},     {QStringLiteral("No"), QMessageBox::No},
        {QStringLiteral("OK"), QMessageBox::Ok},       {QStringLiteral("Cancel"), QMessageBox::Cancel},
        {QStringLiteral("Abort"), QMessageBox::Abort}, {QStringLiteral("Retry"), QMessageBox::Retry},
        {QStringLiteral("Ignore"), QMessageBox::Ignore},        {QStringLiteral("Open"), QMessageBox::Open},
    };
    return words;
}

} // namespace

Answers::Answers(Complaint complain, Interactive interactive)
    : complain_(std::move(complain)), interactive_(std::move(interactive))
{
    previousHandler_ = vx::messages::setHandler(
        [this](const QString& text, const QString& title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
            return answer({text, title, icon, buttons});
        });
    previousRunner_ = vx::dialogs::setRunner([this](QDialog& dialog) { return runDialog(dialog); });
    previousHostRunner_ = setDialogRunner([this](QDialog& dialog) { return runHostDialog(dialog); });
}

Answers::~Answers()
{
    vx::messages::setHandler(std::move(previousHandler_));
    vx::dialogs::setRunner(std::move(previousRunner_));
    setDialogRunner(std::move(previousHostRunner_));
}

QList<Message> Answers::takeUnchecked()
{
    const QList<Message> unchecked = messages_.mid(checked_);
    checked_ = messages_.size();
    return unchecked;
}

QMessageBox::StandardButton Answers::buttonNamed(const QString& word)
{
    for (const auto& [name, button] : buttonWords())
        if (name.compare(word, Qt::CaseInsensitive) == 0)
            return button;
    return QMessageBox::NoButton;
}

QString Answers::buttonNames(QMessageBox::StandardButtons buttons)
{
    QStringList names;
    for (const auto& [name, button] : buttonWords())
        if (buttons.testFlag(button))
            names << name;
    return names.join(QLatin1Char(','));
}

QString Answers::iconName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical:
        return QStringLiteral("critical");
    case QMessageBox::Warning:
        return QStringLiteral("exclamation");
    case QMessageBox::Question:
        return QStringLiteral("question");
    case QMessageBox::Information:
        return QStringLiteral("information");
    default:
        return QStringLiteral("none");
    }
}

QMessageBox::StandardButton Answers::answer(const Message& message)
{
    messages_ << message;
    if (buttons_.isEmpty()) {
        complain_(QStringLiteral("message box without a queued answer: %1").arg(message.text));
        return vx::messages::escapeButton(message.buttons);
    }
    const QMessageBox::StandardButton button = buttons_.dequeue();
    if (!message.buttons.testFlag(button)) {
        complain_(QStringLiteral("the message box has no button %1 (it has %2): %3")
                      .arg(buttonNames(button), buttonNames(message.buttons), message.text));
        return vx::messages::escapeButton(message.buttons);
    }
    return button;
}

int Answers::runDialog(QDialog& dialog)
{
    if (qobject_cast<QFileDialog*>(&dialog))
        return answerFile(dialog);
    return interactive_(dialog);
}

int Answers::runHostDialog(QDialog& dialog)
{
    if (qobject_cast<ObjectSelectorDialog*>(&dialog))
        return answerSelector(dialog);
    if (qobject_cast<GroupSelectDialog*>(&dialog))
        return answerGroupSelect(dialog);
    if (qobject_cast<PeriodDialog*>(&dialog))
        return answerPeriod(dialog);
    if (qobject_cast<FilterDialog*>(&dialog))
        return answerFilter(dialog);
    return runDialog(dialog);
}

int Answers::answerSelector(QDialog& dialog)
{
    auto& selector = static_cast<ObjectSelectorDialog&>(dialog);
    if (picks_.isEmpty()) {
        complain_(QStringLiteral("object selector without a queued pick"));
        return QDialog::Rejected;
    }
    const QString key = picks_.dequeue();
    if (key == QLatin1String("-"))
        return QDialog::Rejected;
    if (!selector.setCurrentKey(key)) {
        complain_(QStringLiteral("the object selector shows no row %1").arg(key));
        return QDialog::Rejected;
    }
    selector.accept();
    if (selector.result() != QDialog::Accepted)
        complain_(QStringLiteral("the object selector does not let %1 be chosen").arg(key));
    return selector.result();
}

int Answers::answerGroupSelect(QDialog& dialog)
{
    auto& select = static_cast<GroupSelectDialog&>(dialog);
    if (rows_.isEmpty()) {
        complain_(QStringLiteral("row selection without a queued pickrow"));
        return QDialog::Rejected;
    }
    const int row = rows_.dequeue();
    if (row < 0)
        return QDialog::Rejected;
    select.setCurrentRow(row);
    select.accept();
    if (select.result() != QDialog::Accepted || select.chosenRow() != row)
        complain_(QStringLiteral("row %1 cannot be chosen").arg(row));
    return select.result();
}

int Answers::answerPeriod(QDialog& dialog)
{
    auto& period = static_cast<PeriodDialog&>(dialog);
    if (periods_.isEmpty()) {
        complain_(QStringLiteral("period dialog without a queued period"));
        return QDialog::Rejected;
    }
    const PeriodAnswer chosen = periods_.dequeue();
    if (chosen.days >= 0) {
        period.daysBackButton()->setChecked(true);
        period.daysBackEdit()->setValue(chosen.days);
        // The box keeps its own range; a number it cannot take is the user's
        // mistake, not a different period.
        if (period.daysBackEdit()->value() != chosen.days) {
            complain_(QStringLiteral("the period dialog takes %1 to %2 days back, not %3")
                          .arg(period.daysBackEdit()->minimum())
                          .arg(period.daysBackEdit()->maximum())
                          .arg(chosen.days));
            period.reject();
            return QDialog::Rejected;
        }
    } else {
        period.usePeriodButton()->setChecked(true);
        period.fromEdit()->setDate(chosen.from);
        period.toEdit()->setDate(chosen.to);
    }
    period.accept();
    if (period.result() != QDialog::Accepted)
        complain_(QStringLiteral("the period dialog refused the period"));
    return period.result();
}

int Answers::answerFilter(QDialog& dialog)
{
    auto& filter = static_cast<FilterDialog&>(dialog);
    if (filters_.isEmpty()) {
        complain_(QStringLiteral("filter dialog without a queued filter"));
        return QDialog::Rejected;
    }
    const QString text = filters_.dequeue();
    if (text.isEmpty())
        return QDialog::Rejected;
    filter.filterBox()->setText(text);
    filter.accept();
    return filter.result();
}

int Answers::answerFile(QDialog& dialog)
{
    auto& files = static_cast<QFileDialog&>(dialog);
    if (files_.isEmpty()) {
        complain_(QStringLiteral("file dialog \"%1\" without a queued file").arg(files.windowTitle()));
        return QDialog::Rejected;
    }
    const QString path = files_.dequeue();
    if (path == QLatin1String("-"))
        return QDialog::Rejected;
    // The script has chosen its file already: replacing one it left behind
    // needs no second answer.
    files.setOption(QFileDialog::DontConfirmOverwrite);
    files.selectFile(path);
    dialog.accept(); // QFileDialog::accept, which checks the name as a click on "Save" does
    if (files.result() != QDialog::Accepted)
        complain_(QStringLiteral("the file dialog does not take %1").arg(path));
    return files.result();
}

} // namespace shell::script
