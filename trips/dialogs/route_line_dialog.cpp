#include "trips/dialogs/route_line_dialog.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/fuel_balance.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace trips {
namespace {

const QString segmentType = QStringLiteral("O4000601");
const QString normType = QStringLiteral("O4000603");
const QString employeeType = QStringLiteral("O0001401");

double roundTo4(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

} // namespace

frmTransportTripRoute::frmTransportTripRoute(const RouteLineRequest& request, QWidget* parent)
    : EntryDialog(QStringLiteral("frmTransportTripRoute"), QStringLiteral("Kelionės atkarpa"), parent), request_(request)
{
    dtpDate = cards::dateField("dtpDate", this);
    txtRoute = cards::choiceField("txtRoute", segmentType, QStringLiteral("Pasirinkite atkarpą"), QStringLiteral("T"), this);
    cmdRoute = cards::namedButton("cmdRoute", this);
    cmdRoute->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuRoutes = new QMenu(cmdRoute);
    mnuRoutes->setObjectName(QStringLiteral("mnuRoutes"));
    mnuNewRoute = mnuRoutes->addAction(QStringLiteral("Nauja atkarpa"));
    mnuNewRoute->setObjectName(QStringLiteral("mnuNewRoute"));
    txtFuelNorm = cards::choiceField("txtFuelNorm", normType, QString(), QString(), this);
    cmdFuelNorm = cards::namedButton("cmdFuelNorm", this);
    txtDriver = cards::choiceField("txtDriver", employeeType, QStringLiteral("Pasirinkite vairuotoją"), QStringLiteral("C,UserD"),
                            this);
    cmdDrivers = cards::namedButton("cmdDrivers", this);
    txtDistance = cards::numberField("txtDistance", 2, this);
    txtDuration = cards::numberField("txtDuration", 2, this);
    txtFuelNormByDistance = cards::numberField("txtFuelNormByDistance", 4, this);
    txtFuelByDistance = cards::numberField("txtFuelByDistance", 3, this);
    txtFuelNormByDuration = cards::numberField("txtFuelNormByDuration", 4, this);
    txtFuelByDuration = cards::numberField("txtFuelByDuration", 3, this);
    txtComment = new QLineEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    // Defers the new segment's card until the menu that asked for it has closed.
    timerDragDrop = new QTimer(this);
    timerDragDrop->setObjectName(QStringLiteral("timerDragDrop"));
    timerDragDrop->setSingleShot(true);
    timerDragDrop->setInterval(0);

    QGridLayout* grid = fieldGrid();
    addLabel(QStringLiteral("Data"), dtpDate, 0);
    grid->addWidget(dtpDate, 0, 1);
    addLabel(QStringLiteral("Atkarpa"), txtRoute, 1);
    grid->addWidget(cards::chooserRow(txtRoute, cmdRoute, this), 1, 1, 1, 3);
    addLabel(QStringLiteral("Kuro norma"), txtFuelNorm, 2);
    grid->addWidget(cards::chooserRow(txtFuelNorm, cmdFuelNorm, this), 2, 1, 1, 3);
    addLabel(QStringLiteral("Vairuotojas"), txtDriver, 3);
    grid->addWidget(cards::chooserRow(txtDriver, cmdDrivers, this), 3, 1, 1, 3);
    addLabel(QStringLiteral("Atstumas (km)"), txtDistance, 4);
    grid->addWidget(txtDistance, 4, 1);
    addLabel(QStringLiteral("Trukmė"), txtDuration, 4, 2);
    grid->addWidget(txtDuration, 4, 3);
    addLabel(QStringLiteral("Norma 100 km"), txtFuelNormByDistance, 5);
    grid->addWidget(txtFuelNormByDistance, 5, 1);
    addLabel(QStringLiteral("Kuras"), txtFuelByDistance, 5, 2);
    grid->addWidget(txtFuelByDistance, 5, 3);
    addLabel(QStringLiteral("Norma 1 val."), txtFuelNormByDuration, 6);
    grid->addWidget(txtFuelNormByDuration, 6, 1);
    addLabel(QStringLiteral("Kuras"), txtFuelByDuration, 6, 2);
    grid->addWidget(txtFuelByDuration, 6, 3);
    addLabel(QStringLiteral("Pastabos"), txtComment, 7);
    grid->addWidget(txtComment, 7, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    setTabChain({dtpDate, cmdRoute, cmdFuelNorm, cmdDrivers, txtDistance, txtDuration, txtFuelNormByDistance,
                 txtFuelByDistance, txtFuelNormByDuration, txtFuelByDuration, txtComment, writeButton(), cancelButton()});
    resize(520, sizeHint().height());

    connect(dtpDate, &QDateEdit::dateChanged, this, [this] { handle([this] { checkDate(); }); });
    connect(cmdRoute, &QPushButton::clicked, this, [this] { handle([this] { chooseRoute(); }); });
    connect(cmdRoute, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { mnuRoutes->popup(cmdRoute->mapToGlobal(at)); });
    connect(mnuNewRoute, &QAction::triggered, timerDragDrop, qOverload<>(&QTimer::start));
    connect(timerDragDrop, &QTimer::timeout, this, [this] {
        timerDragDrop->stop();
        handle([this] { newRouteSegment(); });
    });
    connect(cmdFuelNorm, &QPushButton::clicked, this, [this] { handle([this] { chooseFuelNorm(); }); });
    connect(cmdDrivers, &QPushButton::clicked, this, [this] {
        handle([this] {
            if (!txtDriver->choose().isEmpty())
                updateWriteButton();
        });
    });
    for (NumberField* input : {txtDistance, txtDuration, txtFuelNormByDistance, txtFuelNormByDuration})
        connect(input, &QLineEdit::textChanged, this, [this] {
            if (!isLoading())
                handle([this] {
                    fuelFromNorms();
                    updateWriteButton();
                });
        });
    for (NumberField* norm : {txtFuelNormByDistance, txtFuelNormByDuration})
        connect(norm, &QLineEdit::editingFinished, this, [this] { handle([this] { fuelFromNorms(); }); });
    for (NumberField* fuel : {txtFuelByDistance, txtFuelByDuration}) {
        connect(fuel, &QLineEdit::textChanged, this, [this] {
            if (!isLoading())
                handle([this] {
                    normsFromFuel();
                    updateWriteButton();
                });
        });
        connect(fuel, &QLineEdit::editingFinished, this, [this] { handle([this] { normsFromFuel(); }); });
    }
    connect(writeButton(), &QPushButton::clicked, this, [this] { handle([this] { write(); }); });
}

bool frmTransportTripRoute::load()
{
    if (!openObject(request_.routeLineOidr))
        return false;
    LoadingGuard loading(*this);
    const vx::RecordFields line = object()->Fields();
    QString routeId, normId, driverId;
    if (isNew()) {
        dtpDate->setDate(vx::clock::today());
        if (vx::oid::hasRecord(request_.copyFromOidr)) {
            if (const vx::VxObjectUIOPtr copied = Catalogue::GetEditor(request_.copyFromOidr)) {
                const vx::RecordFields from = copied->Fields();
                dtpDate->setDate(Catalogue::DateOrDefault(from.value(QStringLiteral("Date")), dtpDate->date()));
                normId = vx::oid::make(normType, Catalogue::LongOrZero(from.value(QStringLiteral("TransportFuelNormID"))));
                driverId = vx::oid::make(employeeType, Catalogue::LongOrZero(from.value(QStringLiteral("UserID"))));
            }
        }
        if (!vx::oid::hasRecord(driverId))
            driverId = request_.defaultDriverOidr;
        if (request_.routeSegmentId > 0) {
            const QString segmentId = vx::oid::make(segmentType, request_.routeSegmentId);
            if (const vx::VxObjectUIOPtr segment = Catalogue::GetEditor(segmentId)) {
                const vx::RecordFields stored = segment->Fields();
                txtDistance->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(stored.value(QStringLiteral("Distance"))), 2));
                txtDuration->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(stored.value(QStringLiteral("Duration"))), 2));
                routeId = segmentId;
            }
        }
    } else {
        const QDateTime moment = Catalogue::DateTimeOrDefault(line.value(QStringLiteral("Date")), QDateTime());
        dtpDate->setDate(moment.date());
        time_ = moment.time();
        routeId = vx::oid::make(segmentType, Catalogue::LongOrZero(line.value(QStringLiteral("TransportRouteID"))));
        normId = vx::oid::make(normType, Catalogue::LongOrZero(line.value(QStringLiteral("TransportFuelNormID"))));
        driverId = vx::oid::make(employeeType, Catalogue::LongOrZero(line.value(QStringLiteral("UserID"))));
        txtDistance->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(line.value(QStringLiteral("Distance"))), 2));
        txtDuration->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(line.value(QStringLiteral("Duration"))), 2));
        txtComment->setText(Catalogue::TextOrEmpty(line.value(QStringLiteral("Note"))));
    }
    Catalogue::ShowObjectName(routeId, txtRoute);
    Catalogue::SetTag(txtFuelNorm, normId);
    fillNorms();
    fuelFromNorms();
    Catalogue::ShowObjectName(driverId, txtDriver);
    updateWriteButton();
    return true;
}

