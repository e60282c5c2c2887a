// The trip sheet card's three lists: their columns and what a row shows.
// Route lines also give the route totals and the fuel used per tank type,
// cheques the fuel received per tank type and a totals row; the norm summary
// only shows.

#include "module/catalogue.h"
#include "platform/contract/date_text.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/trip_numbers.h"

#include <QLineEdit>

namespace {

using Row = EntryList::Row;

vx::RecordsetPtr rowsOf(const vx::VxObjectUIOPtr& editor, const QString& name)
{
    const vx::CallResult answer = editor->Properties(name, QString());
    return answer.Code == 0 ? answer.Value.value<vx::RecordsetPtr>() : vx::RecordsetPtr();
}

QString plain(const Row& row, QStringView field)
{
    return trips::numbers::plain(row.number(field));
}

QList<ReportList::Column> columns(std::initializer_list<std::pair<const char*, const char*>> keysAndCaptions)
{
    QList<ReportList::Column> columns;
    for (const auto& [key, caption] : keysAndCaptions)
        columns.append({QString::fromLatin1(key), QString::fromUtf8(caption)});
    return columns;
}

QStringList keys(std::initializer_list<const char*> names)
{
    QStringList keys;
    for (const char* name : names)
        keys << QString::fromLatin1(name);
    return keys;
}

EntryList::Item routeItem(const Row& row)
{
    const QDateTime date = Catalogue::DateTimeOrDefault(row.value(u"Date"), QDateTime());
    return {row.text(u"OIDR"),
            date.isValid() ? vx::dates::toText(date) : QString(),
            row.text(u"TransportRouteID"),
            {{QStringLiteral("RouteName"), row.text(u"TransportRouteName")},
             {QStringLiteral("RouteDistance"), plain(row, u"TransportRouteDistance")},
             {QStringLiteral("RouteDuration"), plain(row, u"TransportRouteDuration")},
             {QStringLiteral("FuelTypeName"), row.text(u"TransportFuelTypeName")},
             {QStringLiteral("FuelNormName"), row.text(u"TransportFuelNormName")},
             {QStringLiteral("FuelNormValue"), plain(row, u"TransportFuelNormValue")},
             {QStringLiteral("FuelNormDurationValue"), plain(row, u"TransportFuelNormDurationValue")},
             {QStringLiteral("RouteUserName"), row.text(u"TransportRouteUserName")},
             {QStringLiteral("RouteNote"), row.text(u"TransportRouteNote")}}};
}

EntryList::Item chequeItem(const Row& row)
{
    const QDate date = Catalogue::DateOrDefault(row.value(u"Date"), QDate());
    const bool baseCurrency = row.number(u"BaseCurrency") != 0;
    return {row.text(u"OIDR"),
            date.isValid() ? vx::dates::toText(date) : QString(),
            QString(),
            {{QStringLiteral("Number"), row.text(u"Name")},
             {QStringLiteral("ChequeCode"), row.text(u"Code")},
             {QStringLiteral("FuelAmount"), plain(row, u"FuelAmount")},
             {QStringLiteral("FuelTypeName"), row.text(u"TransportFuelTypeName")},
             {QStringLiteral("FirmName"), row.text(u"FirmName")},
             {QStringLiteral("SumCurr"), trips::numbers::amount(row.number(u"SumCurr"))},
             {QStringLiteral("CurrCode"), row.text(u"CurrCode")},
             {QStringLiteral("CurrRate"),
              baseCurrency ? QStringLiteral(" ") : trips::numbers::rate(row.number(u"CurrRate"))},
             {QStringLiteral("SumA"), trips::numbers::amount(row.number(u"SumA"))},
             {QStringLiteral("CashFlag"), row.text(u"CashFlag")}}};
}

EntryList::Item normItem(const Row& row)
{
    const double byNorm = trips::normRowFuel(row.number(u"FuelByDistanceNorm"), row.number(u"FuelByDurationNorm"));
    return {QString(),
            row.text(u"FuelTankTypeName"),
            row.text(u"TransportFuelTankTypeID"),
            {{QStringLiteral("NormName"), row.text(u"NormName")},
             {QStringLiteral("DistanceNormValue"), plain(row, u"DistanceNormValue")},
             {QStringLiteral("DurationNormValue"), plain(row, u"DurationNormValue")},
             {QStringLiteral("Distance"), plain(row, u"Distance")},
             {QStringLiteral("Duration"), plain(row, u"Duration")},
             {QStringLiteral("FuelByDistanceNorm"), trips::numbers::fuel(row.number(u"FuelByDistanceNorm"))},
             {QStringLiteral("FuelByDurationNorm"), trips::numbers::fuel(row.number(u"FuelByDurationNorm"))},
             {QStringLiteral("FuelByNorm"), trips::numbers::fuel(byNorm)}}};
}

} // namespace

