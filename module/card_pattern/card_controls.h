#pragma once

#include <QString>

class QDateEdit;
class QToolButton;
class QWidget;

// Controls every card makes the same way: named as the card's code calls
// them, the choose buttons beside a choice field and the date pickers.
namespace CardControls {

template <typename Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QToolButton* chooseButton(QWidget* parent, const char* name, const QString& text, const QString& tip);
// A date picker in the application's short date form, with a calendar.
QDateEdit* datePicker(QWidget* parent, const char* name);
// Lets a date picker hold no date: its minimum, the "no date" 1900.01.01,
// shows as "nenurodyta". Delete or Backspace clears the date; a digit typed
// into a picker without a date starts from today.
void allowNoDate(QDateEdit* picker);

} // namespace CardControls
