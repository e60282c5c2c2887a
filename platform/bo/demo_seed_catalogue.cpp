// The demo fleet's reference catalogues: route segments, fuel tank types, fuel
// types and norms, tyre sizes and brands, vehicle types and properties,
// document types.

#include "platform/bo/demo_seed_parts.h"

namespace bo::demo {
namespace {

struct SegmentRow {
    const char16_t* code;
    const char16_t* name;
    double distance;
    double duration;
    const char16_t* note;
};

// Both directions of the regular runs; the border run is kept apart.
const SegmentRow intercity[] = {
    {u"V-K", u"Vilnius – Kaunas", 102, 1.3, u""},
    {u"K-V", u"Kaunas – Vilnius", 102, 1.3, u""},
    {u"K-Kl", u"Kaunas – Klaipėda", 212, 2.4, u"Magistralė A1"},
    {u"Kl-K", u"Klaipėda – Kaunas", 212, 2.4, u"Magistralė A1"},
    {u"V-P", u"Vilnius – Panevėžys", 138, 1.7, u""},
    {u"P-V", u"Panevėžys – Vilnius", 138, 1.7, u""},
    {u"V-Š", u"Vilnius – Šiauliai", 214, 2.6, u"Per Panevėžį"},
    {u"Š-V", u"Šiauliai – Vilnius", 214, 2.6, u"Per Panevėžį"},
    {u"K-M", u"Kaunas – Marijampolė", 58, 0.8, u""},
    {u"M-K", u"Marijampolė – Kaunas", 58, 0.8, u""},
    {u"V-U", u"Vilnius – Utena", 95, 1.3, u""},
    {u"U-V", u"Utena – Vilnius", 95, 1.3, u""},
};
const SegmentRow international[] = {
    {u"M-S", u"Marijampolė – Suvalkai", 52, 0.9, u"Per pasienio punktą"},
    {u"S-M", u"Suvalkai – Marijampolė", 52, 0.9, u"Per pasienio punktą"},
};
const SegmentRow local[] = {
    {u"MIE", u"Miestas", 25, 1.5, u"Darbas mieste"},
};

struct NormRow {
    const char16_t* code;
    const char16_t* name;
    double perDistance;
    double perHour;
    const char16_t* fuel;
};

const NormRow normRows[] = {
    {u"MAN-S", u"MAN TGX – vasara", 30.5, 0, u"DT"},
    {u"MAN-W", u"MAN TGX – žiema", 32.5, 0, u"DT"},
    {u"VOL-S", u"Volvo FH su šaldytuvu – vasara", 29.0, 1.8, u"DT"},
    {u"VOL-W", u"Volvo FH su šaldytuvu – žiema", 31.0, 0.9, u"DT"},
    {u"SPR-S", u"Mercedes-Benz Sprinter – vasara", 10.5, 0, u"DT"},
    {u"SPR-W", u"Mercedes-Benz Sprinter – žiema (su šildytuvu)", 11.8, 0.4, u"DT"},
    {u"CAD-S", u"Volkswagen Caddy – vasara", 7.2, 0, u"DT"},
    {u"CAD-W", u"Volkswagen Caddy – žiema", 8.1, 0, u"DT"},
    {u"OCT-S", u"Škoda Octavia benzinas – vasara", 7.0, 0, u"A95"},
    {u"OCT-W", u"Škoda Octavia benzinas – žiema", 7.8, 0, u"A95"},
    {u"OCTG-S", u"Škoda Octavia dujos – vasara", 8.6, 0, u"SND"},
    {u"OCTG-W", u"Škoda Octavia dujos – žiema", 9.4, 0, u"SND"},
    {u"COR-S", u"Toyota Corolla – vasara", 6.2, 0, u"A95"},
    {u"COR-W", u"Toyota Corolla – žiema", 6.9, 0, u"A95"},
};

using NamedRow = std::pair<const char16_t*, const char16_t*>; // code, name

void addSegments(Writer& writer, Catalogues& c, qint64 group, const auto& rows)
{
    for (const SegmentRow& row : rows) {
        const QString code = QString::fromUtf16(row.code);
        const QString note = QString::fromUtf16(row.note);
        c.segments.insert(code, {writer.create(u"O4000601", {{u"ParentID", group},
                                                             {u"Name", QString::fromUtf16(row.name)},
                                                             {u"Code", code},
                                                             {u"Distance", row.distance},
                                                             {u"Duration", row.duration},
                                                             {u"Note", note.isEmpty() ? QVariant() : note}}),
                                 row.distance, row.duration});
    }
}

// Plain items of a catalogue, by code.
QHash<QString, qint64> addItems(Writer& writer, QStringView typeId, std::initializer_list<NamedRow> rows)
{
    QHash<QString, qint64> ids;
    for (const auto& [key, name] : rows)
        ids.insert(QString::fromUtf16(key), writer.create(typeId, {{u"Name", QString::fromUtf16(name)},
                                                                  {u"Code", QString::fromUtf16(key)}}));
    return ids;
}

void addFuel(Writer& writer, Catalogues& c)
{
    c.tankTypes = addItems(writer, u"O4000604",
                           {{u"DT", u"Dyzelinas"}, {u"A95", u"Benzinas"}, {u"SND", u"Suskystintos dujos"}});
    const struct {
        const char16_t* code;
        const char16_t* name;
        const char16_t* tank;
    } fuels[] = {
        {u"DT", u"Dyzelinas EN590", u"DT"},
        {u"A95", u"Benzinas A95", u"A95"},
        {u"A98", u"Benzinas A98", u"A95"},
        {u"SND", u"Autodujos", u"SND"},
    };
    for (const auto& fuel : fuels) {
        const QString code = QString::fromUtf16(fuel.code);
        const QString tank = QString::fromUtf16(fuel.tank);
        c.tankOfFuel.insert(code, tank);
        c.fuelTypes.insert(code, writer.create(u"O4000602", {{u"Name", QString::fromUtf16(fuel.name)},
                                                            {u"Code", code},
                                                            {u"TransportFuelTankTypeID", c.tankTypes.value(tank)}}));
    }
    const qint64 trucks = writer.group(u"O4000603", QStringLiteral("Sunkvežimiai"));
    const qint64 others = writer.group(u"O4000603", QStringLiteral("Mikroautobusai ir lengvieji"));
    for (const NormRow& row : normRows) {
        const QString code = QString::fromUtf16(row.code);
        const QString fuel = QString::fromUtf16(row.fuel);
        const bool truck = code.startsWith(QLatin1String("MAN")) || code.startsWith(QLatin1String("VOL"));
        const qint64 id = writer.create(u"O4000603", {{u"ParentID", truck ? trucks : others},
                                                     {u"Name", QString::fromUtf16(row.name)},
                                                     {u"Code", code},
                                                     {u"Value", row.perDistance},
                                                     {u"DurationValue", row.perHour},
                                                     {u"TransportFuelTypeID", c.fuelTypes.value(fuel)}});
        c.norms.insert(code, {id, row.perDistance, row.perHour, fuel});
    }
}

} // namespace

Catalogues seedCatalogues(Writer& writer)
{
    Catalogues c;
    addSegments(writer, c, writer.group(u"O4000601", QStringLiteral("Tarpmiestiniai maršrutai")), intercity);
    addSegments(writer, c, writer.group(u"O4000601", QStringLiteral("Tarptautiniai maršrutai")), international);
    addSegments(writer, c, writer.group(u"O4000601", QStringLiteral("Vietiniai darbai")), local);
    addFuel(writer, c);
    c.tyreSizes = addItems(writer, u"O4000605",
                           {{u"315/70 R22.5", u"315/70 R22.5"}, {u"385/65 R22.5", u"385/65 R22.5"},
                            {u"235/65 R16C", u"235/65 R16C"}, {u"205/60 R16C", u"205/60 R16C"},
                            {u"205/55 R16", u"205/55 R16"}, {u"195/65 R15", u"195/65 R15"}});
    c.tyreBrands = addItems(writer, u"O4000606",
                            {{u"VĖT", u"Vėtra"}, {u"ŠKL", u"Šiaurės kelias"}, {u"BLT", u"Baltrakas"}})
                       .values();
    std::sort(c.tyreBrands.begin(), c.tyreBrands.end());
    c.vehicleTypes = addItems(writer, u"O4000607",
                              {{u"VLK", u"Vilkikas"}, {u"MAB", u"Mikroautobusas"}, {u"LA", u"Lengvasis automobilis"}});
    c.vehicleProperties = addItems(writer, u"O4000608",
                                   {{u"ŠLD", u"Su šaldytuvu"}, {u"TNT", u"Tentinė puspriekabė"},
                                    {u"KRV", u"Krovininis"}, {u"DUJ", u"Dujų įranga"}});
    c.documentTypes = addItems(writer, u"O4000609",
                               {{u"RL", u"Registracijos liudijimas"}, {u"TA", u"Techninė apžiūra"},
                                {u"CA", u"Civilinės atsakomybės draudimas"}, {u"TACH", u"Tachografo patikra"}});
    return c;
}

} // namespace bo::demo
