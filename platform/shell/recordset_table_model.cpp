#include "platform/shell/recordset_table_model.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/shell/field_captions.h"

namespace shell {
namespace {

// Ids name records for the program; people read the names beside them.
bool isShown(const QString& field)
{
    return field.compare(QLatin1String("OIDR"), Qt::CaseInsensitive) != 0 && !field.endsWith(QLatin1String("ID"));
}

bool isNumeric(vx::FieldType type)
{
    return type == vx::FieldType::Double || type == vx::FieldType::Currency || type == vx::FieldType::Integer
           || type == vx::FieldType::SmallInt || type == vx::FieldType::BigInt;
}

} // namespace

RecordsetTableModel::RecordsetTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetTableModel::setRecordset(vx::RecordsetPtr rs)
{
    beginResetModel();
    rs_ = rs ? std::move(rs) : vx::Recordset::create();
    fields_.clear();
    for (int f = 0; f < rs_->fieldCount(); ++f)
        if (isShown(rs_->fieldDef(f).name))
            fields_.append(f);
    if (fields_.isEmpty()) // nothing but ids: show them rather than nothing
        for (int f = 0; f < rs_->fieldCount(); ++f)
            fields_.append(f);
    endResetModel();
}

int RecordsetTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !rs_ ? 0 : rs_->RecordCount();
}

int RecordsetTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fields_.size());
}

QString RecordsetTableModel::valueText(const QVariant& value, vx::FieldType type)
{
    if (value.isNull())
        return QString();
    switch (type) {
    case vx::FieldType::Date:
        return vx::dates::toText(value.toDate());
    case vx::FieldType::DateTime:
        return vx::dates::toText(value.toDateTime(), true);
    case vx::FieldType::Double:
    case vx::FieldType::Currency:
        return vx::numbers::plain(value.toDouble());
    default:
        return value.toString();
    }
}

QVariant RecordsetTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int field = fields_.at(index.column());
    const vx::FieldType type = rs_->fieldDef(field).type;
    switch (role) {
    case Qt::DisplayRole:
        return valueText(rs_->valueAt(index.row(), field), type);
    case Qt::TextAlignmentRole:
        return isNumeric(type) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant RecordsetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= fields_.size())
        return {};
    return fieldCaption(rs_->fieldDef(fields_.at(section)).name);
}

} // namespace shell
