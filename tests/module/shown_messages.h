#pragma once

#include "tests/support/scripted_dialogs.h"

#include <QMetaEnum>

#include <string>

// The message boxes shown so far, one line each as "Icon|title|text|buttons",
// so a test compares all of them, and everything about them, in one check.
// Taking them clears the record for the next step of a test.
namespace testhost {

inline std::string takeShown(ScriptedMessages& recorded)
{
    static const std::pair<QMessageBox::StandardButton, const char*> known[] = {
        {QMessageBox::Ok, "Ok"}, {QMessageBox::Open, "Open"}, {QMessageBox::Yes, "Yes"},
        {QMessageBox::No, "No"}, {QMessageBox::Cancel, "Cancel"}};
    QStringList lines;
    for (const RecordedMessage& m : recorded.messages) {
        QStringList buttons;
        for (const auto& [button, name] : known)
            if (m.buttons.testFlag(button))
                buttons << QLatin1String(name);
        if (m.buttons & ~(QMessageBox::Ok | QMessageBox::Open | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel))
            buttons << QStringLiteral("others");
        lines << QStringList{QLatin1String(QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(m.icon)), m.title, m.text,
                             buttons.join(u' ')}
                     .join(u'|');
    }
    recorded.messages.clear();
    return lines.join(u'\n').toStdString();
}

} // namespace testhost
