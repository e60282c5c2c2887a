#include "trips/dialogs/fuel_cheque_dialog.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "platform/contract/argument_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace trips {
namespace {

const QString firmType = QStringLiteral("O0000100");
const QString fuelType = QStringLiteral("O4000602");
const QString tankType = QStringLiteral("O4000604");

// A half-hundredth added before rounding to whole cents, so sums computed
// from rounded figures do not fall a cent short.
constexpr double roundingNudge = 0.00001;

double round2(double value)
{
    return std::round(value * 100.0) / 100.0;
}

} // namespace

frmTransportFuelCheque::frmTransportFuelCheque(const ChequeRequest& request, QWidget* parent)
    : EntryDialog(QStringLiteral("frmTransportFuelCheque"), QStringLiteral("Degalų pirkimo čekis"), parent),
      request_(request)
{
    txtNumber = new QLineEdit(this);
    txtNumber->setObjectName(QStringLiteral("txtNumber"));
    txtCode = new QLineEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    dtpDate = cards::dateField("dtpDate", this);
    txtFirm = cards::choiceField("txtFirm", firmType, QStringLiteral("Pasirinkite įmonę"), QStringLiteral("C"), this);
    cmdFirm = cards::namedButton("cmdFirm", this);
    txtFuelType = cards::choiceField("txtFuelType", fuelType, QStringLiteral("Pasirinkite kuro markę"), QStringLiteral("T"), this);
    cmdFuelType = cards::namedButton("cmdFuelType", this);
    txtFuelTankType = cards::choiceField("txtFuelTankType", tankType, QString(), QString(), this);
    txtAmount = cards::numberField("txtAmount", 3, this);
    chkPrice = new QCheckBox(QStringLiteral("Kuro kaina"), this);
    chkPrice->setObjectName(QStringLiteral("chkPrice"));
    txtPrice = cards::numberField("txtPrice", 4, this);
    txtSumCurr = cards::numberField("txtSumCurr", 2, this);
    cmbCurr = new QComboBox(this);
    cmbCurr->setObjectName(QStringLiteral("cmbCurr"));
    txtRate = cards::numberField("txtRate", 8, this);
    txtSum = new QLineEdit(this);
    txtSum->setObjectName(QStringLiteral("txtSum"));
    txtSum->setReadOnly(true);
    txtSum->setAlignment(Qt::AlignRight);
    optCard = new QRadioButton(QStringLiteral("Atsiskaityta kortele"), this);
    optCard->setObjectName(QStringLiteral("optCard"));
    optCash = new QRadioButton(QStringLiteral("Atsiskaityta grynais"), this);
    optCash->setObjectName(QStringLiteral("optCash"));
    auto* payment = new QButtonGroup(this);
    payment->addButton(optCard);
    payment->addButton(optCash);
    // A new cheque starts as paid by card, the usual way fuel is bought.
    optCard->setChecked(true);

    QGridLayout* grid = fieldGrid();
    addLabel(QStringLiteral("Numeris"), txtNumber, 0);
    grid->addWidget(txtNumber, 0, 1);
    addLabel(QStringLiteral("Kodas"), txtCode, 0, 2);
    grid->addWidget(txtCode, 0, 3);
    addLabel(QStringLiteral("Data"), dtpDate, 1);
    grid->addWidget(dtpDate, 1, 1);
    addLabel(QStringLiteral("Įmonė"), txtFirm, 2);
    grid->addWidget(cards::chooserRow(txtFirm, cmdFirm, this), 2, 1, 1, 3);
    addLabel(QStringLiteral("Kuro tipas, markė"), txtFuelType, 3);
    grid->addWidget(cards::chooserRow(txtFuelType, cmdFuelType, this), 3, 1, 1, 3);
    grid->addWidget(txtFuelTankType, 4, 1, 1, 3);
    addLabel(QStringLiteral("Kuro kiekis"), txtAmount, 5);
    grid->addWidget(txtAmount, 5, 1);
    grid->addWidget(chkPrice, 6, 0);
    grid->addWidget(txtPrice, 6, 1);
    addLabel(QStringLiteral("Suma valiuta"), txtSumCurr, 7);
    grid->addWidget(txtSumCurr, 7, 1);
    grid->addWidget(cmbCurr, 7, 2);
    addLabel(QStringLiteral("Valiutos kursas"), txtRate, 8);
    grid->addWidget(txtRate, 8, 1);
    addLabel(QStringLiteral("Suma litais"), txtSum, 9);
    grid->addWidget(txtSum, 9, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(optCard);
    options->addWidget(optCash);
    options->addStretch();
    grid->addLayout(options, 10, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    setTabChain({txtNumber, txtCode, dtpDate, cmdFirm, cmdFuelType, txtAmount, chkPrice, txtPrice, txtSumCurr, cmbCurr,
                 txtRate, optCard, optCash, writeButton(), cancelButton()});
    resize(520, sizeHint().height());

    const auto whenUser = [this](std::function<void()> action) {
        return [this, action] {
            if (!isLoading())
                handle(action);
        };
    };
    connect(txtNumber, &QLineEdit::textChanged, this, whenUser([this] { updateWriteButton(); }));
    // The date limit holds also for the date the dialog fills in itself.
    connect(dtpDate, &QDateEdit::dateChanged, this, [this] { handle([this] { dateChanged(); }); });
    connect(cmdFirm, &QPushButton::clicked, this, [this] {
        handle([this] {
            if (!txtFirm->choose().isEmpty())
                updateWriteButton();
        });
    });
    connect(cmdFuelType, &QPushButton::clicked, this, [this] {
        handle([this] {
            if (txtFuelType->choose().isEmpty())
                return;
            showFuelTankType();
            updateWriteButton();
        });
    });
    connect(txtAmount, &QLineEdit::textChanged, this, whenUser([this] {
        if (txtAmount->value() > 0) {
            if (chkPrice->isChecked())
                sumFromPrice();
            priceFromSum();
        }
        updateWriteButton();
    }));
    connect(chkPrice, &QCheckBox::toggled, txtPrice, &QWidget::setEnabled);
    connect(txtPrice, &QLineEdit::textChanged, this, whenUser([this] {
        if (chkPrice->isChecked() && !txtPrice->text().isEmpty())
            sumFromPrice();
        updateWriteButton();
    }));
    connect(txtSumCurr, &QLineEdit::textChanged, this, whenUser([this] {
        if (!txtSumCurr->text().isEmpty())
            sumInBaseCurrency();
        updateWriteButton();
    }));
    connect(txtSumCurr, &QLineEdit::editingFinished, this, whenUser([this] { priceFromSum(); }));
    connect(txtRate, &QLineEdit::textChanged, this, whenUser([this] {
        if (!txtRate->text().isEmpty())
            sumInBaseCurrency();
        updateWriteButton();
    }));
    connect(cmbCurr, &QComboBox::currentIndexChanged, this, whenUser([this] {
        rateFromCurrency();
        sumInBaseCurrency();
    }));
    connect(optCash, &QRadioButton::toggled, this, whenUser([this] { paymentChanged(); }));
    connect(writeButton(), &QPushButton::clicked, this, [this] { handle([this] { write(); }); });
}

QDate frmTransportFuelCheque::defaultDate() const
{
    const QDate today = vx::clock::today();
    if (!request_.tripEnd.isValid() || request_.tripEnd >= vx::dates::openEnd())
        return today >= request_.tripStart ? today : request_.tripStart;
    return request_.tripStart <= today && today < request_.tripEnd ? today : request_.tripEnd;
}

bool frmTransportFuelCheque::load()
{
    if (!openObject(request_.chequeOidr))
        return false;
    LoadingGuard loading(*this);
    QString firmId, fuelTypeId;
    if (isNew()) {
        dtpDate->setDate(defaultDate());
        txtNumber->clear();
        txtCode->clear();
        txtSumCurr->setText(vx::numbers::fixed(0, 2));
        txtSum->setText(vx::numbers::fixed(0, 2));
        Catalogue::FillCurrencyList(cmbCurr, currencyIds_, currencyRates_, 0, dtpDate->date());
        if (vx::oid::hasRecord(request_.copyFromOidr)) {
            if (const vx::VxObjectUIOPtr copied = Catalogue::GetEditor(request_.copyFromOidr)) {
                const vx::RecordFields from = copied->Fields();
                firmId = vx::oid::make(firmType, Catalogue::LongOrZero(from.value(QStringLiteral("FirmID"))));
                fuelTypeId = vx::oid::make(fuelType, Catalogue::LongOrZero(from.value(QStringLiteral("TransportFuelTypeID"))));
            }
        }
    } else {
        const vx::RecordFields cheque = object()->Fields();
        txtNumber->setText(Catalogue::TextOrEmpty(cheque.value(QStringLiteral("Name"))));
        txtCode->setText(Catalogue::TextOrEmpty(cheque.value(QStringLiteral("Code"))));
        dtpDate->setDate(Catalogue::DateOrDefault(cheque.value(QStringLiteral("Date")), vx::clock::today()));
        firmId = vx::oid::make(firmType, Catalogue::LongOrZero(cheque.value(QStringLiteral("FirmID"))));
        fuelTypeId = vx::oid::make(fuelType, Catalogue::LongOrZero(cheque.value(QStringLiteral("TransportFuelTypeID"))));
        txtAmount->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(cheque.value(QStringLiteral("FuelAmount"))), 3));
        txtSumCurr->setText(vx::numbers::fixed(Catalogue::DoubleOrZero(cheque.value(QStringLiteral("SumCurr"))), 2));
        Catalogue::FillCurrencyList(cmbCurr, currencyIds_, currencyRates_,
                                    Catalogue::LongOrZero(cheque.value(QStringLiteral("CurrencyID"))), dtpDate->date());
        const bool cash = Catalogue::IntegerOrZero(cheque.value(QStringLiteral("CashFlag"))) > 0;
        (cash ? optCash : optCard)->setChecked(true);
    }
    txtAmount->setAllowMinus(optCash->isChecked());
    Catalogue::ShowObjectName(firmId, txtFirm);
    Catalogue::ShowObjectName(fuelTypeId, txtFuelType);
    showFuelTankType();
    chkPrice->setChecked(false);
    txtPrice->setText(vx::numbers::fixed(0, 4));
    txtPrice->setEnabled(false);
    rateFromCurrency();
    sumInBaseCurrency();
    priceFromSum();
    updateWriteButton();
    return true;
}

