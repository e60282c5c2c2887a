// The commands of the route line and cheque lists: add, edit and delete,
// each opening its entry dialog (or asking before deleting) and refreshing
// the list and the sheet's numbers afterwards. The lists open them
// (EntryList): the context menu, double-click or Enter, Insert and Delete,
// and route segments dropped on the route list.

#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/dialogs/entry_dialogs.h"

#include <QTreeWidget>

namespace {

const QString addCommand = QStringLiteral("101");
const QString editCommand = QStringLiteral("102");
const QString deleteCommand = QStringLiteral("103");
const QString routeLineType = QStringLiteral("O4000200");
const QString chequeType = QStringLiteral("O4000300");
const QString routeSegmentType = QStringLiteral("O4000601");

} // namespace

void frmTransportTripsSV::connectCommands()
{
    const EntryList::Commands commands{addCommand, editCommand, deleteCommand};
    routes_->setCommands(commands, [this] { routeLineCommand(); });
    routes_->addMenuItem(QStringLiteral("mnuGrid"), QStringLiteral("Redaguoti lentelėje"),
                         [this] { return c_.lvwRoutes->topLevelItemCount() > 0; }, [this] { editRoutesInGrid(); });
    // Route segments from the catalogue, onto a saved sheet only.
    routes_->takeDrops(routeSegmentType, [this] { return !isNew_; });
    cheques_->setCommands(commands, [this] { chequeCommand(); });
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
    const QTreeWidgetItem* selected = routes_->selected();
    QString lineId, selectAfter;
    qint64 segmentId = 0;
    if (command == addCommand) {
        lineId = routeLineType;
        selectAfter = ListItem::keyOf(selected ? selected : routes_->lastEntry());
        if (const vx::VxObjectUIOPtr dropped = routes_->droppedObject())
            segmentId = Catalogue::LongOrZero(dropped->Fields().value(QStringLiteral("ID")));
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
        request.tripStart = period_->start();
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
    const QStringList lines = routes_->keys();
    if (lines.isEmpty())
        return;
    const QTreeWidgetItem* selected = routes_->selected();
    const QString current = selected ? ListItem::keyOf(selected) : lines.first();
    if (trips::editRouteLinesInGrid(this, lines, current))
        refreshAfterRouteChange(current);
}

void frmTransportTripsSV::refreshAfterRouteChange(const QString& selectAfter)
{
    // The end reading and the balance change with the route: the sheet must be saved again.
    routes_->selectAfterRefill(selectAfter);
    fillRouteList();
    recomputeEnd();
    deriveOwnExpense();
    fuel_->recompute();
    fillNormList();
    setChanged(true);
    applyEnablingRules();
}

void frmTransportTripsSV::chequeCommand()
{
    const QString command = takePendingCommand();
    // The totals row stands for no cheque.
    const QTreeWidgetItem* selected = cheques_->selectedEntry();
    QString chequeId, copyFrom;
    if (command == addCommand) {
        chequeId = chequeType;
        copyFrom = ListItem::keyOf(selected ? selected : cheques_->lastEntry());
    } else if (command == editCommand || command == deleteCommand) {
        if (!selected)
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
        request.tripStart = period_->start();
        request.tripEnd = period_->hasEnd() ? period_->end() : vx::dates::openEnd();
        const trips::EntryResult result = trips::editFuelCheque(this, request);
        if (result.cancelled)
            return;
        if (command == addCommand)
            selectAfter = result.savedOidr;
    }

    // Cheques are stored by their own dialog; the sheet's record does not change.
    cheques_->selectAfterRefill(selectAfter);
    fillChequeList(true);
    fuel_->recompute();
}
