// Scripted sessions: the grammar of a script, and its commands driving the
// real main window with the real module on a real store, and a small card.

#include "platform/contract/clock.h"
#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/shell/filter_dialog.h"
#include "platform/shell/host_dialog_functions.h"
#include "platform/shell/object_selector_dialog.h"
#include "platform/shell/script/script_parser.h"
#include "platform/shell/script/script_runner.h"
#include "tests/support/host_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using shell::script::readLine;
using shell::script::readScript;

TEST(ShellScriptGrammar, LinesSplitIntoWords)
{
    // `words`: each in brackets; null: the line is refused.
    const struct { const char* line; const char* words; } cases[] = {
        {"click cmdWrite", "[click][cmdWrite]"},
        {"  type\ttxtName   Jonas  ", "[type][txtName][Jonas]"},
        {"type txtName \"Jonas Jonaitis\"", "[type][txtName][Jonas Jonaitis]"},
        {"expectmsg \"a \\\"b\\\" \\\\ c\\r\\nd\\te\"", "[expectmsg][a \"b\" \\ c\r\nd\te]"},
        {"filter \"\"", "[filter][]"},
        {"type txtName \"# not a comment\" # a comment", "[type][txtName][# not a comment]"},
        {"# only a comment", ""},
        {"type txtName Žąsis", "[type][txtName][Žąsis]"},
        {"type txtName \"open", nullptr},
        {"type txtName \"bad \\q escape\"", nullptr},
    };
    for (const auto& c : cases) {
        const shell::script::Line line = readLine(QString::fromUtf8(c.line), 7);
        EXPECT_EQ(line.number, 7);
        QString words;
        for (const QString& word : line.words)
            words += QLatin1Char('[') + word + QLatin1Char(']');
        EXPECT_EQ((line.error.isEmpty() ? words : QStringLiteral("refused")).toStdString(), c.words ? c.words : "refused") << c.line;
    }
}

