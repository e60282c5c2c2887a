// The route segment card's traffic page: the trip sheets whose route lines
// used the segment within the user's period, the page's menu and its period.

#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "routes/route_card.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTreeWidget>

#include <algorithm>
#include <iterator>

namespace {

constexpr int twipsPerPixel = 15;
// The columns' widths as the list first shows them, in twips.
constexpr int columnTwips[] = {1500, 2000, 2000};

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

void frmTransportRoute::buildTrafficMenu()
{
    mnuMain = new QMenu(this);
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuToDeskTop = mnuMain->addAction(QStringLiteral("Padėti &ant darbo stalo"));
    mnuToDeskTop->setObjectName(QStringLiteral("mnuToDeskTop"));
    mnuPreview = mnuMain->addAction(QStringLiteral("&Peržūros nustatymai"));
    mnuPreview->setObjectName(QStringLiteral("mnuPreview"));
    mnuRefresh = mnuMain->addAction(QStringLiteral("At&naujinti"));
    mnuRefresh->setObjectName(QStringLiteral("mnuRefresh"));
}

// The sheets from the period's start to its end when the period is used,
// otherwise from its number of days back to the open end.
QString frmTransportRoute::trafficParameter() const
{
    QDate from = period_.PeriodFrom;
    QDate to = period_.PeriodTo;
    if (!period_.UsePeriod) {
        from = vx::clock::today().addDays(-period_.DaysBack);
        to = QDate(9999, 12, 31);
    }
    return QStringList{quoted(vxObjectUIO()->OIDR()), quoted(vx::dates::toText(from)), quoted(vx::dates::toText(to))}
        .join(QLatin1Char(','));
}

// Only a saved segment has traffic.
void frmTransportRoute::fillTraffic()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!traffic_)
        return;
    if (editor->OIDR().size() < 9) {
        traffic_->clear(); // a new segment has none, whatever the record before it had
        return;
    }
    if (traffic_->headerItem()->text(0) != QStringLiteral("Kelionės lapas")) {
        ReportList::setUp(traffic_, {{QString(), QStringLiteral("Kelionės lapas")},
                                     {QStringLiteral("CarName"), QStringLiteral("Automobilis")},
                                     {QStringLiteral("Date"), QStringLiteral("Važiavimo data")}});
    } else {
        traffic_->clear();
    }
    const auto rows = editor->Properties(QStringLiteral("TripRoutes"), trafficParameter()).Value.value<vx::RecordsetPtr>();
    if (rows)
        for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) {
            const QString sheet = Catalogue::TextOrEmpty(rows->value(u"OIDR"));
            QTreeWidgetItem* item =
                ReportList::addItem(traffic_, sheet, Catalogue::TextOrEmpty(rows->value(u"TripName")), sheet);
            ReportList::setSubItem(item, QStringLiteral("CarName"), Catalogue::TextOrEmpty(rows->value(u"CarName")));
            ReportList::setSubItem(item, QStringLiteral("Date"), Catalogue::TextOrEmpty(rows->value(u"Date")));
        }
    // A column is as wide as its widest text, so no sheet number is cut, and
    // never narrower than its first width.
    for (int column = 0; column < int(std::size(columnTwips)); ++column) {
        traffic_->resizeColumnToContents(column);
        traffic_->setColumnWidth(column, std::max(traffic_->columnWidth(column), columnTwips[column] / twipsPerPixel));
    }
}

void frmTransportRoute::pageSelected(int index)
{
    page_ = index;
    if (traffic_ && index == trafficIndex_)
        fillTraffic();
}

void frmTransportRoute::pageMouseDown(Qt::MouseButton button, const QString& key)
{
    if (button != Qt::RightButton || key != QLatin1String("Traffic"))
        return;
    const bool saved = vxObjectUIO()->OIDR().size() >= 9;
    const QTreeWidgetItem* row = traffic_ ? traffic_->currentItem() : nullptr;
    mnuToDeskTop->setEnabled(row && !ListItem::tagOf(row).isEmpty());
    mnuRefresh->setEnabled(saved);
    mnuPreview->setEnabled(saved);
    if (QAction* chosen = mnuMain->exec(QCursor::pos()))
        runTrafficMenu(chosen);
}

void frmTransportRoute::runTrafficMenu(QAction* item)
{
    if (!item->isEnabled())
        return;
    if (item == mnuToDeskTop)
        putOnDesktop();
    else if (item == mnuRefresh)
        fillTraffic();
    else if (item == mnuPreview)
        choosePeriod();
}

// The selected trip sheet goes onto the host's desktop.
void frmTransportRoute::putOnDesktop()
{
    const QTreeWidgetItem* row = traffic_ ? traffic_->currentItem() : nullptr;
    const vx::VxSPtr services = module::services();
    if (!row || !services)
        return;
    const QString sheet = ListItem::tagOf(row);
    if (sheet.isEmpty())
        return;
    if (const vx::VxObjectUIPtr list = services->Objects().GetVxObjectUI(vx::oid::typeId(sheet)))
        list->AddToDeskTopVxObject(sheet);
}

// Another period, when the user chose one that differs in anything, fills the list again.
void frmTransportRoute::choosePeriod()
{
    const vx::VxSPtr services = module::services();
    if (!services)
        return;
    const vx::CallResult answer = services->Objects().CallFunction(QStringLiteral("GetNewPeriod"), QString());
    if (answer.Code != 0 || !answer.Value.canConvert<vx::PeriodRecord>())
        return;
    const auto chosen = answer.Value.value<vx::PeriodRecord>();
    if (chosen == period_)
        return;
    period_ = chosen;
    fillTraffic();
}
