// Opening a trip sheet and working its fields: what a saved and a new sheet
// show (their captions are the scripts'), the driver a sheet takes from its
// vehicle's assignments, the speedometer, the actual rest, the tank types,
// the dates and the buttons.

#include "tests/trips/card/trip_sheet_card_fixture.h"

namespace {

class TripSheetCard : public TripSheetCardTest {
protected:
    // A saved sheet, S = 1000, with one route line of 250 km.
    std::unique_ptr<frmTransportTripsSV> routedSheet(const QVariantMap& extra = {})
    {
        const qint64 sheet = savedSheet(extra);
        line(sheet, truckNorm, 250, 2, 28.5, 0);
        return openSaved(sheet);
    }
};

// The vehicle shows its name beside its plate; two lines of one norm at
// different values make one summed norm row. Run on both engines.
class BoTripSheetCard : public TripSheetCard {};
TEST_F(BoTripSheetCard, ASavedSheetShowsItsRecordRouteAndBalance)
{
    const qint64 man = record("O4000400", fields({{"Name", QStringLiteral("MAN TGX")}, {"Code", QStringLiteral("ABC 123")},
                                                  {"OType", QStringLiteral("Car")}, {"FuelTankTypeID1", diesel}}));
    const qint64 sheet = savedSheet(fields({{"Code", QStringLiteral("A")}, {"DistanceEnd", 1262.5}, {"TransportCarID", man},
                                            {"DateTo", QDateTime(start.addDays(3), QTime(0, 0))}}));
    line(sheet, truckNorm, 200, 2, 28.5, 0);
    line(sheet, truckNorm, 50, 1, 32, 0);
    cheque(sheet, dieselFuel, 60);
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    const TripSheetControls::Tank& diesel = c.tanks[0];
    // Tank 1 (diesel): 40 at the start, 60 received, 57 + 16 used by norms.
    expectShown({{c.txtName, "KL-1"}, {c.txtCode, "A"}, {c.txtCar, "MAN TGX"}, {c.txtCarNumber, "ABC 123"},
                 {c.txtDriver, "Jonas Jonaitis"}, {c.txtSpidometrFrom, "1000"}, {c.txtDistance, "250"},
                 {c.txtDuration, "3"}, {c.txtSpidometrTo, "1262,5"}, {c.txtExternalDistance, "12,5"},
                 {diesel.txtFuelRest, "40,000"}, {diesel.txtFuelTaken, "60"}, {diesel.txtFuelUsed, "73,000"},
                 {diesel.txtFuelFinal, "27,000"}});
    EXPECT_FALSE(card->isNew());
    EXPECT_EQ(c.dtpDateFrom->date(), start);
    EXPECT_TRUE(c.chkDateTo->isChecked() && !c.dtpDateTo->isHidden());
    EXPECT_EQ(c.dtpDateTo->date(), start.addDays(3));
    EXPECT_EQ(c.txtCar->objectId(), carId(man));
    EXPECT_FALSE(diesel.txtFuelFinal->isHidden());
    EXPECT_TRUE(c.tanks[1].txtFuelFinal->isHidden()) << "tank 2 has no type";
    EXPECT_TRUE(c.SOPanel->toolTip().startsWith(QStringLiteral("Sukūrė: "))) << c.SOPanel->toolTip().toStdString();
    EXPECT_TRUE(c.TabStrip->isTabEnabled(0) && c.TabStrip->isTabEnabled(1));
    EXPECT_EQ(c.TabStrip->currentIndex(), 0);
    EXPECT_FALSE(card->isChanged());
    expectEnabled({{c.cmdCar, false}, {c.cmdWrite, false}, {c.cmdCancel, false}, {c.cmdPrint, true},
                   {c.cmdExportToWord, true}});
    EXPECT_TRUE(messages.messages.isEmpty());

    c.TabStrip->setCurrentIndex(2);
    ASSERT_EQ(c.lvwFuelBill->topLevelItemCount(), 1);
    QStringList cells;
    for (int column = 1; column < c.lvwFuelBill->columnCount(); ++column)
        cells << c.lvwFuelBill->topLevelItem(0)->text(column);
    EXPECT_EQ(cells.join(u'|').toStdString(), "Vasara|29,2|0|250|3|73,000|0,000|73,000");
}

TEST_F(TripSheetCard, ANewSheetTakesReadingTanksAndRestsFromTheVehiclesPreviousSheet)
{
    savedSheet(fields({{"Date", QDateTime(start.addDays(-10), QTime(0, 0))}, {"DistanceEnd", 1500.0},
                       {"FinalRest1Indication", 1}, {"FinalRest1", 12.5}}));
    create(QStringLiteral("O4001000"), fields({{"TransportID", car}, {"UserID", otherDriver},
                                               {"DateFrom", start.addYears(-1)}}));
    const auto card = openCard(newSheet(car, start));
    const TripSheetControls& c = ui(*card);
    EXPECT_TRUE(card->isNew());
    EXPECT_FALSE(c.TabStrip->isTabEnabled(0) || c.TabStrip->isTabEnabled(1));
    EXPECT_EQ(c.TabStrip->currentIndex(), 2);
    EXPECT_TRUE(c.lvwFuelBill->isHidden());
    // The measured rest of the previous sheet is carried over.
    expectShown({{c.txtSpidometrFrom, "1500"}, {c.txtSpidometrTo, "1500"}, {c.txtExternalDistance, "0"},
                 {c.tanks[0].txtFuelType, "Dyzelinas"}, {c.tanks[0].txtFuelRest, "12,500"},
                 {c.tanks[1].txtFuelType, "Benzinas"}, {c.tanks[1].txtFuelRest, "0,000"}});
    EXPECT_EQ(c.txtDriver->objectId(), employeeId(otherDriver));
    expectEnabled({{c.cmdCar, true}, {c.cmdPrint, false}, {c.cmdCancel, false}});
}

// A sheet without a driver gets the one the vehicle had on the sheet's start
// date (not today), and saving stores that driver. Which assignment wins is
// the layer's driver-on-a-day test.
TEST_F(TripSheetCard, ASheetWithoutDriverTakesTheVehiclesDriverOfItsStartDate)
{
    create(QStringLiteral("O4001000"), fields({{"TransportID", car}, {"UserID", otherDriver},
                                               {"DateFrom", start.addDays(-30)}, {"DateTo", start.addDays(10)}}));
    const qint64 sheet = savedSheet(fields({{"UserID", 0}}));
    const auto card = openSaved(sheet);
    EXPECT_EQ(ui(*card).txtDriver->recordNumber(), otherDriver);
    fill(ui(*card).txtCode, QStringLiteral("B"));
    ui(*card).cmdWrite->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    expectStored(sheetId(sheet), {{"UserID", otherDriver}});
}

TEST_F(TripSheetCard, WithoutTheWriteRightNothingCanBeSaved)
{
    host->grant(QStringLiteral("CTransportTrips"), true, false, false, false);
    const auto card = routedSheet();
    EXPECT_FALSE(card->mayEdit());
    fill(ui(*card).txtCode, QStringLiteral("X"));
    EXPECT_TRUE(card->isChanged());
    expectEnabled({{ui(*card).cmdWrite, false}, {ui(*card).cmdCancel, false}});
}

TEST_F(TripSheetCard, SpeedometerFieldsKeepEndEqualToStartRouteAndOwnExpense)
{
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    struct Step { TripNumberField* field; const char* typed; const char *start, *end, *own; } steps[] = {
        {c.txtExternalDistance, "12.5", "1000", "1262,5", "12,5"},
        {c.txtSpidometrTo, "1300", "1000", "1300", "50"},
        {c.txtSpidometrTo, "1100", "1000", "1250", "0"}, // below S + D: raised on leaving
        {c.txtSpidometrFrom, "2000", "2000", "2250", "0"},
        {c.txtSpidometrTo, "2250,0004", "2000", "2250", "0"}, // three decimals when left
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.field->objectName().toStdString() + " := " + step.typed);
        fill(step.field, QString::fromLatin1(step.typed));
        expectShown(
            {{c.txtSpidometrFrom, step.start}, {c.txtSpidometrTo, step.end}, {c.txtExternalDistance, step.own}});
    }
    EXPECT_TRUE(card->isChanged());
}

