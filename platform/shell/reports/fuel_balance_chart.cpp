#include "platform/shell/reports/fuel_balance_chart.h"

#include "platform/contract/number_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace shell {
namespace {

double field(const vx::Recordset& rows, int row, QStringView name)
{
    const int column = rows.fieldIndex(name);
    return column >= 0 ? rows.valueAt(row, column).toDouble() : 0.0;
}

// A scale step of 1, 2 or 5 times a power of ten giving about five lines up to `top`.
double niceStep(double top)
{
    const double rough = top / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

} // namespace

QList<FuelBars> fuelBars(const vx::Recordset& rows)
{
    QList<FuelBars> bars;
    const int kind = rows.fieldIndex(u"RowKind");
    const int name = rows.fieldIndex(u"CarName");
    for (int row = 0; row < rows.readCount(); ++row) {
        if (kind >= 0 && rows.valueAt(row, kind).toInt() != 0)
            continue;
        const double byNorms = field(rows, row, u"FuelByNorms");
        bars.append({name >= 0 ? rows.valueAt(row, name).toString() : QString(), byNorms,
                     byNorms - field(rows, row, u"FuelDeviation")});
    }
    return bars;
}

void paintFuelChart(QPainter& painter, const QRectF& area, const QList<FuelBars>& bars)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();

    // The legend on top.
    double x = area.left() + line * 4;
    for (const auto& [color, text] : {std::pair{fuelNormsColor, QStringLiteral("Pagal normas, l")},
                                      std::pair{fuelUsedColor, QStringLiteral("Sunaudota, l")}}) {
        painter.fillRect(QRectF(x, area.top() + line * 0.2, line * 0.8, line * 0.8), color);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + line, area.top() + metrics.ascent()), text);
        x += line * 1.5 + metrics.horizontalAdvance(text) + line;
    }

    double top = 0;
    for (const FuelBars& b : bars)
        top = std::max({top, b.byNorms, b.used});
    const double step = top > 0 ? niceStep(top) : 1;
    const double scaleTop = std::max(step, std::ceil(top / step) * step);
    const double labelWidth = metrics.horizontalAdvance(vx::numbers::plain(scaleTop)) + line * 0.5;
    const QRectF plot(area.left() + labelWidth, area.top() + line * 1.8, area.width() - labelWidth - line * 0.5,
                      area.height() - line * 3.2);

    // The scale's lines and their litres.
    for (double value = 0; value <= scaleTop + step / 2; value += step) {
        const double y = plot.bottom() - plot.height() * value / scaleTop;
        painter.setPen(QPen(value == 0 ? Qt::black : QColor(0xc0, 0xc0, 0xc0), line / 12));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - line / 2, labelWidth - line * 0.3, line), Qt::AlignRight | Qt::AlignVCenter,
                         vx::numbers::plain(value));
    }

    // Each vehicle's slot: two bars side by side and a gap, its name below when it fits.
    const double slot = bars.isEmpty() ? 0 : plot.width() / bars.size();
    const double barWidth = std::max(1.0, slot * 0.35);
    for (int i = 0; i < bars.size(); ++i) {
        const double left = plot.left() + slot * i + (slot - 2 * barWidth) / 2;
        const auto bar = [&](double value, double at, const QColor& color) {
            const double height = plot.height() * std::max(0.0, value) / scaleTop;
            painter.fillRect(QRectF(at, plot.bottom() - height, barWidth, height), color);
        };
        bar(bars.at(i).byNorms, left, fuelNormsColor);
        bar(bars.at(i).used, left + barWidth, fuelUsedColor);
        const QString name = metrics.elidedText(bars.at(i).vehicle, Qt::ElideRight, slot - line * 0.2);
        if (slot > line * 2 && !name.isEmpty() && name != QStringLiteral("…"))
            painter.drawText(QRectF(plot.left() + slot * i, plot.bottom() + line * 0.2, slot, line), Qt::AlignHCenter, name);
    }
    painter.restore();
}

QImage fuelChartImage(const QList<FuelBars>& bars, const QSize& size, int dotsPerInch)
{
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintFuelChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), bars);
    return image;
}

} // namespace shell
