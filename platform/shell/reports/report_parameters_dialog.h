#pragma once

#include "platform/bo/reports/report_catalogue.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace shell {

// The one dialog in which a report asks what it needs, and only that: the
// period (also through the host's period dialog), a day, a whole number,
// vehicles or vehicle groups (all when none is chosen), a driver. It closes either to preview the report or
// to save it as a .csv or .xlsx file.
class ReportParametersDialog final : public QDialog {
    Q_OBJECT
public:
    enum Outcome { Preview = 1, SaveCsv = 2, SaveXlsx = 3 };

    ReportParametersDialog(const bo::reports::ReportDefinition& report, const vx::PeriodRecord& period,
                           QWidget* parent = nullptr);

    bo::reports::ReportArguments arguments() const;
    // Adds a vehicle or group as the selector would.
    void addVehicle(const QString& oidr, const QString& caption);
    void setDriver(const QString& oidr, const QString& caption);

private:
    void chooseVehicle();
    void chooseDriver();
    void choosePeriod();
    void finish(Outcome outcome);
    void showVehicles();

    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QDateEdit* day_ = nullptr;
    QSpinBox* number_ = nullptr;
    QListWidget* vehicles_ = nullptr;
    QLabel* allVehicles_ = nullptr;
    QLineEdit* driver_ = nullptr;
    QString driverId_;
    int asked_ = 0; // the report's parameter flags
};

} // namespace shell
