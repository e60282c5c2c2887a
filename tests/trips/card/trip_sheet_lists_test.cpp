// The trip sheet's lists: what the cheque list and its totals row show,
// adding and deleting rows by key and context menu, the entry dialogs each
// command opens and how the sheet follows their saves (a cheque's is the
// script's), and route segments dropped onto the route list.

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
    // A saved sheet with two route lines of 100 and 50 km, each with everything
    // a user enters: segment, norm, driver and date.
    qint64 sheetWithLines()
    {
        const qint64 sheet = savedSheet();
        for (const double km : {100.0, 50.0})
            record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", segment},
                                       {"TransportFuelNormID", truckNorm}, {"Distance", km}, {"Duration", 1.0},
                                       {"FuelNormByDistance", 28.5}, {"UserID", driver},
                                       {"Date", QDateTime(start, QTime(8, 0))}}));
        return sheet;
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
};

// Two cheques get a totals row (the currency test below); one, none, or a
// last cheque already holding the whole total get none.
TEST_F(TripSheetLists, NoTotalsRowWhenItWouldSayNoMoreThanTheLastCheque)
{
    const std::string cheque = "2026.11.02|Č||10|Dyzelinas EURO||";
    const std::pair<QList<double>, std::string> cases[] = {
        {{10}, cheque + "10,00|| |10,00|0"},
        {{0, 7}, cheque + "0,00|| |0,00|0\n" + cheque + "7,00|| |7,00|0"},
        {{}, ""}};
    for (const auto& [sums, rows] : cases) {
        const qint64 sheet = savedSheet();
        for (const double sum : sums)
            chequeOf(sheet, 10, sum);
        const auto card = openSaved(sheet);
        ui(*card).TabStrip->setCurrentIndex(1);
        EXPECT_EQ(rowsOf(ui(*card).lvwCheques), rows);
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
    EXPECT_EQ(rowsOf(list), "2026.11.02|Č||40|Dyzelinas EURO||100,00|EUR|3,4528|345,28|0\n"
                            "2026.11.02|Č||20|Dyzelinas EURO||50,00|| |50,00|0\n"
                            "Viso:| | |60| | | | | |395,28| ");
    EXPECT_EQ(ListItem::keyOf(list->topLevelItem(0)) + u' ' + ListItem::keyOf(list->topLevelItem(1)), foreign + u' ' + base);
    const QTreeWidgetItem* totals = list->topLevelItem(2);
    EXPECT_TRUE(ReportList::isTotalsRow(totals) && totals->font(0).bold());
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
    // Of two route lines, or two cheques and their totals row: the rows left, the
    // distance, end reading and fuel received, saving and printing enabled.
    const std::string kept = "|150|1150|20|False|True", lineGone = "1|50|1050|20|True|False changed",
                      chequeGone = "1|150|1150|10|False|True";
    struct Case {
        const char* what;
        bool routeList; // else the cheque list
        const char* action; // "Insert", "Delete" or a menu item ("-": the menu closed)
        bool selected, mayWrite;
        QMessageBox::StandardButton answer; // to the question; none: not asked
        const char* dialog; // the dialogs opened
        std::string after;
    } cases[] = {
        {"Insert on the route list", true, "Insert", false, true, none, "frmTransportTripRoute", "2" + kept},
        {"Insert on the cheque list", false, "Insert", true, true, none, "frmTransportFuelCheque", "3" + kept},
        {"Delete removes a route line", true, "Delete", true, true, yes, "", lineGone},
        {"Delete removes a cheque", false, "Delete", true, true, yes, "", chequeGone},
        {"No keeps the route line", true, "Delete", true, true, no, "", "2" + kept},
        {"Delete without a selection", true, "Delete", false, true, none, "", "2" + kept},
        {"Insert without the write right", true, "Insert", false, false, none, "", "2" + kept},
        {"Delete without the write right", false, "Delete", true, false, none, "", "3" + kept},
        {"the menu without a selection", false, "-", false, true, none, "", "3" + kept},
        {"the menu deletes a route line", true, "mnuDelete", true, true, yes, "", lineGone},
        {"the menu deletes a cheque", false, "mnuDelete", true, true, yes, "", chequeGone},
        {"No in the menu keeps the cheque", false, "mnuDelete", true, true, no, "", "3" + kept},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        host->grant(QStringLiteral("CTransportTrips"), true, test.mayWrite, true, true);
        const qint64 sheet = sheetWithLines();
        for (const double sum : {10.0, 5.0})
            chequeOf(sheet, 10.0, sum);
        const auto card = openSaved(sheet);
        const TripSheetControls& c = ui(*card);
        c.TabStrip->setCurrentIndex(test.routeList ? 0 : 1);
        QTreeWidget* list = test.routeList ? c.lvwRoutes : c.lvwCheques;
        if (test.selected)
            list->setCurrentItem(list->topLevelItem(0));
        if (test.answer != none)
            messages.answer(test.answer);
        const std::string action = test.action;
        if (action == "Insert" || action == "Delete")
            QTest::keyClick(list, action == "Insert" ? Qt::Key_Insert : Qt::Key_Delete);
        else {
            chooseFromMenu(list, test.action);
            EXPECT_TRUE(offered(list, "mnuEdit") == test.selected && offered(list, "mnuDelete") == test.selected);
        }
        EXPECT_EQ(takeDialogs(), test.dialog);
        EXPECT_EQ(takeMessages(messages), test.answer != none ? "Ar tikrai norite panaikinti? [question]" : "");
        const std::string screen = list->objectName().toStdString()
                                   + ".rows txtDistance txtSpidometrTo txtFuelTaken0 cmdWrite.enabled cmdPrint.enabled";
        EXPECT_EQ(shown(card.get(), screen.c_str()) + (card->isChanged() ? " changed" : ""), test.after);
    }
}

// What a drop does: taken or refused, the route line dialog started once the
// drop has finished (and cancelled), nothing pending and the sheet unchanged.
TEST_F(TripSheetLists, OnlyRouteSegmentsDropOntoASavedSheetsRouteList)
{
    const qint64 group = record("O4000601", fields({{"Name", QStringLiteral("Lietuva")}, {"GroupFlag", 1}}));
    const QString segmentId = vx::oid::make(u"O4000601", segment);
    const std::tuple<bool, QString, const char*> cases[] = {
        {true, segmentId, "taken, waits: frmTransportTripRoute"},
        {true, vx::oid::make(u"O4000601", group), "taken: "},
        {true, vx::oid::make(u"O4000602", dieselFuel), "refused: "},
        {true, QStringLiteral("Vilnius"), "refused: "},
        {false, segmentId, "refused: "}, // a new sheet
    };
    for (const auto& [saved, text, after] : cases) {
        const auto card = openCard(saved ? open(sheetId(savedSheet())) : newSheet(car, start));
        QTreeWidget* routes = ui(*card).lvwRoutes;
        const auto* timer = routes->findChild<QTimer*>(QStringLiteral("timerDragDrop"));
        ASSERT_TRUE(timer);
        std::string seen = dropText(routes, text) ? "taken" : "refused";
        seen += timer->isActive() ? ", waits: " : ": ";
        QTest::qWait(20);
        EXPECT_EQ(seen + takeDialogs(), after) << text.toStdString();
        EXPECT_FALSE(timer->isActive() || !card->pendingCommand().isEmpty() || card->isChanged());
    }
}

// The dialog opens new, with the norm of the line it copies and the sheet's driver.
TEST_F(TripSheetLists, ANewRouteLineCopiesFromTheSelectedOrLastLineOrNothing)
{
    const QString copied = vx::oid::make(u"O4000603", truckNorm);
    const std::tuple<int, int, QString> cases[] = {{0, -1, QString()}, {2, -1, copied}, {2, 0, copied}};
    for (const auto& [lines, selected, norm] : cases) {
        const qint64 sheet = savedSheet();
        for (int i = 0; i < lines; ++i)
            line(sheet, truckNorm, 100 + i, 1, 28.5, 0);
        const auto card = openSaved(sheet);
        if (selected >= 0)
            ui(*card).lvwRoutes->setCurrentItem(ui(*card).lvwRoutes->topLevelItem(selected));
        QString seen;
        play<trips::frmTransportTripRoute>([&](trips::frmTransportTripRoute& route) {
            seen = route.isNew() ? route.txtFuelNorm->objectId() + u' ' + route.txtDriver->objectId() : QString();
            return int(QDialog::Rejected);
        });
        card->setPendingCommand(QStringLiteral("101"));
        card->routeLineCommand();
        EXPECT_EQ(takeDialogs(), "frmTransportTripRoute");
        EXPECT_EQ(seen, norm + u' ' + employeeId(driver)) << lines << selected;
        EXPECT_FALSE(card->isChanged()) << "a cancelled dialog changes nothing";
    }
}

TEST_F(TripSheetLists, EnterEditsTheSelectedRouteLineAndTheSheetFollowsItsSave)
{
    const auto card = openSaved(sheetWithLines());
    const TripSheetControls& c = ui(*card);
    c.lvwRoutes->setCurrentItem(c.lvwRoutes->topLevelItem(1));
    const QString key = ListItem::keyOf(c.lvwRoutes->currentItem());
    play<trips::frmTransportTripRoute>([&](trips::frmTransportTripRoute& route) {
        EXPECT_EQ(route.object()->OIDR(), key);
        type(route.txtDistance, "250");
        type(route.txtFuelNormByDistance, "30");
        type(route.txtComment, "per Kauna");
        route.writeButton()->click();
        EXPECT_EQ(route.result().savedOidr, key);
        return route.result().cancelled ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    QTest::keyClick(c.lvwRoutes, Qt::Key_Return);
    ASSERT_EQ(takeDialogs(), "frmTransportTripRoute");
    EXPECT_EQ(takeMessages(messages), "");
    // 100 km at 28,5 and the edited 250 km at 30 l/100 km.
    EXPECT_EQ(shown(card.get(), "txtDistance txtSpidometrTo txtFuelUsed0 cmdWrite.enabled"), "350|1350|103,500|True");
    EXPECT_EQ(ListItem::keyOf(c.lvwRoutes->currentItem()), key);
    EXPECT_TRUE(card->isChanged());
    // The line keeps its driver and date.
    expectStored(key, {{"Distance", 250.0}, {"FuelNormByDistance", 30.0}, {"UserID", driver},
                       {"Note", QStringLiteral("per Kauna")}, {"Date", QDateTime(start, QTime(8, 0))}});
}

// Adding copies the last cheque; editing or deleting the totals row does nothing.
TEST_F(TripSheetLists, ANewChequeCopiesFromTheLastChequeWhenTheTotalsRowIsSelected)
{
    const qint64 sheet = savedSheet();
    chequeOf(sheet, 10.0, 10.0);
    chequeOf(sheet, 5.0, 5.0, fields({{"TransportFuelTypeID", petrolFuel}}));
    const auto card = openSaved(sheet);
    ui(*card).TabStrip->setCurrentIndex(1);
    QTreeWidget* cheques = ui(*card).lvwCheques;
    cheques->setCurrentItem(cheques->topLevelItem(2));
    ASSERT_TRUE(ReportList::isTotalsRow(cheques->currentItem()));
    QString fuelType;
    play<trips::frmTransportFuelCheque>([&](trips::frmTransportFuelCheque& cheque) {
        fuelType = cheque.txtFuelType->objectId();
        return int(QDialog::Rejected);
    });
    for (const char* command : {"101", "102", "103"}) {
        card->setPendingCommand(QString::fromLatin1(command));
        card->chequeCommand();
    }
    EXPECT_EQ(takeDialogs(), "frmTransportFuelCheque");
    EXPECT_EQ(fuelType, vx::oid::make(u"O4000602", petrolFuel));
    EXPECT_EQ(takeMessages(messages), "");
}

// Cancelled, nothing changes; saved, the sheet follows the grid. The selected line comes first.
TEST_F(TripSheetLists, RouteLinesEditedInTheGridRefreshTheSheetAndMarkItChanged)
{
    const auto card = openSaved(sheetWithLines());
    QTreeWidget* routes = ui(*card).lvwRoutes;
    routes->setCurrentItem(routes->topLevelItem(1));
    const QString second = ListItem::keyOf(routes->topLevelItem(1));
    for (const auto& [write, after] : {std::pair(false, "2 rows|150"), std::pair(true, "2 rows|350 changed")}) {
        std::string seen;
        play<trips::frmTransportGrid>([&](trips::frmTransportGrid& grid) {
            seen = std::to_string(grid.VxGrid->vxObjects().size()) + " rows";
            EXPECT_EQ(grid.VxGrid->currentRecord()->OIDR(), second);
            if (!write)
                return int(QDialog::Rejected);
            grid.VxGrid->currentRecord()->Fields().setValue(QStringLiteral("Distance"), 250.0);
            grid.findChild<QPushButton*>(QStringLiteral("cmdWrite"))->click();
            return grid.saved() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        card->editRoutesInGrid();
        ASSERT_EQ(takeDialogs(), "frmTransportGrid");
        EXPECT_EQ(takeMessages(messages), "");
        EXPECT_EQ(seen + '|' + shown(card.get(), "txtDistance") + (card->isChanged() ? " changed" : ""), after);
    }
}

} // namespace
