#pragma once

#include <QHash>

// The fuel balance arithmetic of a trip sheet, the same for the trip sheet card,
// its printouts and the business-object layer's answers: fuel by norms per
// route line, what each tank type used and received, and what is left. Values
// stay unrounded doubles; a caller reads its rows and hands the numbers in, in
// the order the lines are kept (date, then record), so sums agree to the last bit.
namespace vx::fuel {

// Per-100-km norm x distance / 100.
double byDistance(double perHundredKm, double distance);
// Per-hour norm x duration.
double byDuration(double perHour, double duration);
// Fuel one route line uses by its norms: by distance + by duration.
double lineByNorms(double perHundredKm, double distance, double perHour, double duration);

// One tank: "Pradinis likutis", "Gauta kuro", "Sunaudota pagal normas" and
// "Likutis pagal normas" = start + received - used.
struct TankBalance {
    double startRest = 0.0;
    double received = 0.0;
    double usedByNorms = 0.0;
    double restByNorms = 0.0;
};

TankBalance tankBalance(double startRest, double received, double usedByNorms);

// What a sheet's route lines and cheques give one tank type.
struct TankTotals {
    double distance = 0.0;
    double duration = 0.0;
    double usedByNorms = 0.0;
    double received = 0.0;
};

// Totals per tank type, keyed by the tank type's record number.
using TotalsByTankType = QHash<qint64, TankTotals>;

void addLine(TotalsByTankType& totals, qint64 tankType, double perHundredKm, double distance, double perHour,
             double duration);
// A cheque's amount; a negative one lowers what was received.
void addReceived(TotalsByTankType& totals, qint64 tankType, double amount);

} // namespace vx::fuel
