// The route line and cheque commands with their entry dialogs: what each
// dialog is opened with, how the lists' keys open them, and how the sheet
// refreshes after a save.

#include "tests/trips/card/trip_sheet_card_fixture.h"
#include "trips/dialogs/fuel_cheque_dialog.h"
#include "trips/dialogs/route_grid_dialog.h"
#include "trips/dialogs/route_line_dialog.h"
#include "platform/contract/vx_grid_control.h"

namespace {

class TripSheetCommands : public TripSheetCardTest {
protected:
    // A route line with everything a user enters: segment, norm, driver and date.
    void completeLine(qint64 sheet, double km)
    {
        record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", segment},
                                   {"TransportFuelNormID", truckNorm}, {"Distance", km}, {"Duration", 1.0},
                                   {"FuelNormByDistance", 28.5}, {"UserID", driver},
                                   {"Date", QDateTime(start, QTime(8, 0))}}));
    }
};

TEST_F(TripSheetCommands, ANewRouteLineCopiesFromTheSelectedOrLastLineOrNothing)
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
        const auto card = openCard(open(sheetId(sheet)));
        const TripSheetControls& c = ui(*card);
        if (test.selected >= 0)
            c.lvwRoutes->setCurrentItem(c.lvwRoutes->topLevelItem(test.selected));
        QString norm, driverShown;
        dialogs.answer([&](QDialog& dialog) {
            auto& route = dynamic_cast<trips::frmTransportTripRoute&>(dialog);
            EXPECT_TRUE(route.isNew());
            norm = route.txtFuelNorm->objectId();
            driverShown = route.txtDriver->objectId();
            return int(QDialog::Rejected);
        });
        card->setPendingCommand(QStringLiteral("101"));
        card->routeLineCommand();
        EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("frmTransportTripRoute")});
        EXPECT_EQ(norm, test.copies ? vx::oid::make(u"O4000603", truckNorm) : QString());
        EXPECT_EQ(driverShown, vx::oid::make(u"O0001401", driver));
        EXPECT_FALSE(card->isChanged()) << "a cancelled dialog changes nothing";
        dialogs.shown.clear();
    }
}

