// Opening a trip sheet and working its fields: what a saved and a new sheet
// show, the driver a sheet takes from its vehicle's assignments, the
// speedometer, the actual rest and a tank type's rest. The captions, the
// dates, closing and printing with unsaved changes, and a tank type chosen
// twice or without a vehicle are the scripts'.

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
    card->show();
    EXPECT_EQ(shown(card.get(), "txtName txtCode txtCar txtCar.id txtCarNumber txtDriver txtSpidometrFrom txtDistance "
                                "txtDuration txtSpidometrTo txtExternalDistance dtpDateFrom chkDateTo.checked dtpDateTo "
                                "dtpDateTo.visible TabStrip cmdCar.enabled cmdWrite.enabled cmdCancel.enabled "
                                "cmdPrint.enabled cmdExportToWord.enabled"),
              "KL-1|A|MAN TGX|" + carId(man).toStdString()
                  + "|ABC 123|Jonas Jonaitis|1000|250|3|1262,5|12,5|2026.11.02|True|2026.11.05|True|Kelionės atkarpos|"
                    "False|False|False|True|True");
    EXPECT_FALSE(card->isNew() || card->isChanged());
    EXPECT_TRUE(c.SOPanel->toolTip().startsWith(QStringLiteral("Sukūrė: "))) << c.SOPanel->toolTip().toStdString();
    EXPECT_TRUE(c.TabStrip->isTabEnabled(0) && c.TabStrip->isTabEnabled(1));
    EXPECT_EQ(takeMessages(messages), "");

    // Tank 1 (diesel): 40 at the start, 60 received, 57 + 16 used by norms; tank 2 has no type.
    c.TabStrip->setCurrentIndex(2);
    EXPECT_EQ(shown(card.get(), "txtFuelRest0 txtFuelTaken0 txtFuelUsed0 txtFuelFinal0 txtFuelFinal0.visible "
                                "txtFuelFinal1.visible"),
              "40,000|60|73,000|27,000|True|False");
    EXPECT_EQ(rowsOf(c.lvwFuelBill), "Dyzelinas|Vasara|29,2|0|250|3|73,000|0,000|73,000");
}

TEST_F(TripSheetCard, ANewSheetTakesReadingTanksAndRestsFromTheVehiclesPreviousSheet)
{
    savedSheet(fields({{"Date", QDateTime(start.addDays(-10), QTime(0, 0))}, {"DistanceEnd", 1500.0},
                       {"FinalRest1Indication", 1}, {"FinalRest1", 12.5}}));
    create(QStringLiteral("O4001000"), fields({{"TransportID", car}, {"UserID", otherDriver},
                                               {"DateFrom", start.addYears(-1)}}));
    const auto card = openCard(newSheet(car, start));
    const TripSheetControls& c = ui(*card);
    card->show();
    EXPECT_TRUE(card->isNew());
    EXPECT_FALSE(c.TabStrip->isTabEnabled(0) || c.TabStrip->isTabEnabled(1));
    // The measured rest of the previous sheet is carried over.
    EXPECT_EQ(shown(card.get(), "TabStrip lvwFuelBill.visible txtSpidometrFrom txtSpidometrTo txtExternalDistance "
                                "txtFuelType0 txtFuelRest0 txtFuelType1 txtFuelRest1 txtDriver.id cmdCar.enabled "
                                "cmdPrint.enabled cmdCancel.enabled"),
              "Kuras|False|1500|1500|0|Dyzelinas|12,500|Benzinas|0,000|" + employeeId(otherDriver).toStdString()
                  + "|True|False|False");
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
    EXPECT_EQ(takeMessages(messages), "");
    expectStored(sheetId(sheet), {{"UserID", otherDriver}});
}

TEST_F(TripSheetCard, WithoutTheWriteRightNothingCanBeSaved)
{
    host->grant(QStringLiteral("CTransportTrips"), true, false, false, false);
    const auto card = routedSheet();
    EXPECT_FALSE(card->mayEdit());
    fill(ui(*card).txtCode, QStringLiteral("X"));
    EXPECT_TRUE(card->isChanged());
    EXPECT_EQ(shown(card.get(), "cmdWrite.enabled cmdCancel.enabled"), "False|False");
}

