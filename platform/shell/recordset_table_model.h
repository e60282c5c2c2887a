#pragma once

#include "platform/contract/recordset.h"

#include <QAbstractTableModel>

namespace shell {

// The rows of a record set as a flat table for a host list: one column per
// field the user reads (object ids and record numbers are left out), headed
// by the field's Lithuanian caption, values in the application's formats.
class RecordsetTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordsetTableModel(QObject* parent = nullptr);

    void setRecordset(vx::RecordsetPtr rs);
    vx::RecordsetPtr recordset() const { return rs_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A field's value in the application's text form.
    static QString valueText(const QVariant& value, vx::FieldType type);

private:
    vx::RecordsetPtr rs_;
    QList<int> fields_; // shown column -> field
};

} // namespace shell
