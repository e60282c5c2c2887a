// Starting on a store that cannot be opened: in the window the user is told
// why and may pick another store or quit. That nothing waits unattended is
// unattended_start.sh's test.

#include "platform/shell/desktop_start.h"
#include "tests/support/scripted_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Answers the store's message with `answer` and its file dialog with `file` (empty: cancelled).
struct StartPlay {
    StartPlay(QMessageBox::StandardButton answer, const QString& file)
    {
        messages.answer(answer);
        dialogs.answer([file](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            if (!files || file.isEmpty())
                return int(QDialog::Rejected);
            files->selectFile(file);
            return int(QDialog::Accepted);
        });
    }
    testhost::ScriptedMessages messages;
    testhost::ScriptedDialogs dialogs;
};

TEST(DesktopStart, AStoreThatCannotBeOpenedLetsTheUserPickAnotherOrQuit)
{
    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("ne_duomenys.sqlite"));
    QFile text(broken);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("tai ne duomenų bazė, o tekstas, kurio SQLite neperskaitys kaip savo failo\n");
    text.close();
    const QString good = folder.filePath(QStringLiteral("kita.sqlite"));
    {
        // A fresh store to pick: opened once with creation allowed.
        shell::StartOptions make;
        make.database = good;
        make.demo = true;
        std::unique_ptr<QTemporaryDir> unused;
        ASSERT_TRUE(shell::openStartStore(make, unused));
    }

    const struct { const char* name; QMessageBox::StandardButton answer; QString picked; bool opened; int dialogs; } cases[] = {
        {"another store picked", QMessageBox::Open, good, true, 1},
        {"the file dialog cancelled", QMessageBox::Open, QString(), false, 1},
        {"quit", QMessageBox::Close, good, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartPlay play(c.answer, c.picked);
        shell::StartOptions options;
        options.database = broken;
        std::unique_ptr<QTemporaryDir> demoFolder;
        const bo::SessionPtr session = shell::openStartStore(options, demoFolder);
        EXPECT_EQ(bool(session), c.opened);
        EXPECT_EQ(options.database, c.opened ? good : broken);
        ASSERT_EQ(play.messages.messages.size(), 1);
        EXPECT_TRUE(play.messages.messages.first().text.startsWith(QStringLiteral("Nepavyko atidaryti duomenų bazės: ")));
        EXPECT_TRUE(play.messages.messages.first().text.endsWith(QStringLiteral("Atverti kitą duomenų bazę?")));
        EXPECT_EQ(play.dialogs.shown.size(), c.dialogs);
    }
}

} // namespace
