// Saving a trip sheet: what is written, what stops a save, and how a new
// sheet becomes a saved one.

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
    ASSERT_TRUE(c.cmdWrite->isEnabled());
    c.cmdWrite->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_FALSE(card->isChanged());
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(sheetId(sheet))))
        << host->log.join(QLatin1Char('\n')).toStdString();

    expectStored(sheetId(sheet), {{"DistanceEnd", 1267.5}, {"UserID", otherDriver}, {"FinalRest2Indication", 1}});
    EXPECT_EQ(Catalogue::LongOrZero(stored(sheetId(sheet))->Fields().value(QStringLiteral("FinalRest1Indication"))), 0);

    const auto reopened = openSaved(sheet);
    const TripSheetControls& r = ui(*reopened);
    const std::pair<QLineEdit*, QLineEdit*> same[] = {
        {c.txtName, r.txtName}, {c.txtDriver, r.txtDriver}, {c.txtSpidometrFrom, r.txtSpidometrFrom},
        {c.txtExternalDistance, r.txtExternalDistance}, {c.txtDistance, r.txtDistance},
        {c.tanks[0].txtFuelFinal, r.tanks[0].txtFuelFinal}, {c.tanks[1].txtFuelFinal, r.tanks[1].txtFuelFinal}};
    for (const auto& [saved, again] : same)
        EXPECT_EQ(again->text(), saved->text()) << again->objectName().toStdString();
    expectShown({{r.txtCode, "K-9"}, {r.txtSpidometrTo, "1267,5"}, {r.tanks[0].txtFuelRest, "41,250"},
                 {r.tanks[1].txtFinalRest, "3,500"}});
    EXPECT_TRUE(r.chkDateTo->isChecked() && r.dtpDateTo->date() == start.addDays(4));
}

// The scripts play the new sheet's vehicle, tanks, caption, tabs and buttons
// through its first save; here what the panel and the store hold afterwards.
TEST_F(TripSheetSaving, ANewSheetBecomesASavedOneAfterItsFirstSave)
{
    // The vehicle's driver, whom the sheet takes: no sheet is saved without one.
    create(QStringLiteral("O4001000"),
           fields({{"TransportID", car}, {"UserID", driver}, {"DateFrom", start.addYears(-1)}}));
    const auto card = openCard(newSheet(car, start));
    fill(ui(*card).txtName, QStringLiteral("KL-7"));
    ui(*card).cmdWrite->click();
    ASSERT_TRUE(messages.messages.isEmpty()) << messages.messages.first().text.toStdString();
    const QString oidr = card->vxObjectUIO()->OIDR();
    EXPECT_TRUE(vx::oid::hasRecord(oidr));
    EXPECT_TRUE(ui(*card).SOPanel->toolTip().startsWith(QStringLiteral("Sukūrė: ")));
    expectStored(oidr, {{"Name", QStringLiteral("KL-7")}, {"TransportCarID", car}, {"UserID", driver},
                        {"FuelTankTypeID1", diesel}, {"FuelTankTypeID2", petrol}, {"DateTo", QVariant()}});
}

TEST_F(TripSheetSaving, TankTypesThatDoNotFitTheVehicleAreRefused)
{
    const qint64 otherType = record("O4000604", fields({{"Name", QStringLiteral("Dujos")}}));
    struct Case {
        const char* what;
        bool clearFirst, clearSecond;
        qint64 chooseFirst; // 0: keep
    } cases[] = {
        {"both tanks empty", true, true, 0},
        {"a type the vehicle does not have", false, true, otherType},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        messages.messages.clear();
        const qint64 sheet = savedSheet();
        const auto card = openSaved(sheet);
        const TripSheetControls& c = ui(*card);
        if (test.clearFirst)
            c.tanks[0].cmdCleanFuelType->click();
        if (test.clearSecond)
            c.tanks[1].cmdCleanFuelType->click();
        if (test.chooseFirst) {
            selectorPicks(vx::oid::make(u"O4000604", test.chooseFirst), QStringLiteral("Dujos"));
            c.tanks[0].cmdFuelType->click();
        }
        fill(c.txtCode, QStringLiteral("Q"));
        c.cmdWrite->click();
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("Kuro tipas neatitinka transporto kuro tipo!"));
        EXPECT_EQ(messages.messages[0].icon, QMessageBox::Critical);
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
    EXPECT_TRUE(messages.messages.isEmpty());
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
    const TripSheetControls& c = ui(*card);
    struct Step { const char* command; const char* start, *end, *rest; bool changed; } steps[] = {
        {"105", "900", "900", "40,000", true},
        {"106", "900", "900", "20", true},
        {"104", "1000", "1000", "40,000", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        card->setPendingCommand(QString::fromLatin1(step.command));
        card->cardMenuCommand();
        EXPECT_EQ(c.txtSpidometrFrom->text(), QString::fromLatin1(step.start));
        EXPECT_EQ(c.txtSpidometrTo->text(), QString::fromLatin1(step.end));
        EXPECT_EQ(c.tanks[0].txtFuelRest->text(), QString::fromLatin1(step.rest));
        EXPECT_EQ(card->isChanged(), step.changed);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

} // namespace
