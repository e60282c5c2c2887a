#include "vehicles/dialogs/tyre_mounting_dialog.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/date_pair.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "platform/contract/clock.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "platform/contract/recordset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace vehicles {
namespace {

const QString tyreType = QStringLiteral("O4000800");

// Axle numbers a vehicle can have: a truck has up to five.
constexpr int firstAxle = 1;
constexpr int lastAxle = 9;

// A run as the record keeps it: the whole kilometres a field shows, 0 for a
// field that holds no number.
qint64 runOf(const NumberField* field)
{
    return qRound64(field->value());
}

// Dates in a question's parameter, whatever the user's short date form.
QString questionDate(const QDate& date)
{
    return QLatin1Char('\'') + date.toString(QStringLiteral("yyyy.MM.dd")) + QLatin1Char('\'');
}

QLabel* label(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* made = new QLabel(caption, parent);
    made->setBuddy(buddy);
    return made;
}

} // namespace

frmTransportCarTyres::frmTransportCarTyres(const TyreMountingRequest& request, QWidget* parent)
    : EntryDialog(QStringLiteral("frmTransportCarTyres"), QStringLiteral(" Padanga"), parent), request_(request)
{
    frameTyre = new QGroupBox(QStringLiteral("Padanga"), this);
    frameTyre->setObjectName(QStringLiteral("frameTyre"));
    txtTyre = cards::choiceField("txtTyre", tyreType, QStringLiteral("Pasirinkite padangą"), QStringLiteral("Tyre"),
                                 frameTyre);
    cmdTyres = cards::namedButton("cmdTyres", frameTyre);

    framePosition = new QGroupBox(QStringLiteral("Pozicija"), this);
    framePosition->setObjectName(QStringLiteral("framePosition"));
    txtAxis = new QSpinBox(framePosition);
    txtAxis->setObjectName(QStringLiteral("txtAxis"));
    txtAxis->setRange(firstAxle, lastAxle);
    txtAxis->setValue(1);
    cmbCarSide = new QComboBox(framePosition);
    cmbCarSide->setObjectName(QStringLiteral("cmbCarSide"));
    cmbCarSide->addItems({QStringLiteral("Kairė pusė"), QStringLiteral("Dešinė pusė")});
    cmbPosition = new QComboBox(framePosition);
    cmbPosition->setObjectName(QStringLiteral("cmbPosition"));
    cmbPosition->addItems({QStringLiteral("Pirma (vidinė)"), QStringLiteral("Antra (išorinė)"),
                           QStringLiteral("Trečia (išorinė)")});

    dtpDateFrom = cards::dateField("dtpDateFrom", this);
    chkDateTo = new QCheckBox(QStringLiteral("Nuimta"), this);
    chkDateTo->setObjectName(QStringLiteral("chkDateTo"));
    dtpDateTo = cards::dateField("dtpDateTo", this);
    period_ = std::make_unique<DatePair>(dtpDateFrom, chkDateTo, dtpDateTo, DatePair::EarlyEnd::TakesStart,
                                         DatePair::WithoutEnd::DisablesPicker);
    for (int i = 0; i < 2; ++i) {
        txtRun[i] = cards::numberField(i == 0 ? "txtRun0" : "txtRun1", 0, this);
        // A typed comma is taken and rounded away on leaving.
        txtRun[i]->setAllowDecimal(true);
        txtRun[i]->installEventFilter(this);
    }
    cmdCalculate = new QPushButton(QStringLiteral("Apskaičiuoti"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    layOut();

    connect(cmdTyres, &QPushButton::clicked, this, [this] { handle([this] { chooseTyre(); }); });
    connect(txtTyre, &ChoiceField::objectChanged, this, [this] { updateEnabling(); });
    connect(cmdCalculate, &QPushButton::clicked, this, [this] { handle([this] { calculateEndRun(); }); });
    connect(writeButton(), &QPushButton::clicked, this, [this] { handle([this] { write(); }); });
}

frmTransportCarTyres::~frmTransportCarTyres() = default;

void frmTransportCarTyres::layOut()
{
    auto* tyreRow = new QHBoxLayout(frameTyre);
    tyreRow->addWidget(cards::chooserRow(txtTyre, cmdTyres, frameTyre));

    auto* position = new QHBoxLayout(framePosition);
    position->addWidget(label(QStringLiteral("Ašis"), txtAxis, framePosition));
    position->addWidget(txtAxis);
    position->addSpacing(8);
    position->addWidget(label(QStringLiteral("Pusė"), cmbCarSide, framePosition));
    position->addWidget(cmbCarSide, 1);
    position->addSpacing(8);
    position->addWidget(label(QStringLiteral("Pozicija"), cmbPosition, framePosition));
    position->addWidget(cmbPosition, 1);

    QGridLayout* grid = fieldGrid();
    grid->addWidget(frameTyre, 0, 0, 1, 4);
    grid->addWidget(framePosition, 1, 0, 1, 4);
    addLabel(QStringLiteral("Sumontuota"), dtpDateFrom, 2);
    grid->addWidget(dtpDateFrom, 2, 1);
    addLabel(QStringLiteral("Rida (km) pr."), txtRun[0], 2, 2);
    grid->addWidget(txtRun[0], 2, 3);
    grid->addWidget(chkDateTo, 3, 0);
    grid->addWidget(dtpDateTo, 3, 1);
    addLabel(QStringLiteral("Rida (km) pab."), txtRun[1], 3, 2);
    grid->addWidget(txtRun[1], 3, 3);
    grid->addWidget(cmdCalculate, 4, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    setTabChain({cmdTyres, txtAxis, cmbCarSide, cmbPosition, dtpDateFrom, txtRun[0], chkDateTo, dtpDateTo, txtRun[1],
                 cmdCalculate, writeButton(), cancelButton()});
    resize(560, sizeHint().height());
}

bool frmTransportCarTyres::load()
{
    if (!openObject(request_.mountingOidr))
        return false;
    LoadingGuard loading(*this);
    if (request_.tyreId > 0)
        txtTyre->showObject(vx::oid::make(tyreType, request_.tyreId));
    else
        txtTyre->clearObject();
    const QDate today = vx::clock::today();
    if (isNew()) {
        period_->load(today, QVariant(), today);
        cmbCarSide->setCurrentIndex(0);
        cmbPosition->setCurrentIndex(0);
        if (vx::oid::hasRecord(txtTyre->objectId()))
            checkTyreInUse();
        proposeRuns();
    } else {
        const vx::RecordFields fields = object()->Fields();
        txtAxis->setValue(Catalogue::IntegerOrZero(fields.value(QStringLiteral("Axis"))));
        cmbCarSide->setCurrentIndex(Catalogue::IntegerOrZero(fields.value(QStringLiteral("CarSide"))));
        cmbPosition->setCurrentIndex(Catalogue::IntegerOrZero(fields.value(QStringLiteral("PositionOnAxis"))) - 1);
        period_->load(Catalogue::DateOrDefault(fields.value(QStringLiteral("DateFrom")), today),
                      fields.value(QStringLiteral("DateTo")), today);
        txtRun[0]->setText(QString::number(Catalogue::LongOrZero(fields.value(QStringLiteral("TyreRunFrom")))));
        txtRun[1]->setText(QString::number(Catalogue::LongOrZero(fields.value(QStringLiteral("TyreRunTo")))));
    }
    framePosition->setEnabled(isNew());
    updateEnabling();
    return true;
}

QVariant frmTransportCarTyres::ask(const QString& name, const QString& param, const char* field, bool* answered)
{
    lastAnswer_ = object()->Properties(name, param);
    const bool ok = lastAnswer_.Code == 0;
    if (answered)
        *answered = ok;
    const auto rows = lastAnswer_.Value.value<vx::RecordsetPtr>();
    if (!ok || !rows || rows->RecordCount() == 0)
        return {};
    rows->MoveFirst();
    return rows->value(QString::fromLatin1(field));
}

qint64 frmTransportCarTyres::tyreNumber() const
{
    return txtTyre->recordNumber();
}

void frmTransportCarTyres::checkTyreInUse()
{
    bool answered = false;
    const QVariant inUse = ask(QStringLiteral("CheckTyreInUse"), QString::number(tyreNumber()), "Result", &answered);
    if (!answered) {
        txtTyre->clearObject();
    } else if (Catalogue::LongOrZero(inUse) != 0) {
        Catalogue::ShowError(QStringLiteral("Padanga jau sumontuota"), messageTitle());
        txtTyre->clearObject();
        setRuns(QStringLiteral("0"));
    }
}

void frmTransportCarTyres::proposeRuns()
{
    if (!vx::oid::hasRecord(txtTyre->objectId()))
        return;
    bool answered = false;
    // A tyre never mounted has no run yet: it starts from 0.
    const QVariant reached = ask(QStringLiteral("TyreRun"), QString::number(tyreNumber()), "MaxRunTo", &answered);
    setRuns(answered ? QString::number(Catalogue::LongOrZero(reached)) : QStringLiteral("0"));
}

void frmTransportCarTyres::setRuns(const QString& text)
{
    txtRun[0]->setText(text);
    txtRun[1]->setText(text);
}

void frmTransportCarTyres::chooseTyre()
{
    if (txtTyre->choose().isEmpty())
        return;
    checkTyreInUse();
    proposeRuns();
    updateEnabling();
}

void frmTransportCarTyres::calculateEndRun()
{
    const QDate end = period_->hasEnd() ? period_->end() : vx::clock::today();
    const QString param =
        QStringLiteral("%1,%2,%3").arg(request_.vehicleId).arg(questionDate(period_->start()), questionDate(end));
    bool answered = false;
    const QVariant distance = ask(QStringLiteral("CarRun"), param, "Distance", &answered);
    if (answered)
        txtRun[1]->setText(vx::numbers::plain(Catalogue::DoubleOrZero(distance) + double(runOf(txtRun[0]))));
}

// Leaving a run field: an end below the start takes the start's text, before
// the field left is written as a whole number.
bool frmTransportCarTyres::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == txtRun[0] || watched == txtRun[1])) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason
            && txtRun[0]->value() > txtRun[1]->value())
            txtRun[1]->setText(txtRun[0]->text());
    }
    return EntryDialog::eventFilter(watched, event);
}

