#include "platform/shell/period_dialog.h"

#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace shell {
namespace {

QDateEdit* dateEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(vx::dates::shortDateFormat());
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

vx::PeriodRecord shownPeriod(vx::PeriodRecord period)
{
    const QDate today = vx::clock::today();
    if (!period.PeriodFrom.isValid())
        period.PeriodFrom = QDate(today.year(), today.month(), 1);
    if (!period.PeriodTo.isValid())
        period.PeriodTo = today;
    return period;
}

vx::PeriodRecord wholePeriod()
{
    vx::PeriodRecord whole;
    whole.PeriodFrom = vx::dates::noDate();
    whole.PeriodTo = vx::dates::calendarEnd();
    whole.DaysBack = 30;
    whole.UsePeriod = true;
    whole.Caption = QStringLiteral("Visas laikotarpis");
    return whole;
}

QString periodShown(const vx::PeriodRecord& period)
{
    if (period.UsePeriod && period.PeriodFrom <= vx::dates::noDate() && period.PeriodTo >= vx::dates::calendarEnd())
        return QStringLiteral("Visas laikotarpis");
    if (period.UsePeriod)
        return QStringLiteral("Laikotarpis %1–%2").arg(vx::dates::toText(period.PeriodFrom), vx::dates::toText(period.PeriodTo));
    return QStringLiteral("Laikotarpis nuo %1").arg(vx::dates::toText(vx::clock::today().addDays(-period.DaysBack)));
}

PeriodDialog::PeriodDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPeriod"));
    setWindowTitle(QStringLiteral("Peržiūros laikotarpis"));
    usePeriod_ = new QRadioButton(QStringLiteral("&Laikotarpis"), this);
    usePeriod_->setObjectName(QStringLiteral("optPeriod"));
    useDaysBack_ = new QRadioButton(QStringLiteral("&Paskutinės dienos"), this);
    useDaysBack_->setObjectName(QStringLiteral("optDaysBack"));
    from_ = dateEdit(QStringLiteral("dtpFrom"), this);
    to_ = dateEdit(QStringLiteral("dtpTo"), this);
    daysBack_ = new QSpinBox(this);
    daysBack_->setObjectName(QStringLiteral("txtDaysBack"));
    daysBack_->setRange(0, 3660);
    daysBack_->setSuffix(QStringLiteral(" d."));

    auto* fromLabel = new QLabel(QStringLiteral("&Nuo:"), this);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(QStringLiteral("&Iki:"), this);
    toLabel->setBuddy(to_);
    auto* daysLabel = new QLabel(QStringLiteral("&Dienų atgal:"), this);
    daysLabel->setBuddy(daysBack_);

    auto* grid = new QGridLayout;
    grid->addWidget(usePeriod_, 0, 0, 1, 4);
    grid->addWidget(fromLabel, 1, 0);
    grid->addWidget(from_, 1, 1);
    grid->addWidget(toLabel, 1, 2);
    grid->addWidget(to_, 1, 3);
    grid->addWidget(useDaysBack_, 2, 0, 1, 4);
    grid->addWidget(daysLabel, 3, 0);
    grid->addWidget(daysBack_, 3, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("&Gerai"));
    ok_->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Atšaukti"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &PeriodDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(usePeriod_, &QRadioButton::toggled, this, &PeriodDialog::updateControls);
    connect(from_, &QDateEdit::dateChanged, this, &PeriodDialog::updateControls);
    connect(to_, &QDateEdit::dateChanged, this, &PeriodDialog::updateControls);
    setPeriod({});
}

QString PeriodDialog::captionOf(const vx::PeriodRecord& period)
{
    if (period.UsePeriod)
        return QStringLiteral("%1 – %2").arg(vx::dates::toText(period.PeriodFrom), vx::dates::toText(period.PeriodTo));
    return QStringLiteral("Paskutinės %1 d.").arg(period.DaysBack);
}

void PeriodDialog::setPeriod(const vx::PeriodRecord& stored)
{
    const vx::PeriodRecord period = shownPeriod(stored);
    from_->setDate(period.PeriodFrom);
    to_->setDate(period.PeriodTo);
    daysBack_->setValue(period.DaysBack);
    (period.UsePeriod ? usePeriod_ : useDaysBack_)->setChecked(true);
    updateControls();
}

vx::PeriodRecord PeriodDialog::period() const
{
    vx::PeriodRecord p;
    p.PeriodFrom = from_->date();
    p.PeriodTo = to_->date();
    p.DaysBack = qint16(daysBack_->value());
    p.UsePeriod = usePeriod_->isChecked();
    p.Caption = captionOf(p);
    return p;
}

void PeriodDialog::accept()
{
    if (usePeriod_->isChecked() && from_->date() > to_->date())
        return;
    QDialog::accept();
}

void PeriodDialog::updateControls()
{
    const bool dates = usePeriod_->isChecked();
    from_->setEnabled(dates);
    to_->setEnabled(dates);
    daysBack_->setEnabled(!dates);
    ok_->setEnabled(!dates || from_->date() <= to_->date());
}

} // namespace shell
