#pragma once

#include "documents/column_states.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;

namespace vx {
class VxEnvironment;
}

// "Spausdinimo parametrai": which columns of each printed table are printed.
// One frame per table with a check box per column, carrying the column's
// field name; an always-printed column is checked and disabled. "Išsaugoti"
// stores the four tables' states in the host's settings and closes.
class frmTransportTripPrintParameters final : public QDialog {
    Q_OBJECT
public:
    frmTransportTripPrintParameters(const QList<documents::PrintTable>& tables, vx::VxEnvironment& environment,
                                    QWidget* parent = nullptr);

    // The check boxes of a table, in column order.
    QList<QCheckBox*> boxes(const QString& tableKey) const;
    // The value the dialog stores for a table: field, "#", state, pairs joined by "#".
    QString storedValue(const QString& tableKey) const;

private:
    void save();

    struct Frame {
        QString tableKey;
        QList<QCheckBox*> boxes;
    };
    QList<Frame> frames_;
    vx::VxEnvironment& environment_;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
};
