// The host application as a user meets it: the navigation tree from the
// module's registration, rights on its nodes, a long list read as it is shown,
// the host's own services on a real store, and password hashes.

#include "platform/bo/database.h"
#include "platform/bo/rights.h"
#include "platform/bo/session_store.h"
#include "platform/bo/trip_search_text.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_dialog_functions.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/passwords.h"
#include "tests/support/host_fixture.h"

#include "platform/shell/period_dialog.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QStatusBar>
#include <QHeaderView>
#include <QSplitter>
#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class ShellWindow : public HostFixture {
protected:
    void prepare() override { openModuleWindow(); }
};

TEST_F(ShellWindow, TheTreeShowsTheRegisteredNodesUnderTheLayout)
{
    QTreeWidget* tree = window->navigationTree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Transportas"));
    EXPECT_EQ(rowTexts(*tree->model(), false, tree->model()->index(0, 0)), (QStringList{QStringLiteral("Kelionės lapai"), QStringLiteral("Žinynai"), QStringLiteral("Ataskaitos"),
                                     QStringLiteral("Automobiliai"), QStringLiteral("Padangos"), QStringLiteral("Įmonės")}));
    EXPECT_FALSE(root->icon(0).isNull());
}

TEST_F(ShellWindow, ANodeTheUserMayNotOpenIsDisabled)
{
    storeRights(session(), session().userId(),
                {{QStringLiteral("CTransportCars"), *bo::Rights::fromDigits(QStringLiteral("0000"))}});
    shell::MainWindow restricted(services);
    QString error;
    auto tables = shell::readModuleTables(*moduleLoader, *factory, QStringLiteral("Kelmira"), &error);
    restricted.addModule(*tables);
    EXPECT_FALSE(restricted.selectNode(QStringLiteral("CTransportCars")));
    EXPECT_TRUE(restricted.selectNode(QStringLiteral("CTransportTyres")));
    EXPECT_TRUE(services->Security().CanOpen(QStringLiteral("CTransportTyres")));
    EXPECT_FALSE(services->Security().CanAdd(QStringLiteral("CTransportCars")));
}

// What a user sized comes back in the next session on the same store: the
// window and its splitter, a list's column widths and sort, a dialog's size.
TEST_F(ShellWindow, SizesComeBackAfterARestart)
{
    const auto splitterOf = [](QWidget& w) { return w.findChild<QSplitter*>(QStringLiteral("splMain")); };
    window->show();
    window->resize(700, 500);
    splitterOf(*window)->setSizes({200, 480});
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportCars")));
    window->objectList()->header()->resizeSection(0, 222);
    window->objectList()->sortByColumn(1, Qt::DescendingOrder);
    {
        shell::PeriodDialog dialog(window.get());
        dialog.show();
        dialog.resize(480, 260);
        dialog.hide();
    }
    ASSERT_TRUE(window->close());

    shell::MainWindow again(services);
    QString error;
    again.addModule(*shell::readModuleTables(*moduleLoader, *factory, QStringLiteral("Kelmira"), &error));
    again.show();
    EXPECT_EQ(again.size(), QSize(700, 500));
    EXPECT_EQ(splitterOf(again)->sizes().value(0), 200);
    ASSERT_TRUE(again.selectNode(QStringLiteral("CTransportCars")));
    const QHeaderView* header = again.objectList()->header();
    EXPECT_EQ(header->sectionSize(0), 222);
    EXPECT_EQ(std::pair(header->sortIndicatorSection(), header->sortIndicatorOrder()), std::pair(1, Qt::DescendingOrder));
    shell::PeriodDialog dialog(&again);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(480, 260));
}

// The period read back is ShellDialogs' test.
TEST_F(ShellWindow, HostServicesOpenRecordsAndKeepSettingsPerUser)
{
    const QString firm = create("O0000100", {{"Name", QStringLiteral("UAB Ratai")}});
    vx::VxObjectUIOPtr editor = services->Objects().GetVxObject(firm);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->Preview(), QStringLiteral("UAB Ratai"));
    EXPECT_FALSE(services->Objects().GetVxObject(QStringLiteral("O00001009999")));
    EXPECT_TRUE(services->MainWindow().ImgCatalogue().contains(QStringLiteral("TRANSPORTCAR")));
    EXPECT_TRUE(services->MainWindow().ImgCatalogue().contains(QStringLiteral("stdClose")));
    EXPECT_NE(services->Objects().CallFunction(QStringLiteral("NoSuchFunction"), QString()).Code, 0);

    vx::VxEnvironment& environment = services->Environment();
    const QString object = QStringLiteral("O4000100"), key = QStringLiteral("TransportTripPrintParametersTripRoutes");
    environment.SaveSetting(object, key, QStringLiteral("Date#0#TransportRouteName#1"));
    EXPECT_EQ(environment.GetSetting(object, key), QStringLiteral("Date#0#TransportRouteName#1"));
    session().setUserId(session().userId() + 1000);
    EXPECT_TRUE(environment.GetSetting(object, key).isEmpty());
}

