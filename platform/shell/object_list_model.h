#pragma once

#include "platform/contract/recordset.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>

namespace shell {

// A list controller's rows as a tree: each row hangs under the row whose OIDR
// is its ParentKey. Top-level rows are handed to the view in batches as it
// scrolls, so a very long list opens at once. The model keeps only what it
// shows, column by column (key, kind, context, icon and the shown values), and
// lets the record set go, so a long list costs a fraction of the record set
// it came in.
class ObjectListModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role { KeyRole = Qt::UserRole, TypeRole, ContextRole };
    using IconProvider = std::function<QIcon(const QString& iconKey)>;

    explicit ObjectListModel(QObject* parent = nullptr);

    // Replaces the rows; the shown columns are chosen by the type.
    void setRows(const vx::RecordsetPtr& rows, IconProvider icons, const QString& typeId = QString());
    // How many rows the list holds, at any depth.
    int totalRows() const { return int(keys_.size()); }
    QStringList shownFields() const { return columns_; }
    // The index of the row with this key, invalid when it is not (yet) shown.
    QModelIndex indexOfKey(const QString& key);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // Caption of a field in the column header.
    static QString caption(const QString& field);

private:
    void chooseColumns(const vx::Recordset& rs);
    void copyRows(const vx::Recordset& rs);
    void buildTree(const vx::Recordset& rs);
    int childCount(int row) const { return childStart_.at(row + 1) - childStart_.at(row); }

    IconProvider icons_;
    QString typeId_;
    QStringList columns_;
    QList<int> fieldOfColumn_;
    QList<vx::FieldType> columnTypes_;
    // The rows, column by column. Kinds and icon keys repeat, so each row keeps
    // the number of its text in a short table; a context equal to the key is kept empty.
    QStringList keys_;
    QStringList contexts_;
    QList<quint16> kindOf_, iconOf_;
    QStringList kinds_, iconKeys_;
    QList<QVariantList> values_; // shown column -> the row's values
    // The tree, as flat tables of row numbers.
    QList<int> parentOf_;          // row -> parent row, -1 at the top
    QList<int> positionInParent_;  // row -> its place among its parent's children
    QList<int> childStart_;        // row -> where its children start in childRows_ (one entry more than rows)
    QList<int> childRows_;         // the children of every row, row after row
    QList<int> top_;               // top-level rows
    int topShown_ = 0;             // how many top-level rows the view has been given
};

} // namespace shell
