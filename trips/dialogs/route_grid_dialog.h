#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "trips/dialogs/entry_dialogs.h"

#include <QList>

namespace vx {
class VxGridControl;
}

namespace trips {

// Records edited in the host's property grid, one row each. Before the grid
// may save, the current row must hold the opener's value field and, when it
// is a route line, a driver, a route segment, a fuel norm and a date; choosing
// a route segment takes over its distance.
class frmTransportGrid final : public cards::EntryDialog {
    Q_OBJECT
public:
    explicit frmTransportGrid(QWidget* parent = nullptr);

    // The title of the dialog's messages.
    void setMessageCaption(const QString& caption) { caption_ = caption; }
    // The field every row must hold, checked first.
    void setValueField(const QString& fieldName) { valueField_ = fieldName; }
    // The records, one row each, and the row shown first.
    void setRecords(const QList<vx::VxObjectUIOPtr>& records, int current = 0);

    // Whether the grid saved; false when cancelled.
    bool saved() const { return !result().cancelled; }

    vx::VxGridControl* VxGrid = nullptr;

private:
    void fieldChanged(const QString& fieldName, const QVariant& value);
    // The message of the current row's first missing field; empty when none is missing.
    QString missingField() const;
    void write();

    QString caption_;
    QString valueField_;
};

} // namespace trips
