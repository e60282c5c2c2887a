#pragma once

#include <QString>

// Numbers in the tables of exported documents never break over two lines: a
// number that would not fit its cell at the table's size is set smaller, one
// step at a time, down to a floor below which it would be hard to read.
namespace documents {

// The smallest size a number in a table is set at, in points.
inline constexpr double smallestNumberPoints = 5;

// The size, in points, at which `text` in the tables' font (Arial, bold or
// not) fits `roomPt` points: `points` itself when it fits, otherwise smaller
// by `stepPt` at a time, never below smallestNumberPoints.
double fittingPoints(const QString& text, double points, double stepPt, bool bold, double roomPt);

} // namespace documents