// "???" until the chosen fuel type names a fuel tank type that exists.
void frmTransportFuelCheque::showFuelTankType()
{
    Catalogue::SetTag(txtFuelTankType, QString());
    txtFuelTankType->setText(QStringLiteral("???"));
    const vx::VxObjectUIOPtr fuel =
        vx::oid::hasRecord(txtFuelType->objectId()) ? Catalogue::GetEditor(txtFuelType->objectId()) : nullptr;
    if (!fuel)
        return;
    const qint32 tankTypeId = Catalogue::LongOrZero(fuel->Fields().value(QStringLiteral("TransportFuelTankTypeID")));
    const QString tankId = vx::oid::make(tankType, tankTypeId);
    if (tankTypeId > 0 && Catalogue::GetEditor(tankId))
        Catalogue::ShowObjectName(tankId, txtFuelTankType);
}

int frmTransportFuelCheque::currencyIndex() const
{
    const int index = cmbCurr->currentIndex();
    return cmbCurr->count() > 0 && index >= 0 && index < currencyRates_.size() ? index : -1;
}

void frmTransportFuelCheque::rateFromCurrency()
{
    const int index = currencyIndex();
    txtRate->setText(vx::numbers::fixed(index >= 0 ? currencyRates_.at(index) : 0.0, 8));
}

