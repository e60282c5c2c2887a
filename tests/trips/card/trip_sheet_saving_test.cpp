// Saving a trip sheet: what is written and what stops a save. How a new
// sheet becomes a saved one is the scripts'.

#include "tests/trips/card/trip_sheet_card_fixture.h"

namespace {

class TripSheetSaving : public TripSheetCardTest {};

TEST_F(TripSheetSaving, ASavedSheetReopensWithTheSameValues)
{
    const qint64 sheet = savedSheet(fields({{"FuelTankTypeID2", petrol}, {"FuelRest2", 5.0}}));
    line(sheet, truckNorm, 250, 2, 28.5, 0);
    cheque(sheet, dieselFuel, 30);
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    fill(c.txtCode, QStringLiteral("K-9"));
    c.chkDateTo->click();
    c.dtpDateTo->setDate(start.addDays(4));
    fill(c.txtSpidometrFrom, QStringLiteral("1010"));
    fill(c.txtExternalDistance, QStringLiteral("7,5"));
    fill(c.tanks[0].txtFuelRest, QStringLiteral("41.25"));
    c.tanks[1].chkFinalRest->click();
    fill(c.tanks[1].txtFinalRest, QStringLiteral("3,5"));
    selectorPicks(employeeId(otherDriver), QStringLiteral("Ona Onaitė"));
    c.cmdDriver->click();
    c.cmdWrite->click();
    EXPECT_EQ(takeMessages(messages), "");
    EXPECT_FALSE(card->isChanged());
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(sheetId(sheet))))
        << host->log.join(QLatin1Char('\n')).toStdString();
    expectStored(sheetId(sheet), {{"DistanceEnd", 1267.5}, {"UserID", otherDriver}, {"FinalRest2Indication", 1}});
    EXPECT_EQ(Catalogue::LongOrZero(stored(sheetId(sheet))->Fields().value(QStringLiteral("FinalRest1Indication"))), 0);
    // Reopened, the sheet shows what was typed, the rests with three decimals.
    EXPECT_EQ(shown(openSaved(sheet).get(), "txtName txtCode chkDateTo.checked dtpDateTo txtDriver txtSpidometrFrom "
                                            "txtSpidometrTo txtExternalDistance txtDistance txtFuelRest0 txtFuelFinal0 "
                                            "txtFuelFinal1 txtFinalRest1"),
              "KL-1|K-9|True|2026.11.06|Ona Onaitė|1010|1267,5|7,5|250|41,250|0,000|5,000|3,500");
}

TEST_F(TripSheetSaving, TankTypesThatDoNotFitTheVehicleAreRefused)
{
    const qint64 otherType = record("O4000604", fields({{"Name", QStringLiteral("Dujos")}}));
    // Both tanks emptied, or tank 1 given a type the vehicle does not have.
    for (const qint64 firstTank : {qint64(0), otherType}) {
        SCOPED_TRACE(firstTank ? "a type the vehicle does not have" : "both tanks empty");
        const qint64 sheet = savedSheet();
        const auto card = openSaved(sheet);
        const TripSheetControls& c = ui(*card);
        c.tanks[1].cmdCleanFuelType->click();
        if (firstTank) {
            selectorPicks(vx::oid::make(u"O4000604", firstTank), QStringLiteral("Dujos"));
            c.tanks[0].cmdFuelType->click();
        } else {
            c.tanks[0].cmdCleanFuelType->click();
        }
        fill(c.txtCode, QStringLiteral("Q"));
        c.cmdWrite->click();
        EXPECT_EQ(takeMessages(messages), "Kuro tipas neatitinka transporto kuro tipo! [critical]");
        EXPECT_TRUE(card->isChanged());
        expectStored(sheetId(sheet), {{"Code", QVariant()}, {"FuelTankTypeID1", diesel}});
    }
}

// Text that is no number can only be pasted; it ends the save where it is
// written, without a message, and nothing is stored.
TEST_F(TripSheetSaving, AFuelTextThatIsNoNumberEndsTheSaveQuietly)
{
    const qint64 sheet = savedSheet();
    const auto card = openSaved(sheet);
    const TripSheetControls& c = ui(*card);
    fill(c.txtCode, QStringLiteral("P"));
    c.tanks[0].txtFuelRest->setText(QStringLiteral("4O"));
    c.cmdWrite->click();
    EXPECT_EQ(takeMessages(messages), "");
    const vx::RecordFields unsaved = card->vxObjectUIO()->Fields();
    EXPECT_EQ(unsaved.value(QStringLiteral("Code")).toString(), QStringLiteral("P"));
    EXPECT_EQ(Catalogue::DoubleOrZero(unsaved.value(QStringLiteral("FuelRest1"))), 40.0);
    expectStored(sheetId(sheet), {{"Code", QVariant()}});
    EXPECT_TRUE(card->isChanged());
}

// The card menu takes the start reading and the start rests from the
// vehicle's previous sheet again, and "Atnaujinti kelionės lapą" undoes that.
TEST_F(TripSheetSaving, TheCardMenuRefreshesStartValuesFromThePreviousSheet)
{
    savedSheet(fields({{"Date", QDateTime(start.addDays(-7), QTime(0, 0))}, {"DistanceEnd", 900.0},
                       {"FuelRest1", 20.0}}));
    const auto card = openSaved(savedSheet());
    // The start and end readings, the start rest of tank 1 and whether the sheet is changed.
    const std::pair<const char*, const char*> steps[] = {
        {"105", "900|900|40,000 changed"}, {"106", "900|900|20 changed"}, {"104", "1000|1000|40,000"}};
    for (const auto& [command, after] : steps) {
        card->setPendingCommand(QString::fromLatin1(command));
        card->cardMenuCommand();
        EXPECT_EQ(shown(card.get(), "txtSpidometrFrom txtSpidometrTo txtFuelRest0") + (card->isChanged() ? " changed" : ""),
                  after) << command;
    }
    EXPECT_EQ(takeMessages(messages), "");
}

} // namespace
