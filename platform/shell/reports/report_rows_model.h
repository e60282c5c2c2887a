#pragma once

#include "platform/bo/reports/report_catalogue.h"

#include <QAbstractTableModel>

namespace shell {

// A report's rows as a table: its columns with their captions, the cells as
// the printed report writes them, numbers to the right, totals in bold. Each
// cell knows the record it opens (ObjectRole), as its column names it.
class ReportRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The object id a cell opens; empty for a cell that opens none.
    static constexpr int ObjectRole = Qt::UserRole;

    ReportRowsModel(bo::reports::ReportDefinition report, vx::RecordsetPtr rows, QObject* parent = nullptr);

    const bo::reports::ReportDefinition& report() const { return report_; }
    // The object id in row `row`'s `field`; empty when there is none.
    QString objectOf(int row, const QString& field) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const bo::reports::ReportDefinition report_;
    const vx::RecordsetPtr rows_;
    QList<QStringList> texts_; // the cells as shown, made once
};

} // namespace shell
