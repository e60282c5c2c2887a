#include "documents/number_fit.h"

#include <QFont>
#include <QFontMetricsF>

namespace documents {
namespace {

// The text's width in points at a size of one point. Measured at a large
// pixel size, so neither the screen's resolution nor hinting at small sizes
// enters the answer.
double widthPerPoint(const QString& text, bool bold)
{
    constexpr int measuredSize = 1000;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(measuredSize);
    font.setBold(bold);
    return QFontMetricsF(font).horizontalAdvance(text) / measuredSize;
}

} // namespace

double fittingPoints(const QString& text, double points, double stepPt, bool bold, double roomPt)
{
    const double perPoint = widthPerPoint(text, bold);
    while (points - stepPt >= smallestNumberPoints && perPoint * points > roomPt)
        points -= stepPt;
    return points;
}

} // namespace documents
