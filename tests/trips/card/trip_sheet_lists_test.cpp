// The trip sheet's lists: what the cheque list and its totals row show,
// adding and deleting rows by key and context menu, the entry dialogs each
// command opens and how the sheet follows their saves, and route segments
// dropped onto the route list.

#include "platform/contract/vx_grid_control.h"
#include "tests/trips/card/trip_sheet_card_fixture.h"
#include "trips/dialogs/fuel_cheque_dialog.h"
#include "trips/dialogs/route_grid_dialog.h"
#include "trips/dialogs/route_line_dialog.h"

#include <QApplication>
#include <QMenu>
#include <QStyledItemDelegate>

namespace {

class TripSheetLists : public TripSheetCardTest {
protected:
    qint64 chequeOf(qint64 sheet, double litres, double sum, const QVariantMap& extra = {})
    {
        QVariantMap values = fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", dieselFuel},
                                     {"FuelAmount", litres}, {"SumCurr", sum}, {"Date", start},
                                     {"Name", QStringLiteral("Č")}, {"CashFlag", 0}});
        values.insert(extra);
        return record("O4000300", values);
    }
    // A route line with everything a user enters: segment, norm, driver and date.
    void completeLine(qint64 sheet, double km)
    {
        record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", segment},
                                   {"TransportFuelNormID", truckNorm}, {"Distance", km}, {"Duration", 1.0},
                                   {"FuelNormByDistance", 28.5}, {"UserID", driver},
                                   {"Date", QDateTime(start, QTime(8, 0))}}));
    }

    // Right-clicks the list and chooses the menu item (an unknown one closes the menu).
    static void chooseFromMenu(QTreeWidget* list, const char* item)
    {
        QTimer::singleShot(0, list, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            if (QAction* action = menu->findChild<QAction*>(QLatin1String(item))) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        emit list->customContextMenuRequested(list->viewport()->rect().center());
    }
    static bool offered(const QTreeWidget* list, const char* item)
    {
        return list->findChild<QAction*>(QLatin1String(item))->isEnabled();
    }

    // Plays the user's part on the next entry dialog of type Dialog.
    template <typename Dialog>
    void play(std::function<int(Dialog&)> part)
    {
        dialogs.answer([part](QDialog& dialog) { return part(dynamic_cast<Dialog&>(dialog)); });
    }
    static QStringList shown(const char* dialog) { return {QString::fromLatin1(dialog)}; }
};

// Two cheques get a totals row (the currency test below); one, none, or a
// last cheque already holding the whole total get none.
TEST_F(TripSheetLists, NoTotalsRowWhenItWouldSayNoMoreThanTheLastCheque)
{
    for (const QList<double>& sums : {QList<double>{10}, QList<double>{0, 7}, QList<double>{}}) {
        const qint64 sheet = savedSheet();
        for (const double sum : sums)
            chequeOf(sheet, 10, sum);
        const auto card = openSaved(sheet);
        ui(*card).TabStrip->setCurrentIndex(1);
        QTreeWidget* list = ui(*card).lvwCheques;
        ASSERT_EQ(list->topLevelItemCount(), sums.size());
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            EXPECT_FALSE(ReportList::isTotalsRow(list->topLevelItem(i))) << sums.size() << " cheques";
    }
}