// Tabbing through the numbers without typing changes nothing; then each step
// types into one field and shows the start, the end and the own expense.
TEST_F(TripSheetCard, SpeedometerFieldsChangeOnlyWhenTypedAndKeepEndEqualToStartRouteAndOwnExpense)
{
    const auto card = routedSheet();
    const TripSheetControls& c = ui(*card);
    const char* readings = "txtSpidometrFrom txtSpidometrTo txtExternalDistance";
    for (QWidget* field : std::initializer_list<QWidget*>{c.txtSpidometrFrom, c.txtSpidometrTo, c.txtExternalDistance,
                                                          c.tanks[0].txtFuelRest}) {
        enter(field);
        leave(field);
    }
    EXPECT_EQ(shown(card.get(), (readings + std::string(" txtFuelRest0 cmdPrint.enabled")).c_str())
                  + (card->isChanged() ? " changed" : ""),
              "1000|1250|0|40|True");
    const std::tuple<TripNumberField*, const char*, const char*> steps[] = {
        {c.txtExternalDistance, "12.5", "1000|1262,5|12,5"},
        {c.txtSpidometrTo, "1300", "1000|1300|50"},
        {c.txtSpidometrTo, "1100", "1000|1250|0"}, // below S + D: raised on leaving
        {c.txtSpidometrFrom, "2000", "2000|2250|0"},
        {c.txtSpidometrTo, "2250,0004", "2000|2250|0"}, // three decimals when left
    };
    for (const auto& [field, typed, after] : steps) {
        fill(field, QString::fromLatin1(typed));
        EXPECT_EQ(shown(card.get(), readings), after) << typed;
    }
    EXPECT_TRUE(card->isChanged());
}

// The actual rest typed, or loaded, is blanked by unticking and back on ticking again.
TEST_F(TripSheetCard, TheActualRestComesBackWhenTickedAgain)
{
    const std::tuple<QVariantMap, const char*, const char*> cases[] = {
        {{}, "12.5", "0 True 0|False 12,5|True"},
        {fields({{"FinalRest1Indication", 1}, {"FinalRest1", 7.25}}), nullptr, "7,250 True 0|False 7,250|True"},
    };
    for (const auto& [stored, typed, seen] : cases) {
        const auto card = routedSheet(stored);
        const TripSheetControls::Tank& tank = ui(*card).tanks[0];
        std::string steps = shown(card.get(), "txtFinalRest0");
        if (!tank.chkFinalRest->isChecked())
            tank.chkFinalRest->click();
        steps += ' ' + shown(card.get(), "txtFinalRest0.enabled");
        if (typed)
            fill(tank.txtFinalRest, QString::fromLatin1(typed));
        for (int click = 0; click < 2; ++click) {
            tank.chkFinalRest->click();
            steps += ' ' + shown(card.get(), "txtFinalRest0 txtFinalRest0.enabled");
        }
        EXPECT_EQ(steps, seen);
        EXPECT_TRUE(card->isChanged());
    }
}

TEST_F(TripSheetCard, ATankTypeStoredWithARestTakesThatRest)
{
    const auto card = routedSheet(fields({{"FuelTankTypeID2", petrol}, {"FuelRest2", 15.0}}));
    const TripSheetControls& c = ui(*card);
    c.tanks[1].cmdCleanFuelType->click();
    EXPECT_EQ(shown(card.get(), "txtFuelFinal1"), "0");
    selectorPicks(vx::oid::make(u"O4000604", petrol), QStringLiteral("Benzinas"));
    c.tanks[0].cmdFuelType->click();
    // The diesel route line no longer reaches a tank.
    EXPECT_EQ(shown(card.get(), "txtFuelType0 txtFuelRest0 txtFuelUsed0 txtFuelFinal0"), "Benzinas|15|0|15,000");
}

} // namespace
