// The trip sheet's lists: what the cheque list and its totals row show, the
// fuel the route lines feed into the tanks, deleting rows through the context
// menu, and route segments dropped onto the route list.

#include "tests/trips/card/trip_sheet_card_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace {

class TripSheetLists : public TripSheetCardTest {
protected:
    qint64 chequeOf(qint64 sheet, double litres, double sum, const QVariant& currency = {})
    {
        return record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", dieselFuel},
                                          {"FuelAmount", litres}, {"SumCurr", sum}, {"CurrencyID", currency},
                                          {"Date", start}, {"Name", QStringLiteral("Č")}, {"CashFlag", 0}}));
    }

    // Right-clicks the list and chooses a menu item; returns whether "Redaguoti"
    // and "Panaikinti" were enabled.
    std::pair<bool, bool> chooseFromMenu(QTreeWidget* list, const char* item)
    {
        std::pair<bool, bool> enabled{false, false};
        QTimer::singleShot(0, list, [&enabled, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (action->objectName() == QLatin1String("mnuEdit"))
                    enabled.first = action->isEnabled();
                if (action->objectName() == QLatin1String("mnuDelete"))
                    enabled.second = action->isEnabled();
            }
            for (QAction* action : menu->actions())
                if (action->objectName() == QLatin1String(item)) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            menu->close();
        });
        emit list->customContextMenuRequested(list->viewport()->rect().center());
        return enabled;
    }
};

TEST_F(TripSheetLists, TheTotalsRowShowsOnlyWhenItSaysMoreThanTheLastCheque)
{
    struct Case {
        const char* what;
        QList<double> sums;
        const char* totalSum;  // null: no totals row
        const char* totalFuel;
    } cases[] = {
        {"two cheques", {10, 5}, "15,00", "20,75"},
        {"one cheque", {10}, nullptr, nullptr},
        {"the last cheque holds the whole total", {0, 7}, nullptr, nullptr},
        {"no cheque", {}, nullptr, nullptr},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const qint64 sheet = savedSheet();
        double litres = 10;
        for (const double sum : test.sums)
            chequeOf(sheet, litres += 0.25, sum);
        const auto card = openCard(open(sheetId(sheet)));
        QTreeWidget* list = ui(*card).lvwCheques;
        const int rows = int(test.sums.size()) + (test.totalSum ? 1 : 0);
        ASSERT_EQ(list->topLevelItemCount(), rows);
        if (!test.totalSum) {
            for (int i = 0; i < rows; ++i)
                EXPECT_FALSE(ReportList::isTotalsRow(list->topLevelItem(i)));
            continue;
        }
        const QTreeWidgetItem* totals = list->topLevelItem(rows - 1);
        EXPECT_TRUE(ReportList::isTotalsRow(totals));
        EXPECT_EQ(totals->text(0), QStringLiteral("Viso:"));
        EXPECT_TRUE(totals->font(0).bold());
        EXPECT_EQ(ReportList::subItem(totals, QStringLiteral("SumA")), QString::fromLatin1(test.totalSum));
        EXPECT_EQ(ReportList::subItem(totals, QStringLiteral("FuelAmount")), QString::fromLatin1(test.totalFuel));
        EXPECT_EQ(ReportList::subItem(totals, QStringLiteral("Number")), QStringLiteral(" "));
        EXPECT_EQ(ui(*card).tanks[0].txtFuelTaken->text(), QString::fromLatin1(test.totalFuel));
    }
}

TEST_F(TripSheetLists, AForeignCurrencyChequeShowsItsRateAndABaseCurrencyOneABlank)
{
    const qint64 euro = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 0}}));
    record("O0002200", fields({{"CurrencyID", euro}, {"Date", start}, {"Rate", 3.4528}}));
    const qint64 sheet = savedSheet();
    const QString foreign = vx::oid::make(u"O4000300", chequeOf(sheet, 40, 100, euro));
    const QString base = vx::oid::make(u"O4000300", chequeOf(sheet, 20, 50));
    const auto card = openCard(open(sheetId(sheet)));
    QTreeWidget* list = ui(*card).lvwCheques;

    struct Row {
        QString key;
        const char* rate;
        const char* sumCurr;
        const char* sum;
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
    EXPECT_EQ(ReportList::subItem(list->topLevelItem(2), QStringLiteral("SumA")), QStringLiteral("395,28"));
}