TEST(ShellScriptGrammar, AScriptKeepsTheFileLineNumbersOfItsCommands)
{
    const QList<shell::script::Line> lines = readScript(QStringLiteral("# heading\n\nnode A\r\n  # note\nnomsg\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(0).number, 3);
    EXPECT_EQ(lines.at(0).words, (QStringList{QStringLiteral("node"), QStringLiteral("A")}));
    EXPECT_EQ(lines.at(1).number, 5);
}

// A label that takes dropped text, as a card's drop target does; the text of
// every drop is kept. One not `listening` is one a real drag never reaches.
class DropLabel final : public QLabel {
public:
    DropLabel(const char* name, bool listening, QWidget* parent) : QLabel(QLatin1String(name), parent) { setAcceptDrops(listening); }
    QStringList received;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->setAccepted(event->mimeData()->hasText()); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->setAccepted(event->mimeData()->hasText()); }
    void dropEvent(QDropEvent* event) override
    {
        received << event->mimeData()->text();
        event->acceptProposedAction();
    }
};

// Names the widget, puts it next in the card's layout and gives it back.
template <class W>
W* add(QWidget* card, W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    card->layout()->addWidget(widget);
    return widget;
}

// A card with one control of each kind a script uses, buttons that open the
// host's choosers, message boxes and a modal dialog the way cards do, and drop
// targets; lblSaid tells what a button got.
QWidget* testCard(const bo::SessionPtr& session, shell::HostServices& services, const QString& groupParam, QLabel** said)
{
    auto* card = new QWidget;
    card->setObjectName(QStringLiteral("frmTest"));
    new QVBoxLayout(card);
    add(card, new QLineEdit(card), "txtName");
    add(card, new QCheckBox(QStringLiteral("Vairuotojas"), card), "chkDriver");
    add(card, new QDateEdit(card), "dtpDate")->setDisplayFormat(QStringLiteral("yyyy.MM.dd"));
    add(card, new QComboBox(card), "cboKind")->addItems({QStringLiteral("Vilkikas"), QStringLiteral("Puspriekabė")});
    auto* items = add(card, new QTreeWidget(card), "lvwItems");
    items->setColumnCount(2);
    for (int i = 1; i <= 3; ++i)
        (new QTreeWidgetItem(items, {QStringLiteral("Eilutė %1").arg(i), QString::number(i * 10)}))
            ->setData(0, Qt::UserRole, QStringLiteral("K%1").arg(i));
    add(card, new QPushButton(QStringLiteral("Užrakinta"), card), "cmdLocked")->setEnabled(false);
    QLabel* label = *said = new QLabel(card);
    label->setObjectName(QStringLiteral("lblSaid"));
    const auto button = [&](const char* key, std::function<QString()> act) {
        // An empty answer leaves the label as it was.
        QObject::connect(add(card, new QPushButton(QString::fromLatin1(key), card), key), &QPushButton::clicked, card,
                         [label, act] {
                             if (const QString text = act(); !text.isNull())
                                 label->setText(text);
                         });
    };
    button("cmdAsk", [] {
        const auto answer = vx::messages::show(QStringLiteral("Ar tęsti?\r\nTikrai?"), QStringLiteral("Kelmira"),
                                               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? QStringLiteral("taip") : QStringLiteral("ne");
    });
    button("cmdWarn", [] {
        vx::messages::show(QStringLiteral("Kuro likutis neigiamas"), QStringLiteral("Kelionės lapas"), QMessageBox::Warning,
                           QMessageBox::Ok);
        return QString();
    });
    // A modal dialog, closed by the script while it is open.
    button("cmdMore", [card] {
        QDialog dialog(card);
        dialog.setObjectName(QStringLiteral("frmMore"));
        dialog.setWindowTitle(QStringLiteral("Daugiau"));
        return vx::dialogs::run(dialog) == QDialog::Accepted ? QStringLiteral("priimta") : QString();
    });
    button("cmdPick", [session, card] {
        shell::ObjectSelectorDialog selector(session);
        selector.setObjectType(QStringLiteral("O0000100"));
        selector.setKind(QStringLiteral("T"));
        return selector.showModal(card) ? selector.selectedCaption() : QStringLiteral("-");
    });
    button("cmdFilter", [card] { return shell::FilterDialog().askFilter(card); });
    button("cmdFile", [card] {
        QFileDialog dialog(card, QStringLiteral("Išsaugoti"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        return vx::dialogs::run(dialog) == QDialog::Accepted ? QFileInfo(dialog.selectedFiles().value(0)).fileName()
                                                             : QStringLiteral("-");
    });
    button("cmdNorm", [&services, groupParam] {
        const vx::CallResult result = services.Objects().CallFunction(QStringLiteral("VxGroupSelect"), groupParam);
        const auto rows = result.Value.value<vx::RecordsetPtr>();
        return result.Code != 0 ? QStringLiteral("klaida") : rows ? rows->value(QStringLiteral("OIDR")).toString() : QStringLiteral("-");
    });
    button("cmdPeriod", [&services] {
        const auto period = services.Objects().CallFunction(QStringLiteral("GetNewPeriod"), QString()).Value.value<vx::PeriodRecord>();
        return period.UsePeriod ? period.PeriodFrom.toString(QStringLiteral("yyyy.MM.dd")) + QLatin1Char('-') +
                                      period.PeriodTo.toString(QStringLiteral("yyyy.MM.dd"))
                                : QStringLiteral("dienos %1").arg(period.DaysBack);
    });
    // A caption with a mnemonic, which scripts read as it is shown.
    button("cmdMnemonic", [] { return QStringLiteral("rašyta"); });
    card->findChild<QPushButton*>(QStringLiteral("cmdMnemonic"))->setText(QStringLiteral("&Rašyti"));
    button("cmdLater", [label] {
        QTimer::singleShot(0, label, [label] { label->setText(QStringLiteral("pirmas")); });
        QTimer::singleShot(40, label, [label] { label->setText(label->text() + QStringLiteral(" antras")); });
        return QString();
    });
    auto* menuOwner = add(card, new QLabel(QStringLiteral("meniu"), card), "lblMenu");
    menuOwner->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const QString& item : {QStringLiteral("Naujas"), QStringLiteral("Šalinti")})
        QObject::connect(menuOwner->addAction(item), &QAction::triggered, label, [label, item] { label->setText(item); });
    add(card, new DropLabel("lblDrop", true, card), "lblDrop");
    add(card, new DropLabel("lblDeaf", false, card), "lblDeaf");
    card->layout()->addWidget(label);
    return card;
}

class ShellScript : public HostFixture {
protected:
    void prepare() override
    {
        openModuleWindow();
        shell::addDialogFunctions(*services);
        window->show();
    }

    struct Outcome {
        int passed, failed;
        QStringList lines;
        QStringList failures() const { return lines.filter(QStringLiteral("line ")); }
        QString failedAt() const // the line number of each failure, "2 4 5"
        {
            QStringList at;
            for (const QString& line : failures())
                at << line.section(QLatin1Char(':'), 0, 0).mid(5);
            return at.join(QLatin1Char(' '));
        }
        std::string joined() const { return lines.join(QLatin1Char('\n')).toStdString(); }
    };

    Outcome run(const QString& script)
    {
        QString text;
        QTextStream out(&text);
        shell::script::Runner runner(*window, *services, out);
        runner.run(readScript(script));
        return {runner.passed(), runner.failed(), text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
    }

    void openTestCard(const QString& groupParam = QString())
    {
        QTabWidget* tabs = window->desktopTabs();
        tabs->setCurrentIndex(tabs->addTab(testCard(sessionPtr(), *services, groupParam, &said), QStringLiteral("Bandymas")));
    }

    QLabel* said = nullptr;
};

// The commands' ordinary use is the application's own scripts' test (a new trip
// sheet, a vehicle, a tyre and a route segment, played by --script); these
// tests are about what those never meet: failures, refusals, the rarer commands,
// and a row of the main list inside a group, unfolded and double-clicked.
TEST_F(ShellScript, DblclickOpensARowOfTheListInsideItsGroup)
{
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("MAN KLM 214")}});
    const QString sheet = create("O4000100", {{"Name", QStringLiteral("LAP-1")}, {"TransportCarID", car},
                                              {"Date", QDateTime(vx::clock::today(), QTime(8, 0))}});
    const Outcome outcome =
        run(QStringLiteral("node CTransportTrips\ndblclick lvwObjects %1\nexpect cmdWrite visible True\n").arg(sheet));
    EXPECT_EQ(outcome.lines.join(QLatin1Char('\n')), QStringLiteral("1 passed, 0 failed"));
    EXPECT_EQ(window->desktopTabs()->count(), 2);
}

TEST_F(ShellScript, FailuresCarryTheirLineNumbersAndTheRunGoesOn)
{
    const Outcome outcome = run(QStringLiteral("node CFirms\n"
                                               "expect lvwObjects rows 2\n"
                                               "\n"
                                               "node NoSuchNode\n"
                                               "click cmdNothing\n"
                                               "menu - 999\n"
                                               "frobnicate\n"
                                               "type \"unterminated\n"
                                               "expect lvwObjects rows 0\n"));
    EXPECT_EQ(outcome.failedAt(), QStringLiteral("2 4 5 6 7 8"));
    EXPECT_EQ(outcome.lines.last(), QStringLiteral("1 passed, 6 failed"));
}

// A modal dialog is the active window while it is open, and settle lets deferred
// timers run. Setting, typing, clicking, dates and what controls show in their
// ordinary use are the application's scripts'.
TEST_F(ShellScript, CardCaptionsSelectedRowsClosedDialogsTimersAndRefusedControls)
{
    openTestCard();
    const Outcome outcome = run(QStringLiteral("expect frmTest caption Bandymas\n"
                                               "select lvwItems K3\n"
                                               "click cmdLocked\n"
                                               "set cboKind Nėra\n"
                                               "expect lvwItems cell:K9:1 0\n"
                                               "click cmdMore\n"
                                               "expect frmMore caption Daugiau\n"
                                               "close\n"
                                               "expect lblSaid text \"\"\n"
                                               "click cmdLater\n"
                                               "expect lblSaid text pirmas\n"
                                               "settle\n"
                                               "expect lblSaid text \"pirmas antras\"\n"
                                               "click cmdMore\n"));
    EXPECT_EQ(outcome.failedAt(), QStringLiteral("3 4 5")) << outcome.joined();
    EXPECT_TRUE(outcome.failures().value(0).startsWith(QLatin1String("line 3: cmdLocked is disabled")));
    EXPECT_EQ(outcome.passed, 5);
    const auto* items = window->findChild<QTreeWidget*>(QStringLiteral("lvwItems"));
    EXPECT_EQ(items->currentItem()->data(0, Qt::UserRole).toString(), QStringLiteral("K3"));
    EXPECT_EQ(said->text(), QStringLiteral("pirmas antras"));
}

TEST_F(ShellScript, DumpListsTheActiveWindowsControlsInTabOrder)
{
    openTestCard();
    const Outcome outcome = run(QStringLiteral("dump\n"));
    QStringList names;
    for (const QString& line : outcome.lines.mid(0, 4))
        names << line.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(names, (QStringList{QStringLiteral("txtName"), QStringLiteral("chkDriver"), QStringLiteral("dtpDate"),
                                  QStringLiteral("cboKind")}));
    EXPECT_TRUE(outcome.lines.contains(QStringLiteral("cmdLocked\tQPushButton\tUžrakinta\tenabled=False\tvisible=True\tchecked=-")));
}

// Keys go to the focused control through the shortcuts a real key press meets
// (Tab, Space and shortcuts are the keyboard trip sheet script's).
TEST_F(ShellScript, KeyLettersReachTheFocusedControlAndAWrongFocusOrKeyFails)
{
    openTestCard();
    const Outcome outcome = run(QStringLiteral("click txtName\n"
                                               "key Shift+J\n"
                                               "key O\n"
                                               "expect txtName text Jo\n"
                                               "expect cmdMnemonic text Rašyti\n"
                                               "expect focus chkDriver\n"
                                               "key Ctrl+Nonsense\n"
                                               "expect txtName text\n"));
    EXPECT_EQ(outcome.failedAt(), QStringLiteral("6 7 8")) << outcome.joined();
    EXPECT_TRUE(outcome.failures().value(0).endsWith(QLatin1String("the focus is on txtName, expected chkDriver")));
    EXPECT_EQ(outcome.passed, 2);
}

// A chosen object, a menu item by its name and a chosen file are the application's scripts'.
TEST_F(ShellScript, HostChoosersFileDialogsAndPopUpMenusTakeTheScriptsAnswers)
{
    openTestCard();
    const Outcome outcome = run(QStringLiteral("pick -\n"
                                               "click cmdPick\n"
                                               "expect lblSaid text -\n"
                                               "filter \"kelias\"\n"
                                               "click cmdFilter\n"
                                               "expect lblSaid text kelias\n"
                                               "rclick lblMenu\n"
                                               "choose Šalinti\n"
                                               "expect lblSaid text Šalinti\n"
                                               "click cmdFilter\n"
                                               "file -\n"
                                               "click cmdFile\n"
                                               "expect lblSaid text -\n"
                                               "click cmdFile\n"));
    const QStringList failures = outcome.failures();
    ASSERT_EQ(failures.size(), 2) << outcome.joined();
    EXPECT_TRUE(failures.at(0).startsWith(QLatin1String("line 10: filter dialog without a queued filter")));
    EXPECT_TRUE(failures.at(1).startsWith(QStringLiteral("line 14: file dialog \"Išsaugoti\" without a queued file")));
    EXPECT_EQ(outcome.passed, 4);
}

TEST_F(ShellScript, PickrowChoosesTheQueuedRowOfTheGroupSelection)
{
    QStringList norms;
    openTestCard(normChoice(carWithTwoNorms(&norms)));
    // `said`: what the card got back; `failure`: the start of the expected failure line, empty for none.
    struct Case { QString script; QString said; QString failure; };
    const QList<Case> cases = {
        {QStringLiteral("pickrow 1\nclick cmdNorm\n"), norms.at(1), QString()},
        {QStringLiteral("pickrow -1\nclick cmdNorm\n"), QStringLiteral("-"), QString()},
        {QStringLiteral("pickrow 5\nclick cmdNorm\n"), QStringLiteral("-"), QStringLiteral("line 2: row 5 cannot be chosen")},
        {QStringLiteral("click cmdNorm\n"), QStringLiteral("-"), QStringLiteral("line 1: row selection without a queued pickrow")},
        {QStringLiteral("pickrow -2\nclick cmdNorm\n"), QStringLiteral("-"), QStringLiteral("line 1: pickrow takes a row number or -1")},
        {QStringLiteral("pickrow antra\n"), QStringLiteral("?"), QStringLiteral("line 1: pickrow takes a row number or -1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.toStdString());
        said->setText(QStringLiteral("?"));
        const Outcome outcome = run(c.script);
        const QStringList failures = outcome.failures();
        if (c.failure.isEmpty()) {
            EXPECT_TRUE(failures.isEmpty()) << outcome.joined();
        } else {
            // A failing first line leaves nothing queued, so the click fails as well.
            ASSERT_FALSE(failures.isEmpty());
            EXPECT_TRUE(failures.first().startsWith(c.failure)) << outcome.joined();
        }
        EXPECT_EQ(said->text(), c.said);
    }

    // Queued rows are taken in order, one per chooser.
    const Outcome queued = run(QStringLiteral("pickrow 1\npickrow 0\nclick cmdNorm\nexpect lblSaid text %1\n"
                                              "click cmdNorm\nexpect lblSaid text %2\n")
                                   .arg(norms.at(1), norms.at(0)));
    EXPECT_EQ(queued.failed, 0) << queued.joined();
    EXPECT_EQ(queued.passed, 2);
}

TEST_F(ShellScript, PeriodAnswersTheNextPeriodDialogAndTheChoiceIsStored)
{
    openTestCard();
    // `from` and `to` are checked for a dates period.
    struct Case { QString script; bool fails; bool usePeriod; int daysBack; QDate from, to; };
    const QList<Case> cases = {
        {QStringLiteral("period days 14\nclick cmdPeriod\nexpect lblSaid text \"dienos 14\"\n"), false, false, 14, {}, {}},
        {QStringLiteral("period 2025.01.01 2025.03.31\nclick cmdPeriod\nexpect lblSaid text 2025.01.01-2025.03.31\n"), false,
         true, 14, QDate(2025, 1, 1), QDate(2025, 3, 31)},
        {QStringLiteral("period days 0\nclick cmdPeriod\nexpect lblSaid text \"dienos 0\"\n"), false, false, 0, {}, {}},
        {QStringLiteral("period days 45\nclick cmdPeriod\n"), false, false, 45, {}, {}},
        // The days back and the dates kept from before stay when the script's answer is refused,
        // also for more days than the dialog takes: they are not stored as some other number.
        {QStringLiteral("period 2025.03.31 2025.01.01\nclick cmdPeriod\n"), true, false, 45, {}, {}},
        {QStringLiteral("period days -3\nclick cmdPeriod\n"), true, false, 45, {}, {}},
        {QStringLiteral("period days 5000\nclick cmdPeriod\n"), true, false, 45, {}, {}},
        {QStringLiteral("period days savaitė\n"), true, false, 45, {}, {}},
        {QStringLiteral("period 2025.13.01 2025.12.31\n"), true, false, 45, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.toStdString());
        const Outcome outcome = run(c.script);
        EXPECT_EQ(outcome.failed > 0, c.fails) << outcome.joined();
        const vx::PeriodRecord stored = services->storedPeriod();
        EXPECT_EQ(stored.UsePeriod, c.usePeriod);
        EXPECT_EQ(stored.DaysBack, c.daysBack);
        if (c.usePeriod) {
            EXPECT_EQ(stored.PeriodFrom, c.from);
            EXPECT_EQ(stored.PeriodTo, c.to);
        }
    }
}

// Drops on a card's lists are the application's scripts'.
TEST_F(ShellScript, DropHandsTheTextToTheControlAsADragWould)
{
    openTestCard();
    auto* label = window->findChild<DropLabel*>(QStringLiteral("lblDrop"));
    auto* deaf = window->findChild<DropLabel*>(QStringLiteral("lblDeaf"));
    ASSERT_TRUE(label && deaf);
    const Outcome outcome = run(QStringLiteral("drop lblDrop \"O4000603 Žiemos\"\n"));
    EXPECT_EQ(outcome.failed, 0) << outcome.joined();
    EXPECT_EQ(label->received, QStringList{QStringLiteral("O4000603 Žiemos")});

    // A drag never reaches a widget with acceptDrops() off, so the script's drop fails there too.
    const Outcome refused = run(QStringLiteral("drop lblSaid O40004001\ndrop lblNowhere O40004001\ndrop lblDeaf O40004001\n"));
    EXPECT_EQ(refused.failedAt(), QStringLiteral("1 2 3"));
    EXPECT_TRUE(refused.failures().value(0).startsWith(QLatin1String("line 1: lblSaid does not take the drop"))) << refused.joined();
    EXPECT_TRUE(deaf->received.isEmpty()) << deaf->received.join(QLatin1Char(',')).toStdString();
}

TEST_F(ShellScript, MessageBoxesTakeQueuedAnswersAndMessagesPrintsEveryOneSoFar)
{
    openTestCard();
    const Outcome none = run(QStringLiteral("messages\n"));
    EXPECT_EQ(none.lines, QStringList{QStringLiteral("0 passed, 0 failed")});

    const Outcome outcome = run(QStringLiteral("answer Yes\n"
                                               "click cmdAsk\n"
                                               "expectmsg \"Ar tęsti?\\nTikrai?\" Kelmira question\n"
                                               "expect lblSaid text taip\n"
                                               "nomsg\n"
                                               "answer OK\n"
                                               "click cmdWarn\n"
                                               "click cmdAsk\n"
                                               "expect lblSaid text ne\n"
                                               "expectmsg \"Kitas tekstas\"\n"
                                               "messages\n"));
    const QStringList expected = {
        QStringLiteral("Kelmira\tquestion\tYes,No\tAr tęsti?\\r\\nTikrai?"),
        QStringLiteral("Kelionės lapas\texclamation\tOK\tKuro likutis neigiamas"),
        QStringLiteral("Kelmira\tquestion\tYes,No\tAr tęsti?\\r\\nTikrai?"),
    };
    QStringList printed;
    for (const QString& line : outcome.lines)
        if (line.contains(QLatin1Char('\t')))
            printed << line;
    EXPECT_EQ(printed, expected) << outcome.joined();
    // The unanswered third box is a failure, and so is a message that was not shown;
    // the listing comes after them.
    const QStringList failures = outcome.failures();
    ASSERT_EQ(failures.size(), 2) << outcome.joined();
    EXPECT_TRUE(failures.at(0).startsWith(QLatin1String("line 8: message box without a queued answer")));
    EXPECT_TRUE(failures.at(1).startsWith(QLatin1String("line 10:")));
    EXPECT_LT(outcome.lines.indexOf(failures.at(1)), outcome.lines.indexOf(expected.at(0)));
    EXPECT_EQ(outcome.lines.last(), QStringLiteral("4 passed, 2 failed"));
}

} // namespace
