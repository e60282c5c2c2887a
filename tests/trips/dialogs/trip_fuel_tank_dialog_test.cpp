// The trip fuel tank dialog: a tank type must be chosen, a copied tank takes
// its type and the rest reads in its shortest form. How an opener reads a
// dialog back is the vehicle record dialogs' test.

#include "tests/trips/dialogs/entry_fleet.h"
#include "trips/dialogs/trip_fuel_tank_dialog.h"

namespace {

class TripFuelTankDialogTest : public EntryFleet {
protected:
    // A new tank, a copy of a stored one, or a stored one with this rest.
    std::unique_ptr<trips::frmTransportTripFuelTanks> open(bool copy, double storedRest = -1)
    {
        const QString tank = storedRest < 0 ? QString() : create(QStringLiteral("O4000700"), fields({{"TransportTripID", sheet},
                                                                {"TransportFuelTankTypeID", petrol}, {"FuelRest", storedRest}}));
        auto dialog = std::make_unique<trips::frmTransportTripFuelTanks>(
            trips::FuelTankRequest{.fuelTankOidr = copy || tank.isEmpty() ? QStringLiteral("O4000700") : tank,
                                   .tripId = sheet, .copyFromOidr = copy ? tank : QString()});
        EXPECT_TRUE(dialog->load());
        return dialog;
    }
};

TEST_F(TripFuelTankDialogTest, CopiedTankTakesItsTypeAndSavesAnEmptyRestAsZero)
{
    auto dialog = open(true, 33.0);
    EXPECT_EQ(shown(dialog.get(), "txtFuelTankType.id txtFuelRest cmdWrite.enabled"),
              QStringLiteral("O4000604%1||True").arg(petrol).toStdString());
    dialog->writeButton()->click();
    ASSERT_FALSE(dialog->result().cancelled);
    expectStored(dialog->result().savedOidr, {{"FuelRest", 0.0}, {"TransportFuelTankTypeID", petrol}, {"TransportTripID", sheet}});
}

TEST_F(TripFuelTankDialogTest, RestIsShownInItsShortestFormOnceLeft)
{
    auto dialog = open(false, 7.25);
    dialog->show();
    QStringList seen{dialog->txtFuelRest->text()};
    for (const char* typed : {"12.50", "-3,123456"}) { // no sign; four decimals first
        type(dialog->txtFuelRest, typed);
        seen << dialog->txtFuelRest->text();
        leave(dialog->txtFuelRest);
        seen << dialog->txtFuelRest->text();
    }
    EXPECT_EQ(seen.join(u'|'), QStringLiteral("7,25|12,50|12,5|3,123456|3,1235"));
}

TEST_F(TripFuelTankDialogTest, ATankTypeMustBeChosen)
{
    auto dialog = open(false);
    EXPECT_FALSE(dialog->writeButton()->isEnabled());
    selectorPicks(vx::oid::make(u"O4000604", diesel), QStringLiteral("Dyzelinas"));
    dialog->cmdFuelTankType->click();
    EXPECT_TRUE(factory->selectors.script->setup.contains(QStringLiteral("Caption=Pasirinkite kuro bako tipą")));
    EXPECT_EQ(shown(dialog.get(), "txtFuelTankType cmdWrite.enabled"), "Dyzelinas|True");
}

} // namespace