TEST_F(TripSheetLists, AForeignCurrencyChequeShowsItsRateABaseCurrencyOneABlankAndBothATotalsRow)
{
    const qint64 euro = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 0}}));
    record("O0002200", fields({{"CurrencyID", euro}, {"Date", start}, {"Rate", 3.4528}}));
    const qint64 sheet = savedSheet();
    const QString foreign = vx::oid::make(u"O4000300", chequeOf(sheet, 40, 100, fields({{"CurrencyID", euro}})));
    const QString base = vx::oid::make(u"O4000300", chequeOf(sheet, 20, 50));
    const auto card = openSaved(sheet);
    ui(*card).TabStrip->setCurrentIndex(1);
    QTreeWidget* list = ui(*card).lvwCheques;
    struct Row {
        QString key;
        const char *rate, *sumCurr, *sum;
    } rows[] = {{foreign, "3,4528", "100,00", "345,28"}, {base, " ", "50,00", "50,00"}};
    for (const Row& row : rows) {
        Catalogue::SelectListItem(list, row.key);
        const QTreeWidgetItem* item = list->currentItem();
        ASSERT_TRUE(item);
        ASSERT_EQ(ListItem::keyOf(item), row.key);
        EXPECT_EQ(item->text(0), QStringLiteral("2026.11.02"));
        EXPECT_EQ(ReportList::subItem(item, QStringLiteral("CurrRate")), QString::fromLatin1(row.rate));
        EXPECT_EQ(ReportList::subItem(item, QStringLiteral("SumCurr")), QString::fromLatin1(row.sumCurr));
        EXPECT_EQ(ReportList::subItem(item, QStringLiteral("SumA")), QString::fromLatin1(row.sum));
    }
    const QTreeWidgetItem* totals = list->topLevelItem(2);
    ASSERT_TRUE(totals && ReportList::isTotalsRow(totals));
    EXPECT_EQ(totals->text(0), QStringLiteral("Viso:"));
    EXPECT_TRUE(totals->font(0).bold());
    EXPECT_EQ(ReportList::subItem(totals, QStringLiteral("SumA")), QStringLiteral("395,28"));
    EXPECT_EQ(ReportList::subItem(totals, QStringLiteral("FuelAmount")), QStringLiteral("60"));
    EXPECT_EQ(ReportList::subItem(totals, QStringLiteral("Number")), QStringLiteral(" "));
    EXPECT_EQ(ui(*card).tanks[0].txtFuelTaken->text(), QStringLiteral("60"));
}

// The lists draw their cells themselves, quicker than the style does: each
// cell looks as the style draws it, selected, bold, right-aligned or cut.
TEST_F(TripSheetLists, CellsLookAsTheStyleDrawsThem)
{
    const qint64 sheet = savedSheet();
    chequeOf(sheet, 40, 100);
    chequeOf(sheet, 20, 50);
    const auto card = openSaved(sheet);
    ui(*card).TabStrip->setCurrentIndex(1);
    card->resize(900, 500);
    card->show();
    QTreeWidget* list = ui(*card).lvwCheques;
    list->setColumnWidth(0, 30);
    list->setCurrentItem(list->topLevelItem(1));
    const QImage own = list->viewport()->grab().toImage();
    QAbstractItemDelegate* listsOwn = list->itemDelegate();
    QStyledItemDelegate styles;
    list->setItemDelegate(&styles);
    EXPECT_TRUE(own == list->viewport()->grab().toImage());
    list->setItemDelegate(listsOwn);
}