TEST_F(TripSheetCard, TabbingThroughNumbersWithoutTypingChangesNothing)
{
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    for (QWidget* field : std::initializer_list<QWidget*>{c.txtSpidometrFrom, c.txtSpidometrTo, c.txtExternalDistance,
                                                          c.tanks[0].txtFuelRest}) {
        enter(field);
        leave(field);
    }
    EXPECT_EQ(c.tanks[0].txtFuelRest->text(), QStringLiteral("40"));
    EXPECT_FALSE(card->isChanged());
    EXPECT_TRUE(c.cmdPrint->isEnabled());
}

TEST_F(TripSheetCard, TheActualRestComesBackWhenTickedAgain)
{
    struct Case {
        const char* what;
        QVariantMap stored;
        const char* loaded;   // txtFinalRest0 on opening
        const char* typed;    // typed while ticked; null: nothing
        const char* restored; // after unticking and ticking again
    } cases[] = {
        {"typed", {}, "0", "12.5", "12,5"},
        {"loaded", fields({{"FinalRest1Indication", 1}, {"FinalRest1", 7.25}}), "7,250", nullptr, "7,250"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const auto card = routedSheet(test.stored);
        const TripSheetControls::Tank& tank = ui(*card).tanks[0];
        EXPECT_EQ(tank.txtFinalRest->text(), QString::fromLatin1(test.loaded));
        if (!tank.chkFinalRest->isChecked())
            tank.chkFinalRest->click();
        EXPECT_TRUE(tank.txtFinalRest->isEnabled());
        if (test.typed)
            fill(tank.txtFinalRest, QString::fromLatin1(test.typed));
        tank.chkFinalRest->click();
        EXPECT_EQ(tank.txtFinalRest->text(), QStringLiteral("0"));
        EXPECT_FALSE(tank.txtFinalRest->isEnabled());
        tank.chkFinalRest->click();
        EXPECT_EQ(tank.txtFinalRest->text(), QString::fromLatin1(test.restored));
        EXPECT_TRUE(card->isChanged());
    }
}

TEST_F(TripSheetCard, ATankTypeChosenForBothTanksLeavesTheSecondEmpty)
{
    const auto card = openCard(newSheet(car, start));
    const TripSheetControls::Tank& second = ui(*card).tanks[1];
    ASSERT_EQ(second.txtFuelType->text(), QStringLiteral("Benzinas"));
    selectorPicks(vx::oid::make(u"O4000604", diesel), QStringLiteral("Dyzelinas"));
    second.cmdFuelType->click();
    EXPECT_TRUE(second.txtFuelType->objectId().isEmpty());
    EXPECT_TRUE(second.txtFuelRest->isHidden());
    EXPECT_EQ(ui(*card).tanks[0].txtFuelType->text(), QStringLiteral("Dyzelinas"));
    EXPECT_TRUE(card->isChanged());
}

TEST_F(TripSheetCard, ATankTypeStoredWithARestTakesThatRest)
{
    const auto card = routedSheet(fields({{"FuelTankTypeID2", petrol}, {"FuelRest2", 15.0}}));
    const TripSheetControls& c = ui(*card);
    c.tanks[1].cmdCleanFuelType->click();
    EXPECT_EQ(c.tanks[1].txtFuelFinal->text(), QStringLiteral("0"));
    selectorPicks(vx::oid::make(u"O4000604", petrol), QStringLiteral("Benzinas"));
    c.tanks[0].cmdFuelType->click();
    // The diesel route line no longer reaches a tank.
    expectShown({{c.tanks[0].txtFuelType, "Benzinas"}, {c.tanks[0].txtFuelRest, "15"},
                 {c.tanks[0].txtFuelUsed, "0"}, {c.tanks[0].txtFuelFinal, "15,000"}});
}

TEST_F(TripSheetCard, WithoutAVehicleNoTankTypeCanBeChosen)
{
    const auto card = openCard(open(QStringLiteral("O4000100")));
    selectorPicks(vx::oid::make(u"O4000604", diesel), QStringLiteral("Dyzelinas"));
    ui(*card).tanks[0].cmdFuelType->click();
    EXPECT_EQ(factory->selectors.script->timesShown, 0);
    EXPECT_TRUE(ui(*card).tanks[0].txtFuelType->objectId().isEmpty());
}

TEST_F(TripSheetCard, DatesKeepTheirOrder)
{
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    c.chkDateTo->click();
    EXPECT_FALSE(c.dtpDateTo->isHidden());
    c.dtpDateTo->setDate(start.addDays(-2));
    EXPECT_EQ(c.dtpDateFrom->date(), start.addDays(-2));
    c.dtpDateFrom->setDate(start.addDays(5));
    EXPECT_EQ(c.dtpDateTo->date(), start.addDays(5));
    c.chkDateTo->click();
    EXPECT_TRUE(c.dtpDateTo->isHidden());
}

// Printing waits until changes are saved or undone; closing with savable
// changes asks first; an empty number leaves nothing to save.
TEST_F(TripSheetCard, PrintingAndClosingWaitForUnsavedChanges)
{
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    EXPECT_TRUE(card->QueryRemove());
    EXPECT_TRUE(messages.messages.isEmpty());
    fill(c.txtCode, QStringLiteral("Z"));
    expectEnabled({{c.cmdWrite, true}, {c.cmdCancel, true}, {c.cmdPrint, false}, {c.cmdExportToWord, false}});
    messages.answer(QMessageBox::No);
    EXPECT_FALSE(card->QueryRemove());
    messages.answer(QMessageBox::Yes);
    EXPECT_TRUE(card->QueryRemove());
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Kelionės lapas\r\n\r\nUždaryti be išsaugojimo?"));
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Warning);

    c.cmdCancel->click();
    EXPECT_EQ(c.txtCode->text(), QString());
    expectEnabled({{c.cmdWrite, false}, {c.cmdPrint, true}, {c.cmdExportToWord, true}});
    c.txtName->clear();
    EXPECT_TRUE(card->isChanged());
    EXPECT_FALSE(c.cmdWrite->isEnabled());
}

} // namespace
