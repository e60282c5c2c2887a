#pragma once

#include "platform/contract/recordset.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>

class QPainter;

namespace shell {

// One vehicle's pair of bars: the fuel its norms allow and the fuel it used
// (start rest + received - end rest, that is by norms - deviation).
struct FuelBars {
    QString vehicle;
    double byNorms = 0;
    double used = 0;
};

inline const QColor fuelNormsColor{0x3b, 0x6e, 0xb4};
inline const QColor fuelUsedColor{0xe0, 0x7b, 0x28};

// The vehicles' rows of a fuel balance, its totals left out.
QList<FuelBars> fuelBars(const vx::Recordset& rows);

// Draws the bar chart into `area`: a legend, a litre scale common to all
// bars, a pair of bars per vehicle and the vehicles' names where they fit.
void paintFuelChart(QPainter& painter, const QRectF& area, const QList<FuelBars>& bars);

// The chart on a white image of `size` pixels at `dotsPerInch`.
QImage fuelChartImage(const QList<FuelBars>& bars, const QSize& size, int dotsPerInch);

} // namespace shell
