// The main window's list as a user works it: a double-click or Enter on a
// row that only groups others opens nothing, the host's filter dialog and "show
// all" on the lists that answer them, and the trip sheets' view period re-chosen.

#include "platform/shell/filter_dialog.h"
#include "platform/shell/host_dialog_functions.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/period_dialog.h"
#include "tests/support/host_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

namespace {

class ListPane : public HostFixture {
protected:
    void prepare() override
    {
        openModuleWindow();
        shell::addDialogFunctions(*services);
    }

    // The window shown and active, so that its keys reach the list.
    void showActive()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QTreeView* view() const { return window->objectList(); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QModelIndex row(int r, const QModelIndex& parent = {}) const { return view()->model()->index(r, 0, parent); }

    testhost::ScriptedMessages messages;
    testhost::ScriptedDialogs dialogs;
};

TEST_F(ListPane, AVehicleRowOfTheTripSheetsOpensNothingAndEnterFoldsIt)
{
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("MAN TGX")}, {"Code", QStringLiteral("ABC 123")}});
    create("O4000100", {{"Name", QStringLiteral("KL-1")}, {"Date", QDateTime(QDate(2026, 11, 3), QTime(8, 0))}, {"TransportCarID", car}});
    services->storePeriod({QDate(2026, 11, 1), QDate(2026, 11, 30), 0, true, QStringLiteral("Lapkritis")});
    showActive();
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportTrips")));
    ASSERT_TRUE(action("cmdFilter") && action("cmdShowAll"));
    EXPECT_FALSE(action("cmdFilter")->isVisible() || action("cmdShowAll")->isEnabled()) << "the trip list takes neither";

    const QModelIndex vehicle = row(0);
    ASSERT_EQ(vehicle.data(shell::ObjectListModel::TypeRole).toString(), QStringLiteral("Car"));
    view()->setFocus();
    view()->setCurrentIndex(vehicle);
    const bool wasExpanded = view()->isExpanded(vehicle);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_NE(view()->isExpanded(vehicle), wasExpanded);
    QTest::keyClick(view(), Qt::Key_Enter);
    EXPECT_EQ(view()->isExpanded(vehicle), wasExpanded);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, view()->visualRect(vehicle).center());
    EXPECT_EQ(messages.texts(), QStringList());
    EXPECT_EQ(window->desktopTabs()->count(), 1);

    // The sheet under it opens as before.
    view()->expand(vehicle);
    ASSERT_GT(view()->model()->rowCount(vehicle), 0);
    view()->setCurrentIndex(row(0, vehicle));
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(window->desktopTabs()->count(), 2);
}

TEST_F(ListPane, ShowAllBringsAFilteredVehicleListBackWhole)
{
    for (const char* name : {"MAN TGX", "Volvo FH", "Volvo FM"})
        create("O4000400", {{"Name", QString::fromLatin1(name)}});
    showActive();
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportCars")));
    ASSERT_TRUE(action("cmdFilter")->isEnabled() && action("cmdShowAll")->isEnabled());
    ASSERT_EQ(view()->model()->rowCount(), 3);
    auto* filtered = window->findChild<QLabel*>(QStringLiteral("lblListMessage"));

    // The filter dialog gives the typed words once spaced; the way back stands beside what was filtered.
    for (int times = 0; times < 2; ++times)
        dialogs.play([](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Atrinkti: Automobiliai"));
            dynamic_cast<shell::FilterDialog&>(dialog).filterBox()->setText(QStringLiteral("  Volvo   FH "));
            dialog.accept();
        });
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(view()->model()->rowCount(), 1);
    EXPECT_FALSE(filtered->isHidden());
    ASSERT_TRUE(filtered->text().startsWith(QStringLiteral("Atrinkta: Volvo FH — ")) && filtered->text().contains(QStringLiteral(">Rodyti visus</a>")))
        << filtered->text().toStdString();
    emit filtered->linkActivated(QStringLiteral("all"));
    EXPECT_EQ(view()->model()->rowCount(), 3);
    QTest::keyClick(view(), Qt::Key_F, Qt::ControlModifier);

    QTest::keyClick(view(), Qt::Key_F5);
    EXPECT_EQ(view()->model()->rowCount(), 3);
    QTest::keyClick(view(), Qt::Key_F, Qt::ControlModifier); // cancelled: nothing queued answers it
    EXPECT_EQ(view()->model()->rowCount(), 3);
    EXPECT_TRUE(filtered->isHidden());
    // Escape in the search box clears the search.
    auto* search = window->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("man"));
    EXPECT_EQ(view()->model()->rowCount(), 1);
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(view()->model()->rowCount(), 3);

    // The tyre list answers both; the reference catalogues "show all" only.
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportTyres")));
    EXPECT_TRUE(action("cmdFilter")->isEnabled() && action("cmdShowAll")->isEnabled());
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportReferences")));
    EXPECT_TRUE(!action("cmdFilter")->isEnabled() && action("cmdShowAll")->isEnabled());
    const int references = view()->model()->rowCount();
    action("cmdShowAll")->trigger();
    EXPECT_EQ(view()->model()->rowCount(), references);
    EXPECT_EQ(messages.texts(), QStringList());
}