// The line's own norms; where one is 0, the chosen fuel norm's value.
void frmTransportTripRoute::fillNorms()
{
    const vx::RecordFields line = object()->Fields();
    double perHundredKm = Catalogue::DoubleOrZero(line.value(QStringLiteral("FuelNormByDistance")));
    double perHour = Catalogue::DoubleOrZero(line.value(QStringLiteral("FuelNormByDuration")));
    const QString normId = txtFuelNorm->objectId();
    const vx::VxObjectUIOPtr norm =
        vx::oid::hasRecord(normId) && vx::oid::recordNumber(normId) > 0 ? Catalogue::GetEditor(normId) : nullptr;
    if (norm) {
        Catalogue::ShowObjectName(normId, txtFuelNorm);
        const vx::RecordFields values = norm->Fields();
        if (perHundredKm == 0)
            perHundredKm = Catalogue::DoubleOrZero(values.value(QStringLiteral("Value")));
        if (perHour == 0)
            perHour = Catalogue::DoubleOrZero(values.value(QStringLiteral("DurationValue")));
    } else {
        Catalogue::ClearObjectName(txtFuelNorm);
    }
    txtFuelNormByDistance->setText(vx::numbers::fixed(perHundredKm, 4));
    txtFuelNormByDuration->setText(vx::numbers::fixed(perHour, 4));
}

