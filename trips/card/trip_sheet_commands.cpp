// The commands of the route line and cheque lists: add, edit and delete
// through the context menu, a double-click or Enter, each opening its entry
// dialog and refreshing the list and the sheet's numbers afterwards.

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/dialogs/entry_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QMenu>
#include <QTreeWidget>

#include <utility>

namespace {

const QString addCommand = QStringLiteral("101");
const QString editCommand = QStringLiteral("102");
const QString deleteCommand = QStringLiteral("103");
const QString routeLineType = QStringLiteral("O4000200");
const QString chequeType = QStringLiteral("O4000300");

QTreeWidgetItem* selectedItem(const QTreeWidget* list)
{
    return Catalogue::HasSelectedItem(list) ? list->currentItem() : nullptr;
}

} // namespace

void frmTransportTripsSV::openSelectedRow(QTreeWidget* list)
{
    if (!mayEdit_ || !selectedItem(list))
        return;
    setPendingCommand(editCommand);
    runListCommand(list);
}

void frmTransportTripsSV::popUpListMenu(QTreeWidget* list, const QPoint& at)
{
    if (!mayEdit_)
        return;
    const bool selected = selectedItem(list) != nullptr;
    c_.mnuEdit->setEnabled(selected);
    c_.mnuDelete->setEnabled(selected);
    c_.mnuGrid->setVisible(list == c_.lvwRoutes);
    c_.mnuGrid->setEnabled(list == c_.lvwRoutes && list->topLevelItemCount() > 0);
    const QAction* chosen = c_.mnuMain->exec(list->viewport()->mapToGlobal(at));
    if (chosen == c_.mnuGrid) {
        editRoutesInGrid();
        return;
    }
    if (chosen == c_.mnuNew)
        setPendingCommand(addCommand);
    else if (chosen == c_.mnuEdit)
        setPendingCommand(editCommand);
    else if (chosen == c_.mnuDelete)
        setPendingCommand(deleteCommand);
    else
        return;
    runListCommand(list);
}

void frmTransportTripsSV::runListCommand(QTreeWidget* list)
{
    if (list == c_.lvwRoutes)
        routeLineCommand();
    else
        chequeCommand();
}

bool frmTransportTripsSV::deleteRow(const QString& objectType, const QString& id)
{
    if (!Catalogue::AskYesNo(QStringLiteral("Ar tikrai norite panaikinti?"), messageTitle()))
        return false;
    if (const vx::VxSPtr services = module::services())
        if (const vx::VxObjectUIPtr controller = services->Objects().GetVxObjectUI(objectType))
            controller->DeleteVxObject(id);
    return true;
}

void frmTransportTripsSV::routeLineCommand()
{
    const QString command = takePendingCommand();
    const bool fromDrop = std::exchange(fromDrop_, false);
    const QTreeWidgetItem* selected = selectedItem(c_.lvwRoutes);
    QString lineId, selectAfter;
    qint64 segmentId = 0;
    if (command == addCommand) {
        lineId = routeLineType;
        selectAfter = ListItem::keyOf(selected ? selected : ReportList::lastItem(c_.lvwRoutes));
        if (fromDrop && droppedSegment_)
            segmentId = Catalogue::LongOrZero(droppedSegment_->Fields().value(QStringLiteral("ID")));
    } else if (command == editCommand || command == deleteCommand) {
        if (!selected)
            return;
        lineId = selectAfter = ListItem::keyOf(selected);
        segmentId = ListItem::tagOf(selected).toLongLong();
    } else {
        return;
    }

    if (command == deleteCommand) {
        if (!deleteRow(routeLineType, lineId))
            return;
    } else {
        trips::RouteLineRequest request;
        request.routeLineOidr = lineId;
        request.tripId = vx::oid::recordNumber(vxObjectUIO()->OIDR());
        request.tripStart = c_.dtpDateFrom->date();
        request.vehicleOidr = c_.txtCar->objectId();
        request.routeSegmentId = segmentId;
        request.defaultDriverOidr = c_.txtDriver->objectId();
        request.copyFromOidr = selectAfter;
        const trips::EntryResult result = trips::editRouteLine(this, request);
        if (result.cancelled)
            return;
        if (command == addCommand)
            selectAfter = result.savedOidr;
    }

    refreshAfterRouteChange(selectAfter);
}

void frmTransportTripsSV::editRoutesInGrid()
{
    QStringList lines;
    for (int i = 0; i < c_.lvwRoutes->topLevelItemCount(); ++i)
        lines << ListItem::keyOf(c_.lvwRoutes->topLevelItem(i));
    if (lines.isEmpty())
        return;
    const QTreeWidgetItem* selected = selectedItem(c_.lvwRoutes);
    const QString current = selected ? ListItem::keyOf(selected) : lines.first();
    if (trips::editRouteLinesInGrid(this, lines, current))
        refreshAfterRouteChange(current);
}

void frmTransportTripsSV::refreshAfterRouteChange(const QString& selectAfter)
{
    // The end reading and the balance change with the route: the sheet must be saved again.
    fillRouteList();
    recomputeEnd();
    deriveOwnExpense();
    recomputeFuelPanel();
    fillNormList();
    Catalogue::SelectListItem(c_.lvwRoutes, selectAfter);
    setChanged(true);
    applyEnablingRules();
}

void frmTransportTripsSV::chequeCommand()
{
    const QString command = takePendingCommand();
    const QTreeWidgetItem* selected = selectedItem(c_.lvwCheques);
    QString chequeId, copyFrom;
    if (command == addCommand) {
        chequeId = chequeType;
        const bool onCheque = selected && !ReportList::isTotalsRow(selected);
        copyFrom = ListItem::keyOf(onCheque ? selected : ReportList::lastItem(c_.lvwCheques));
    } else if (command == editCommand || command == deleteCommand) {
        // The totals row stands for no cheque.
        if (!selected || ReportList::isTotalsRow(selected))
            return;
        chequeId = copyFrom = ListItem::keyOf(selected);
    } else {
        return;
    }

    QString selectAfter = copyFrom;
    if (command == deleteCommand) {
        if (!deleteRow(chequeType, chequeId))
            return;
    } else {
        trips::ChequeRequest request;
        request.tripEditor = vxObjectUIO();
        request.tripId = Catalogue::LongOrZero(vxObjectUIO()->Fields().value(QStringLiteral("ID")));
        request.chequeOidr = chequeId;
        request.copyFromOidr = copyFrom;
        request.tripStart = c_.dtpDateFrom->date();
        request.tripEnd = c_.chkDateTo->isChecked() ? c_.dtpDateTo->date() : vx::dates::openEnd();
        const trips::EntryResult result = trips::editFuelCheque(this, request);
        if (result.cancelled)
            return;
        if (command == addCommand)
            selectAfter = result.savedOidr;
    }

    // Cheques are stored by their own dialog; the sheet's record does not change.
    fillChequeList(true);
    Catalogue::SelectListItem(c_.lvwCheques, selectAfter);
    recomputeFuelPanel();
}
