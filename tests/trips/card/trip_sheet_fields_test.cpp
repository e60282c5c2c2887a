// The trip sheet's fields as a user types and chooses: the speedometer, the
// actual rest, the fuel tank types, the dates and the print buttons.

#include "tests/trips/card/trip_sheet_card_fixture.h"

namespace {

class TripSheetFields : public TripSheetCardTest {
protected:
    // A saved sheet, S = 1000, with one route line of 250 km.
    std::unique_ptr<frmTransportTripsSV> routedSheet(const QVariantMap& extra = {})
    {
        const qint64 sheet = savedSheet(extra);
        line(sheet, truckNorm, 250, 2, 28.5, 0);
        return openCard(open(sheetId(sheet)));
    }
};

TEST_F(TripSheetFields, SpeedometerFieldsKeepEndEqualToStartRouteAndOwnExpense)
{
    struct Step {
        const char* field; // "S", "E" or "X"
        const char* typed;
        const char* start, *end, *own;
    } steps[] = {
        {"X", "12.5", "1000", "1262,5", "12,5"},
        {"E", "1300", "1000", "1300", "50"},
        {"E", "1100", "1000", "1250", "0"},  // below S + D: raised on leaving
        {"S", "2000", "2000", "2250", "0"},
        {"E", "2250,0004", "2000", "2250", "0"}, // three decimals when left
    };
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.field) + " := " + step.typed);
        TripNumberField* field = *step.field == 'S' ? c.txtSpidometrFrom
                                 : *step.field == 'E' ? c.txtSpidometrTo
                                                      : c.txtExternalDistance;
        type(field, QString::fromLatin1(step.typed));
        EXPECT_EQ(c.txtSpidometrFrom->text(), QString::fromLatin1(step.start));
        EXPECT_EQ(c.txtSpidometrTo->text(), QString::fromLatin1(step.end));
        EXPECT_EQ(c.txtExternalDistance->text(), QString::fromLatin1(step.own));
    }
    EXPECT_TRUE(card->isChanged());
}

TEST_F(TripSheetFields, TabbingThroughNumbersWithoutTypingChangesNothing)
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

TEST_F(TripSheetFields, TheActualRestComesBackWhenTickedAgain)
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
            type(tank.txtFinalRest, QString::fromLatin1(test.typed));
        tank.chkFinalRest->click();
        EXPECT_EQ(tank.txtFinalRest->text(), QStringLiteral("0"));
        EXPECT_FALSE(tank.txtFinalRest->isEnabled());
        tank.chkFinalRest->click();
        EXPECT_EQ(tank.txtFinalRest->text(), QString::fromLatin1(test.restored));
        EXPECT_TRUE(card->isChanged());
    }
}

TEST_F(TripSheetFields, ATankTypeChosenForBothTanksLeavesTheSecondEmpty)
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

TEST_F(TripSheetFields, ATankTypeStoredWithARestTakesThatRest)
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

TEST_F(TripSheetFields, WithoutAVehicleNoTankTypeCanBeChosen)
{
    const auto card = openCard(open(QStringLiteral("O4000100")));
    selectorPicks(vx::oid::make(u"O4000604", diesel), QStringLiteral("Dyzelinas"));
    ui(*card).tanks[0].cmdFuelType->click();
    EXPECT_EQ(factory->selectors.script->timesShown, 0);
    EXPECT_TRUE(ui(*card).tanks[0].txtFuelType->objectId().isEmpty());
}

TEST_F(TripSheetFields, DatesKeepTheirOrder)
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
TEST_F(TripSheetFields, PrintingAndClosingWaitForUnsavedChanges)
{
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    EXPECT_TRUE(card->QueryRemove());
    EXPECT_TRUE(messages.messages.isEmpty());
    type(c.txtCode, QStringLiteral("Z"));
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
