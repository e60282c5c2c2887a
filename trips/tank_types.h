#pragma once

#include <QtGlobal>

// Whether a sheet's tank types fit its vehicle, checked before the sheet is
// saved. Ids are record ids of fuel tank types ("O4000604"); 0 = no type.
namespace trips {

enum class TankTypeFit {
    Fits,
    NoTankType,        // neither tank has a type
    NotTheVehicles,    // a tank has a type that is neither of the vehicle's two
    SameTypeTwice,     // both tanks have the same type
};

TankTypeFit checkTankTypes(qint64 vehicleType1, qint64 vehicleType2, qint64 tank1, qint64 tank2);

} // namespace trips
