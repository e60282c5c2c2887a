// Route segments dragged from the catalogue onto the route list of a saved
// sheet: the drop is taken at once, and the route line dialog opens once the
// drag-and-drop has ended.

#include "module/catalogue.h"
#include "trips/card/trip_sheet_card.h"

#include <QTimer>

namespace {

const QString routeSegmentType = QStringLiteral("O4000601");

} // namespace

bool frmTransportTripsSV::takesDrop(const QString& text) const
{
    return !isNew_ && text.startsWith(routeSegmentType);
}

void frmTransportTripsSV::dropRouteSegment(const QString& text)
{
    droppedSegment_ = Catalogue::GetEditor(text);
    // A catalogue group is no segment to drive.
    if (droppedSegment_ && Catalogue::LongOrZero(droppedSegment_->Fields().value(QStringLiteral("GroupFlag"))) == 0)
        c_.timerDragDrop->start();
}

void frmTransportTripsSV::addDroppedSegment()
{
    c_.timerDragDrop->stop();
    setPendingCommand(QStringLiteral("101"));
    fromDrop_ = true;
    routeLineCommand();
}
