#include "tests/trips/trip_fleet.h"

void TripFleet::SetUp()
{
    ModuleFixture::SetUp();
    if (!session)
        return;
    diesel = record("O4000604", fields({{"Name", QStringLiteral("Dyzelinas")}}));
    petrol = record("O4000604", fields({{"Name", QStringLiteral("Benzinas")}}));
    dieselFuel = record("O4000602", fields({{"Name", QStringLiteral("Dyzelinas EURO")}, {"TransportFuelTankTypeID", diesel}}));
    petrolFuel = record("O4000602", fields({{"Name", QStringLiteral("Benzinas 95")}, {"TransportFuelTankTypeID", petrol}}));
    truckNorm = record("O4000603", fields({{"Name", QStringLiteral("Vasara")}, {"Value", 28.5}, {"TransportFuelTypeID", dieselFuel}}));
    generatorNorm = record("O4000603", fields({{"Name", QStringLiteral("Generatorius")}, {"DurationValue", 1.5},
                                                {"TransportFuelTypeID", petrolFuel}}));
    segment = record("O4000601", fields({{"Name", QStringLiteral("Vilnius – Kaunas")}}));
}

qint64 TripFleet::vehicle(const QVariant& tankType1, const QVariant& tankType2)
{
    return record("O4000400", fields({{"Name", QStringLiteral("Volvo FH")}, {"OType", QStringLiteral("Car")},
                                      {"FuelTankTypeID1", tankType1}, {"FuelTankTypeID2", tankType2}}));
}

qint64 TripFleet::employee(const char* name, const char* lastName)
{
    return record("O0001401", fields({{"Name", QString::fromUtf8(name)}, {"LastName", QString::fromUtf8(lastName)}}));
}

std::shared_ptr<UIO4000100> TripFleet::open(const QString& id)
{
    auto editor = std::dynamic_pointer_cast<UIO4000100>(controller<UI4000100>()->GetVxObject(id));
    EXPECT_TRUE(editor) << id.toStdString();
    return editor;
}

std::shared_ptr<UIO4000100> TripFleet::newSheet(qint64 car, const QDate& date)
{
    auto editor = open(QStringLiteral("O4000100"));
    const vx::RecordFields sheet = editor->Fields();
    sheet.setValue(QStringLiteral("OType"), QStringLiteral("Trip"));
    sheet.setValue(QStringLiteral("Date"), QDateTime(date, QTime(0, 0)));
    sheet.setValue(QStringLiteral("TransportCarID"), car);
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

vx::CallResult TripFleet::method(UIO4000100& editor, const QString& name, const QVariantList& arguments)
{
    return editor.Methods(name, vx::arguments::write(arguments));
}

void TripFleet::save(UIO4000100& editor)
{
    const vx::Status status = editor.Save();
    ASSERT_EQ(status.Code, 0) << status.Message.toStdString();
}

