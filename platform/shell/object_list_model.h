#pragma once

#include "platform/contract/recordset.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>

namespace shell {

// A list controller's rows as a tree: each row hangs under the row whose OIDR
// is its ParentKey. Top-level rows are handed to the view in batches as it
// scrolls, so a very long list opens at once.
class ObjectListModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role { KeyRole = Qt::UserRole, TypeRole, ContextRole };
    using IconProvider = std::function<QIcon(const QString& iconKey)>;

    explicit ObjectListModel(QObject* parent = nullptr);

    // Replaces the rows; `columns` are the field names shown, after the display text.
    void setRows(vx::RecordsetPtr rows, IconProvider icons, const QString& typeId = QString());
    vx::RecordsetPtr rows() const { return rs_; }
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
    QString text(int row, int column) const;

    vx::RecordsetPtr rs_;
    IconProvider icons_;
    QString typeId_;
    QStringList columns_;
    QList<int> fieldOfColumn_;
    int keyField_ = -1, typeField_ = -1, contextField_ = -1, iconField_ = -1, previewField_ = -1;
    QList<int> parentOf_;          // row -> parent row, -1 at the top
    QList<int> positionInParent_;  // row -> its place among its parent's children
    QList<QList<int>> children_;   // row -> child rows
    QList<int> top_;               // top-level rows
    int topShown_ = 0;             // how many top-level rows the view has been given
};

} // namespace shell
