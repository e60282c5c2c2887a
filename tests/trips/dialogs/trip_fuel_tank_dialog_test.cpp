// The trip fuel tank dialog: a tank type must be chosen, a copied tank takes
// its type and the rest reads in its shortest form. How an opener reads a
// dialog back is the vehicle record dialogs' test.

#include "tests/trips/dialogs/entry_fleet.h"
#include "trips/dialogs/trip_fuel_tank_dialog.h"

namespace {

class TripFuelTankDialogTest : public EntryFleet {
protected:
    trips::FuelTankRequest request(const QString& tankId = QStringLiteral("O4000700"),
                                   const QString& copyFrom = {}) const
    {
        return {.fuelTankOidr = tankId, .tripId = sheet, .copyFromOidr = copyFrom};
    }

    QString storedTank(double rest)
    {
        return create(QStringLiteral("O4000700"),
                      fields({{"TransportTripID", sheet}, {"TransportFuelTankTypeID", petrol}, {"FuelRest", rest}}));
    }
};

TEST_F(TripFuelTankDialogTest, CopiedTankTakesItsTypeAndSavesAnEmptyRestAsZero)
{
    trips::frmTransportTripFuelTanks dialog(request(QStringLiteral("O4000700"), storedTank(33.0)));
    ASSERT_TRUE(dialog.load());
    EXPECT_EQ(dialog.txtFuelTankType->objectId(), vx::oid::make(u"O4000604", petrol));
    EXPECT_TRUE(dialog.txtFuelRest->text().isEmpty());
    ASSERT_TRUE(dialog.writeButton()->isEnabled());
    dialog.writeButton()->click();
    ASSERT_FALSE(dialog.result().cancelled);
    expectStored(dialog.result().savedOidr,
                 {{"FuelRest", 0.0}, {"TransportFuelTankTypeID", petrol}, {"TransportTripID", sheet}});
}

TEST_F(TripFuelTankDialogTest, RestIsShownInItsShortestFormOnceLeft)
{
    trips::frmTransportTripFuelTanks dialog(request(storedTank(7.25)));
    ASSERT_TRUE(dialog.load());
    dialog.show();
    EXPECT_EQ(dialog.txtFuelRest->text(), QStringLiteral("7,25"));
    type(dialog.txtFuelRest, "12.50");
    EXPECT_EQ(dialog.txtFuelRest->text(), QStringLiteral("12,50"));
    leave(dialog.txtFuelRest);
    EXPECT_EQ(dialog.txtFuelRest->text(), QStringLiteral("12,5"));
    type(dialog.txtFuelRest, "-3,123456");
    leave(dialog.txtFuelRest);
    EXPECT_EQ(dialog.txtFuelRest->text(), QStringLiteral("3,1235")); // no sign; four decimals first
}

TEST_F(TripFuelTankDialogTest, ATankTypeMustBeChosen)
{
    trips::frmTransportTripFuelTanks dialog(request());
    ASSERT_TRUE(dialog.load());
    EXPECT_FALSE(dialog.writeButton()->isEnabled());
    selectorPicks(vx::oid::make(u"O4000604", diesel), QStringLiteral("Dyzelinas"));
    dialog.cmdFuelTankType->click();
    EXPECT_TRUE(factory->selectors.script->setup.contains(QStringLiteral("Caption=Pasirinkite kuro bako tipą")));
    EXPECT_EQ(dialog.txtFuelTankType->text(), QStringLiteral("Dyzelinas"));
    EXPECT_TRUE(dialog.writeButton()->isEnabled());
}

} // namespace
