#include "trips/trip_balance.h"

#include "module/catalogue_conversions.h"
#include "trips/row_value.h"
#include "trips/speedometer.h"
#include "trips/trip_sheet_fields.h"

namespace trips {
namespace {

double numberAt(const vx::Recordset& rs, int row, QStringView field)
{
    return Catalogue::DoubleOrZero(rowValue(rs, row, field));
}

qint64 tankTypeAt(const vx::Recordset& rs, int row)
{
    return Catalogue::LongOrZero(rowValue(rs, row, u"TransportFuelTankTypeID"));
}

int rowsOf(const vx::RecordsetPtr& rs)
{
    return rs ? rs->RecordCount() : 0;
}

} // namespace

RouteTotals routeTotals(const vx::RecordsetPtr& routes)
{
    RouteTotals totals;
    for (int row = 0; row < rowsOf(routes); ++row) {
        totals.distance += numberAt(*routes, row, u"TransportRouteDistance");
        totals.duration += numberAt(*routes, row, u"TransportRouteDuration");
    }
    return totals;
}

QString tankTypeKey(qint64 tankTypeId)
{
    return QString::number(tankTypeId);
}

double fuelOf(const FuelByTankType& fuel, qint64 tankTypeId)
{
    return fuel.value(tankTypeKey(tankTypeId), 0.0);
}

double lineFuelByNorms(const vx::Recordset& routes, int row)
{
    return vx::fuel::lineByNorms(numberAt(routes, row, u"TransportFuelNormValue"),
                           numberAt(routes, row, u"TransportRouteDistance"),
                           numberAt(routes, row, u"TransportFuelNormDurationValue"),
                           numberAt(routes, row, u"TransportRouteDuration"));
}

void addLineFuel(FuelByTankType& used, const vx::Recordset& routes, int row)
{
    used[tankTypeKey(tankTypeAt(routes, row))] += lineFuelByNorms(routes, row);
}

void addChequeFuel(FuelByTankType& received, const vx::Recordset& cheques, int row)
{
    received[tankTypeKey(tankTypeAt(cheques, row))] += numberAt(cheques, row, u"FuelAmount");
}

FuelByTankType fuelUsedByNorms(const vx::RecordsetPtr& routes)
{
    FuelByTankType used;
    for (int row = 0; row < rowsOf(routes); ++row)
        addLineFuel(used, *routes, row);
    return used;
}

FuelByTankType fuelReceived(const vx::RecordsetPtr& cheques)
{
    FuelByTankType received;
    for (int row = 0; row < rowsOf(cheques); ++row)
        addChequeFuel(received, *cheques, row);
    return received;
}

double normRowFuel(double byDistance, double byDuration)
{
    return byDistance + byDuration;
}

double normRowFuel(const vx::Recordset& norms, int row)
{
    return normRowFuel(numberAt(norms, row, u"FuelByDistanceNorm"), numberAt(norms, row, u"FuelByDurationNorm"));
}

TankBalance tankBalance(qint64 tankTypeId, double startRest, const FuelByTankType& used,
                        const FuelByTankType& received)
{
    if (tankTypeId <= 0)
        return {};
    return vx::fuel::tankBalance(startRest, fuelOf(received, tankTypeId), fuelOf(used, tankTypeId));
}

SheetBalance sheetBalance(const vx::RecordFields& sheet, const vx::RecordsetPtr& routes,
                          const vx::RecordsetPtr& cheques)
{
    SheetBalance balance;
    balance.route = routeTotals(routes);
    balance.start = Catalogue::DoubleOrZero(sheet.value(QStringLiteral("DistanceRest")));
    balance.end = Catalogue::DoubleOrZero(sheet.value(QStringLiteral("DistanceEnd")));
    balance.shownEnd = endReadingOnLeave(balance.start, balance.route.distance, balance.end);
    balance.ownExpense = ownExpenseDistance(balance.start, balance.route.distance, balance.end);
    const FuelByTankType used = fuelUsedByNorms(routes);
    const FuelByTankType received = fuelReceived(cheques);
    for (int tank = 1; tank <= fields::tankCount; ++tank)
        balance.tanks[tank - 1] = tankBalance(Catalogue::LongOrZero(sheet.value(fields::fuelTankTypeId(tank))),
                                              Catalogue::DoubleOrZero(sheet.value(fields::fuelRest(tank))), used,
                                              received);
    return balance;
}

} // namespace trips
