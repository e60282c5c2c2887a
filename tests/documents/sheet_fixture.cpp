#include "tests/documents/sheet_fixture.h"

#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

void SheetFixture::SetUp()
{
    savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documentsFolder.startsWith(home.path())) << documentsFolder.toStdString();
    ModuleFixture::SetUp();
    if (!session)
        return;
    grant(QStringLiteral("CTransportTrips"), true, true, true, true);
    host->services->setProgramPath(programPath.path() + QLatin1Char('/'));
    QDir().mkpath(templatesFolder());

    const qint64 tank = record("O4000604", fields({{"Name", QStringLiteral("Dyzelinas")}, {"Code", QStringLiteral("DT")}}));
    const qint64 fuel = record("O4000602", fields({{"Name", QStringLiteral("Dyzelinas EN590")}, {"TransportFuelTankTypeID", tank}}));
    const qint64 norm = record("O4000603", fields({{"Name", QStringLiteral("Vasara")}, {"Value", 30.0}, {"TransportFuelTypeID", fuel}}));
    const qint64 segment = record("O4000601", fields({{"Name", QStringLiteral("Vilnius – Šiauliai")}}));
    const qint64 driver = record("O0001401", fields({{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Jonaitis")}}));
    const qint64 other = record("O0001401", fields({{"Name", QStringLiteral("Rūta")}, {"LastName", QStringLiteral("Žukauskienė")}}));
    const qint64 car = record("O4000400", fields({{"Name", QStringLiteral("Volvo FH 500")}, {"Code", QStringLiteral("KLM 214")},
                                                  {"OType", QStringLiteral("Car")}, {"FuelTankTypeID1", tank}}));
    sheet = record("O4000100", fields({{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-0007")},
                                       {"Code", QStringLiteral("A&B <7>")}, {"Date", QDateTime(QDate(2026, 11, 3), QTime())},
                                       {"DateTo", QDateTime(QDate(2026, 11, 5), QTime())}, {"TransportCarID", car},
                                       {"UserID", driver}, {"DistanceRest", 1000.0}, {"DistanceEnd", 1150.0},
                                       {"FuelTankTypeID1", tank}, {"FuelRest1", 40.0}}));
    sheetId = vx::oid::make(QStringLiteral("O4000100"), sheet);
    record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                               {"Date", QDateTime(QDate(2026, 11, 3), QTime(8, 30))}, {"Distance", 100.0}, {"Duration", 1.5},
                               {"FuelNormByDistance", 30.0}, {"UserID", driver}, {"Note", QStringLiteral("Krovinys")}}));
    record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                               {"Date", QDateTime(QDate(2026, 11, 4), QTime(9, 0))}, {"Distance", 20.0}, {"Duration", 0.5},
                               {"FuelNormByDistance", 30.0}, {"UserID", other}}));
    record("O4000300", fields({{"TransportTripID", sheet}, {"TransportFuelTypeID", fuel}, {"Name", QStringLiteral("215000")},
                               {"Date", QDate(2026, 11, 4)}, {"FuelAmount", 50.0}, {"SumCurr", 80.0}, {"CashFlag", 1},
                               {"GroupFlag", 0}}));
}

std::shared_ptr<UIO4000100> SheetFixture::open()
{
    auto editor = std::dynamic_pointer_cast<UIO4000100>(controller<UI4000100>()->GetVxObject(sheetId));
    EXPECT_TRUE(editor);
    return editor;
}

QString SheetFixture::installShippedTemplate(const QString& name)
{
    const QString target = templatesFolder() + name;
    QFile::remove(target);
    const bool openDocument = name.endsWith(QLatin1String(".odt"));
    EXPECT_TRUE(QFile::copy(QStringLiteral(KELMIRA_SHIPPED_TEMPLATES "/Transport_kelionės_lapas.") +
                                (openDocument ? QStringLiteral("odt") : QStringLiteral("docx")),
                            target));
    return target;
}
