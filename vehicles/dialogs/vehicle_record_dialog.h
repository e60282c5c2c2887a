#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "vehicles/dialogs/vehicle_dialogs.h"

#include <QDate>

#include <memory>

class DatePair;
class QCheckBox;
class QLineEdit;

namespace vehicles {

// What the driver and document editors share: the vehicle shown read-only,
// the one object the record refers to (an employee, a document kind) chosen
// in the host's selector — no save without it —, and a period whose end is
// optional and hidden while it is not ticked. The end never goes before the
// start: either move takes the end to the start, ticked or not.
class VehicleRecordDialog : public cards::EntryDialog {
    Q_OBJECT
public:
    ~VehicleRecordDialog() override;

    // Fills the editor from its record; false when the host has no editor for it.
    bool load();

    QLineEdit* txtCarPreview = nullptr;
    QDateEdit* dtpDateFrom = nullptr;
    QCheckBox* chkDateTo = nullptr;
    QDateEdit* dtpDateTo = nullptr;

protected:
    // What the record refers to and how the editor offers it.
    struct Reference {
        const char* field;      // the record's field holding its number
        const char* nameBox;    // the name box's object name
        const char* button;     // the selector button's object name
        QString objectType;
        QString selectorCaption;
        QString kind;
    };
    // How the record keeps an open end: null, or a far date.
    enum class OpenEnd { Null, FarDate };

    VehicleRecordDialog(const QString& className, const QString& caption, const VehicleRecordRequest& request,
                        const Reference& reference, OpenEnd openEnd, QWidget* parent);

    ChoiceField* referenceBox() const { return reference_; }
    QPushButton* referenceButton() const { return chooser_; }

    // Rows of the fields' grid: the reference, and the period's two rows.
    void addReferenceRow(const QString& caption, int row);
    void addPeriodRows(const QString& startCaption, const QString& endCaption, int row);

    // The editor's own fields, read from and written to the record.
    virtual void loadFields(const vx::RecordFields& fields) = 0;
    virtual void writeFields(const vx::RecordFields& fields) const = 0;

private:
    QDate endWhenNone() const;
    void updateWriteButton();
    void write();

    VehicleRecordRequest request_;
    Reference referenceSetup_;
    OpenEnd openEnd_;
    ChoiceField* reference_ = nullptr;
    QPushButton* chooser_ = nullptr;
    std::unique_ptr<DatePair> period_;
};

} // namespace vehicles
