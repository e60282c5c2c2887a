#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "trips/dialogs/entry_dialogs.h"

#include <QList>

class ChoiceField;
class NumberField;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace trips {

// "Degalų pirkimo čekis": one fuel cheque of a trip sheet. Amount, price, sum
// in the cheque's currency, rate and sum in the base currency follow each
// other; the date stays within the trip; a rate typed for a day the currency
// has none may be stored after the cheque is saved.
class frmTransportFuelCheque final : public cards::EntryDialog {
    Q_OBJECT
public:
    frmTransportFuelCheque(const ChequeRequest& request, QWidget* parent = nullptr);

    // Fills the dialog from the cheque; false when there is no such cheque.
    bool load();

    QLineEdit* txtNumber = nullptr;
    QLineEdit* txtCode = nullptr;
    QDateEdit* dtpDate = nullptr;
    ChoiceField* txtFirm = nullptr;
    QPushButton* cmdFirm = nullptr;
    ChoiceField* txtFuelType = nullptr;
    QPushButton* cmdFuelType = nullptr;
    ChoiceField* txtFuelTankType = nullptr;
    NumberField* txtAmount = nullptr;
    QCheckBox* chkPrice = nullptr;
    NumberField* txtPrice = nullptr;
    NumberField* txtSumCurr = nullptr;
    QComboBox* cmbCurr = nullptr;
    NumberField* txtRate = nullptr;
    QLineEdit* txtSum = nullptr;
    QRadioButton* optCard = nullptr;
    QRadioButton* optCash = nullptr;

private:
    QDate defaultDate() const;
    void showFuelTankType();
    void rateFromCurrency();
    void sumInBaseCurrency();
    void sumFromPrice();
    void priceFromSum();
    void updateWriteButton();
    void dateChanged();
    void paymentChanged();
    void write();
    void offerDayRate();
    int currencyIndex() const;

    ChequeRequest request_;
    QList<qint32> currencyIds_;
    QList<double> currencyRates_;
};

} // namespace trips
