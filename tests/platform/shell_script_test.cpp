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
    QStringList read;
    for (const shell::script::Line& line : readScript(QStringLiteral("# heading\n\nnode A\r\n  # note\nnomsg\n")))
        read << QString::number(line.number) + QLatin1Char(' ') + line.words.join(QLatin1Char(' '));
    EXPECT_EQ(read.join(QLatin1Char('|')), QStringLiteral("3 node A|5 nomsg"));
}

// A label that takes dropped text, as a card's drop target does; the text of
// every drop is added to its own after a "|". One not `listening` is one a
// real drag never reaches.
class DropLabel final : public QLabel {
public:
    DropLabel(const char* name, bool listening, QWidget* parent) : QLabel(QLatin1String(name), parent) { setAcceptDrops(listening); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->setAccepted(event->mimeData()->hasText()); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->setAccepted(event->mimeData()->hasText()); }
    void dropEvent(QDropEvent* event) override
    {
        setText(text() + QLatin1Char('|') + event->mimeData()->text());
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
        QStringList lines;
        QStringList failures() const { return lines.filter(QStringLiteral("line ")); }
        std::string joined() const { return lines.join(QLatin1Char('\n')).toStdString(); }
        // The printed lines, one a line, each failure line ("line N: ...") cut to
        // the length of the line at its place in `expected`, which gives only
        // the start of a failure.
        QString cutTo(const QString& expected) const
        {
            const QStringList want = expected.split(QLatin1Char('\n'));
            QStringList cut = lines;
            for (qsizetype i = 0; i < cut.size() && i < want.size(); ++i)
                if (cut.at(i).startsWith(QLatin1String("line ")))
                    cut[i].truncate(want.at(i).size());
            return cut.join(QLatin1Char('\n'));
        }
    };

