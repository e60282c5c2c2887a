#include "tests/vehicles/vehicle_fleet.h"

void VehicleFleet::SetUp()
{
    ModuleFixture::SetUp();
    if (!session)
        return;
    // The vehicle's editors save records the vehicle owns: they need its write right.
    grant(QStringLiteral("CTransportCars"), true, true, true, true);
    car = named("O4000400", "Volvo FH", {{"Code", QStringLiteral("KLM 001")}});
    otherCar = named("O4000400", "MAN TGX");
    driver = named("O0001401", "Jonas", {{"LastName", QStringLiteral("Petraitis")}});
    inspection = named("O4000609", "Techninė apžiūra");
    tyre = named("O4000800", "Michelin", {{"Number", QStringLiteral("P-1")}});
    spare = named("O4000800", "Nokian", {{"Number", QStringLiteral("P-2")}});
}

qint64 VehicleFleet::named(const char* typeId, const char* name, std::initializer_list<std::pair<const char*, QVariant>> more)
{
    QVariantMap values = fieldMap(more);
    values.insert(QStringLiteral("Name"), QString::fromUtf8(name));
    return record(typeId, values);
}

void VehicleFleet::selectorPicksRecord(const char* typeId, qint64 number)
{
    const QString id = vx::oid::make(QString::fromLatin1(typeId), number);
    selectorPicks(id, stored(id)->Preview());
}
