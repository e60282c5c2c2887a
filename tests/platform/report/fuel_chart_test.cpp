// The fuel balance's chart read back from its pixels: one pair of bars per
// vehicle (by norms, then used), totals left out, heights in proportion.

#include "platform/shell/reports/fuel_balance_chart.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Bar {
    QRgb color;
    int height;
};

// The bars standing on the chart's base line, left to right: the base line is
// the lowest row holding a bar's colour, a bar's height is measured up its middle.
QList<Bar> barsOf(const QImage& image)
{
    const QRgb norms = shell::fuelNormsColor.rgb();
    const QRgb used = shell::fuelUsedColor.rgb();
    int base = -1;
    for (int y = image.height() - 1; y >= 0 && base < 0; --y)
        for (int x = 0; x < image.width() && base < 0; ++x)
            if (image.pixel(x, y) == norms || image.pixel(x, y) == used)
                base = y;
    QList<Bar> bars;
    for (int x = 0; base >= 0 && x < image.width();) {
        const QRgb color = image.pixel(x, base);
        if (color != norms && color != used) {
            ++x;
            continue;
        }
        int end = x;
        while (end < image.width() && image.pixel(end, base) == color)
            ++end;
        int top = base;
        while (top > 0 && image.pixel((x + end) / 2, top - 1) == color)
            --top;
        bars.append({color, base - top + 1});
        x = end;
    }
    return bars;
}

TEST(FuelChart, OnePairOfBarsPerVehicleInProportion)
{
    const vx::RecordsetPtr rows = vx::Recordset::create({{QStringLiteral("RowKind"), vx::FieldType::Integer},
                                                         {QStringLiteral("CarName"), vx::FieldType::Text},
                                                         {QStringLiteral("FuelByNorms"), vx::FieldType::Double},
                                                         {QStringLiteral("FuelDeviation"), vx::FieldType::Double}});
    // Used = by norms - deviation: 80, 60 and 10 litres.
    rows->appendRow({0, QStringLiteral("Volvo"), 100.0, 20.0});
    rows->appendRow({0, QStringLiteral("MAN"), 50.0, -10.0});
    rows->appendRow({1, QStringLiteral("Grupės suma"), 150.0, 10.0});
    rows->appendRow({0, QStringLiteral("Škoda"), 25.0, 15.0});
    rows->appendRow({2, QStringLiteral("Iš viso"), 175.0, 25.0});
    const QList<shell::FuelBars> pairs = shell::fuelBars(*rows);
    ASSERT_EQ(pairs.size(), 3);
    EXPECT_EQ(pairs.at(2).vehicle, QStringLiteral("Škoda"));

    const QList<Bar> bars = barsOf(shell::fuelChartImage(pairs, QSize(900, 400), 96));
    const double litres[] = {100, 80, 50, 60, 25, 10};
    ASSERT_EQ(bars.size(), 6);
    const double pixelsPerLitre = bars.at(0).height / litres[0];
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(bars.at(i).color, (i % 2 ? shell::fuelUsedColor : shell::fuelNormsColor).rgb()) << "bar " << i;
        EXPECT_NEAR(bars.at(i).height, litres[i] * pixelsPerLitre, 1.5) << "bar " << i;
    }
}

} // namespace
