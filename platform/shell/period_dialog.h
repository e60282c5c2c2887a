#pragma once

#include "platform/contract/host_records.h"

#include <QDialog>

class QDateEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace shell {

// The period as the dialog shows it: dates not chosen yet are this month up
// to today. A period kept so compares equal to the dialog's answer when the
// user accepts what it proposes.
vx::PeriodRecord shownPeriod(vx::PeriodRecord period);

// The dates a list limited to the period shows, as the status bar says them:
// "Laikotarpis 2026.11.06–2026.12.05", or "Laikotarpis nuo 2026.11.06" for
// the last so many days (which have no end).
QString periodShown(const vx::PeriodRecord& period);

// The period that holds every date: the list shows all its records.
vx::PeriodRecord wholePeriod();

// The trip sheet list's view period: either the dates from and to, or the
// last so many days. The chosen period carries a caption describing it.
class PeriodDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PeriodDialog(QWidget* parent = nullptr);

    void setPeriod(const vx::PeriodRecord& stored);
    vx::PeriodRecord period() const;
    static QString captionOf(const vx::PeriodRecord& period);

    QRadioButton* usePeriodButton() const { return usePeriod_; }
    QRadioButton* daysBackButton() const { return useDaysBack_; }
    QDateEdit* fromEdit() const { return from_; }
    QDateEdit* toEdit() const { return to_; }
    QSpinBox* daysBackEdit() const { return daysBack_; }

public slots:
    // Closes only with a period whose start is not after its end.
    void accept() override;

private:
    void updateControls();

    QRadioButton* usePeriod_ = nullptr;
    QRadioButton* useDaysBack_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QSpinBox* daysBack_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace shell
