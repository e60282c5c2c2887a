// The trip sheet card: its controls' handlers, loading (InitForm) and the
// enabling rules.

#include "trips/card/trip_sheet_card.h"

#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/clock.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "trips/method_arguments.h"
#include "trips/trip_numbers.h"
#include "trips/trip_sheet_fields.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
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
    connect(c_.dtpDateFrom, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (isLoading())
            return;
        if (date > c_.dtpDateTo->date())
            c_.dtpDateTo->setDate(date);
        markChangedAndApply();
    });
    connect(c_.dtpDateTo, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (isLoading())
            return;
        if (date < c_.dtpDateFrom->date())
            c_.dtpDateFrom->setDate(date);
        markChangedAndApply();
    });
    connect(c_.chkDateTo, &QCheckBox::toggled, this, edited);
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

    for (int i = 0; i < 2; ++i)
        connectTank(i);

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
    connect(c_.SSCClose, &QToolButton::clicked, this, handle(&frmTransportTripsSV::closeCard));
    connect(c_.SSCClose, &QWidget::customContextMenuRequested, this, handle(&frmTransportTripsSV::deleteSheet));
    connect(c_.SOPanel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { runHandler([this, at] { popUpCardMenu(at); }); });

    for (QTreeWidget* list : {c_.lvwRoutes, c_.lvwCheques}) {
        connect(list, &QTreeWidget::itemDoubleClicked, this,
                [this, list] { runHandler([this, list] { openSelectedRow(list); }); });
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint& at) { runHandler([this, list, at] { popUpListMenu(list, at); }); });
        list->installEventFilter(this);
    }
    c_.lvwRoutes->viewport()->installEventFilter(this);
    connect(c_.timerDragDrop, &QTimer::timeout, this, handle(&frmTransportTripsSV::addDroppedSegment));
}

void frmTransportTripsSV::connectTank(int i)
{
    TripSheetControls::Tank& tank = c_.tanks[i];
    connect(tank.cmdFuelType, &QToolButton::clicked, this, [this, i] { runHandler([this, i] { chooseFuelType(i); }); });
    connect(tank.cmdCleanFuelType, &QToolButton::clicked, this, [this, i] { runHandler([this, i] { clearTank(i); }); });
    for (QLineEdit* f : {static_cast<QLineEdit*>(tank.txtFuelRest), static_cast<QLineEdit*>(tank.txtFinalRest)})
        connect(f, &QLineEdit::textChanged, this, [this] { markChangedAndApply(); });
    connect(tank.txtFuelRest, &TripNumberField::left, this, [this, f = tank.txtFuelRest] {
        runHandler([this, f] {
            leaveNumberField(f);
            recomputeFuelPanel();
        });
    });
    connect(tank.txtFinalRest, &TripNumberField::left, this, [this, i, f = tank.txtFinalRest] {
        runHandler([this, i, f] {
            leaveNumberField(f);
            rememberedRest_[i] = f->text();
        });
    });
    connect(
        tank.chkFinalRest, &QCheckBox::clicked, this, [this, i] { runHandler([this, i] { finalRestClicked(i); }); });
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

    c_.dtpDateTo->setVisible(false);
    c_.dtpDateTo->setDate(vx::clock::today());
    c_.cmdCar->setEnabled(isNew_);

    QTabBar* tabs = c_.TabStrip->tabBar();
    tabs->setTabEnabled(0, !isNew_);
    tabs->setTabEnabled(1, !isNew_);
    c_.TabStrip->setCurrentIndex(isNew_ ? 2 : 0);
    c_.lvwFuelBill->setVisible(!isNew_);

    for (ChoiceField* choice : {c_.txtCar, c_.txtDriver, c_.tanks[0].txtFuelType, c_.tanks[1].txtFuelType})
        choice->clearObject();
    c_.chkDateTo->setChecked(false);

    c_.txtName->setText(Catalogue::TextOrEmpty(sheet.value(field("Name"))));
    c_.txtCode->setText(Catalogue::TextOrEmpty(sheet.value(field("Code"))));
    c_.txtSpidometrFrom->setText(QStringLiteral("0"));
    c_.dtpDateFrom->setDate(Catalogue::DateOrDefault(sheet.value(field("Date")), vx::clock::today()));

    const qint64 vehicleId = Catalogue::LongOrZero(sheet.value(field("TransportCarID")));
    qint64 driverId = Catalogue::LongOrZero(sheet.value(field("UserID")));
    if (vehicleId > 0) {
        const qint64 vehicleDriver = setVehicle(vx::oid::make(u"O4000400", vehicleId), driverId != 0);
        if (driverId == 0)
            driverId = vehicleDriver;
    }
    if (driverId > 0)
        c_.txtDriver->showObject(vx::oid::make(u"O0001401", driverId));

    const QVariant dateTo = sheet.value(field("DateTo"));
    if (!dateTo.isNull()) {
        c_.chkDateTo->setChecked(true);
        c_.dtpDateTo->setDate(Catalogue::DateOrDefault(dateTo, c_.dtpDateFrom->date()));
    } else {
        c_.dtpDateTo->setDate(c_.dtpDateFrom->date());
    }

    for (int i = 0; i < 2; ++i) {
        TripSheetControls::Tank& tank = c_.tanks[i];
        const int n = i + 1;
        tank.txtFuelType->showObject(
            vx::oid::make(u"O4000604", Catalogue::LongOrZero(sheet.value(trips::fields::fuelTankTypeId(n)))));
        tank.txtFuelRest->setText(
            trips::numbers::fuel(Catalogue::DoubleOrZero(sheet.value(trips::fields::fuelRest(n)))));
        const bool given = Catalogue::LongOrZero(sheet.value(trips::fields::finalRestIndication(n))) != 0;
        tank.chkFinalRest->setChecked(given);
        tank.txtFinalRest->setText(
            given ? trips::numbers::fuel(Catalogue::DoubleOrZero(sheet.value(trips::fields::finalRest(n))))
                  : QStringLiteral("0"));
        rememberedRest_[i] = tank.txtFinalRest->text();
    }

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
            = editor->Methods(QStringLiteral("GetAutoNumber"), trips::argumentList({ 0, QVariant() }));
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

bool frmTransportTripsSV::QueryRemove()
{
    return !c_.cmdWrite->isEnabled() || Catalogue::AskCloseWithoutSaving(closingDetails());
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
    c_.dtpDateTo->setVisible(c_.chkDateTo->isChecked());
    for (TripSheetControls::Tank& tank : c_.tanks) {
        const bool typed = vx::oid::hasRecord(tank.txtFuelType->objectId());
        for (QWidget* row : std::initializer_list<QWidget*>{tank.txtFuelRest, tank.txtFuelTaken, tank.txtFuelUsed,
                                                            tank.txtFuelFinal, tank.txtFinalRest})
            tank.form->setRowVisible(row, typed);
        tank.chkFinalRest->setEnabled(typed);
        tank.txtFinalRest->setEnabled(tank.chkFinalRest->isChecked());
    }
}

bool frmTransportTripsSV::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.lvwRoutes->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (takesDrop(drag->mimeData()->text())) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString text = drop->mimeData()->text();
            if (!takesDrop(text)) {
                drop->ignore();
                return true;
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            runHandler([this, text] { dropRouteSegment(text); });
            return true;
        }
        default:
            break;
        }
    }
    if ((watched == c_.lvwRoutes || watched == c_.lvwCheques) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* list = static_cast<QTreeWidget*>(watched);
            runHandler([this, list] { openSelectedRow(list); });
            return true;
        }
    }
    return CardBase::eventFilter(watched, event);
}
