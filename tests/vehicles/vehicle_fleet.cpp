#include "tests/vehicles/vehicle_fleet.h"

void VehicleFleet::SetUp()
{
    ModuleFixture::SetUp();
    if (!session)
        return;
    // The vehicle's editors save records the vehicle owns: they need its write right.
    grant(QStringLiteral("CTransportCars"), true, true, true, true);
    car = record("O4000400", fields({{"Name", QStringLiteral("Volvo FH")}, {"Code", QStringLiteral("KLM 001")}}));
    otherCar = record("O4000400", fields({{"Name", QStringLiteral("MAN TGX")}}));
    driver = record("O0001401", fields({{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Petraitis")}}));
    inspection = record("O4000609", fields({{"Name", QStringLiteral("Techninė apžiūra")}}));
    tyre = record("O4000800", fields({{"Number", QStringLiteral("P-1")}, {"Name", QStringLiteral("Michelin")}}));
    spare = record("O4000800", fields({{"Number", QStringLiteral("P-2")}, {"Name", QStringLiteral("Nokian")}}));
}

QVariant VehicleFleet::storedField(const QString& id, const char* field)
{
    return stored(id)->Fields().value(QString::fromLatin1(field));
}

void VehicleFleet::selectorPicksRecord(const char* typeId, qint64 number)
{
    const QString id = vx::oid::make(QString::fromLatin1(typeId), number);
    selectorPicks(id, stored(id)->Preview());
}