// A list too long to read whole: vehicles "Vilkikas 001".. each with sheets
// "V001-01".. one a day of November, straight into the store.
void storeSheets(bo::Session& session, int vehicles, int sheetsEach)
{
    bo::Transaction t(bo::storeOf(session));
    for (int car = 1; car <= vehicles; ++car) {
        bo::storeOf(session).execute(QStringLiteral("INSERT INTO transport_car (\"ID\", \"ParentID\", \"GroupFlag\", \"Name\") VALUES (?, 0, 0, ?)"),
                             {car, QStringLiteral("Vilkikas %1").arg(car, 3, 10, QLatin1Char('0'))});
        for (int i = 1; i <= sheetsEach; ++i) {
            const QString name = QStringLiteral("V%1-%2").arg(car, 3, 10, QLatin1Char('0')).arg(i, 2, 10, QLatin1Char('0'));
            const QDateTime date(QDate(2026, 11, 1).addDays(i % 30), QTime(8, i));
            bo::storeOf(session).execute(QStringLiteral("INSERT INTO transport_trip (\"ParentID\", \"GroupFlag\", \"Name\", \"Date\", "
                                                "\"TransportCarID\", \"SearchText\") VALUES (0, 0, ?, ?, ?, ?)"),
                                 {name, date, car, bo::tripSearchText(name, date, {}, {}, {}, {})});
        }
    }
    t.commit();
}

// The pane reads a long trip sheet list as the view needs it: opening reads a
// little, opening a node gives all its sheets, and a search reads only what the store finds.
TEST_F(ShellWindow, ALongListOpensReadingLittleAndTheSearchReadsOnlyWhatItFinds)
{
    storeSheets(session(), 600, 30);
    services->storePeriod({QDate(2026, 11, 1), QDate(2026, 11, 30), 0, true, QStringLiteral("Lapkritis")});
    window->show();
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportTrips")));
    shell::ObjectListModel* model = window->listModel();
    QCoreApplication::processEvents();
    EXPECT_EQ(model->expectedRows(), 600 * 31);
    EXPECT_TRUE(model->hasUnreadRows());
    EXPECT_LT(model->totalRows(), 600 * 31 / 3) << "opening reads a part only";

    // Scrolled to the end of the rows read, the list reads on.
    QTreeView* view = window->objectList();
    const int readBefore = model->totalRows();
    view->scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_GT(model->totalRows(), readBefore);

    // The first node not yet read whole gets all its sheets when opened.
    model->fetchMore({}); // scrolled to the end: the vehicles read so far are shown
    QModelIndex open;
    for (int r = 0; r < model->rowCount() && !open.isValid(); ++r)
        if (model->canFetchMore(model->index(r, 0)))
            open = model->index(r, 0);
    ASSERT_TRUE(open.isValid());
    view->collapse(view->model()->index(open.row(), 0));
    view->expand(view->model()->index(open.row(), 0));
    EXPECT_EQ(model->rowCount(open), 30);
    // The tester walks the whole tree, reading every row as the view would.
    QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    window->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(QStringLiteral("V600-07"));
    EXPECT_FALSE(model->hasUnreadRows());
    EXPECT_EQ(model->totalRows(), 2) << "the vehicle and its sheet";
    QAbstractItemModel* shown = view->model();
    ASSERT_EQ(shown->rowCount(), 1);
    EXPECT_EQ(shown->index(0, 0).data().toString(), QStringLiteral("Vilkikas 600"));
    ASSERT_EQ(shown->rowCount(shown->index(0, 0)), 1);
    EXPECT_TRUE(shown->index(0, 0, shown->index(0, 0)).data().toString().startsWith(QStringLiteral("V600-07 ")));

    // Every sheet comes page by page uncounted: the status bar does not pass the rows read off as all.
    window->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->clear();
    shell::addDialogFunctions(*services);
    window->findChild<QAction*>(QStringLiteral("cmdAllPeriod"))->trigger();
    ASSERT_TRUE(model->hasUnreadRows());
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
              QStringLiteral("Visas laikotarpis: parodyta %1 įr., sąrašas ilgesnis").arg(model->totalRows()).toStdString());
}

// A password set on the employee card and used to sign in is HostCards' test.
TEST(ShellPasswords, HashesAreSaltedAndOnlyTheRightPasswordMatches)
{
    const QString first = shell::passwords::hash(QStringLiteral("Slaptas-žodis1"));
    EXPECT_NE(first, shell::passwords::hash(QStringLiteral("Slaptas-žodis1"))) << "salted";
    for (const char* wrong : {"", "slaptas-žodis1", "Slaptas-zodis1", "Slaptas-žodis", "Slaptas-žodis1 "})
        EXPECT_FALSE(shell::passwords::matches(QString::fromUtf8(wrong), first)) << wrong;
    EXPECT_FALSE(shell::passwords::matches(QStringLiteral("x"), QStringLiteral("plain")));
}

} // namespace
