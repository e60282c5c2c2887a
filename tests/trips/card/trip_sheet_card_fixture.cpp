#include "tests/trips/card/trip_sheet_card_fixture.h"

#include "module/card_factory.h"

void TripSheetCardTest::SetUp()
{
    TripFleet::SetUp();
    if (!session)
        return;
    host->grant(QStringLiteral("CTransportTrips"), true, true, true, true);
    car = vehicle(diesel, petrol);
    driver = employee("Jonas", "Jonaitis");
    otherDriver = employee("Ona", "Onaitė");
}

std::unique_ptr<frmTransportTripsSV> TripSheetCardTest::openCard(const vx::VxObjectUIOPtr& editor)
{
    const vx::CardRef card = module::createCard(QStringLiteral("frmTransportTripsSV"), editor);
    auto* sheet = dynamic_cast<frmTransportTripsSV*>(card.widget.data());
    EXPECT_TRUE(sheet);
    return std::unique_ptr<frmTransportTripsSV>(sheet);
}

qint64 TripSheetCardTest::savedSheet(const QVariantMap& extra)
{
    QVariantMap values = fields({{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-1")},
                                 {"Date", QDateTime(start, QTime(0, 0))}, {"TransportCarID", car},
                                 {"UserID", driver}, {"FuelTankTypeID1", diesel}, {"FuelRest1", 40.0},
                                 {"DistanceRest", 1000.0}, {"DistanceEnd", 1000.0}});
    values.insert(extra);
    return record("O4000100", values);
}