void frmTransportTripRoute::fuelFromNorms()
{
    LoadingGuard writing(*this);
    const double distance = txtDistance->value();
    const double duration = txtDuration->value();
    const double perHundredKm = txtFuelNormByDistance->value();
    const double perHour = txtFuelNormByDuration->value();
    txtFuelByDistance->setText(vx::numbers::fixed(vx::fuel::lineByNorms(perHundredKm, distance, 0, 0), 3));
    txtFuelByDistance->setEnabled(perHundredKm > 0 && distance > 0);
    txtFuelByDuration->setText(vx::numbers::fixed(vx::fuel::lineByNorms(0, 0, perHour, duration), 3));
    txtFuelByDuration->setEnabled(perHour > 0 && duration > 0);
}

void frmTransportTripRoute::normsFromFuel()
{
    LoadingGuard writing(*this);
    const double distance = txtDistance->value();
    const double duration = txtDuration->value();
    const double fuelByDistance = txtFuelByDistance->value();
    const double fuelByDuration = txtFuelByDuration->value();
    const double perHundredKm = fuelByDistance > 0 && distance > 0 ? roundTo4(fuelByDistance * 100 / distance) : 0;
    const double perHour = fuelByDuration > 0 && duration > 0 ? roundTo4(fuelByDuration / duration) : 0;
    txtFuelNormByDistance->setText(vx::numbers::fixed(perHundredKm, 4));
    txtFuelNormByDuration->setText(vx::numbers::fixed(perHour, 4));
}

