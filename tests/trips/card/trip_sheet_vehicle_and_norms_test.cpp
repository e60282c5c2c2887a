// What the trip sheet card shows of its vehicle (the name beside the plate,
// not the plate twice) and its norm summary: one row per fuel norm, the
// lines of a norm summed. Run on both engines.

#include "tests/trips/card/trip_sheet_card_fixture.h"

namespace {

class BoTripSheetShows : public TripSheetCardTest {
protected:
    qint64 man() const { return man_; }
    void SetUp() override
    {
        TripSheetCardTest::SetUp();
        if (!session)
            return;
        man_ = record("O4000400", fields({{"Name", QStringLiteral("MAN TGX")}, {"Code", QStringLiteral("ABC 123")},
                                          {"OType", QStringLiteral("Car")}, {"FuelTankTypeID1", diesel}}));
    }

private:
    qint64 man_ = 0;
};

TEST_F(BoTripSheetShows, TheVehiclesNameBesideItsPlate)
{
    for (const vx::VxObjectUIOPtr& editor :
         {vx::VxObjectUIOPtr(open(sheetId(savedSheet(fields({{"TransportCarID", man()}}))))),
          vx::VxObjectUIOPtr(newSheet(man(), start))}) {
        const auto card = openCard(editor);
        expectShown({{ui(*card).txtCar, "MAN TGX"}, {ui(*card).txtCarNumber, "ABC 123"}});
        EXPECT_EQ(ui(*card).txtCar->objectId(), carId(man()));
    }
}

// 100 km at 30 l/100 km and 50 km at 32: 46 l over 150 km, 30,6667 l/100 km;
// no fuel by duration. The layer's summing is its own test; this is the card's row.
TEST_F(BoTripSheetShows, TwoLinesOfOneNormAtDifferentValuesMakeOneSummedRow)
{
    const qint64 sheet = savedSheet();
    line(sheet, truckNorm, 100, 1, 30, 0);
    line(sheet, truckNorm, 50, 0.5, 32, 0);
    const auto card = openCard(open(sheetId(sheet)));
    QTreeWidget* list = ui(*card).lvwFuelBill;
    ASSERT_EQ(list->topLevelItemCount(), 1);
    QStringList cells;
    for (int column = 1; column < list->columnCount(); ++column)
        cells << list->topLevelItem(0)->text(column);
    EXPECT_EQ(cells.join(u'|').toStdString(), "Vasara|30,6667|0|150|1,5|46,000|0,000|46,000");
}

} // namespace
