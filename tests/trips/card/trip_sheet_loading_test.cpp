// Opening a trip sheet: what a saved sheet and a new one show, the driver a
// sheet takes from its vehicle's assignments, and which buttons are available.

#include "tests/trips/card/trip_sheet_card_fixture.h"

namespace {

class TripSheetLoading : public TripSheetCardTest {};

TEST_F(TripSheetLoading, ASavedSheetShowsItsRecordRouteAndBalance)
{
    const qint64 sheet = savedSheet(fields({{"Code", QStringLiteral("A")}, {"DistanceEnd", 1262.5},
                                            {"DateTo", QDateTime(start.addDays(3), QTime(0, 0))}}));
    line(sheet, truckNorm, 200, 2, 28.5, 0);
    line(sheet, truckNorm, 50, 1, 28.5, 0);
    cheque(sheet, dieselFuel, 60);
    const auto card = openCard(open(sheetId(sheet)));
    const TripSheetControls& c = ui(*card);
    const TripSheetControls::Tank& diesel = c.tanks[0];
    // Tank 1 (diesel): 40 at the start, 60 received, 57 + 14,25 used by norms.
    expectShown({{c.txtName, "KL-1"}, {c.txtCode, "A"}, {c.txtCar, "Volvo FH"}, {c.txtDriver, "Jonas Jonaitis"},
                 {c.txtSpidometrFrom, "1000"}, {c.txtDistance, "250"}, {c.txtDuration, "3"},
                 {c.txtSpidometrTo, "1262,5"}, {c.txtExternalDistance, "12,5"}, {diesel.txtFuelRest, "40,000"},
                 {diesel.txtFuelTaken, "60"}, {diesel.txtFuelUsed, "71,250"}, {diesel.txtFuelFinal, "28,750"}});
    EXPECT_FALSE(card->isNew());
    EXPECT_EQ(c.dtpDateFrom->date(), start);
    EXPECT_TRUE(c.chkDateTo->isChecked());
    EXPECT_FALSE(c.dtpDateTo->isHidden());
    EXPECT_EQ(c.dtpDateTo->date(), start.addDays(3));
    EXPECT_EQ(c.txtCar->objectId(), carId(car));
    EXPECT_FALSE(diesel.txtFuelFinal->isHidden());
    EXPECT_TRUE(c.tanks[1].txtFuelFinal->isHidden()) << "tank 2 has no type";
    EXPECT_EQ(c.lvwFuelBill->topLevelItemCount(), 1);

    EXPECT_EQ(c.SOPanel->title(), QStringLiteral("Kelionės lapas"));
    EXPECT_TRUE(c.SOPanel->toolTip().startsWith(QStringLiteral("Sukūrė: "))) << c.SOPanel->toolTip().toStdString();
    EXPECT_TRUE(c.TabStrip->isTabEnabled(0) && c.TabStrip->isTabEnabled(1));
    EXPECT_EQ(c.TabStrip->currentIndex(), 0);
    EXPECT_EQ(c.TabStrip->tabBar()->tabData(2).toString(), QStringLiteral("Fuel"));
    EXPECT_FALSE(card->isChanged());
    expectEnabled({{c.cmdCar, false}, {c.cmdWrite, false}, {c.cmdCancel, false}, {c.cmdPrint, true},
                   {c.cmdExportToWord, true}});
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(TripSheetLoading, ANewSheetTakesReadingTanksAndRestsFromTheVehiclesPreviousSheet)
{
    savedSheet(fields({{"Date", QDateTime(start.addDays(-10), QTime(0, 0))}, {"DistanceEnd", 1500.0},
                       {"FuelRest1", 40.0}, {"FinalRest1Indication", 1}, {"FinalRest1", 12.5}}));
    create(QStringLiteral("O4001000"), fields({{"TransportID", car}, {"UserID", otherDriver},
                                               {"DateFrom", start.addYears(-1)}}));
    const auto card = openCard(newSheet(car, start));
    const TripSheetControls& c = ui(*card);
    EXPECT_TRUE(card->isNew());
    EXPECT_EQ(c.SOPanel->title(), QStringLiteral("Naujas kelionės lapas"));
    EXPECT_FALSE(c.TabStrip->isTabEnabled(0) || c.TabStrip->isTabEnabled(1));
    EXPECT_EQ(c.TabStrip->currentIndex(), 2);
    EXPECT_TRUE(c.lvwFuelBill->isHidden());
    // The measured rest of the previous sheet is carried over.
    expectShown({{c.txtSpidometrFrom, "1500"}, {c.txtSpidometrTo, "1500"}, {c.txtExternalDistance, "0"},
                 {c.tanks[0].txtFuelType, "Dyzelinas"}, {c.tanks[0].txtFuelRest, "12,500"},
                 {c.tanks[1].txtFuelType, "Benzinas"}, {c.tanks[1].txtFuelRest, "0,000"}});
    EXPECT_EQ(c.txtDriver->objectId(), vx::oid::make(u"O0001401", otherDriver));
    expectEnabled({{c.cmdCar, true}, {c.cmdPrint, false}, {c.cmdCancel, false}});
}

// Whom a sheet without a driver gets: an open assignment that has begun (the
// latest wins), else the first assignment still running on the start date.
// Saving such a sheet stores that driver.
TEST_F(TripSheetLoading, ASheetWithoutDriverTakesTheVehiclesDriverOfItsStartDate)
{
    struct Assignment {
        int who; // 1 driver, 2 otherDriver
        int fromDays, toDays; // relative to the start; toDays 999 = open
    };
    struct Case {
        const char* what;
        QList<Assignment> assignments;
        int expected; // 0 none
    } cases[] = {
        {"one open assignment", {{1, -30, 999}}, 1},
        {"a later open assignment wins", {{1, -30, 999}, {2, -5, 999}}, 2},
        {"an open assignment beats a running closed one", {{2, -30, 10}, {1, -20, 999}}, 1},
        {"a closed assignment still running", {{2, -30, 10}}, 2},
        {"a closed assignment that ended before", {{2, -30, -1}}, 0},
        {"an assignment not begun yet", {{1, 1, 999}}, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const qint64 vehicleId = vehicle(diesel, QVariant());
        for (const Assignment& a : test.assignments)
            create(QStringLiteral("O4001000"),
                   fields({{"TransportID", vehicleId}, {"UserID", a.who == 1 ? driver : otherDriver},
                           {"DateFrom", start.addDays(a.fromDays)},
                           {"DateTo", a.toDays == 999 ? QVariant() : QVariant(start.addDays(a.toDays))}}));
        const qint64 sheet = savedSheet(fields({{"TransportCarID", vehicleId}, {"UserID", 0}}));
        const auto card = openCard(open(sheetId(sheet)));
        const qint64 expected = test.expected == 0 ? 0 : test.expected == 1 ? driver : otherDriver;
        EXPECT_EQ(ui(*card).txtDriver->recordNumber(), expected);
        if (expected == 0)
            continue;
        type(ui(*card).txtCode, QStringLiteral("B"));
        ui(*card).cmdWrite->click();
        EXPECT_TRUE(messages.messages.isEmpty());
        EXPECT_EQ(Catalogue::LongOrZero(stored(sheetId(sheet))->Fields().value(QStringLiteral("UserID"))), expected);
    }
}

TEST_F(TripSheetLoading, WithoutTheWriteRightNothingCanBeSaved)
{
    host->grant(QStringLiteral("CTransportTrips"), true, false, false, false);
    const qint64 sheet = savedSheet();
    line(sheet, truckNorm, 100, 1, 28.5, 0);
    const auto card = openCard(open(sheetId(sheet)));
    EXPECT_FALSE(card->mayEdit());
    type(ui(*card).txtCode, QStringLiteral("X"));
    EXPECT_TRUE(card->isChanged());
    expectEnabled({{ui(*card).cmdWrite, false}, {ui(*card).cmdCancel, false}});
}

} // namespace
