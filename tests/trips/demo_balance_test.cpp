// The demo fleet seen through the trip sheet editor: every sheet's balance as
// the card computes it equals what the layer prints for its tanks, and every
// sheet starts where the editor says its previous sheet ended. One sheet is
// worked by hand.

#include "module/catalogue_conversions.h"
#include "platform/bo/demo_seed.h"
#include "platform/bo/session_store.h"
#include "tests/trips/trip_fleet.h"
#include "trips/carry_over.h"
#include "trips/trip_numbers.h"
#include "trips/trip_sheet_fields.h"

namespace {

class BoDemoTripBalance : public TripFleet {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp(); // the demo brings its own catalogues
        if (session) {
            ASSERT_NO_THROW(bo::seedDemo(*session, QDate(2026, 12, 5)));
        }
    }
    // Stored sheets by vehicle in the order the layer calls "previous".
    QList<QString> sheetsInOrder()
    {
        QList<QString> ids;
        const bo::Rows found = bo::storeOf(*session).query(
            QStringLiteral("SELECT \"ID\" FROM transport_trip ORDER BY \"TransportCarID\", \"Date\", \"ID\""));
        for (const QVariantList& row : found.values)
            ids << sheetId(row.at(0).toLongLong());
        return ids;
    }
};

TEST_F(BoDemoTripBalance, ASheetWorkedByHand)
{
    // Sheet 4: vehicle 8, S 131896, E 132540, petrol tank (type 2) 37,8 l, gas tank (type 3) 22,3 l.
    // 14 lines: ten of 25 km / 1,5 h (two on petrol at 7 l/100 km), 2 x 102 and 2 x 95 km at 1,3 h,
    // gas at 8,6 l/100 km; two gas cheques of 32,42 and 24,42 l.
    std::shared_ptr<UIO4000100> sheet = open(sheetId(4));
    const trips::SheetBalance b = balanceOf(*sheet);
    EXPECT_EQ(b.route.distance, 644.0);                   // 10 x 25 + 2 x 102 + 2 x 95
    EXPECT_EQ(trips::numbers::plain(b.route.duration), QStringLiteral("20,2")); // 10 x 1,5 + 4 x 1,3
    EXPECT_EQ(b.ownExpense, 0.0);                         // 132540 - 131896 - 644
    EXPECT_EQ(b.shownEnd, 132540.0);
    struct Tank { const char *start, *received, *used, *left; };
    const Tank byHand[] = {
        {"37,800", "0", "3,500", "34,300"},     // 2 x 25 x 7 / 100 = 3,5
        {"22,300", "56,84", "51,084", "28,056"}, // 594 x 8,6 / 100 = 51,084; 22,3 + 56,84 - 51,084
    };
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(trips::numbers::fuel(b.tanks[i].startRest), QString::fromLatin1(byHand[i].start)) << i;
        EXPECT_EQ(trips::numbers::plain(b.tanks[i].received), QString::fromLatin1(byHand[i].received)) << i;
        EXPECT_EQ(trips::numbers::fuel(b.tanks[i].usedByNorms), QString::fromLatin1(byHand[i].used)) << i;
        EXPECT_EQ(trips::numbers::fuel(b.tanks[i].restByNorms), QString::fromLatin1(byHand[i].left)) << i;
    }
    // That the vehicle's next sheet starts there is checked with every other sheet below.
}

TEST_F(BoDemoTripBalance, EverySheetAgreesWithTheLayerAndContinuesItsPreviousSheet)
{
    const QList<QString> ids = sheetsInOrder();
    ASSERT_GT(ids.size(), 20);
    qint64 previousCar = -1;
    for (const QString& id : ids) {
        std::shared_ptr<UIO4000100> sheet = open(id);
        const vx::RecordFields f = sheet->Fields();
        const trips::SheetBalance b = balanceOf(*sheet);
        const std::string label = id.toStdString();

        // The printed tank rows are the sheet's typed tanks, in order.
        const vx::RecordsetPtr tanks = rows(*sheet, "GetTransportTripFuelTanks");
        int row = 0;
        for (int tank = 1; tank <= trips::fields::tankCount; ++tank) {
            if (Catalogue::LongOrZero(f.value(trips::fields::fuelTankTypeId(tank))) <= 0)
                continue;
            const trips::TankBalance& t = b.tanks[tank - 1];
            EXPECT_EQ(tanks->valueAt(row, tanks->fieldIndex(u"FuelTaken")).toDouble(), t.received) << label;
            EXPECT_EQ(tanks->valueAt(row, tanks->fieldIndex(u"FuelByNorm")).toDouble(), t.usedByNorms) << label;
            EXPECT_EQ(tanks->valueAt(row, tanks->fieldIndex(u"FuelRestEnd")).toDouble(), t.restByNorms) << label;
            ++row;
        }
        EXPECT_EQ(b.end, b.shownEnd) << label << ": the demo never ends below start + route";

        // What the editor would carry into this sheet is what the demo stored in it.
        const qint64 car = Catalogue::LongOrZero(f.value(QStringLiteral("TransportCarID")));
        const bool firstOfVehicle = car != previousCar;
        previousCar = car;
        if (firstOfVehicle)
            continue;
        const auto last = sheet->Properties(QStringLiteral("LastTrip"),
                                            trips::lastTripArgument(carId(car), QString(), sheet->OIDR()));
        EXPECT_EQ(trips::previousEndReading(last.Value.value<vx::RecordsetPtr>()).value_or(QVariant()).toDouble(),
                  Catalogue::DoubleOrZero(f.value(QStringLiteral("DistanceRest"))))
            << label;
        for (int tank = 1; tank <= trips::fields::tankCount; ++tank) {
            const qint64 type = Catalogue::LongOrZero(f.value(trips::fields::fuelTankTypeId(tank)));
            if (type <= 0)
                continue;
            const vx::CallResult carried = method(*sheet, "GetLastTripFuelRest",
                                                  {carId(car), type, f.value(QStringLiteral("Date"))});
            EXPECT_EQ(carried.Code, 0) << label << ": " << carried.Message.toStdString();
            EXPECT_EQ(trips::numbers::fuel(carried.Value.toDouble()),
                      trips::numbers::fuel(Catalogue::DoubleOrZero(f.value(trips::fields::fuelRest(tank)))))
                << label << " tank " << tank;
        }
    }
}

} // namespace
