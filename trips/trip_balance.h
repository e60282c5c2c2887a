#pragma once

#include "platform/contract/fuel_balance.h"
#include "platform/contract/recordset.h"

#include <QMap>
#include <QString>

#include <array>

// The distance and fuel balance of a trip sheet, computed from the rows the
// business-object layer gives for it ("GetTransportTripRoutes",
// "GetTransportCheques", "GetTransportTripNorms"). The card, printing and
// template export all take their numbers from here. Values stay unrounded
// doubles; nulls count as 0. Record sets are read by row index, so a caller's
// cursor is left where it was. The arithmetic itself is vx::fuel's, which the
// business-object layer's answers use too.
namespace trips {

struct RouteTotals {
    double distance = 0.0; // km, "Atstumas"
    double duration = 0.0; // hours, "Trukmė"
};

// Sums of `TransportRouteDistance` and `TransportRouteDuration` over all route lines.
RouteTotals routeTotals(const vx::RecordsetPtr& routes);

// Fuel per tank type, keyed by the tank type's record id in decimal text (a
// line or cheque without a tank type falls under "0", which no tank has).
using FuelByTankType = QMap<QString, double>;

QString tankTypeKey(qint64 tankTypeId);
// The map's value for a tank type, 0 when it has none.
double fuelOf(const FuelByTankType& fuel, qint64 tankTypeId);

// Fuel one row of "GetTransportTripRoutes" uses by its norms.
double lineFuelByNorms(const vx::Recordset& routes, int row);

// Adds one route row's fuel, or one cheque row's `FuelAmount`, to its tank type.
void addLineFuel(FuelByTankType& used, const vx::Recordset& routes, int row);
void addChequeFuel(FuelByTankType& received, const vx::Recordset& cheques, int row);

// "Sunaudota pagal normas" of every tank type over all route lines.
FuelByTankType fuelUsedByNorms(const vx::RecordsetPtr& routes);
// "Gauta kuro" of every tank type over all cheques; a negative amount lowers it.
FuelByTankType fuelReceived(const vx::RecordsetPtr& cheques);

// Fuel of a norm summary row: `FuelByDistanceNorm` + `FuelByDurationNorm`.
double normRowFuel(double byDistance, double byDuration);
double normRowFuel(const vx::Recordset& norms, int row);

// One tank of the sheet. A tank without a fuel tank type shows 0 everywhere.
using TankBalance = vx::fuel::TankBalance;

TankBalance tankBalance(qint64 tankTypeId, double startRest, const FuelByTankType& used,
                        const FuelByTankType& received);

// The whole balance of a stored sheet: its record fields and its rows.
struct SheetBalance {
    RouteTotals route;
    double start = 0.0;      // S, `DistanceRest`
    double end = 0.0;        // E as stored, `DistanceEnd`
    double shownEnd = 0.0;   // E raised to S + D when smaller (what a printed sheet shows)
    double ownExpense = 0.0; // X
    std::array<TankBalance, 2> tanks;
};

SheetBalance sheetBalance(const vx::RecordFields& sheet, const vx::RecordsetPtr& routes,
                          const vx::RecordsetPtr& cheques);

} // namespace trips