void frmTransportCarTyres::updateEnabling()
{
    const bool hasTyre = vx::oid::hasRecord(txtTyre->objectId());
    writeButton()->setEnabled(hasTyre);
    cmdCalculate->setEnabled(hasTyre);
}

void frmTransportCarTyres::write()
{
    const int side = cmbCarSide->currentIndex();
    const int position = cmbPosition->currentIndex() + 1;
    if (isNew()) {
        bool answered = false;
        const QString place =
            QStringLiteral("%1,%2,%3,%4").arg(request_.vehicleId).arg(txtAxis->value()).arg(side).arg(position);
        const QVariant taken = ask(QStringLiteral("CheckPosition"), place, "Result", &answered);
        if (answered && Catalogue::LongOrZero(taken) != 0) {
            Catalogue::ShowError(QStringLiteral("Nurodytoje pozicijoje padanga jau sumontuota"), messageTitle());
            return;
        }
    }
    const vx::RecordFields fields = object()->Fields();
    fields.setValue(QStringLiteral("TransportID"), request_.vehicleId);
    fields.setValue(QStringLiteral("Axis"), txtAxis->value());
    fields.setValue(QStringLiteral("CarSide"), side);
    fields.setValue(QStringLiteral("PositionOnAxis"), position);
    fields.setValue(QStringLiteral("TyreID"), tyreNumber());
    fields.setValue(QStringLiteral("DateFrom"), period_->start());
    fields.setValue(QStringLiteral("TyreRunFrom"), runOf(txtRun[0]));
    fields.setValue(QStringLiteral("TyreRunTo"), runOf(txtRun[1]));
    fields.setValue(QStringLiteral("DateTo"), period_->hasEnd() ? QVariant(period_->end()) : QVariant());
    if (saveObject(QMessageBox::NoIcon))
        accept();
}

} // namespace vehicles