void frmTransportTripsSV::buildLists()
{
    routes_ = std::make_unique<EntryList>(
        *this, c_.lvwRoutes,
        columns({{"", "Data"},
                 {"RouteName", "Atkarpa"},
                 {"RouteDistance", "Atstumas"},
                 {"RouteDuration", "Trukmė"},
                 {"FuelTypeName", "Kuro tipas"},
                 {"FuelNormName", "Kuro normos pavadinimas"},
                 {"FuelNormValue", "Norma pagal atstumą"},
                 {"FuelNormDurationValue", "Norma pagal trukmę"},
                 {"RouteUserName", "Vairuotojas"},
                 {"RouteNote", "Pastabos"}}),
        keys({"RouteDistance", "RouteDuration", "FuelNormValue", "FuelNormDurationValue"}));
    // The card opens on the route lines: the cheque and norm lists are made,
    // and filled, when their page first shows.
    const EntryList::Later chequePage{c_.tabCheques, [this] { return makeChequeList(c_); }};
    const EntryList::Later fuelPage{c_.tabFuel, [this] { return makeNormList(c_); }};
    cheques_ = std::make_unique<EntryList>(*this, chequePage,
                                           columns({{"", "Data"},
                                                    {"Number", "Numeris"},
                                                    {"ChequeCode", "Kodas"},
                                                    {"FuelAmount", "Kiekis"},
                                                    {"FuelTypeName", "Kuro tipas"},
                                                    {"FirmName", "Įmonė"},
                                                    {"SumCurr", "Suma valiuta"},
                                                    {"CurrCode", "Valiuta"},
                                                    {"CurrRate", "Kursas"},
                                                    {"SumA", "Suma, Lt"},
                                                    {"CashFlag", "Grynais"}}),
                                           keys({"FuelAmount", "SumCurr", "CurrRate", "SumA"}));
    norms_ = std::make_unique<EntryList>(*this, fuelPage,
                                         columns({{"", "Kuro tipas"},
                                                  {"NormName", "Normos pavadinimas"},
                                                  {"DistanceNormValue", "Norma pagal atstumą"},
                                                  {"DurationNormValue", "Norma pagal trukmę"},
                                                  {"Distance", "Atstumas"},
                                                  {"Duration", "Trukmė"},
                                                  {"FuelByDistanceNorm", "Kuro kiekis pagal atstumą"},
                                                  {"FuelByDurationNorm", "Kuro kiekis pagal trukmę"},
                                                  {"FuelByNorm", "Kuro kiekis"}}),
                                         keys({"DistanceNormValue", "DurationNormValue", "Distance", "Duration",
                                               "FuelByDistanceNorm", "FuelByDurationNorm", "FuelByNorm"}));
}

void frmTransportTripsSV::fillRouteList()
{
    const vx::RecordsetPtr routes = rowsOf(vxObjectUIO(), QStringLiteral("GetTransportTripRoutes"));
    fuel_->setFuelUsed(trips::fuelUsedByNorms(routes));
    routes_->fill(routes, routeItem);
    const trips::RouteTotals totals = trips::routeTotals(routes);
    c_.txtDistance->setText(trips::numbers::plain(totals.distance));
    c_.txtDuration->setText(trips::numbers::plain(totals.duration));
}

void frmTransportTripsSV::fillChequeList(bool recompute)
{
    const vx::RecordsetPtr cheques = rowsOf(vxObjectUIO(), QStringLiteral("GetTransportCheques"));
    fuel_->setFuelReceived(trips::fuelReceived(cheques));
    double totalFuel = 0.0;
    double totalSum = 0.0;
    double lastSum = 0.0;
    const int count = cheques ? cheques->RecordCount() : 0;
    for (int i = 0; i < count; ++i) {
        const Row row(*cheques, i);
        totalFuel += row.number(u"FuelAmount");
        lastSum = row.number(u"SumA");
        totalSum += lastSum;
    }
    cheques_->fill(cheques, chequeItem);
    // The totals row only when it says more than the last cheque does.
    if (totalSum > lastSum && count > 0)
        cheques_->addTotals({{QStringLiteral("FuelAmount"), trips::numbers::plain(totalFuel)},
                             {QStringLiteral("SumA"), trips::numbers::amount(totalSum)}});
    if (recompute) {
        fuel_->recompute();
        fillNormList();
    }
}

void frmTransportTripsSV::fillNormList()
{
    norms_->fill(rowsOf(vxObjectUIO(), QStringLiteral("GetTransportTripNorms")), normItem);
}
