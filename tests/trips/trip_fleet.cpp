#include "tests/trips/trip_fleet.h"

void TripFleet::SetUp()
{
    ModuleFixture::SetUp();
    if (!session)
        return;
    host->grant(QStringLiteral("CTransportTrips"), true, true, true, true);
    const auto named = [this](const char* typeId, const char* name, QVariantMap more = {}) {
        more.insert(QStringLiteral("Name"), QString::fromUtf8(name));
        return record(typeId, more);
    };
    diesel = named("O4000604", "Dyzelinas");
    petrol = named("O4000604", "Benzinas");
    dieselFuel = named("O4000602", "Dyzelinas EURO", fields({{"TransportFuelTankTypeID", diesel}}));
    petrolFuel = named("O4000602", "Benzinas 95", fields({{"TransportFuelTankTypeID", petrol}}));
    truckNorm = named("O4000603", "Vasara", fields({{"Value", 28.5}, {"TransportFuelTypeID", dieselFuel}}));
    generatorNorm =
        named("O4000603", "Generatorius", fields({{"DurationValue", 1.5}, {"TransportFuelTypeID", petrolFuel}}));
    segment = named("O4000601", "Vilnius – Kaunas");
    car = vehicle(diesel, petrol);
    driver = named("O0001401", "Jonas", fields({{"LastName", QStringLiteral("Jonaitis")}}));
    otherDriver = named("O0001401", "Ona", fields({{"LastName", QStringLiteral("Onaitė")}}));
}

qint64 TripFleet::vehicle(const QVariant& tankType1, const QVariant& tankType2)
{
    return record("O4000400", fields({{"Name", QStringLiteral("Volvo FH")}, {"OType", QStringLiteral("Car")},
                                      {"FuelTankTypeID1", tankType1}, {"FuelTankTypeID2", tankType2}}));
}

qint64 TripFleet::savedSheet(const QVariantMap& extra)
{
    QVariantMap values = fields({{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-1")},
                                 {"Date", QDateTime(start, QTime(0, 0))}, {"TransportCarID", car},
                                 {"UserID", driver}, {"FuelTankTypeID1", diesel}, {"FuelRest1", 40.0},
                                 {"DistanceRest", 1000.0}, {"DistanceEnd", 1000.0}});
    values.insert(extra);
    return record("O4000100", values);
}

std::shared_ptr<UIO4000100> TripFleet::open(const QString& id)
{
    auto editor = std::dynamic_pointer_cast<UIO4000100>(controller<UI4000100>()->GetVxObject(id));
    EXPECT_TRUE(editor) << id.toStdString();
    return editor;
}

std::shared_ptr<UIO4000100> TripFleet::newSheet(qint64 vehicleId, const QDate& date)
{
    auto editor = open(QStringLiteral("O4000100"));
    const vx::RecordFields sheet = editor->Fields();
    sheet.setValue(QStringLiteral("OType"), QStringLiteral("Trip"));
    sheet.setValue(QStringLiteral("Date"), QDateTime(date, QTime(0, 0)));
    sheet.setValue(QStringLiteral("TransportCarID"), vehicleId);
    return editor;
}

void TripFleet::line(qint64 sheet, qint64 norm, double km, double hours, double perHundredKm, double perHour)
{
    record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                               {"Distance", km}, {"Duration", hours}, {"FuelNormByDistance", perHundredKm},
                               {"FuelNormByDuration", perHour}}));
}

void TripFleet::cheque(qint64 sheet, qint64 fuel, double litres)
{
    record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", fuel}, {"FuelAmount", litres},
                               {"GroupFlag", 0}}));
}

void TripFleet::expectStored(const QString& id, std::initializer_list<std::pair<const char*, QVariant>> values)
{
    const vx::VxObjectUIOPtr record = stored(id);
    ASSERT_TRUE(record) << id.toStdString();
    for (const auto& [name, value] : values) {
        const QVariant held = record->Fields().value(QString::fromLatin1(name));
        if (value.isNull())
            EXPECT_TRUE(held.isNull()) << name << " holds " << held.toString().toStdString();
        else
            EXPECT_EQ(held.toString(), value.toString()) << name;
    }
}

void TripFleet::save(UIO4000100& editor)
{
    const vx::Status status = editor.Save();
    ASSERT_EQ(status.Code, 0) << status.Message.toStdString();
}

vx::RecordsetPtr TripFleet::rows(UIO4000100& sheet, const char* name)
{
    const vx::CallResult result = sheet.Properties(QString::fromLatin1(name), QString());
    EXPECT_EQ(result.Code, 0) << name << ": " << result.Message.toStdString();
    return result.Value.value<vx::RecordsetPtr>();
}
