#pragma once

#include "tests/support/scripted_dialogs.h"

#include <string>

// The message boxes shown so far, one line each as "icon|title|text|buttons",
// so a test compares all of them, and everything about them, in one check.
// Taking them clears the record for the next step of a test.
namespace testhost {

inline std::string takeShown(ScriptedMessages& recorded)
{
    static const std::pair<QMessageBox::Icon, const char*> icons[] = {
        {QMessageBox::Critical, "critical"}, {QMessageBox::Warning, "warning"},
        {QMessageBox::Information, "information"}, {QMessageBox::Question, "question"}};
    static const std::pair<QMessageBox::StandardButton, const char*> buttons[] = {
        {QMessageBox::Ok, "Ok"}, {QMessageBox::Open, "Open"}, {QMessageBox::Yes, "Yes"},
        {QMessageBox::No, "No"}, {QMessageBox::Cancel, "Cancel"}};
    QStringList lines;
    for (const RecordedMessage& m : recorded.messages) {
        QString icon = QStringLiteral("none");
        for (const auto& [value, name] : icons)
            if (m.icon == value)
                icon = QLatin1String(name);
        QStringList pressed;
        QMessageBox::StandardButtons rest = m.buttons;
        for (const auto& [value, name] : buttons)
            if (m.buttons.testFlag(value)) {
                pressed << QLatin1String(name);
                rest &= ~value;
            }
        if (rest)
            pressed << QString::number(rest.toInt(), 16);
        lines << QStringList{icon, m.title, m.text, pressed.join(QLatin1Char(' '))}.join(QLatin1Char('|'));
    }
    recorded.messages.clear();
    return lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace testhost