void frmTransportFuelCheque::sumInBaseCurrency()
{
    txtSum->setText(vx::numbers::fixed(txtSumCurr->value() * txtRate->value() + roundingNudge, 2));
}

void frmTransportFuelCheque::sumFromPrice()
{
    txtSumCurr->setText(vx::numbers::fixed(txtAmount->value() * txtPrice->value() + roundingNudge, 2));
    sumInBaseCurrency();
}

// A price in whole cents when it gives the sum back exactly, else to four decimals.
void frmTransportFuelCheque::priceFromSum()
{
    const double amount = txtAmount->value();
    if (txtAmount->text().isEmpty() || amount == 0)
        return;
    const double price = txtSumCurr->value() / amount;
    const bool wholeCents =
        vx::numbers::fixed(amount * round2(price + roundingNudge) + roundingNudge, 2) == txtSumCurr->text();
    LoadingGuard writing(*this);
    txtPrice->setText(wholeCents ? vx::numbers::fixed(price + roundingNudge, 2) : vx::numbers::fixed(price, 4));
}

void frmTransportFuelCheque::updateWriteButton()
{
    const bool chosen = cmbCurr->count() > 0 && vx::oid::hasRecord(txtFirm->objectId())
                        && vx::oid::hasRecord(txtFuelType->objectId()) && vx::oid::hasRecord(txtFuelTankType->objectId());
    bool paid = false;
    if (optCash->isChecked())
        paid = !txtAmount->text().isEmpty();
    else
        paid = !txtNumber->text().isEmpty() && !txtAmount->text().isEmpty() && !txtSumCurr->text().isEmpty()
               && txtAmount->value() > 0 && txtSumCurr->value() > 0;
    writeButton()->setEnabled(chosen && paid);
}

