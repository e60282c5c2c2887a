// The demo fleet seen through the trip sheet editor: every sheet's balance as
// the card computes it equals what the layer prints for its tanks, and every
// sheet starts where the editor says its previous sheet ended. The demo
// figures a user sees on a sheet are trip_sheet_script's.

#include "module/catalogue_conversions.h"
#include "platform/bo/demo_seed.h"
#include "platform/bo/session_store.h"
#include "tests/trips/trip_fleet.h"
#include "trips/carry_over.h"
#include "trips/trip_numbers.h"
#include "trips/trip_sheet_fields.h"

#include <array>
#include <utility>

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

TEST_F(BoDemoTripBalance, EverySheetAgreesWithTheLayerAndContinuesItsPreviousSheet)
{
    const QList<QString> ids = sheetsInOrder();
    ASSERT_GT(ids.size(), 20);
    qint64 previousCar = -1;
    for (const QString& id : ids) {
        SCOPED_TRACE(id.toStdString());
        std::shared_ptr<UIO4000100> sheet = open(id);
        const vx::RecordFields f = sheet->Fields();
        const trips::SheetBalance b = balanceOf(*sheet);
        EXPECT_EQ(b.end, b.shownEnd) << "the demo never ends below start + route";
        // What the editor would carry into a vehicle's later sheet is what the demo stored in it.
        const qint64 car = Catalogue::LongOrZero(f.value(QStringLiteral("TransportCarID")));
        const bool firstOfVehicle = std::exchange(previousCar, car) != car;
        if (!firstOfVehicle) {
            const auto last =
                sheet->Properties(QStringLiteral("LastTrip"), trips::lastTripArgument(carId(car), QString(), sheet->OIDR()));
            EXPECT_EQ(trips::previousEndReading(last.Value.value<vx::RecordsetPtr>()).value_or(QVariant()).toDouble(),
                      Catalogue::DoubleOrZero(f.value(QStringLiteral("DistanceRest"))));
        }
        // The printed tank rows are the sheet's typed tanks, in order.
        const vx::RecordsetPtr tanks = rows(*sheet, "GetTransportTripFuelTanks");
        for (int tank = 1, row = 0; tank <= trips::fields::tankCount; ++tank) {
            const qint64 type = Catalogue::LongOrZero(f.value(trips::fields::fuelTankTypeId(tank)));
            if (type <= 0)
                continue;
            const trips::TankBalance& t = b.tanks[tank - 1];
            const auto printed = [&](const char16_t* column) { return tanks->valueAt(row, tanks->fieldIndex(column)).toDouble(); };
            EXPECT_EQ((std::array{printed(u"FuelTaken"), printed(u"FuelByNorm"), printed(u"FuelRestEnd")}),
                      (std::array{t.received, t.usedByNorms, t.restByNorms})) << "tank " << tank;
            ++row;
            if (firstOfVehicle)
                continue;
            const vx::CallResult carried = method(*sheet, "GetLastTripFuelRest", {carId(car), type, f.value(QStringLiteral("Date"))});
            EXPECT_EQ(carried.Code, 0) << carried.Message.toStdString();
            EXPECT_EQ(trips::numbers::fuel(carried.Value.toDouble()),
                      trips::numbers::fuel(Catalogue::DoubleOrZero(f.value(trips::fields::fuelRest(tank))))) << "tank " << tank;
        }
    }
}

} // namespace
