// The trip sheet card: its parts and controls' handlers, loading (InitForm)
// and the enabling rules.

#include "trips/card/trip_sheet_card.h"

#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/clock.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "platform/contract/argument_text.h"

#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString tripComponent = QStringLiteral("CTransportTrips");
const QString newCaption = QStringLiteral("Naujas kelionės lapas");
const QString savedCaption = QStringLiteral("Kelionės lapas");

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

frmTransportTripsSV::frmTransportTripsSV()
{
    setObjectName(QStringLiteral("frmTransportTripsSV"));
    setWindowTitle(savedCaption);
    c_ = buildTripSheetControls(this);
    // The start moves back to an end moved before it.
    period_ = std::make_unique<DatePair>(c_.dtpDateFrom, c_.chkDateTo, c_.dtpDateTo, DatePair::EarlyEnd::MovesStart);
    fuel_ = std::make_unique<FuelPanel>(*this, c_.tanks, c_.txtCar, c_.dtpDateFrom);
    buildLists();
    connectCommands();
    connectControls();
}

frmTransportTripsSV::~frmTransportTripsSV() = default;

void frmTransportTripsSV::connectControls()
{
    // Every handler runs as a boundary: a conversion error ends it quietly.
    const auto handle = [this](void (frmTransportTripsSV::*action)()) {
        return [this, action] { runHandler([this, action] { (this->*action)(); }); };
    };
    const auto edited = [this] { markChangedAndApply(); };

    connect(this, &CardBase::changedChanged, this, [this] { applyEnablingRules(); });
    connect(c_.txtName, &QLineEdit::textChanged, this, edited);
    connect(c_.txtCode, &QLineEdit::textChanged, this, edited);
    connect(period_.get(), &DatePair::edited, this, edited);
    connect(fuel_.get(), &FuelPanel::edited, this, edited);
    // A long name shows from its start.
    for (ChoiceField* choice : {c_.txtCar, c_.txtDriver, c_.tanks[0].txtFuelType, c_.tanks[1].txtFuelType})
        connect(choice, &ChoiceField::objectChanged, this, [this, choice] {
            choice->setCursorPosition(0);
            applyEnablingRules();
        });
    connect(c_.cmdCar, &QToolButton::clicked, this, handle(&frmTransportTripsSV::chooseVehicle));
    connect(c_.cmdDriver, &QToolButton::clicked, this, handle(&frmTransportTripsSV::chooseDriver));

    // S and X give E; E gives X. A recompute's own writes do not start the reverse one.
    for (TripNumberField* f : {c_.txtSpidometrFrom, c_.txtExternalDistance})
        connect(f, &QLineEdit::textChanged, this, [this] {
            if (isLoading())
                return;
            runHandler([this] { recomputeEnd(); });
            markChangedAndApply();
        });
    connect(c_.txtSpidometrTo, &QLineEdit::textChanged, this, [this] {
        if (isLoading())
            return;
        runHandler([this] { deriveOwnExpense(); });
        markChangedAndApply();
    });
    for (TripNumberField* f : {c_.txtSpidometrFrom, c_.txtSpidometrTo, c_.txtExternalDistance})
        connect(f, &TripNumberField::left, this, [this, f] { runHandler([this, f] { leaveSpeedometerField(f); }); });

    connect(c_.cmdWrite, &QPushButton::clicked, this, handle(&frmTransportTripsSV::write));
    connect(c_.cmdCancel, &QPushButton::clicked, this, handle(&frmTransportTripsSV::revert));
    connect(c_.cmdPrint, &QToolButton::clicked, this,
            [this] { runHandler([this] { callSheetMethod(QStringLiteral("Print")); }); });
    connect(c_.cmdPrint, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (c_.cmdPrint->isEnabled())
            c_.mnuPrint->exec(c_.cmdPrint->mapToGlobal(at));
    });
    connect(c_.mnuPrintParameters, &QAction::triggered, this,
            [this] { runHandler([this] { callSheetMethod(QStringLiteral("PrintParameters")); }); });
    connect(c_.cmdExportToWord, &QPushButton::clicked, this,
            [this] { runHandler([this] { callSheetMethod(QStringLiteral("ExportToWord")); }); });
    useCloseButton(c_.SSCClose, tripComponent);
    useWriteKey(c_.cmdWrite);
    connect(c_.SOPanel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { runHandler([this, at] { popUpCardMenu(at); }); });
}