void frmTransportFuelCheque::dateChanged()
{
    if (request_.tripEnd.isValid() && dtpDate->date() > request_.tripEnd) {
        Catalogue::ShowError(QStringLiteral("Kvito data negali viršyti kelionės pabaigos datos!"), messageTitle());
        const QSignalBlocker quiet(dtpDate);
        dtpDate->setDate(request_.tripEnd);
    }
    // While loading, the currency list and the sums follow once the date is in.
    if (isLoading())
        return;
    if (cmbCurr->count() > 0) {
        const int index = currencyIndex();
        const qint32 selected = index >= 0 ? currencyIds_.at(index) : 0;
        Catalogue::FillCurrencyList(cmbCurr, currencyIds_, currencyRates_, selected, dtpDate->date());
    }
    rateFromCurrency();
    sumInBaseCurrency();
    updateWriteButton();
}

// Only a cash cheque may take fuel back (a negative amount).
void frmTransportFuelCheque::paymentChanged()
{
    txtAmount->setAllowMinus(optCash->isChecked());
    updateWriteButton();
}

void frmTransportFuelCheque::write()
{
    const vx::RecordFields cheque = object()->Fields();
    const int index = currencyIndex();
    cheque.setValue(QStringLiteral("TransportTripID"), request_.tripId);
    cheque.setValue(QStringLiteral("Name"), txtNumber->text());
    cheque.setValue(QStringLiteral("Date"), dtpDate->date());
    cheque.setValue(QStringLiteral("Code"), txtCode->text());
    cheque.setValue(QStringLiteral("FirmID"), txtFirm->recordNumber());
    cheque.setValue(QStringLiteral("TransportFuelTypeID"), txtFuelType->recordNumber());
    cheque.setValue(QStringLiteral("FuelAmount"), txtAmount->value());
    cheque.setValue(QStringLiteral("SumCurr"), txtSumCurr->value());
    cheque.setValue(QStringLiteral("CurrencyID"), index >= 0 ? QVariant(currencyIds_.at(index)) : QVariant());
    cheque.setValue(QStringLiteral("CashFlag"), optCard->isChecked() ? 0 : 1);
    if (!saveObject(QMessageBox::Critical))
        return;
    offerDayRate();
    accept();
}

// A rate typed for a currency that has none on the cheque's day may be kept for that day.
void frmTransportFuelCheque::offerDayRate()
{
    const int index = currencyIndex();
    const double typed = txtRate->value();
    if (index < 0 || currencyRates_.at(index) != 0 || typed <= 0)
        return;
    if (!Catalogue::AskYesNo(QStringLiteral("Įrašyti valiutos kursą?"), messageTitle()))
        return;
    if (const vx::VxObjectUIOPtr rates = Catalogue::GetEditor(QStringLiteral("O0002200")))
        rates->Methods(QStringLiteral("SaveDayRate"), vx::arguments::write({cmbCurr->currentText(), dtpDate->date(), typed}));
}

} // namespace trips
