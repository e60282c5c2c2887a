// The vehicle card's four tabs: drivers, documents, fuel norms and mounted
// tyres. Each is an entry list filled from the vehicle editor's properties;
// its add and change open the record's editor (fuel norms are chosen from the
// catalogue and linked on the card), delete asks first. Employees, fuel norms
// and tyres dragged onto the matching list are added once the drop has ended.

#include "module/catalogue.h"
#include "module/list_item_roles.h"
#include "module/module_services.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "vehicles/card/vehicle_card.h"
#include "vehicles/dialogs/vehicle_dialogs.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QMessageBox>
#include <QTreeWidget>

#include <algorithm>

namespace {

using Row = EntryList::Row;

const QString addCommand = QStringLiteral("100");
const QString editCommand = QStringLiteral("101");
const QString deleteCommand = QStringLiteral("102");

QList<ReportList::Column> columns(std::initializer_list<std::pair<const char*, const char*>> keysAndCaptions)
{
    QList<ReportList::Column> made;
    for (const auto& [key, caption] : keysAndCaptions)
        made.append({QString::fromLatin1(key), QString::fromUtf8(caption)});
    return made;
}

EntryList::Item driverItem(const Row& row)
{
    return {row.text(u"OIDR"),
            row.text(u"Preview"),
            row.text(u"UserID"),
            {{QStringLiteral("DateFrom"), row.textOrSpace(u"DateFrom")},
             {QStringLiteral("DateTo"), row.textOrSpace(u"DateTo")},
             {QStringLiteral("Order"), row.text(u"Order")}}};
}

EntryList::Item documentItem(const Row& row)
{
    return {row.text(u"OIDR"),
            row.text(u"Preview"),
            row.text(u"DocTypeID"),
            {{QStringLiteral("DocNumber"), row.text(u"DocNumber")},
             {QStringLiteral("DocShape"), row.text(u"DocShape")},
             {QStringLiteral("DateFrom"), row.textOrSpace(u"DateFrom")},
             {QStringLiteral("DateTo"), row.textOrSpace(u"DateTo")},
             {QStringLiteral("DocDescription"), row.text(u"DocDescription")}}};
}

EntryList::Item fuelNormItem(const Row& row)
{
    return {row.text(u"OIDR"),
            row.text(u"TransportFuelNormName"),
            row.text(u"TransportFuelNormID"),
            {{QStringLiteral("Code"), row.text(u"TransportFuelNormCode")},
             {QStringLiteral("FuelType"), row.text(u"TransportFuelTypeName")},
             {QStringLiteral("Value"), vx::numbers::plain(row.number(u"TransportFuelNormValue"))}}};
}

// The tag is the tyre's number: what the "Padanga" cell shows.
EntryList::Item tyreItem(const Row& row)
{
    return {row.text(u"OIDR"),
            row.textOrSpace(u"DateFrom"),
            row.text(u"TyreID"),
            {{QStringLiteral("DateTo"), row.textOrSpace(u"DateTo")},
             {QStringLiteral("Axis"), row.text(u"Axis")},
             {QStringLiteral("CarSide"),
              row.number(u"CarSide") == 0 ? QStringLiteral("Kairė") : QStringLiteral("Dešinė")},
             {QStringLiteral("PositionOnAxis"), row.text(u"PositionOnAxis")},
             {QStringLiteral("Tyre"), row.text(u"Preview")},
             {QStringLiteral("TyreRunFrom"), row.wholeNumber(u"TyreRunFrom")},
             {QStringLiteral("TyreRunTo"), row.wholeNumber(u"TyreRunTo")}}};
}

struct TabSource {
    const char* objectType; // of the tab's records; a bare one asks for a new record
    const char* property;   // the vehicle editor's property that lists them
    EntryList::ItemOf itemOf;
};

const TabSource& sourceOf(frmTransportCars::Tab tab)
{
    static const TabSource sources[] = {
        {"", "", {}},
        {"O4001000", "CarDrivers", driverItem},
        {"O4001100", "CarDocuments", documentItem},
        {"O4000500", "O4000500", fuelNormItem},
        {"O4000900", "CarTyres", tyreItem},
    };
    return sources[tab];
}

QIcon hostIcon(const char* name)
{
    const vx::VxSPtr services = module::services();
    return services ? services->MainWindow().ImgCatalogue().value(QString::fromLatin1(name)) : QIcon();
}

} // namespace

