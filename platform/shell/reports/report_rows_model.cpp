#include "platform/shell/reports/report_rows_model.h"

#include <QFont>

namespace shell {

using bo::reports::ColumnKind;

ReportRowsModel::ReportRowsModel(bo::reports::ReportDefinition report, vx::RecordsetPtr rows, QObject* parent)
    : QAbstractTableModel(parent), report_(std::move(report)), rows_(std::move(rows))
{
    for (int row = 0; rows_ && row < rows_->readCount(); ++row)
        texts_ << bo::reports::rowTexts(report_, *rows_, row);
}

QString ReportRowsModel::objectOf(int row, const QString& field) const
{
    return rows_ ? bo::reports::objectOf(*rows_, row, field) : QString();
}

int ReportRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(texts_.size());
}

int ReportRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(report_.columns.size());
}

QVariant ReportRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= texts_.size() || index.column() >= report_.columns.size())
        return {};
    const bo::reports::ReportColumn& column = report_.columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return texts_.at(index.row()).value(index.column());
    case ObjectRole:
        return objectOf(index.row(), column.opens);
    case Qt::TextAlignmentRole:
        // As the printed table aligns them: text left, days centred, numbers right.
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (column.kind == ColumnKind::Text   ? Qt::AlignLeft
                                      : column.kind == ColumnKind::Date ? Qt::AlignHCenter
                                                                        : Qt::AlignRight));
    case Qt::FontRole:
        if (bo::reports::isTotal(*rows_, index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ReportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < report_.columns.size())
        return report_.columns.at(section).caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace shell