// A user who never chose a period is proposed one; accepting it changes nothing.
TEST_F(ListPane, ThePeriodProposedAndAcceptedKeepsTheTripSheetList)
{
    const vx::VxObjectUIPtr trips = services->Objects().GetVxObjectUI(QStringLiteral("O4000100"));
    ASSERT_TRUE(trips);
    const auto viewPeriod = [&] { return trips->ClickMenu(trips->OID(), QString(), QStringLiteral("3"), QString()).Action; };
    const auto accept = [](QDialog& dialog) { dialog.accept(); };
    dialogs.play(accept);
    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    dialogs.play([](QDialog& dialog) {
        dynamic_cast<shell::PeriodDialog&>(dialog).daysBackEdit()->setValue(7);
        dialog.accept();
    });
    EXPECT_EQ(viewPeriod(), vx::ActionReloadList);
    dialogs.play(accept);
    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    EXPECT_EQ(services->storedPeriod().DaysBack, 7);
}

// Every reload of the trip sheet list (after a save, after a new view period,
// while a search narrows it) tells the views exactly what changed: Qt's model
// checker stays silent on the list and on the search over it, and Qt warns of nothing.
TEST_F(ListPane, ReloadsAfterSavesAndPeriodChangesKeepTheListsNotificationsConsistent)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text)); // the checker's finding, before it aborts
        if (text.contains(QLatin1String("Model")))
            warnings << text;
    });
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    const auto sheet = [&](const QString& name, qint64 car, int day) {
        create("O4000100", {{"Name", name}, {"Date", QDateTime(QDate(2026, 11, day), QTime(8, 0))}, {"TransportCarID", car}});
    };
    QList<qint64> cars;
    for (const char* code : {"ABC 123", "DEF 456"})
        cars << createId("O4000400", {{"Name", QStringLiteral("MAN TGX")}, {"Code", QString::fromLatin1(code)}});
    sheet(QStringLiteral("KL-1"), cars[0], 3);
    sheet(QStringLiteral("KL-2"), cars[1], 4);
    services->storePeriod({QDate(2026, 11, 1), QDate(2026, 11, 30), 0, true, QStringLiteral("Lapkritis")});
    showActive();
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportTrips")));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Laikotarpis 2026.11.01–2026.11.30: 4 įr."));
    QAbstractItemModelTester listChecker(window->listModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester searchChecker(view()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    view()->expandAll();
    view()->setCurrentIndex(row(0, row(0)));

    for (int day = 5; day < 9; ++day) {
        sheet(QStringLiteral("KL-%1").arg(day), cars[day % 2], day);
        window->reloadList(); // what a saved card asks for
        QCoreApplication::processEvents();
        view()->expandAll();
    }
    dialogs.play([](QDialog& dialog) {
        auto& period = dynamic_cast<shell::PeriodDialog&>(dialog);
        period.daysBackButton()->setChecked(true);
        period.daysBackEdit()->setValue(3);
        dialog.accept();
    });
    window->runMenuItem(QString(), QStringLiteral("3"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Laikotarpis nuo 2026.11.13: ")))
        << window->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblPeriod"))->text(), QStringLiteral("Laikotarpis nuo 2026.11.13"));
    // "Visi" shows every sheet at once, and the period stays so.
    action("cmdAllPeriod")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Visas laikotarpis: 8 įr."));
    EXPECT_EQ(services->storedPeriod(), shell::wholePeriod());
    window->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(QStringLiteral("DEF"));
    sheet(QStringLiteral("KL-9"), cars[1], 9);
    window->reloadList();
    QCoreApplication::processEvents();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(messages.texts(), QStringList());
}

} // namespace