TEST_F(TripSheetLists, RouteLinesFeedTheTankOfTheirTypeOnly)
{
    const qint64 sheet = savedSheet(); // tank 1 diesel, tank 2 none
    line(sheet, truckNorm, 100, 1, 28.5, 0);
    line(sheet, truckNorm, 200, 2, 30, 0);
    line(sheet, generatorNorm, 0, 4, 0, 1.5);
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);
    EXPECT_EQ(c.lvwRoutes->topLevelItemCount(), 3);
    EXPECT_DOUBLE_EQ(card->fuelUsedMap().value(trips::tankTypeKey(diesel)), 88.5);
    EXPECT_DOUBLE_EQ(card->fuelUsedMap().value(trips::tankTypeKey(petrol)), 6.0);
    expectShown({{c.tanks[0].txtFuelUsed, "88,500"}, {c.tanks[0].txtFuelFinal, "-48,500"}, {c.tanks[1].txtFuelUsed, "0"}});
    const QTreeWidgetItem* first = c.lvwRoutes->topLevelItem(0);
    EXPECT_EQ(ListItem::tagOf(first), QString::number(segment));
    EXPECT_EQ(ReportList::subItem(first, QStringLiteral("RouteName")), QStringLiteral("Vilnius – Kaunas"));
}

TEST_F(TripSheetLists, DeletingARouteLineMarksTheSheetChangedAndAChequeDoesNot)
{
    const qint64 sheet = savedSheet();
    line(sheet, truckNorm, 100, 1, 28.5, 0);
    line(sheet, truckNorm, 50, 1, 28.5, 0);
    chequeOf(sheet, 30, 10);
    chequeOf(sheet, 20, 5);
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);

    // Without a selection only "Pridėti" is offered.
    EXPECT_EQ(chooseFromMenu(c.lvwCheques, "none"), std::make_pair(false, false));

    c.lvwCheques->setCurrentItem(c.lvwCheques->topLevelItem(0));
    messages.answer(QMessageBox::No);
    EXPECT_EQ(chooseFromMenu(c.lvwCheques, "mnuDelete"), std::make_pair(true, true));
    EXPECT_EQ(c.lvwCheques->topLevelItemCount(), 3) << "No keeps the cheque";

    c.lvwCheques->setCurrentItem(c.lvwCheques->topLevelItem(0));
    messages.answer(QMessageBox::Yes);
    chooseFromMenu(c.lvwCheques, "mnuDelete");
    EXPECT_EQ(c.lvwCheques->topLevelItemCount(), 1);
    EXPECT_EQ(c.tanks[0].txtFuelTaken->text(), QStringLiteral("20"));
    EXPECT_TRUE(!card->isChanged() && c.cmdPrint->isEnabled());

    c.lvwRoutes->setCurrentItem(c.lvwRoutes->topLevelItem(1));
    messages.answer(QMessageBox::Yes);
    chooseFromMenu(c.lvwRoutes, "mnuDelete");
    EXPECT_EQ(c.lvwRoutes->topLevelItemCount(), 1);
    expectShown({{c.txtDistance, "100"}, {c.txtSpidometrTo, "1100"}});
    EXPECT_TRUE(card->isChanged());
    expectEnabled({{c.cmdWrite, true}, {c.cmdPrint, false}});

    ASSERT_EQ(messages.messages.size(), 3);
    for (const testhost::RecordedMessage& message : messages.messages) {
        EXPECT_EQ(message.text, QStringLiteral("Ar tikrai norite panaikinti?"));
        EXPECT_EQ(message.icon, QMessageBox::Question);
    }
}

TEST_F(TripSheetLists, OnlyRouteSegmentsDropOntoASavedSheetsRouteList)
{
    const qint64 group = record("O4000601", fields({{"Name", QStringLiteral("Lietuva")}, {"GroupFlag", 1}}));
    const QString segmentId = vx::oid::make(u"O4000601", segment);
    struct Case {
        const char* what;
        bool saved;
        QString text;
        bool taken, addsLine;
    } cases[] = {
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
        EXPECT_EQ(dialogs.shown, test.addsLine ? QStringList{QStringLiteral("frmTransportTripRoute")} : QStringList());
        EXPECT_FALSE(card->isChanged());
        dialogs.shown.clear();
    }
}

} // namespace