// Insert and Delete, like the context menu's "Pridėti" and "Panaikinti", act
// where the menu would offer them. Deleting a route line changes the sheet's
// figures and marks it changed; a cheque is gone at once and leaves it unchanged.
TEST_F(TripSheetLists, RowsAreAddedAndDeletedByKeyAndMenuWhereOffered)
{
    constexpr auto yes = QMessageBox::Yes, no = QMessageBox::No, none = QMessageBox::NoButton;
    struct Case {
        const char* what;
        bool routeList; // else the cheque list
        const char* action; // "Insert", "Delete" or a menu item ("-": the menu closed)
        bool selected, mayWrite;
        QMessageBox::StandardButton answer; // to the question; none: not asked
        const char* dialog; // opened; null: none
        int rowsLeft; // of two route lines, or of two cheques and their totals row
    } cases[] = {
        {"Insert on the route list", true, "Insert", false, true, none, "frmTransportTripRoute", 2},
        {"Insert on the cheque list", false, "Insert", true, true, none, "frmTransportFuelCheque", 3},
        {"Delete removes a route line", true, "Delete", true, true, yes, nullptr, 1},
        {"Delete removes a cheque", false, "Delete", true, true, yes, nullptr, 1},
        {"No keeps the route line", true, "Delete", true, true, no, nullptr, 2},
        {"Delete without a selection", true, "Delete", false, true, none, nullptr, 2},
        {"Insert without the write right", true, "Insert", false, false, none, nullptr, 2},
        {"Delete without the write right", false, "Delete", true, false, none, nullptr, 3},
        {"the menu without a selection", false, "-", false, true, none, nullptr, 3},
        {"the menu deletes a route line", true, "mnuDelete", true, true, yes, nullptr, 1},
        {"the menu deletes a cheque", false, "mnuDelete", true, true, yes, nullptr, 1},
        {"No in the menu keeps the cheque", false, "mnuDelete", true, true, no, nullptr, 3},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        host->grant(QStringLiteral("CTransportTrips"), true, test.mayWrite, true, true);
        const qint64 sheet = savedSheet();
        for (const double km : {100.0, 50.0})
            completeLine(sheet, km);
        for (const double sum : {10.0, 5.0})
            chequeOf(sheet, 10.0, sum);
        const auto card = openSaved(sheet);
        const TripSheetControls& c = ui(*card);
        c.TabStrip->setCurrentIndex(test.routeList ? 0 : 1);
        QTreeWidget* list = test.routeList ? c.lvwRoutes : c.lvwCheques;
        ASSERT_EQ(list->topLevelItemCount(), test.routeList ? 2 : 3);
        if (test.selected)
            list->setCurrentItem(list->topLevelItem(0));
        messages.messages.clear();
        const bool asked = test.answer != none;
        if (asked)
            messages.answer(test.answer);
        const QString action = QString::fromLatin1(test.action);
        if (action == QLatin1String("Insert") || action == QLatin1String("Delete"))
            QTest::keyClick(list, action == QLatin1String("Insert") ? Qt::Key_Insert : Qt::Key_Delete);
        else {
            chooseFromMenu(list, test.action);
            EXPECT_TRUE(offered(list, "mnuEdit") == test.selected && offered(list, "mnuDelete") == test.selected);
        }
        EXPECT_EQ(dialogs.shown, test.dialog ? shown(test.dialog) : QStringList());
        dialogs.shown.clear();
        ASSERT_EQ(messages.messages.size(), asked ? 1 : 0);
        if (asked) {
            EXPECT_EQ(lastMessage(), QStringLiteral("Ar tikrai norite panaikinti?"));
            EXPECT_EQ(messages.messages[0].icon, QMessageBox::Question);
        }
        EXPECT_EQ(list->topLevelItemCount(), test.rowsLeft);
        const bool lineGone = test.routeList && test.rowsLeft == 1, chequeGone = !test.routeList && test.rowsLeft == 1;
        expectShown({{c.txtDistance, lineGone ? "50" : "150"}, {c.txtSpidometrTo, lineGone ? "1050" : "1150"},
                     {c.tanks[0].txtFuelTaken, chequeGone ? "10" : "20"}});
        EXPECT_EQ(card->isChanged(), lineGone);
        expectEnabled({{c.cmdWrite, lineGone}, {c.cmdPrint, !lineGone}});
    }
}