TEST_F(TripSheetCommands, EnterEditsTheSelectedRouteLineAndTheSheetFollowsItsSave)
{
    const qint64 sheet = savedSheet();
    for (const double km : {100.0, 50.0})
        completeLine(sheet, km);
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);
    QTreeWidgetItem* second = c.lvwRoutes->topLevelItem(1);
    const QString key = ListItem::keyOf(second);
    c.lvwRoutes->setCurrentItem(second);
    QString edited;
    dialogs.answer([&](QDialog& dialog) {
        auto& route = dynamic_cast<trips::frmTransportTripRoute&>(dialog);
        edited = route.object()->OIDR();
        route.txtDistance->setText(QStringLiteral("250"));
        EXPECT_TRUE(route.writeButton()->isEnabled());
        route.writeButton()->click();
        return route.result().cancelled ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    QTest::keyClick(c.lvwRoutes, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown, QStringList{QStringLiteral("frmTransportTripRoute")});
    EXPECT_EQ(edited, key);
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.value(0).text.toStdString();
    expectShown({{c.txtDistance, "350"}, {c.txtSpidometrTo, "1350"}, {c.tanks[0].txtFuelUsed, "99,750"}});
    EXPECT_EQ(ListItem::keyOf(c.lvwRoutes->currentItem()), key);
    EXPECT_TRUE(card->isChanged() && c.cmdWrite->isEnabled());
}

TEST_F(TripSheetCommands, ANewChequeCopiesFromTheLastChequeWhenTheTotalsRowIsSelected)
{
    const qint64 sheet = savedSheet();
    record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", dieselFuel}, {"FuelAmount", 10.0},
                               {"SumCurr", 10.0}, {"Date", start}}));
    record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", petrolFuel}, {"FuelAmount", 5.0},
                               {"SumCurr", 5.0}, {"Date", start}}));
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);
    ASSERT_EQ(c.lvwCheques->topLevelItemCount(), 3);
    c.lvwCheques->setCurrentItem(c.lvwCheques->topLevelItem(2));
    ASSERT_TRUE(ReportList::isTotalsRow(c.lvwCheques->currentItem()));
    QString fuelType;
    dialogs.answer([&](QDialog& dialog) {
        fuelType = dynamic_cast<trips::frmTransportFuelCheque&>(dialog).txtFuelType->objectId();
        return int(QDialog::Rejected);
    });
    card->setPendingCommand(QStringLiteral("101"));
    card->chequeCommand();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("frmTransportFuelCheque")});
    EXPECT_EQ(fuelType, vx::oid::make(u"O4000602", petrolFuel));

    // Editing or deleting the totals row does nothing.
    for (const char* command : {"102", "103"}) {
        card->setPendingCommand(QString::fromLatin1(command));
        card->chequeCommand();
    }
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(TripSheetCommands, ASavedChequeRefreshesTheFuelPanelButLeavesTheSheetUnchanged)
{
    const qint64 base = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}}));
    const qint64 firm = record("O0000100", fields({{"Name", QStringLiteral("Degalinė")}}));
    const qint64 sheet = savedSheet();
    const qint64 cheque = record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", dieselFuel},
                                                     {"FirmID", firm}, {"CurrencyID", base}, {"FuelAmount", 30.0},
                                                     {"SumCurr", 45.0}, {"Date", start}, {"Name", QStringLiteral("7")},
                                                     {"CashFlag", 0}}));
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);
    EXPECT_EQ(c.tanks[0].txtFuelTaken->text(), QStringLiteral("30"));
    c.lvwCheques->setCurrentItem(c.lvwCheques->topLevelItem(0));
    dialogs.answer([](QDialog& dialog) {
        auto& form = dynamic_cast<trips::frmTransportFuelCheque&>(dialog);
        form.txtAmount->setText(QStringLiteral("42"));
        form.writeButton()->click();
        return form.result().cancelled ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    emit c.lvwCheques->itemDoubleClicked(c.lvwCheques->currentItem(), 0);
    ASSERT_EQ(dialogs.shown, QStringList{QStringLiteral("frmTransportFuelCheque")});
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.value(0).text.toStdString();
    expectShown({{c.tanks[0].txtFuelTaken, "42"}, {c.tanks[0].txtFuelFinal, "82,000"}});
    EXPECT_EQ(ListItem::keyOf(c.lvwCheques->currentItem()), vx::oid::make(u"O4000300", cheque));
    EXPECT_FALSE(card->isChanged());
    EXPECT_TRUE(c.cmdPrint->isEnabled());
}

TEST_F(TripSheetCommands, RouteLinesEditedInTheGridRefreshTheSheetAndMarkItChanged)
{
    const qint64 sheet = savedSheet();
    for (const double km : {100.0, 50.0})
        completeLine(sheet, km);
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);
    c.lvwRoutes->setCurrentItem(c.lvwRoutes->topLevelItem(1));
    const QString second = ListItem::keyOf(c.lvwRoutes->topLevelItem(1));

    struct Case {
        const char* what;
        bool write;
    } cases[] = {{"cancelled: nothing changes", false}, {"saved: the sheet follows the grid", true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        QStringList rows;
        dialogs.answer([&](QDialog& dialog) {
            auto& grid = dynamic_cast<trips::frmTransportGrid&>(dialog);
            for (const vx::VxObjectUIOPtr& record : grid.VxGrid->vxObjects())
                rows << record->OIDR();
            EXPECT_EQ(grid.VxGrid->currentRecord()->OIDR(), second) << "the selected line comes first";
            if (!test.write)
                return int(QDialog::Rejected);
            grid.VxGrid->currentRecord()->Fields().setValue(QStringLiteral("Distance"), 250.0);
            grid.findChild<QPushButton*>(QStringLiteral("cmdWrite"))->click();
            return grid.saved() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        card->editRoutesInGrid();
        ASSERT_EQ(dialogs.shown, QStringList{QStringLiteral("frmTransportGrid")});
        dialogs.shown.clear();
        EXPECT_EQ(rows.size(), 2);
        EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.value(0).text.toStdString();
        EXPECT_EQ(c.txtDistance->text(), test.write ? QStringLiteral("350") : QStringLiteral("150"));
        EXPECT_EQ(card->isChanged(), test.write);
    }
}

TEST_F(TripSheetCommands, InsertAddsAndDeleteDeletesWhereTheMenuWouldOfferThem)
{
    struct Case {
        const char* what;
        bool routeList; // else the cheque list
        Qt::Key key;
        bool selected;
        bool mayWrite;
        QMessageBox::StandardButton answer;
        const char* dialog; // opened; null: none
        int asked, rowsLeft;
        bool changed;
    } cases[] = {
        {"Insert on the route list", true, Qt::Key_Insert, false, true, QMessageBox::Yes, "frmTransportTripRoute", 0, 2,
         false},
        {"Insert on the cheque list", false, Qt::Key_Insert, true, true, QMessageBox::Yes, "frmTransportFuelCheque", 0,
         2, false},
        {"Delete removes a route line", true, Qt::Key_Delete, true, true, QMessageBox::Yes, nullptr, 1, 1, true},
        {"Delete removes a cheque", false, Qt::Key_Delete, true, true, QMessageBox::Yes, nullptr, 1, 1, false},
        {"No keeps the route line", true, Qt::Key_Delete, true, true, QMessageBox::No, nullptr, 1, 2, false},
        {"Delete without a selection", true, Qt::Key_Delete, false, true, QMessageBox::Yes, nullptr, 0, 2, false},
        {"Insert without the write right", true, Qt::Key_Insert, false, false, QMessageBox::Yes, nullptr, 0, 2, false},
        {"Delete without the write right", false, Qt::Key_Delete, true, false, QMessageBox::Yes, nullptr, 0, 2, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        host->grant(QStringLiteral("CTransportTrips"), true, test.mayWrite, true, true);
        const qint64 sheet = savedSheet();
        for (const double km : {100.0, 50.0})
            completeLine(sheet, km);
        // The last cheque holds the whole sum, so the list has no totals row.
        for (const double sum : {0.0, 7.0})
            record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", dieselFuel},
                                       {"FuelAmount", 10.0}, {"SumCurr", sum}, {"Date", start}}));
        const auto card = openCard(open(sheetId(sheet)));
        QTreeWidget* list = test.routeList ? ui(*card).lvwRoutes : ui(*card).lvwCheques;
        ASSERT_EQ(list->topLevelItemCount(), 2);
        if (test.selected)
            list->setCurrentItem(list->topLevelItem(0));
        messages.messages.clear();
        if (test.asked)
            messages.answer(test.answer);
        QTest::keyClick(list, test.key);
        EXPECT_EQ(dialogs.shown, test.dialog ? QStringList{QString::fromLatin1(test.dialog)} : QStringList());
        EXPECT_EQ(messages.messages.size(), test.asked);
        EXPECT_EQ(messages.messages.value(0).text,
                  test.asked ? QStringLiteral("Ar tikrai norite panaikinti?") : QString());
        EXPECT_EQ(list->topLevelItemCount(), test.rowsLeft);
        EXPECT_EQ(card->isChanged(), test.changed);
        dialogs.shown.clear();
    }
}

} // namespace
