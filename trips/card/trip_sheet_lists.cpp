// The trip sheet card's three lists: route lines (which also give the route
// totals and the fuel used per tank type), cheques (the fuel received per
// tank type, and a totals row) and the norm summary.

#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "platform/contract/date_text.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/row_value.h"
#include "trips/trip_numbers.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

vx::RecordsetPtr rowsOf(const vx::VxObjectUIOPtr& editor, const QString& name)
{
    const vx::CallResult answer = editor->Properties(name, QString());
    return answer.Code == 0 ? answer.Value.value<vx::RecordsetPtr>() : vx::RecordsetPtr();
}

// One row's fields, read by name without moving the set's cursor.
class Row {
public:
    Row(const vx::Recordset& rs, int row) : rs_(rs), row_(row) {}
    QVariant value(const char* field) const { return trips::rowValue(rs_, row_, QString::fromLatin1(field)); }
    QString text(const char* field) const { return Catalogue::TextOrEmpty(value(field)); }
    double number(const char* field) const { return Catalogue::DoubleOrZero(value(field)); }
    QString plain(const char* field) const { return trips::numbers::plain(number(field)); }

private:
    const vx::Recordset& rs_;
    int row_;
};

// Numbers right-aligned under each other, and columns as wide as what they
// show, so dates and names are not cut.
void fitColumns(QTreeWidget* list, std::initializer_list<const char*> numberColumns)
{
    for (const char* key : numberColumns) {
        const int column = ReportList::columnOf(list, QString::fromLatin1(key));
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            list->topLevelItem(row)->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    list->header()->resizeSections(QHeaderView::ResizeToContents);
}

void setCells(QTreeWidgetItem* item, std::initializer_list<std::pair<const char*, QString>> cells)
{
    for (const auto& [key, text] : cells)
        ReportList::setSubItem(item, QString::fromLatin1(key), text);
}

} // namespace

void frmTransportTripsSV::fillRouteList()
{
    c_.lvwRoutes->clear();
    fuelUsed_.clear();
    const vx::RecordsetPtr routes = rowsOf(vxObjectUIO(), QStringLiteral("GetTransportTripRoutes"));
    const int count = routes ? routes->RecordCount() : 0;
    for (int i = 0; i < count; ++i) {
        const Row row(*routes, i);
        const QDateTime date = Catalogue::DateTimeOrDefault(row.value("Date"), QDateTime());
        QTreeWidgetItem* item = ReportList::addItem(c_.lvwRoutes, row.text("OIDR"),
                                                    date.isValid() ? vx::dates::toText(date) : QString(),
                                                    row.text("TransportRouteID"));
        setCells(item, {{"RouteName", row.text("TransportRouteName")},
                        {"RouteDistance", row.plain("TransportRouteDistance")},
                        {"RouteDuration", row.plain("TransportRouteDuration")},
                        {"FuelTypeName", row.text("TransportFuelTypeName")},
                        {"FuelNormName", row.text("TransportFuelNormName")},
                        {"FuelNormValue", row.plain("TransportFuelNormValue")},
                        {"FuelNormDurationValue", row.plain("TransportFuelNormDurationValue")},
                        {"RouteUserName", row.text("TransportRouteUserName")},
                        {"RouteNote", row.text("TransportRouteNote")}});
        trips::addLineFuel(fuelUsed_, *routes, i);
    }
    fitColumns(c_.lvwRoutes, {"RouteDistance", "RouteDuration", "FuelNormValue", "FuelNormDurationValue"});
    const trips::RouteTotals totals = trips::routeTotals(routes);
    c_.txtDistance->setText(trips::numbers::plain(totals.distance));
    c_.txtDuration->setText(trips::numbers::plain(totals.duration));
}

void frmTransportTripsSV::fillChequeList(bool recompute)
{
    c_.lvwCheques->clear();
    fuelReceived_.clear();
    const vx::RecordsetPtr cheques = rowsOf(vxObjectUIO(), QStringLiteral("GetTransportCheques"));
    const int count = cheques ? cheques->RecordCount() : 0;
    double totalFuel = 0.0;
    double totalSum = 0.0;
    double lastSum = 0.0;
    for (int i = 0; i < count; ++i) {
        const Row row(*cheques, i);
        totalFuel += row.number("FuelAmount");
        trips::addChequeFuel(fuelReceived_, *cheques, i);
        lastSum = row.number("SumA");
        totalSum += lastSum;
        const QDate date = Catalogue::DateOrDefault(row.value("Date"), QDate());
        QTreeWidgetItem* item =
            ReportList::addItem(c_.lvwCheques, row.text("OIDR"), date.isValid() ? vx::dates::toText(date) : QString());
        const bool baseCurrency = row.number("BaseCurrency") != 0;
        setCells(item, {{"Number", row.text("Name")},
                        {"ChequeCode", row.text("Code")},
                        {"FuelAmount", row.plain("FuelAmount")},
                        {"FuelTypeName", row.text("TransportFuelTypeName")},
                        {"FirmName", row.text("FirmName")},
                        {"SumCurr", trips::numbers::amount(row.number("SumCurr"))},
                        {"CurrCode", row.text("CurrCode")},
                        {"CurrRate", baseCurrency ? QStringLiteral(" ") : trips::numbers::rate(row.number("CurrRate"))},
                        {"SumA", trips::numbers::amount(lastSum)},
                        {"CashFlag", row.text("CashFlag")}});
    }
    // The totals row only when it says more than the last cheque does.
    if (count > 0 && totalSum > lastSum) {
        QTreeWidgetItem* totals = ReportList::addTotalsRow(c_.lvwCheques);
        ReportList::setSubItem(totals, QStringLiteral("FuelAmount"), trips::numbers::plain(totalFuel), true);
        ReportList::setSubItem(totals, QStringLiteral("SumA"), trips::numbers::amount(totalSum), true);
    }
    fitColumns(c_.lvwCheques, {"FuelAmount", "SumCurr", "CurrRate", "SumA"});
    if (recompute) {
        recomputeFuelPanel();
        fillNormList();
    }
}

void frmTransportTripsSV::fillNormList()
{
    c_.lvwFuelBill->clear();
    const vx::RecordsetPtr norms = rowsOf(vxObjectUIO(), QStringLiteral("GetTransportTripNorms"));
    const int count = norms ? norms->RecordCount() : 0;
    for (int i = 0; i < count; ++i) {
        const Row row(*norms, i);
        QTreeWidgetItem* item = ReportList::addItem(c_.lvwFuelBill, QString(), row.text("FuelTankTypeName"),
                                                    row.text("TransportFuelTankTypeID"));
        setCells(item, {{"NormName", row.text("NormName")},
                        {"DistanceNormValue", row.plain("DistanceNormValue")},
                        {"DurationNormValue", row.plain("DurationNormValue")},
                        {"Distance", row.plain("Distance")},
                        {"Duration", row.plain("Duration")},
                        {"FuelByDistanceNorm", trips::numbers::fuel(row.number("FuelByDistanceNorm"))},
                        {"FuelByDurationNorm", trips::numbers::fuel(row.number("FuelByDurationNorm"))},
                        {"FuelByNorm", trips::numbers::fuel(trips::normRowFuel(*norms, i))}});
    }
    fitColumns(c_.lvwFuelBill, {"DistanceNormValue", "DurationNormValue", "Distance", "Duration",
                                "FuelByDistanceNorm", "FuelByDurationNorm", "FuelByNorm"});
}
