#pragma once

#include "module/card_factory.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"
#include "platform/shell/script/script_answers.h"
#include "platform/shell/script/script_controls.h"
#include "tests/support/module_host.h"

// The controls the card and dialog tests work.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QMetaEnum>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// What a user sees of some controls inside `root`, read as the script runner
// reads them, so one check compares a whole screen: space-separated control
// names, each with an optional ".property" (text by default; enabled, visible,
// checked, caption, rows, cell:#R:C; and "id", a choice field's object id),
// their values joined by "|".
inline std::string shown(QWidget* root, const char* names)
{
    QStringList values;
    for (const QString& item : QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype dot = item.indexOf(u'.');
        const QString property = dot < 0 ? QStringLiteral("text") : item.mid(dot + 1);
        QWidget* control = shell::script::findControl(root, item.left(dot));
        QString error = QStringLiteral("no control");
        auto* choice = qobject_cast<ChoiceField*>(control);
        const auto value = property == u"id" ? (choice ? std::optional(choice->objectId()) : std::nullopt)
                           : control         ? shell::script::readProperty(control, property, &error)
                                             : std::nullopt;
        values << value.value_or(QStringLiteral("<%1: %2>").arg(item, error));
    }
    return values.join(u'|').toStdString();
}

// Every row of a list as its cells joined by "|", the rows joined by "\n".
inline std::string rowsOf(const QTreeWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(row)->text(column);
        rows << cells.join(u'|');
    }
    return rows.join(u'\n').toStdString();
}

// The messages shown since the last call in short, each as "text [icon]",
// joined by "|" (takeShown below gives the whole box); they are taken, so the
// next call sees only newer ones.
inline std::string takeMessages(testhost::ScriptedMessages& scripted)
{
    QStringList said;
    for (const testhost::RecordedMessage& m : scripted.messages)
        said << QStringLiteral("%1 [%2]").arg(m.text, shell::script::Answers::iconName(m.icon));
    scripted.messages.clear();
    return said.join(u'|').toStdString();
}

// A module card made for an editor as the host makes it.
template <typename Card>
std::unique_ptr<Card> openCard(const vx::VxObjectUIOPtr& editor)
{
    auto* card = dynamic_cast<Card*>(module::createCard(QLatin1String(Card::staticMetaObject.className()), editor).widget.data());
    EXPECT_TRUE(card) << Card::staticMetaObject.className();
    return std::unique_ptr<Card>(card);
}

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