TEST_F(TripSheetLists, OnlyRouteSegmentsDropOntoASavedSheetsRouteList)
{
    const qint64 group = record("O4000601", fields({{"Name", QStringLiteral("Lietuva")}, {"GroupFlag", 1}}));
    const QString segmentId = vx::oid::make(u"O4000601", segment);
    struct Case { const char* what; bool saved; QString text; bool taken, addsLine; } cases[] = {
        {"a route segment", true, segmentId, true, true},
        {"a catalogue group", true, vx::oid::make(u"O4000601", group), true, false},
        {"a fuel type", true, vx::oid::make(u"O4000602", dieselFuel), false, false},
        {"plain text", true, QStringLiteral("Vilnius"), false, false},
        {"a new sheet", false, segmentId, false, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const auto card = openCard(test.saved ? open(sheetId(savedSheet())) : newSheet(car, start));
        const TripSheetControls& c = ui(*card);
        const auto* timer = c.lvwRoutes->findChild<QTimer*>(QStringLiteral("timerDragDrop"));
        ASSERT_TRUE(timer);
        EXPECT_EQ(dropText(c.lvwRoutes, test.text), test.taken);
        // The route line dialog waits until the drop has finished.
        EXPECT_EQ(timer->isActive(), test.addsLine);
        QTest::qWait(20);
        EXPECT_FALSE(timer->isActive());
        EXPECT_TRUE(card->pendingCommand().isEmpty());
        // The route line dialog opened with the segment (and was cancelled).
        EXPECT_EQ(dialogs.shown, test.addsLine ? shown("frmTransportTripRoute") : QStringList());
        EXPECT_FALSE(card->isChanged());
        dialogs.shown.clear();
    }
}

TEST_F(TripSheetLists, ANewRouteLineCopiesFromTheSelectedOrLastLineOrNothing)
{
    struct Case {
        const char* what;
        int lines;
        int selected; // -1 none
        bool copies;
    } cases[] = {
        {"the first line of an empty list", 0, -1, false},
        {"nothing selected: the last line", 2, -1, true},
        {"the selected line", 2, 0, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const qint64 sheet = savedSheet();
        for (int i = 0; i < test.lines; ++i)
            line(sheet, truckNorm, 100 + i, 1, 28.5, 0);
        const auto card = openSaved(sheet);
        const TripSheetControls& c = ui(*card);
        if (test.selected >= 0)
            c.lvwRoutes->setCurrentItem(c.lvwRoutes->topLevelItem(test.selected));
        QString norm, driverShown;
        play<trips::frmTransportTripRoute>([&](trips::frmTransportTripRoute& route) {
            EXPECT_TRUE(route.isNew());
            norm = route.txtFuelNorm->objectId();
            driverShown = route.txtDriver->objectId();
            return int(QDialog::Rejected);
        });
        card->setPendingCommand(QStringLiteral("101"));
        card->routeLineCommand();
        EXPECT_EQ(dialogs.shown, shown("frmTransportTripRoute"));
        EXPECT_EQ(norm, test.copies ? vx::oid::make(u"O4000603", truckNorm) : QString());
        EXPECT_EQ(driverShown, employeeId(driver));
        EXPECT_FALSE(card->isChanged()) << "a cancelled dialog changes nothing";
        dialogs.shown.clear();
    }
}

TEST_F(TripSheetLists, EnterEditsTheSelectedRouteLineAndTheSheetFollowsItsSave)
{
    const qint64 sheet = savedSheet();
    for (const double km : {100.0, 50.0})
        completeLine(sheet, km);
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    QTreeWidgetItem* second = c.lvwRoutes->topLevelItem(1);
    const QString key = ListItem::keyOf(second);
    c.lvwRoutes->setCurrentItem(second);
    QString edited;
    play<trips::frmTransportTripRoute>([&](trips::frmTransportTripRoute& route) {
        edited = route.object()->OIDR();
        type(route.txtDistance, "250");
        type(route.txtFuelNormByDistance, "30");
        type(route.txtComment, "per Kauna");
        EXPECT_TRUE(route.writeButton()->isEnabled());
        route.writeButton()->click();
        EXPECT_EQ(route.result().savedOidr, key);
        return route.result().cancelled ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    QTest::keyClick(c.lvwRoutes, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown, shown("frmTransportTripRoute"));
    EXPECT_EQ(edited, key);
    EXPECT_TRUE(messages.messages.isEmpty()) << lastMessage().toStdString();
    // 100 km at 28,5 and the edited 250 km at 30 l/100 km.
    expectShown({{c.txtDistance, "350"}, {c.txtSpidometrTo, "1350"}, {c.tanks[0].txtFuelUsed, "103,500"}});
    EXPECT_EQ(ListItem::keyOf(c.lvwRoutes->currentItem()), key);
    EXPECT_TRUE(card->isChanged() && c.cmdWrite->isEnabled());
    // The line keeps its driver and date.
    expectStored(key, {{"Distance", 250.0}, {"FuelNormByDistance", 30.0}, {"UserID", driver},
                       {"Note", QStringLiteral("per Kauna")}, {"Date", QDateTime(start, QTime(8, 0))}});
}

TEST_F(TripSheetLists, ANewChequeCopiesFromTheLastChequeWhenTheTotalsRowIsSelected)
{
    const qint64 sheet = savedSheet();
    chequeOf(sheet, 10.0, 10.0);
    chequeOf(sheet, 5.0, 5.0, fields({{"TransportFuelTypeID", petrolFuel}}));
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    c.TabStrip->setCurrentIndex(1);
    ASSERT_EQ(c.lvwCheques->topLevelItemCount(), 3);
    c.lvwCheques->setCurrentItem(c.lvwCheques->topLevelItem(2));
    ASSERT_TRUE(ReportList::isTotalsRow(c.lvwCheques->currentItem()));
    QString fuelType;
    play<trips::frmTransportFuelCheque>([&](trips::frmTransportFuelCheque& cheque) {
        fuelType = cheque.txtFuelType->objectId();
        return int(QDialog::Rejected);
    });
    // Adding copies the last cheque; editing or deleting the totals row does nothing.
    for (const char* command : {"101", "102", "103"}) {
        card->setPendingCommand(QString::fromLatin1(command));
        card->chequeCommand();
    }
    EXPECT_EQ(dialogs.shown, shown("frmTransportFuelCheque"));
    EXPECT_EQ(fuelType, vx::oid::make(u"O4000602", petrolFuel));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(TripSheetLists, ASavedChequeRefreshesTheFuelPanelButLeavesTheSheetUnchanged)
{
    const qint64 base = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}}));
    const qint64 firm = record("O0000100", fields({{"Name", QStringLiteral("Degalinė")}}));
    const qint64 sheet = savedSheet();
    const qint64 cheque = chequeOf(sheet, 30.0, 45.0, fields({{"FirmID", firm}, {"CurrencyID", base}}));
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    EXPECT_EQ(c.tanks[0].txtFuelTaken->text(), QStringLiteral("30"));
    c.TabStrip->setCurrentIndex(1);
    c.lvwCheques->setCurrentItem(c.lvwCheques->topLevelItem(0));
    play<trips::frmTransportFuelCheque>([](trips::frmTransportFuelCheque& form) {
        form.txtAmount->setText(QStringLiteral("42"));
        form.writeButton()->click();
        return form.result().cancelled ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    emit c.lvwCheques->itemDoubleClicked(c.lvwCheques->currentItem(), 0);
    ASSERT_EQ(dialogs.shown, shown("frmTransportFuelCheque"));
    EXPECT_TRUE(messages.messages.isEmpty()) << lastMessage().toStdString();
    expectShown({{c.tanks[0].txtFuelTaken, "42"}, {c.tanks[0].txtFuelFinal, "82,000"}});
    EXPECT_EQ(ListItem::keyOf(c.lvwCheques->currentItem()), vx::oid::make(u"O4000300", cheque));
    EXPECT_FALSE(card->isChanged());
    EXPECT_TRUE(c.cmdPrint->isEnabled());
}

TEST_F(TripSheetLists, RouteLinesEditedInTheGridRefreshTheSheetAndMarkItChanged)
{
    const qint64 sheet = savedSheet();
    for (const double km : {100.0, 50.0})
        completeLine(sheet, km);
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    c.lvwRoutes->setCurrentItem(c.lvwRoutes->topLevelItem(1));
    const QString second = ListItem::keyOf(c.lvwRoutes->topLevelItem(1));
    for (const bool write : {false, true}) {
        SCOPED_TRACE(write ? "saved: the sheet follows the grid" : "cancelled: nothing changes");
        QStringList rows;
        play<trips::frmTransportGrid>([&](trips::frmTransportGrid& grid) {
            for (const vx::VxObjectUIOPtr& record : grid.VxGrid->vxObjects())
                rows << record->OIDR();
            EXPECT_EQ(grid.VxGrid->currentRecord()->OIDR(), second) << "the selected line comes first";
            if (!write)
                return int(QDialog::Rejected);
            grid.VxGrid->currentRecord()->Fields().setValue(QStringLiteral("Distance"), 250.0);
            grid.findChild<QPushButton*>(QStringLiteral("cmdWrite"))->click();
            return grid.saved() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        card->editRoutesInGrid();
        ASSERT_EQ(dialogs.shown, shown("frmTransportGrid"));
        dialogs.shown.clear();
        EXPECT_EQ(rows.size(), 2);
        EXPECT_TRUE(messages.messages.isEmpty()) << lastMessage().toStdString();
        EXPECT_EQ(c.txtDistance->text(), write ? QStringLiteral("350") : QStringLiteral("150"));
        EXPECT_EQ(card->isChanged(), write);
    }
}

} // namespace
