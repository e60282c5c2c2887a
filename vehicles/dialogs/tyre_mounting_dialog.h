#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "vehicles/dialogs/vehicle_dialogs.h"

#include <memory>

class DatePair;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

namespace vehicles {

// " Padanga": a tyre mounted on the vehicle at an axle, side and position,
// from a date and run, and perhaps removed at a later date and run. It refuses
// a tyre that is mounted now and, for a new mounting, a position that is
// taken; it proposes the start run from the tyre's history and computes the
// end run from the distance the vehicle drove. A saved mounting keeps its
// position. The four questions go to the mounting's editor.
class frmTransportCarTyres final : public cards::EntryDialog {
    Q_OBJECT
public:
    explicit frmTransportCarTyres(const TyreMountingRequest& request, QWidget* parent = nullptr);
    ~frmTransportCarTyres() override;

    // Fills the editor from its record; false when the host has no editor for it.
    bool load();

    // The answer to the last question asked.
    const vx::CallResult& lastAnswer() const { return lastAnswer_; }

    QGroupBox* frameTyre = nullptr;
    ChoiceField* txtTyre = nullptr;
    QPushButton* cmdTyres = nullptr;
    QGroupBox* framePosition = nullptr;
    QSpinBox* txtAxis = nullptr; // its arrows are the axle's up-down control
    QComboBox* cmbCarSide = nullptr;
    QComboBox* cmbPosition = nullptr;
    QDateEdit* dtpDateFrom = nullptr;
    QCheckBox* chkDateTo = nullptr;
    QDateEdit* dtpDateTo = nullptr;
    NumberField* txtRun[2] = {nullptr, nullptr}; // txtRun0 at mounting, txtRun1 at removal
    QPushButton* cmdCalculate = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    // Asks the mounting's editor; the first row's `field`, or null when the
    // question failed (its message has been shown) or gave no row.
    QVariant ask(const QString& name, const QString& param, const char* field, bool* answered = nullptr);
    qint64 tyreNumber() const;
    void checkTyreInUse();
    void proposeRuns();
    void chooseTyre();
    void calculateEndRun();
    void setRuns(const QString& text);
    void updateEnabling();
    void write();

    TyreMountingRequest request_;
    vx::CallResult lastAnswer_;
    std::unique_ptr<DatePair> period_;
};

} // namespace vehicles
