#pragma once

#include "platform/contract/recordset.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeView;

namespace shell {

class RecordsetTableModel;

// Lets the user pick one row of a record set a query returned.
class GroupSelectDialog final : public QDialog {
    Q_OBJECT
public:
    GroupSelectDialog(vx::RecordsetPtr rows, const QString& title, QWidget* parent = nullptr);

    QTreeView* list() const { return list_; }
    void setCurrentRow(int row);
    // The chosen row; -1 before a choice.
    int chosenRow() const { return chosen_; }

public slots:
    // Closes with the current row; stays open while no row is current.
    void accept() override;

private:
    void updateButtons();

    RecordsetTableModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    int chosen_ = -1;
};

} // namespace shell
