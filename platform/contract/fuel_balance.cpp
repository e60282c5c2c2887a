#include "platform/contract/fuel_balance.h"

namespace vx::fuel {

double byDistance(double perHundredKm, double distance)
{
    return perHundredKm * distance / 100;
}

double byDuration(double perHour, double duration)
{
    return perHour * duration;
}

double lineByNorms(double perHundredKm, double distance, double perHour, double duration)
{
    return byDistance(perHundredKm, distance) + byDuration(perHour, duration);
}

TankBalance tankBalance(double startRest, double received, double usedByNorms)
{
    return {startRest, received, usedByNorms, startRest + received - usedByNorms};
}

void addLine(TotalsByTankType& totals, qint64 tankType, double perHundredKm, double distance, double perHour,
             double duration)
{
    TankTotals& t = totals[tankType];
    t.distance += distance;
    t.duration += duration;
    t.usedByNorms += lineByNorms(perHundredKm, distance, perHour, duration);
}

void addReceived(TotalsByTankType& totals, qint64 tankType, double amount)
{
    totals[tankType].received += amount;
}

} // namespace vx::fuel
