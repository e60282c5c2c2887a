#include "platform/shell/host_cards/currency_card.h"

#include "platform/bo/object_types.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/message_door.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/host_services.h"
#include "platform/shell/object_card_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {
namespace {
const QString rateType = QStringLiteral("O0002200");

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

CurrencyCard::CurrencyCard(HostCardContext context, QWidget* parent) : HostCard(std::move(context), parent)
{
    setObjectName(QStringLiteral("frmCurrency"));
}

void CurrencyCard::buildExtras(QVBoxLayout* layout)
{
    auto* box = new QGroupBox(QStringLiteral("Dienos kursai"), this);
    auto* boxLayout = new QVBoxLayout(box);
    rates_ = new QTreeWidget(box);
    rates_->setObjectName(QStringLiteral("lvwRates"));
    rates_->setRootIsDecorated(false);
    rates_->setHeaderLabels({QStringLiteral("Data"), QStringLiteral("Kursas")});
    rates_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* buttons = new QHBoxLayout;
    rateButtons_ = {button(QStringLiteral("Naujas &kursas"), "cmdRateNew", box),
                    button(QStringLiteral("K&eisti"), "cmdRateEdit", box),
                    button(QStringLiteral("Pa&naikinti"), "cmdRateDelete", box)};
    for (QPushButton* b : rateButtons_)
        buttons->addWidget(b);
    buttons->addStretch();
    boxLayout->addWidget(rates_);
    boxLayout->addLayout(buttons);
    layout->addWidget(box, 1);
    connect(rateButtons_.at(0), &QPushButton::clicked, this, &CurrencyCard::newRate);
    connect(rateButtons_.at(1), &QPushButton::clicked, this, &CurrencyCard::editRate);
    connect(rateButtons_.at(2), &QPushButton::clicked, this, &CurrencyCard::deleteRate);
    connect(rates_, &QTreeWidget::itemActivated, this, &CurrencyCard::editRate);
    rates_->installEventFilter(this);
}

void CurrencyCard::loadExtras()
{
    rates_->clear();
    for (QPushButton* b : rateButtons_)
        b->setEnabled(hasRecord());
    if (!hasRecord())
        return;
    const vx::RecordsetPtr rows =
        session()->createList(rateType)->GetVxObjectList(vxObjectUIO()->OIDR(), QString(), QString());
    QList<QTreeWidgetItem*> items;
    for (int r = 0; r < rows->RecordCount(); ++r) {
        const QDate date = rows->valueAt(r, rows->fieldIndex(u"Date")).toDate();
        auto* item = new QTreeWidgetItem({vx::dates::toText(date),
                                          vx::numbers::plain(rows->valueAt(r, rows->fieldIndex(u"Rate")).toDouble())});
        item->setData(0, Qt::UserRole, rows->valueAt(r, rows->fieldIndex(u"OIDR")));
        item->setData(0, Qt::UserRole + 1, date);
        item->setTextAlignment(1, Qt::AlignRight);
        items.append(item);
    }
    std::stable_sort(items.begin(), items.end(), [](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return a->data(0, Qt::UserRole + 1).toDate() > b->data(0, Qt::UserRole + 1).toDate();
    });
    rates_->addTopLevelItems(items);
    if (!items.isEmpty())
        rates_->setCurrentItem(items.first());
}

// Insert and Delete on the list work as the buttons do.
bool CurrencyCard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == rates_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert || key == Qt::Key_Delete) {
            key == Qt::Key_Insert ? newRate() : deleteRate();
            return true;
        }
    }
    return HostCard::eventFilter(watched, event);
}

QString CurrencyCard::chosenRate() const
{
    const QTreeWidgetItem* item = rates_->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

bool CurrencyCard::showRate(const vx::VxObjectUIOPtr& rate)
{
    const bo::ObjectType* type = bo::objectType(rateType);
    if (!rate || !type)
        return false;
    ObjectCardDialog card(session(), rate, *type);
    if (QWidget* currency = card.fieldEditor(QStringLiteral("CurrencyID")))
        currency->setEnabled(false);
    if (runDialogOver(card, this) != QDialog::Accepted)
        return false;
    loadExtras();
    return true;
}

void CurrencyCard::newRate()
{
    if (!hasRecord())
        return;
    vx::VxObjectUIOPtr rate = session()->createEditor(rateType);
    rate->setOIDR(rateType);
    if (rate->Read().Code != 0)
        return;
    rate->Fields().setValue(QStringLiteral("CurrencyID"), vx::oid::recordNumber(vxObjectUIO()->OIDR()));
    rate->Fields().setValue(QStringLiteral("Date"), vx::clock::today());
    showRate(rate);
}

void CurrencyCard::editRate()
{
    const QString id = chosenRate();
    if (id.isEmpty())
        return;
    vx::VxObjectUIOPtr rate = session()->createEditor(rateType);
    rate->setOIDR(id);
    if (rate->Read().Code == 0)
        showRate(rate);
}

void CurrencyCard::deleteRate()
{
    const QString id = chosenRate();
    if (id.isEmpty())
        return;
    const auto answer = vx::messages::show(QStringLiteral("Ar tikrai norite panaikinti kursą?"), HostServices::productName,
                                           QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok && session()->createList(rateType)->DeleteVxObject(id) == 0)
        loadExtras();
}

} // namespace shell
