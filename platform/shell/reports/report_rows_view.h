#pragma once

#include "platform/bo/reports/report_catalogue.h"

#include <QWidget>

class QMenu;
class QPushButton;
class QTableView;

namespace shell {

class ReportRowsModel;

// The page of a report's rows from which the user opens the records they
// refer to: a double-click or Enter on a cell opens the record of its column;
// a button and a context menu item for each record a row refers to open it
// whatever cell is current. Tab leaves the table for the buttons.
class ReportRowsView final : public QWidget {
    Q_OBJECT
public:
    ReportRowsView(const bo::reports::ReportDefinition& report, vx::RecordsetPtr rows, QWidget* parent = nullptr);

    QTableView* table() const { return table_; }

signals:
    // The user asked to open the record with this object id.
    void openRequested(const QString& oidr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openCell(const QModelIndex& index);
    void openLink(int link);
    // The buttons and menu items for the current row: those of records it has.
    void enableLinks();

    ReportRowsModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QMenu* menu_ = nullptr;
    QList<QPushButton*> buttons_;
};

} // namespace shell