void frmTransportCars::buildTabs()
{
    drivers_ = std::make_unique<EntryList>(
        *this, lvwDrivers,
        columns({{"", "Vardas, pavardė"}, {"DateFrom", "Nuo datos"}, {"DateTo", "Iki datos"}, {"Order", "Įsakymas"}}));
    documents_ = std::make_unique<EntryList>(*this, lvwDocuments,
                                             columns({{"", "Pavadinimas"},
                                                      {"DocNumber", "Numeris"},
                                                      {"DocShape", "Tipas"},
                                                      {"DateFrom", "Išdavimo data"},
                                                      {"DateTo", "Galiojimo data"},
                                                      {"DocDescription", "Papildoma informacija"}}));
    fuelNorms_ = std::make_unique<EntryList>(
        *this, lvwFuelNorms,
        columns({{"", "Pavadinimas"}, {"Code", "Kodas"}, {"FuelType", "Kuras"}, {"Value", "Norma"}}),
        QStringList{QStringLiteral("Value")});
    tyres_ = std::make_unique<EntryList>(*this, lvwTyres,
                                         columns({{"", "Sumontuota"},
                                                  {"DateTo", "Nuimta"},
                                                  {"Axis", "Ašis"},
                                                  {"CarSide", "Pusė"},
                                                  {"PositionOnAxis", "Pozicija"},
                                                  {"Tyre", "Padanga"},
                                                  {"TyreRunFrom", "Rida pr."},
                                                  {"TyreRunTo", "Rida pab."}}),
                                         QStringList{QStringLiteral("TyreRunFrom"), QStringLiteral("TyreRunTo")});

    // A last column of numbers stays beside the others rather than at the far edge.
    for (QTreeWidget* list : {lvwFuelNorms, lvwTyres})
        list->header()->setStretchLastSection(false);
    // The tyre column follows the list's width once the list shows.
    connect(TabStrip, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == Tyres)
            sizeTyreColumn();
    });

    const EntryList::Commands commands{addCommand, editCommand, deleteCommand, QStringLiteral("&Pridėti"),
                                       QStringLiteral("&Redaguoti"), QStringLiteral("Panaikint&i")};
    for (const Tab tab : {Drivers, Documents, FuelNorms, Tyres})
        entries(tab).setCommands(commands, [this, tab] { tabCommand(tab); });
    // Objects from the host's trees, onto a saved vehicle only.
    const auto saved = [this] { return !isNew_ && !isGroup_; };
    drivers_->takeDrops(QStringLiteral("O0001401"), saved);
    fuelNorms_->takeDrops(QStringLiteral("O4000603"), saved);
    tyres_->takeDrops(QStringLiteral("O4000800"), saved);
}

EntryList& frmTransportCars::entries(Tab tab) const
{
    switch (tab) {
    case Drivers:
        return *drivers_;
    case Documents:
        return *documents_;
    case FuelNorms:
        return *fuelNorms_;
    default:
        return *tyres_;
    }
}

qint64 frmTransportCars::vehicleId() const
{
    return Catalogue::LongOrZero(vxObjectUIO()->Fields().value(QStringLiteral("ID")));
}

void frmTransportCars::fillTabs()
{
    fuelNorms_->setItemIcon(hostIcon("TRANSPORTCARFUELNORM"));
    tyres_->setItemIcon(hostIcon("TRANSPORTTYRE"));
    for (const Tab tab : {FuelNorms, Drivers, Documents, Tyres}) {
        entries(tab).setEditable(mayChange_);
        fillList(tab);
    }
}

void frmTransportCars::fillList(Tab tab)
{
    const TabSource& source = sourceOf(tab);
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    // Drivers and documents are asked for by the number in the vehicle's id,
    // tyres by its ID field, the fuel norm links by the editor's own id.
    QString parameter;
    if (tab == Drivers || tab == Documents)
        parameter = QString::number(vx::oid::recordNumber(editor->OIDR()));
    else if (tab == Tyres)
        parameter = QString::number(vehicleId());
    const vx::CallResult answer = editor->Properties(QString::fromLatin1(source.property), parameter);
    entries(tab).fill(answer.Code == 0 ? answer.Value.value<vx::RecordsetPtr>() : vx::RecordsetPtr(), source.itemOf);
    if (tab == Tyres)
        sizeTyreColumn();
}

