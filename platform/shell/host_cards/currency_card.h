#pragma once

#include "platform/shell/host_cards/host_card.h"

class QPushButton;
class QTreeWidget;

namespace shell {

// A currency with its day rates: the rates are listed newest first and are
// added, changed and deleted from the card once the currency is saved.
class CurrencyCard final : public HostCard {
    Q_OBJECT
public:
    explicit CurrencyCard(HostCardContext context, QWidget* parent = nullptr);

    QTreeWidget* ratesList() const { return rates_; }
    void newRate();
    void editRate();
    void deleteRate();

protected:
    void buildExtras(QVBoxLayout* layout) override;
    void loadExtras() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the rate's card; true when it was saved.
    bool showRate(const vx::VxObjectUIOPtr& rate);
    QString chosenRate() const;

    QTreeWidget* rates_ = nullptr;
    QList<QPushButton*> rateButtons_;
};

} // namespace shell