void frmTransportTripsSV::loadForm()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!editor)
        return;
    const vx::RecordFields sheet = editor->Fields();
    isNew_ = !vx::oid::hasRecord(editor->OIDR());
    const vx::VxSPtr services = module::services();
    mayEdit_ = services && services->Security().CanWrite(tripComponent, 0);

    c_.cmdCar->setEnabled(isNew_);

    QTabBar* tabs = c_.TabStrip->tabBar();
    tabs->setTabEnabled(0, !isNew_);
    tabs->setTabEnabled(1, !isNew_);
    c_.TabStrip->setCurrentIndex(isNew_ ? 2 : 0);
    // A new sheet has no norms. Its norm list is made already, as it opens on
    // their page; one made later is a saved sheet's, which shows it.
    if (c_.lvwFuelBill)
        c_.lvwFuelBill->setVisible(!isNew_);

    for (ChoiceField* choice : {c_.txtCar, c_.txtDriver, c_.tanks[0].txtFuelType, c_.tanks[1].txtFuelType})
        choice->clearObject();

    c_.txtName->setText(Catalogue::TextOrEmpty(sheet.value(field("Name"))));
    c_.txtCode->setText(Catalogue::TextOrEmpty(sheet.value(field("Code"))));
    c_.txtSpidometrFrom->setText(QStringLiteral("0"));
    // Without an end the end picker waits on the start date.
    const QDate start = Catalogue::DateOrDefault(sheet.value(field("Date")), vx::clock::today());
    period_->load(start, sheet.value(field("DateTo")), start);

    const qint64 vehicleId = Catalogue::LongOrZero(sheet.value(field("TransportCarID")));
    qint64 driverId = Catalogue::LongOrZero(sheet.value(field("UserID")));
    if (vehicleId > 0) {
        const qint64 vehicleDriver = setVehicle(vx::oid::make(u"O4000400", vehicleId), driverId != 0);
        if (driverId == 0)
            driverId = vehicleDriver;
    }
    if (driverId > 0)
        c_.txtDriver->showObject(vx::oid::make(u"O0001401", driverId));

    fuel_->load(sheet);
    routes_->setEditable(mayEdit_);
    cheques_->setEditable(mayEdit_);

    fillRouteList();
    if (isNew_) {
        c_.txtExternalDistance->setText(QStringLiteral("0"));
    } else {
        c_.txtSpidometrTo->setText(vx::numbers::plain(Catalogue::DoubleOrZero(sheet.value(field("DistanceEnd")))));
        deriveOwnExpense();
    }
    recomputeEnd();
    deriveOwnExpense();
    fillChequeList(true);

    showCaption();
    applyEnablingRules();

    if (c_.txtName->text().isEmpty()) {
        const vx::CallResult number
            = editor->Methods(QStringLiteral("GetAutoNumber"), vx::arguments::write({ 0, QVariant() }));
        c_.txtName->setText(Catalogue::TextOrEmpty(number.Value));
    }
}

void frmTransportTripsSV::showCaption()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (isNew_) {
        c_.SOPanel->setTitle(newCaption);
        c_.SOPanel->setToolTip(QString());
        setWindowTitle(newCaption);
        return;
    }
    c_.SOPanel->setTitle(savedCaption);
    c_.SOPanel->setToolTip(Catalogue::TextOrEmpty(editor->Properties(QStringLiteral("GetProtocol"), QString()).Value));
    const QString preview = editor->Preview();
    setWindowTitle(preview.isEmpty() ? savedCaption : savedCaption + QStringLiteral(" ") + preview);
}

QString frmTransportTripsSV::closingDetails() const
{
    return c_.SOPanel->title();
}

bool frmTransportTripsSV::hasUnsavedChanges() const
{
    return c_.cmdWrite->isEnabled();
}

void frmTransportTripsSV::markChangedAndApply()
{
    if (isLoading())
        return;
    setChanged(true);
    applyEnablingRules();
}

void frmTransportTripsSV::applyEnablingRules()
{
    const bool complete = !c_.txtName->text().isEmpty() && vx::oid::hasRecord(c_.txtCar->objectId())
                          && vx::oid::hasRecord(c_.txtDriver->objectId());
    c_.cmdWrite->setEnabled(isChanged() && mayEdit_ && complete);
    c_.cmdCancel->setEnabled(!isNew_ && mayEdit_ && isChanged());
    const bool printable = !isNew_ && !c_.cmdWrite->isEnabled();
    c_.cmdPrint->setEnabled(printable);
    c_.cmdExportToWord->setEnabled(printable);
    fuel_->applyEnablingRules();
}
