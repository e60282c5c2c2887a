// The demo fleet's vehicles: groups, vehicle records, their fuel norms and
// tanks, driver assignments and documents.

#include "platform/bo/demo_seed_parts.h"
#include "platform/contract/date_text.h"

#include <cmath>

namespace bo::demo {
namespace {

VehicleModel model(const char16_t* group, const char16_t* kind, const char16_t* name, const char16_t* plate,
                   const char16_t* vin, const char16_t* property, QList<Tank> tanks)
{
    VehicleModel m;
    m.group = QString::fromUtf16(group);
    m.kind = QString::fromUtf16(kind);
    m.name = QString::fromUtf16(name);
    m.plate = QString::fromUtf16(plate);
    m.vinPrefix = QString::fromUtf16(vin);
    m.property = QString::fromUtf16(property);
    m.tanks = std::move(tanks);
    return m;
}

void setBody(VehicleModel& m, double length, double height, double width, double volume, int cargo, int total,
             int palettes)
{
    m.length = length;
    m.height = height;
    m.width = width;
    m.volume = volume;
    m.cargoWeight = cargo;
    m.totalMass = total;
    m.palettes = palettes;
}

void setUse(VehicleModel& m, int firstReading, int sheetDaysMin, int sheetDaysMax, bool saturdays, int driver,
            QDate built, const char16_t* tyreSize)
{
    m.firstReading = firstReading;
    m.sheetDaysMin = sheetDaysMin;
    m.sheetDaysMax = sheetDaysMax;
    m.worksSaturdays = saturdays;
    m.driver = driver;
    m.built = built;
    m.tyreSize = QString::fromUtf16(tyreSize);
}

QList<VehicleModel> makeModels()
{
    const auto tank = [](const char16_t* code, double capacity, const char16_t* summer, const char16_t* winter,
                         double share = 1) {
        return Tank{QString::fromUtf16(code), capacity, QString::fromUtf16(summer), QString::fromUtf16(winter), share};
    };
    QList<VehicleModel> all;
    all << model(u"Vilkikai", u"VLK", u"MAN TGX 18.470", u"KLM 214", u"WMA06XZZ", u"TNT", {tank(u"DT", 600, u"MAN-S", u"MAN-W")});
    setBody(all.last(), 13.6, 4.0, 2.55, 90, 24000, 40000, 33);
    setUse(all.last(), 412380, 5, 8, true, 0, QDate(2019, 3, 14), u"315/70 R22.5");

    all << model(u"Vilkikai", u"VLK", u"Volvo FH 500", u"HBN 507", u"YV2RT40A", u"ŠLD", {tank(u"DT", 700, u"VOL-S", u"VOL-W")});
    setBody(all.last(), 13.4, 4.0, 2.6, 86, 22000, 40000, 33);
    setUse(all.last(), 287910, 5, 8, true, 1, QDate(2020, 9, 2), u"315/70 R22.5");
    all.last().laterDriver = 6;

    all << model(u"Mikroautobusai", u"MAB", u"Mercedes-Benz Sprinter 316 CDI", u"JRS 381", u"WDB90663", u"KRV",
                 {tank(u"DT", 75, u"SPR-S", u"SPR-W")});
    setBody(all.last(), 5.93, 2.7, 2.0, 14, 1400, 3500, 4);
    setUse(all.last(), 168420, 7, 7, false, 3, QDate(2018, 5, 22), u"235/65 R16C");

    all << model(u"Mikroautobusai", u"MAB", u"Volkswagen Caddy", u"GTA 902", u"WV1ZZZ2K", u"KRV",
                 {tank(u"DT", 55, u"CAD-S", u"CAD-W")});
    setBody(all.last(), 4.5, 1.8, 1.8, 3.2, 700, 2200, 1);
    setUse(all.last(), 94315, 7, 7, false, 2, QDate(2021, 2, 11), u"205/60 R16C");

    all << model(u"Lengvieji", u"LA", u"Škoda Octavia", u"LVK 118", u"TMBJG7NE", u"DUJ",
                 {tank(u"A95", 50, u"OCT-S", u"OCT-W", 0.2), tank(u"SND", 45, u"OCTG-S", u"OCTG-W", 0.8)});
    setBody(all.last(), 4.69, 1.47, 1.83, 0.6, 450, 1900, 0);
    setUse(all.last(), 131760, 14, 14, false, 4, QDate(2019, 11, 5), u"205/55 R16");

    all << model(u"Lengvieji", u"LA", u"Toyota Corolla", u"MDP 640", u"SB1K93BE", u"", {tank(u"A95", 50, u"COR-S", u"COR-W")});
    setBody(all.last(), 4.37, 1.44, 1.79, 0.47, 400, 1800, 0);
    setUse(all.last(), 58240, 14, 14, false, 5, QDate(2022, 6, 30), u"195/65 R15");
    return all;
}

QString chassisNumber(Random& random, const QString& prefix)
{
    static const QString letters = QStringLiteral("ABCDEFGHJKLMNPRSTUVWXYZ0123456789");
    QString vin = prefix;
    while (vin.size() < 17)
        vin += letters.at(random.between(0, int(letters.size()) - 1));
    return vin;
}

QString digits(Random& random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QLatin1Char(char('0' + random.between(0, 9)));
    return text;
}

qint64 saveVehicle(Writer& writer, Random& random, const Catalogues& c, const VehicleModel& m, qint64 group)
{
    const QVariant tank2 = m.tanks.size() > 1 ? QVariant(c.tankTypes.value(m.tanks.at(1).code)) : QVariant();
    return writer.create(u"O4000400", {{u"ParentID", group},
                                       {u"OType", QStringLiteral("Car")},
                                       {u"Name", m.name},
                                       {u"Code", m.plate},
                                       {u"TypeID", c.vehicleTypes.value(m.kind)},
                                       {u"PropertiesID", m.property.isEmpty() ? QVariant() : c.vehicleProperties.value(m.property)},
                                       {u"CarLenth", m.length},
                                       {u"CarHeight", m.height},
                                       {u"CarWidth", m.width},
                                       {u"CarVolume", m.volume},
                                       {u"CargoWeight", m.cargoWeight},
                                       {u"TotalMass", m.totalMass},
                                       {u"Palettes", m.palettes},
                                       {u"InitialRun", (m.firstReading / 2 / 1000) * 1000},
                                       {u"ChasisNumber", chassisNumber(random, m.vinPrefix)},
                                       {u"ChasisDate", m.built},
                                       {u"FuelTankTypeID1", c.tankTypes.value(m.tanks.at(0).code)},
                                       {u"FuelTankTypeID2", tank2},
                                       {u"Comment", m.group == QLatin1String("Vilkikai")
                                                        ? QStringLiteral("Tarptautiniai ir vietiniai reisai")
                                                        : QVariant()}});
}

void saveNormsAndTanks(Writer& writer, const Catalogues& c, const VehicleModel& m, qint64 vehicle)
{
    for (const Tank& tank : m.tanks) {
        for (const QString& norm : {tank.summerNorm, tank.winterNorm})
            writer.create(u"O4000500", {{u"TransportCarID", vehicle}, {u"TransportFuelNormID", c.norms.value(norm).id}});
        writer.create(u"O4001200", {{u"TransportCarID", vehicle}, {u"TransportFuelTankTypeID", c.tankTypes.value(tank.code)}});
    }
}

void saveDrivers(Writer& writer, Random& random, const Parties& p, const Period& period, Vehicle& v)
{
    const QDate appointed = period.first.addDays(-random.between(200, 900));
    const QDate handover = period.first.addDays(random.between(45, 60));
    v.drivers << Vehicle::Assignment{p.drivers.at(v.model->driver), appointed,
                                     v.model->laterDriver >= 0 ? handover.addDays(-1) : QDate()};
    if (v.model->laterDriver >= 0)
        v.drivers << Vehicle::Assignment{p.drivers.at(v.model->laterDriver), handover, QDate()};
    for (const Vehicle::Assignment& a : v.drivers)
        writer.create(u"O4001000", {{u"TransportID", v.id},
                                    {u"UserID", a.userId},
                                    {u"DateFrom", a.from},
                                    {u"DateTo", a.to.isValid() ? QVariant(a.to) : QVariant()},
                                    {u"Order", QStringLiteral("Įsakymas Nr. P-%1/%2")
                                                   .arg(a.from.year())
                                                   .arg(random.between(10, 180), 3, 10, QLatin1Char('0'))}});
}

void saveDocuments(Writer& writer, Random& random, const Catalogues& c, const Period& period, const Vehicle& v)
{
    const auto document = [&](const char16_t* type, const QString& shape, const QString& number, QDate from, QDate to,
                              const QString& description) {
        writer.create(u"O4001100", {{u"TransportID", v.id},
                                    {u"DocTypeID", c.documentTypes.value(QString::fromUtf16(type))},
                                    {u"DocShape", shape},
                                    {u"DocNumber", number},
                                    {u"DateFrom", from},
                                    {u"DateTo", to},
                                    {u"DocDescription", description.isEmpty() ? QVariant() : description}});
    };
    const VehicleModel& m = *v.model;
    const QDate today = period.today;
    document(u"RL", QStringLiteral("Liudijimas"), QStringLiteral("LT") + digits(random, 8), m.built.addDays(12),
             vx::dates::openEnd(), QString());
    const QDate inspected = today.addDays(-random.between(20, 330));
    document(u"TA", QStringLiteral("Apžiūros kortelė"), QStringLiteral("TA-") + digits(random, 7), inspected,
             inspected.addYears(m.kind == QLatin1String("LA") ? 2 : 1).addDays(-1), QStringLiteral("Be pastabų"));
    const QDate insured = today.addDays(-random.between(10, 350));
    document(u"CA", QStringLiteral("Draudimo polisas"), QStringLiteral("CA ") + digits(random, 9), insured,
             insured.addYears(1).addDays(-1), QString());
    if (m.kind == QLatin1String("VLK")) {
        const QDate checked = today.addDays(-random.between(60, 600));
        document(u"TACH", QStringLiteral("Patikros liudijimas"), QStringLiteral("TP-") + digits(random, 6), checked,
                 checked.addYears(2).addDays(-1), QStringLiteral("Skaitmeninis tachografas"));
    }
}

} // namespace

const QList<VehicleModel>& vehicleModels()
{
    static const QList<VehicleModel> all = makeModels();
    return all;
}

double Vehicle::readingOn(const QDate& day) const
{
    if (readings.isEmpty())
        return 0;
    const auto first = readings.constBegin();
    const auto last = std::prev(readings.constEnd());
    if (day >= last.key())
        return last.value();
    if (day <= first.key()) {
        const double perDay = (last.value() - first.value()) / std::max<qint64>(1, first.key().daysTo(last.key()));
        return std::max(0.0, first.value() - perDay * day.daysTo(first.key()));
    }
    auto after = readings.upperBound(day);
    auto before = std::prev(after);
    const double share = double(before.key().daysTo(day)) / double(before.key().daysTo(after.key()));
    return before.value() + (after.value() - before.value()) * share;
}

QList<Vehicle> seedVehicles(Writer& writer, Random& random, const Catalogues& c, const Parties& p, const Period& period)
{
    QHash<QString, qint64> groups;
    QList<Vehicle> vehicles;
    for (const VehicleModel& m : vehicleModels()) {
        if (!groups.contains(m.group))
            groups.insert(m.group, writer.group(u"O4000400", m.group));
        Vehicle v;
        v.model = &m;
        v.id = saveVehicle(writer, random, c, m, groups.value(m.group));
        saveNormsAndTanks(writer, c, m, v.id);
        saveDrivers(writer, random, p, period, v);
        saveDocuments(writer, random, c, period, v);
        vehicles << v;
    }
    return vehicles;
}

} // namespace bo::demo
