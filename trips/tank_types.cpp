#include "trips/tank_types.h"

namespace trips {

TankTypeFit checkTankTypes(qint64 vehicleType1, qint64 vehicleType2, qint64 tank1, qint64 tank2)
{
    const auto isVehicles = [&](qint64 tank) { return tank == vehicleType1 || tank == vehicleType2; };
    for (qint64 tank : {tank1, tank2})
        if (tank > 0 && !isVehicles(tank))
            return TankTypeFit::NotTheVehicles;
    if (tank1 <= 0 && tank2 <= 0)
        return TankTypeFit::NoTankType;
    if (tank1 == tank2)
        return TankTypeFit::SameTypeTwice;
    return TankTypeFit::Fits;
}

} // namespace trips