    Outcome run(const QString& script)
    {
        QString text;
        QTextStream out(&text);
        shell::script::Runner runner(*window, *services, out);
        runner.run(readScript(script));
        return {text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
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

// Each session runs with a fresh test card, or on the main list: what it
// prints (failures by their starts, the message listing, the summary), and the
// key of lvwItems' current row afterwards when it matters. A modal dialog is
// the active window while it is open, settle lets deferred timers run, and keys
// go to the focused control through the shortcuts a real key press meets; a
// drag never reaches a widget with acceptDrops() off, so the script's drop
// fails there too. Setting, typing, clicking, dates, Tab, Space, a chosen
// object, a menu item by its name, a chosen file and drops on a card's lists in
// their ordinary use are the application's scripts'.
TEST_F(ShellScript, SessionsReportEachFailureWithItsLineAndGoOn)
{
    struct Case { bool card; const char *script, *printed, *current; };
    const Case cases[] = {
        {false, "node CFirms\nexpect lvwObjects rows 2\n\nnode NoSuchNode\nclick cmdNothing\nmenu - 999\nfrobnicate\n"
                "type \"unterminated\nexpect lvwObjects rows 0\n",
         "line 2:\nline 4:\nline 5:\nline 6:\nline 7:\nline 8:\n1 passed, 6 failed", nullptr},
        {true, "expect frmTest caption Bandymas\nselect lvwItems K3\nclick cmdLocked\nset cboKind Nėra\n"
               "expect lvwItems cell:K9:1 0\nclick cmdMore\nexpect frmMore caption Daugiau\nclose\nexpect lblSaid text \"\"\n"
               "click cmdLater\nexpect lblSaid text pirmas\nsettle\nexpect lblSaid text \"pirmas antras\"\nclick cmdMore\n",
         "line 3: cmdLocked is disabled\nline 4:\nline 5:\n5 passed, 3 failed", "K3"},
        {true, "click txtName\nkey Shift+J\nkey O\nexpect txtName text Jo\nexpect cmdMnemonic text Rašyti\n"
               "expect focus chkDriver\nkey Ctrl+Nonsense\nexpect txtName text\n",
         "line 6: the focus is on txtName, expected chkDriver\nline 7:\nline 8:\n2 passed, 3 failed", nullptr},
        {true, "pick -\nclick cmdPick\nexpect lblSaid text -\nfilter \"kelias\"\nclick cmdFilter\nexpect lblSaid text kelias\n"
               "rclick lblMenu\nchoose Šalinti\nexpect lblSaid text Šalinti\nclick cmdFilter\nfile -\nclick cmdFile\n"
               "expect lblSaid text -\nclick cmdFile\n",
         "line 10: filter dialog without a queued filter\nline 14: file dialog \"Išsaugoti\" without a queued file\n"
         "4 passed, 2 failed",
         nullptr},
        {true, "drop lblDrop \"O4000603 Žiemos\"\ndrop lblSaid O40004001\ndrop lblNowhere O40004001\ndrop lblDeaf O40004001\n"
               "expect lblDrop text \"lblDrop|O4000603 Žiemos\"\nexpect lblDeaf text lblDeaf\n",
         "line 2: lblSaid does not take the drop\nline 3:\nline 4:\n2 passed, 3 failed", nullptr},
        // The unanswered third box is a failure, and so is a message that was
        // not shown (a failure with a message box's text goes on over its line
        // breaks); the listing of every box shown comes after them.
        {true, "messages\n", "0 passed, 0 failed", nullptr},
        {true, "answer Yes\nclick cmdAsk\nexpectmsg \"Ar tęsti?\\nTikrai?\" Kelmira question\nexpect lblSaid text taip\nnomsg\n"
               "answer OK\nclick cmdWarn\nclick cmdAsk\nexpect lblSaid text ne\nexpectmsg \"Kitas tekstas\"\nmessages\n",
         "line 8: message box without a queued answer\nTikrai?\nline 10:\nTikrai?\"\n"
         "Kelmira\tquestion\tYes,No\tAr tęsti?\\r\\nTikrai?\n"
         "Kelionės lapas\texclamation\tOK\tKuro likutis neigiamas\nKelmira\tquestion\tYes,No\tAr tęsti?\\r\\nTikrai?\n"
         "4 passed, 2 failed",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        if (c.card)
            openTestCard();
        const Outcome outcome = run(QString::fromUtf8(c.script));
        EXPECT_EQ(outcome.cutTo(QString::fromUtf8(c.printed)).toStdString(), c.printed);
        if (c.current) {
            const auto* items = window->findChild<QTreeWidget*>(QStringLiteral("lvwItems"));
            EXPECT_EQ(items->currentItem()->data(0, Qt::UserRole).toString(), QLatin1String(c.current));
        }
        if (c.card)
            delete window->desktopTabs()->currentWidget();
    }
}

TEST_F(ShellScript, DumpListsTheActiveWindowsControlsInTabOrder)
{
    openTestCard();
    const QStringList lines = run(QStringLiteral("dump\n")).lines;
    QStringList names;
    for (const QString& line : lines.mid(0, 4))
        names << line.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(names.join(QLatin1Char(' ')), QStringLiteral("txtName chkDriver dtpDate cboKind"));
    EXPECT_TRUE(lines.contains(QStringLiteral("cmdLocked\tQPushButton\tUžrakinta\tenabled=False\tvisible=True\tchecked=-")));
}

TEST_F(ShellScript, PickrowChoosesTheQueuedRowOfTheGroupSelection)
{
    QStringList norms;
    openTestCard(normChoice(carWithTwoNorms(&norms)));
    // `said`: what the card got back; then what the run printed. A failing
    // pickrow leaves nothing queued, so the click fails as well.
    const QString ok = QStringLiteral("0 passed, 0 failed"), badRow = QStringLiteral("line 1: pickrow takes a row number or -1\n");
    struct Case { QString script, said, printed; };
    const QList<Case> cases = {
        {QStringLiteral("pickrow 1\nclick cmdNorm\n"), norms.at(1), ok},
        {QStringLiteral("pickrow -1\nclick cmdNorm\n"), QStringLiteral("-"), ok},
        {QStringLiteral("pickrow 5\nclick cmdNorm\n"), QStringLiteral("-"),
         QStringLiteral("line 2: row 5 cannot be chosen\n0 passed, 1 failed")},
        {QStringLiteral("click cmdNorm\n"), QStringLiteral("-"),
         QStringLiteral("line 1: row selection without a queued pickrow\n0 passed, 1 failed")},
        {QStringLiteral("pickrow -2\nclick cmdNorm\n"), QStringLiteral("-"),
         badRow + QStringLiteral("line 2: row selection without a queued pickrow\n0 passed, 2 failed")},
        {QStringLiteral("pickrow antra\n"), QStringLiteral("?"), badRow + QStringLiteral("0 passed, 1 failed")},
        // Queued rows are taken in order, one per chooser.
        {QStringLiteral("pickrow 1\npickrow 0\nclick cmdNorm\nexpect lblSaid text %1\nclick cmdNorm\n").arg(norms.at(1)),
         norms.at(0), QStringLiteral("1 passed, 0 failed")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.toStdString());
        said->setText(QStringLiteral("?"));
        const QString printed = run(c.script).cutTo(c.printed);
        EXPECT_EQ(printed.toStdString() + " / " + said->text().toStdString(), c.printed.toStdString() + " / " + c.said.toStdString());
    }
}

TEST_F(ShellScript, PeriodAnswersTheNextPeriodDialogAndTheChoiceIsStored)
{
    openTestCard();
    // `stored`: whether dates are used, the days back, and the dates, which a
    // days answer keeps as they were.
    struct Case { const char* script; bool fails; const char* stored; };
    const Case cases[] = {
        {"period days 14\nclick cmdPeriod\nexpect lblSaid text \"dienos 14\"\n", false, "days 14 2026.11.01-2026.11.16"},
        {"period 2025.01.01 2025.03.31\nclick cmdPeriod\nexpect lblSaid text 2025.01.01-2025.03.31\n", false,
         "dates 14 2025.01.01-2025.03.31"},
        {"period days 0\nclick cmdPeriod\nexpect lblSaid text \"dienos 0\"\n", false, "days 0 2025.01.01-2025.03.31"},
        {"period days 45\nclick cmdPeriod\n", false, "days 45 2025.01.01-2025.03.31"},
        // The days back and the dates kept from before stay when the script's answer is refused,
        // also for more days than the dialog takes: they are not stored as some other number.
        {"period 2025.03.31 2025.01.01\nclick cmdPeriod\n", true, "days 45 2025.01.01-2025.03.31"},
        {"period days -3\nclick cmdPeriod\n", true, "days 45 2025.01.01-2025.03.31"},
        {"period days 5000\nclick cmdPeriod\n", true, "days 45 2025.01.01-2025.03.31"},
        {"period days savaitė\n", true, "days 45 2025.01.01-2025.03.31"},
        {"period 2025.13.01 2025.12.31\n", true, "days 45 2025.01.01-2025.03.31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const Outcome outcome = run(QString::fromUtf8(c.script));
        EXPECT_EQ(!outcome.failures().isEmpty(), c.fails) << outcome.joined();
        const vx::PeriodRecord stored = services->storedPeriod();
        const QString format = QStringLiteral("yyyy.MM.dd");
        EXPECT_EQ(QStringLiteral("%1 %2 %3-%4")
                      .arg(stored.UsePeriod ? u"dates" : u"days")
                      .arg(stored.DaysBack)
                      .arg(stored.PeriodFrom.toString(format), stored.PeriodTo.toString(format))
                      .toStdString(),
                  c.stored);
    }
}

} // namespace
