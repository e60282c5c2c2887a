#pragma once

#include <QString>

// Field names of the trip sheet record that are built from a prefix and the
// tank number (1 or 2), so no caller spells "FuelRest" + n by hand.
namespace trips::fields {

inline constexpr int tankCount = 2;

inline QString fuelTankTypeId(int tank) { return QStringLiteral("FuelTankTypeID") + QString::number(tank); }
inline QString fuelRest(int tank) { return QStringLiteral("FuelRest") + QString::number(tank); }
inline QString finalRest(int tank) { return QStringLiteral("FinalRest") + QString::number(tank); }
inline QString finalRestIndication(int tank)
{
    return QStringLiteral("FinalRest") + QString::number(tank) + QStringLiteral("Indication");
}

} // namespace trips::fields
