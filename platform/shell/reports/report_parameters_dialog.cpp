#include "platform/shell/reports/report_parameters_dialog.h"

#include "platform/contract/clock.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/message_door.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/period_dialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace shell {
namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QDateEdit* dateEdit(const QString& name, const QDate& date, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("yyyy.MM.dd"));
    edit->setCalendarPopup(true);
    return edit;
}

// The dates a period stands for: the last so many days up to today, or its dates.
vx::PeriodRecord datesOf(const vx::PeriodRecord& period)
{
    if (!period.UsePeriod && period.DaysBack > 0) {
        vx::PeriodRecord days;
        days.PeriodTo = vx::clock::today();
        days.PeriodFrom = days.PeriodTo.addDays(-period.DaysBack);
        return days;
    }
    return shownPeriod(period);
}

// A row of the form shown only when the report asks it.
void addRowIf(bool asked, QFormLayout* form, const QString& label, QLayout* row, QWidget* parent)
{
    auto* holder = new QWidget(parent);
    holder->setLayout(row);
    row->setContentsMargins(0, 0, 0, 0);
    if (asked)
        form->addRow(label, holder);
    else
        holder->hide();
}

} // namespace

ReportParametersDialog::ReportParametersDialog(const bo::reports::ReportDefinition& report,
                                               const vx::PeriodRecord& period, QWidget* parent)
    : QDialog(parent), asked_(report.parameters)
{
    setObjectName(QStringLiteral("dlgReportParameters"));
    setWindowTitle(report.name);
    auto* form = new QFormLayout;
    const vx::PeriodRecord shown = datesOf(period);
    from_ = dateEdit(QStringLiteral("dtpFrom"), shown.PeriodFrom, this);
    to_ = dateEdit(QStringLiteral("dtpTo"), shown.PeriodTo, this);
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(from_);
    periodRow->addWidget(new QLabel(QStringLiteral("–"), this));
    periodRow->addWidget(to_);
    QPushButton* periodButton = button(QStringLiteral("cmdPeriod"), QStringLiteral("Laikotarpis..."), this);
    periodRow->addWidget(periodButton);
    connect(periodButton, &QPushButton::clicked, this, &ReportParametersDialog::choosePeriod);
    addRowIf(report.parameters & bo::reports::Period, form, QStringLiteral("Laikotarpis:"), periodRow, this);

    day_ = dateEdit(QStringLiteral("dtpDay"), vx::clock::today(), this);
    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(day_);
    dayRow->addStretch();
    addRowIf(report.parameters & bo::reports::Day, form, QStringLiteral("Data:"), dayRow, this);

    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("txtNumber"));
    number_->setRange(report.number.minimum, report.number.maximum);
    number_->setValue(report.number.defaultValue);
    if (!report.number.unit.isEmpty())
        number_->setSuffix(QLatin1Char(' ') + report.number.unit);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(number_);
    numberRow->addStretch();
    addRowIf(report.parameters & bo::reports::Number, form, report.number.caption + QLatin1Char(':'), numberRow, this);

    vehicles_ = new QListWidget(this);
    vehicles_->setObjectName(QStringLiteral("lstVehicles"));
    vehicles_->setMaximumHeight(90);
    allVehicles_ = new QLabel(QStringLiteral("Visi automobiliai"), this);
    allVehicles_->setObjectName(QStringLiteral("lblAllVehicles"));
    auto* vehicleButtons = new QHBoxLayout;
    QPushButton* add = button(QStringLiteral("cmdAddVehicle"), QStringLiteral("Pridėti..."), this);
    QPushButton* all = button(QStringLiteral("cmdAllVehicles"), QStringLiteral("Visi"), this);
    vehicleButtons->addWidget(allVehicles_, 1);
    vehicleButtons->addWidget(add);
    vehicleButtons->addWidget(all);
    connect(add, &QPushButton::clicked, this, &ReportParametersDialog::chooseVehicle);
    connect(all, &QPushButton::clicked, this, [this] {
        vehicles_->clear();
        showVehicles();
    });
    auto* vehicleBox = new QVBoxLayout;
    vehicleBox->addLayout(vehicleButtons);
    vehicleBox->addWidget(vehicles_);
    addRowIf(report.parameters & bo::reports::Vehicles, form, QStringLiteral("Automobiliai:"), vehicleBox, this);

    driver_ = new QLineEdit(this);
    driver_->setObjectName(QStringLiteral("txtDriver"));
    driver_->setReadOnly(true);
    driver_->setPlaceholderText(QStringLiteral("Bet kuris"));
    auto* driverRow = new QHBoxLayout;
    driverRow->addWidget(driver_, 1);
    QPushButton* pick = button(QStringLiteral("cmdDriver"), QStringLiteral("..."), this);
    QPushButton* clear = button(QStringLiteral("cmdClearDriver"), QStringLiteral("Bet kuris"), this);
    driverRow->addWidget(pick);
    driverRow->addWidget(clear);
    connect(pick, &QPushButton::clicked, this, &ReportParametersDialog::chooseDriver);
    connect(clear, &QPushButton::clicked, this, [this] { setDriver(QString(), QString()); });
    addRowIf(report.parameters & bo::reports::Driver, form, QStringLiteral("Vairuotojas:"), driverRow, this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* preview = button(QStringLiteral("cmdPreview"), QStringLiteral("Peržiūra"), this);
    preview->setDefault(true);
    QPushButton* csv = button(QStringLiteral("cmdSaveCsv"), QStringLiteral("Išsaugoti CSV..."), this);
    QPushButton* xlsx = button(QStringLiteral("cmdSaveXlsx"), QStringLiteral("Išsaugoti XLSX..."), this);
    QPushButton* cancel = button(QStringLiteral("cmdCancel"), QStringLiteral("Atšaukti"), this);
    buttons->addButton(preview, QDialogButtonBox::AcceptRole);
    buttons->addButton(csv, QDialogButtonBox::ActionRole);
    buttons->addButton(xlsx, QDialogButtonBox::ActionRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(preview, &QPushButton::clicked, this, [this] { finish(Preview); });
    connect(csv, &QPushButton::clicked, this, [this] { finish(SaveCsv); });
    connect(xlsx, &QPushButton::clicked, this, [this] { finish(SaveXlsx); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showVehicles();
}

bo::reports::ReportArguments ReportParametersDialog::arguments() const
{
    bo::reports::ReportArguments args;
    args.from = from_->date();
    args.to = to_->date();
    for (int i = 0; i < vehicles_->count(); ++i) {
        args.vehicles << vehicles_->item(i)->data(Qt::UserRole).toString();
        args.vehicleNames << vehicles_->item(i)->text();
    }
    args.driver = driverId_;
    args.driverName = driver_->text();
    args.day = day_->date();
    args.number = number_->value();
    return args;
}

void ReportParametersDialog::addVehicle(const QString& oidr, const QString& caption)
{
    for (int i = 0; i < vehicles_->count(); ++i)
        if (vehicles_->item(i)->data(Qt::UserRole).toString() == oidr)
            return;
    auto* item = new QListWidgetItem(caption, vehicles_);
    item->setData(Qt::UserRole, oidr);
    showVehicles();
}

void ReportParametersDialog::setDriver(const QString& oidr, const QString& caption)
{
    driverId_ = oidr;
    driver_->setText(caption);
}

void ReportParametersDialog::showVehicles()
{
    vehicles_->setVisible(vehicles_->count() > 0);
    allVehicles_->setText(vehicles_->count() > 0 ? QStringLiteral("Pasirinkti:") : QStringLiteral("Visi automobiliai"));
}

void ReportParametersDialog::chooseVehicle()
{
    std::unique_ptr<vx::VxObjectSelector> selector = vx::hostFactory().createObjectSelector();
    if (!selector)
        return;
    selector->setObjectType(QStringLiteral("O4000400"));
    selector->setKind(QStringLiteral("Car,Group"));
    selector->setCaption(QStringLiteral("Pasirinkite automobilį arba grupę"));
    if (selector->showModal(this))
        addVehicle(selector->selectedKey(), selector->selectedCaption());
}

void ReportParametersDialog::chooseDriver()
{
    std::unique_ptr<vx::VxObjectSelector> selector = vx::hostFactory().createObjectSelector();
    if (!selector)
        return;
    selector->setObjectType(QStringLiteral("O0001401"));
    selector->setKind(QStringLiteral("UserD"));
    selector->setCaption(QStringLiteral("Pasirinkite vairuotoją"));
    if (selector->showModal(this))
        setDriver(selector->selectedKey(), selector->selectedCaption());
}

void ReportParametersDialog::choosePeriod()
{
    PeriodDialog dialog(this);
    vx::PeriodRecord period;
    period.UsePeriod = true;
    period.PeriodFrom = from_->date();
    period.PeriodTo = to_->date();
    dialog.setPeriod(period);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const vx::PeriodRecord chosen = datesOf(dialog.period());
    from_->setDate(chosen.PeriodFrom);
    to_->setDate(chosen.PeriodTo);
}

void ReportParametersDialog::finish(Outcome outcome)
{
    if ((asked_ & bo::reports::Period) && to_->date() < from_->date()) {
        vx::messages::show(QStringLiteral("Laikotarpio pabaiga ankstesnė už pradžią."), windowTitle(),
                           QMessageBox::Critical, QMessageBox::Ok);
        return;
    }
    done(outcome);
}

} // namespace shell
