#pragma once

// The speedometer of a trip sheet: start reading S (`DistanceRest`), end
// reading E (`DistanceEnd`), route distance D (the sum of the route lines) and
// the distance driven at the driver's own expense X, which is not stored.
// E = S + D + X holds whichever of them the user changes.
namespace trips {

// X = E - S - D at 3 decimals, halves going to the even digit; never negative
// (a shortfall shows as 0). The difference is first taken to the digits its
// operands carry, so binary noise (1000.0125 - 1000 = 0.01249999...) does not
// decide a half.
double ownExpenseDistance(double start, double routeDistance, double end);

// E after S, D or X changed: S + D + X, unrounded.
double endReading(double start, double routeDistance, double ownExpense);

// E when the user leaves the end-reading field: raised to S + D when it is
// smaller, otherwise kept as typed.
double endReadingOnLeave(double start, double routeDistance, double end);

// Rounds to `decimals` decimals with halves to the even digit, reading the
// value to the 15 significant digits that `magnitude` (the largest operand the
// value was computed from) leaves it.
double roundHalfEven(double value, int decimals, double magnitude);

} // namespace trips
