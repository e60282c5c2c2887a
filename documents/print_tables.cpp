#include "documents/print_tables.h"

namespace documents {
namespace {

PrintColumn column(const char16_t* caption, const char16_t* field, int twips, double cm, ColumnKind kind,
                   bool alwaysPrinted = false)
{
    return {QString::fromUtf16(field), QString::fromUtf16(caption), twips, cm, kind, alwaysPrinted};
}

constexpr auto plain = ColumnKind::Plain;
constexpr auto number = ColumnKind::Number;
constexpr bool always = true;

PrintTable routeTable()
{
    return {tables::routes, QStringLiteral("Atkarpos"), QStringLiteral("GetTransportTripRoutes"),
            {column(u"Data", u"Date", 1600, 1.9, plain, always),
             column(u"Atkarpa", u"TransportRouteName", 1500, 3.7, plain, always),
             column(u"Atstumas", u"TransportRouteDistance", 900, 1.5, number),
             column(u"Trukmė", u"TransportRouteDuration", 800, 1.5, number),
             column(u"Kuro tipas", u"TransportFuelTypeName", 800, 1.9, plain, always),
             column(u"Kuro normos pavadinimas", u"TransportFuelNormName", 1300, 2, plain, always),
             column(u"Norma pagal atstumą", u"TransportFuelNormValue", 1000, 1.5, number),
             column(u"Norma pagal trukmę", u"TransportFuelNormDurationValue", 1000, 1.3, number),
             column(u"Vairuotojas", u"TransportRouteUserName", 1500, 2, plain),
             column(u"Pastabos", u"TransportRouteNote", 1500, 1.8, plain)}};
}

PrintTable chequeTable()
{
    return {tables::cheques, QStringLiteral("Čekiai"), QStringLiteral("GetTransportCheques"),
            {column(u"Data", u"Date", 1200, 1.8, plain, always),
             column(u"Numeris", u"Name", 1500, 2, plain, always),
             column(u"Kodas", u"Code", 1000, 1.5, plain),
             column(u"Kiekis", u"FuelAmount", 600, 1, number, always),
             column(u"Kuro tipas", u"TransportFuelTypeName", 1500, 2.2, plain, always),
             column(u"Įmonė", u"FirmName", 2200, 3.5, plain),
             column(u"Suma valiuta", u"SumCurrency", 900, 1.5, number),
             column(u"Valiuta", u"CurrCode", 600, 1.1, plain),
             column(u"Kursas", u"CurrRate", 800, 1.2, number),
             column(u"Suma,Lt", u"SumA", 900, 1.5, number),
             column(u"Grynais", u"CashFlag", 600, 1.2, ColumnKind::YesNo)}};
}

PrintTable fuelTankTable()
{
    return {tables::fuelTanks, QStringLiteral("Kuro bakai"), QStringLiteral("GetTransportTripFuelTanks"),
            {column(u"Pavadinimas", u"Name", 1500, 3, plain),
             column(u"Kodas", u"Code", 1000, 2, plain),
             column(u"Atstumas", u"Distance", 1000, 2, number),
             column(u"Trukmė", u"Duration", 1000, 2, number),
             column(u"Kuro likutis pradžioje", u"FuelRest", 1000, 2, number, always),
             column(u"Kuro gauta", u"FuelTaken", 1000, 2, number, always),
             column(u"Kuro sunaudota", u"FuelByNorm", 1000, 2, number, always),
             column(u"Kuro likutis pabaigoje", u"FuelRestEnd", 1000, 2, number, always)}};
}

PrintTable normTable()
{
    return {tables::norms, QStringLiteral("Kuro sunaudojimo normų suvestinė"), QStringLiteral("GetTransportTripNorms"),
            {column(u"Kuro normos pavadinimas", u"NormName", 2000, 3, plain, always),
             column(u"Norma pagal atstumą", u"DistanceNormValue", 1000, 2, number),
             column(u"Norma pagal trukmę", u"DurationNormValue", 1000, 2, number),
             column(u"Atstumas", u"Distance", 1000, 2, number),
             column(u"Trukmė", u"Duration", 1000, 2, number),
             column(u"Kuro kiekis pagal atstumą", u"FuelByDistanceNorm", 1000, 2, number),
             column(u"Kuro kiekis pagal trukmę", u"FuelByDurationNorm", 1000, 2, number),
             column(u"Kuro kiekis", u"FuelByNorm", 1000, 2, number, always)}};
}

} // namespace

PrintTable printTable(const QString& key)
{
    if (key == tables::routes)
        return routeTable();
    if (key == tables::cheques)
        return chequeTable();
    if (key == tables::norms)
        return normTable();
    if (key == tables::fuelTanks)
        return fuelTankTable();
    return {};
}

QList<PrintTable> printedOrder()
{
    return {routeTable(), chequeTable(), normTable(), fuelTankTable()};
}

QList<PrintTable> parametersOrder()
{
    return {routeTable(), chequeTable(), fuelTankTable(), normTable()};
}

} // namespace documents