// "Padanga" takes what the other columns leave: the list's width less 8050
// twips, at least 2000 twips.
void frmTransportCars::sizeTyreColumn()
{
    const auto pixels = [this](int twips) { return twips * lvwTyres->logicalDpiX() / 1440; };
    const int column = ReportList::columnOf(lvwTyres, QStringLiteral("Tyre"));
    lvwTyres->setColumnWidth(column, std::max(pixels(2000), lvwTyres->viewport()->width() - pixels(8050)));
}

void frmTransportCars::tabCommand(Tab tab)
{
    const QString command = takePendingCommand();
    EntryList& list = entries(tab);
    const QTreeWidgetItem* selected = list.selected();
    QString key;
    qint64 referenced = 0;
    if (command == addCommand) {
        key = QString::fromLatin1(sourceOf(tab).objectType);
        if (const vx::VxObjectUIOPtr dropped = list.droppedObject())
            referenced = vx::oid::recordNumber(dropped->OIDR());
    } else if (command == editCommand || command == deleteCommand) {
        if (!selected)
            return;
        key = ListItem::keyOf(selected);
        referenced = ListItem::tagOf(selected).toLongLong();
    } else {
        fillList(tab);
        return;
    }

    if (command == deleteCommand) {
        deleteRow(tab, key);
        return;
    }
    if (tab == FuelNorms) {
        editFuelNorm(key);
        return;
    }
    vehicles::EntryResult result;
    if (tab == Tyres) {
        result = vehicles::editTyreMounting(this, {vehicleId(), referenced, key});
    } else {
        const vehicles::VehicleRecordRequest request{txtName->text() + QStringLiteral(" ") + txtNumber->text(),
                                                     vehicleId(), referenced, key};
        result = tab == Drivers ? vehicles::editDriver(this, request) : vehicles::editDocument(this, request);
    }
    if (result.cancelled)
        return;
    list.selectAfterRefill(command == addCommand ? result.savedOidr : key);
    fillList(tab);
}

void frmTransportCars::deleteRow(Tab tab, const QString& id)
{
    if (!Catalogue::AskYesNo(QStringLiteral("Ar tikrai norite panaikinti?"), messageTitle()))
        return;
    if (const vx::VxSPtr services = module::services())
        if (const vx::VxObjectUIPtr controller
            = services->Objects().GetVxObjectUI(QString::fromLatin1(sourceOf(tab).objectType)))
            controller->DeleteVxObject(id);
    fillList(tab);
}

// A fuel norm of the catalogue, dropped or chosen, linked to the vehicle once.
void frmTransportCars::editFuelNorm(const QString& key)
{
    const vx::VxObjectUIOPtr link = Catalogue::GetEditor(key);
    if (!link)
        return;
    QString normId;
    if (const vx::VxObjectUIOPtr dropped = fuelNorms_->droppedObject()) {
        normId = dropped->OIDR();
    } else {
        const QString chosen
            = Catalogue::SelectObject(QStringLiteral("O4000603"), QStringLiteral("Pasirinkite"), nullptr,
                                      QStringLiteral("T"));
        const qsizetype separator = chosen.indexOf(QLatin1Char('_'));
        if (separator < 0)
            return;
        normId = chosen.left(separator);
    }
    if (!vx::oid::hasRecord(normId))
        return;
    const QString norm = QString::number(vx::oid::recordNumber(normId));
    for (int row = 0; row < lvwFuelNorms->topLevelItemCount(); ++row)
        if (ListItem::tagOf(lvwFuelNorms->topLevelItem(row)) == norm)
            return;

    const vx::RecordFields fields = link->Fields();
    fields.setValue(QStringLiteral("TransportCarID"), vehicleId());
    fields.setValue(QStringLiteral("TransportFuelNormID"), norm.toLongLong());
    const vx::Status saved = link->Save();
    if (!saved.ok()) {
        Catalogue::ShowMessage(saved.Message + QStringLiteral("\r\nĮrašymas neatliktas!"), messageTitle(),
                               QMessageBox::NoIcon, QMessageBox::Ok);
        return;
    }
    fuelNorms_->selectAfterRefill(link->OIDR());
    fillList(FuelNorms);
}