void frmTransportTripRoute::updateWriteButton()
{
    const bool chosen = vx::oid::hasRecord(txtRoute->objectId()) && vx::oid::hasRecord(txtFuelNorm->objectId())
                        && vx::oid::hasRecord(txtDriver->objectId());
    const bool byDistance = txtFuelNormByDistance->value() > 0 && txtDistance->value() > 0;
    const bool byDuration = txtFuelNormByDuration->value() > 0 && txtDuration->value() > 0;
    writeButton()->setEnabled(chosen && (byDistance || byDuration));
}

void frmTransportTripRoute::checkDate()
{
    if (!request_.tripStart.isValid() || dtpDate->date() >= request_.tripStart)
        return;
    Catalogue::ShowError(QStringLiteral("Data ankstesnė už kelionės lapo pradžios datą!"), messageTitle());
    dtpDate->setDate(request_.tripStart);
}

void frmTransportTripRoute::chooseRoute()
{
    const QString chosen = txtRoute->choose();
    if (vx::oid::hasRecord(chosen))
        takeRouteSegment(chosen);
}

// A chosen segment brings its distance and duration as stored.
void frmTransportTripRoute::takeRouteSegment(const QString& segmentId)
{
    txtDistance->setText(QStringLiteral("0"));
    txtDuration->setText(QStringLiteral("0"));
    if (const vx::VxObjectUIOPtr segment = Catalogue::GetEditor(segmentId)) {
        const vx::RecordFields stored = segment->Fields();
        txtDistance->setText(vx::numbers::plain(Catalogue::DoubleOrZero(stored.value(QStringLiteral("Distance")))));
        txtDuration->setText(vx::numbers::plain(Catalogue::DoubleOrZero(stored.value(QStringLiteral("Duration")))));
    }
    updateWriteButton();
}

void frmTransportTripRoute::newRouteSegment()
{
    const QString created = Catalogue::ShowVxObjectModal(segmentType, txtRoute);
    if (vx::oid::hasRecord(created))
        takeRouteSegment(created);
}

void frmTransportTripRoute::chooseFuelNorm()
{
    const vx::VxSPtr services = module::services();
    if (!services)
        return;
    const vx::CallResult chosen = services->Objects().CallFunction(
        QStringLiteral("VxGroupSelect"),
        QStringLiteral("DO4000100_GetTripCarFuelNorms('%1');;Pasirinkitė kuro normą").arg(request_.vehicleOidr));
    const auto norms = chosen.Value.value<vx::RecordsetPtr>();
    if (!norms || norms->RecordCount() < 1)
        return;
    if (norms->isBOF() || norms->isEOF())
        norms->MoveFirst();
    txtFuelNorm->setText(Catalogue::TextOrEmpty(norms->value(u"TransportFuelNormName")));
    Catalogue::SetTag(txtFuelNorm, Catalogue::TextOrEmpty(norms->value(u"OIDR")));
    // The norms arrive with 3 and 2 decimals; leaving the fields shows 4 again.
    txtFuelNormByDistance->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(norms->value(u"FuelNormByDistance")), 3));
    txtFuelNormByDuration->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(norms->value(u"FuelNormByDuration")), 2));
    updateWriteButton();
}

void frmTransportTripRoute::write()
{
    const double perHundredKm = txtFuelNormByDistance->value();
    const double perHour = txtFuelNormByDuration->value();
    const vx::RecordFields line = object()->Fields();
    line.setValue(QStringLiteral("TransportTripID"), request_.tripId);
    line.setValue(QStringLiteral("TransportRouteID"), txtRoute->recordNumber());
    line.setValue(QStringLiteral("TransportFuelNormID"), txtFuelNorm->recordNumber());
    line.setValue(QStringLiteral("UserID"), txtDriver->recordNumber());
    line.setValue(QStringLiteral("FuelNormByDistance"), perHundredKm);
    line.setValue(QStringLiteral("FuelNormByDuration"), perHour);
    line.setValue(QStringLiteral("Date"), QDateTime(dtpDate->date(), time_.isValid() ? time_ : QTime(0, 0)));
    line.setValue(QStringLiteral("Distance"), txtDistance->value());
    line.setValue(QStringLiteral("Duration"), txtDuration->value());
    line.setValue(QStringLiteral("Note"), txtComment->text());
    if (saveObject(QMessageBox::NoIcon))
        accept();
}

} // namespace trips
