#pragma once

#include "platform/contract/recordset.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

#include <functional>

namespace shell {

// A list controller's rows as a tree: each row hangs under the row whose OIDR
// is its ParentKey (which comes before it). The model keeps only what it
// shows, column by column (key, kind, context, icon and the shown values), and
// lets the record set go, so a long list costs a fraction of the record set
// it came in. A record set that reads its rows as they are wanted hands its
// unread rows over: the model reads them a page at a time when the view
// reaches the end of those read (readMore) or opens a node whose rows are
// still to come, so a list of a million rows opens at once. Top-level rows of
// a list given whole are handed to the view in batches.
class ObjectListModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role { KeyRole = Qt::UserRole, TypeRole, ContextRole };
    using IconProvider = std::function<QIcon(const QString& iconKey)>;

    explicit ObjectListModel(QObject* parent = nullptr);

    // Replaces the rows; the shown columns are chosen by the type.
    void setRows(const vx::RecordsetPtr& rows, IconProvider icons, const QString& typeId = QString());
    // How many rows have been read, at any depth.
    int totalRows() const { return int(keys_.size()); }
    // How many rows the list has in all, read or not, as far as it is known.
    int expectedRows() const;
    // Whether expectedRows is the whole count: false while rows are still to
    // be read from a source that does not count them beforehand.
    bool countKnown() const { return !source_ || expected_ >= 0; }
    // Whether rows are still to be read.
    bool hasUnreadRows() const { return source_ != nullptr; }
    // Reads the next page of rows (the view has come to the end of those read).
    void readMore();
    // Reads every row and hands every top-level row to the view (searching looks through them all).
    void readAll();
    // Shows, from the first, only the rows the source finds may show `typed`
    // (the whole list again for an empty text), read on page by page as
    // before; false when the rows' source cannot search itself.
    bool narrowTo(const QString& typed);
    QStringList shownFields() const { return columns_; }
    // The index of the row with this key, reading on until it comes; invalid when the list has no such row.
    QModelIndex indexOfKey(const QString& key);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
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
    void clear();
    void chooseColumns(const vx::Recordset& rs);
    // Rows as raw values in the record set's column order.
    void appendRows(const QList<QVariantList>& rows);
    int addRow(const QVariantList& values);
    int findParent(const QString& parentKey);
    // The next page of the rows still to be read; the last one lets the source go.
    QList<QVariantList> takePage();
    // Reads until the view has a top-level row and ends the reset begun by the caller.
    void readFirstPage();
    // Reads the next page and tells the view of the rows it may show.
    bool readPage();
    void giveTopRows(int count);
    bool isGiven(int row) const;
    bool mayGetChildren(int row) const { return source_ && openGroups_.contains(row); }
    int childCount(int row) const;
    QModelIndex indexOfRow(int row) const;

    IconProvider icons_;
    QString typeId_;
    vx::RowSourcePtr source_; // the rows still to be read
    vx::RowSourcePtr origin_; // the source as it came, which narrowTo asks
    int expected_ = -1;       // all rows of the list, when the source knows
    // Where the values are in a row of the record set.
    int keyField_ = -1, parentField_ = -1, groupField_ = -1, kindField_ = -1, contextField_ = -1, iconField_ = -1;
    QStringList columns_;
    QList<int> fieldOfColumn_;
    QList<vx::FieldType> columnTypes_;
    // The rows, column by column. Kinds and icon keys repeat, so each row keeps
    // the number of its text in a short table; a context equal to the key is kept empty.
    QStringList keys_;
    QStringList contexts_;
    QList<quint16> kindOf_, iconOf_;
    QStringList kinds_, iconKeys_;
    QHash<QString, quint16> kindNumbers_, iconNumbers_;
    QList<QVariantList> values_; // shown column -> the row's values
    // The tree, as tables of row numbers.
    QHash<QString, int> rowOfKey_;   // groups' rows by key (every row's once a parent is not a group)
    bool allKeys_ = false;
    QList<int> parentOf_;            // row -> parent row, -1 at the top
    QList<int> positionInParent_;    // row -> its place among its parent's children
    QHash<int, QList<int>> children_; // row -> its children
    QList<int> top_;                 // top-level rows
    QList<int> openGroups_;          // groups the rows still to come may hang under
    int topShown_ = 0;               // how many top-level rows the view has been given
    int changing_ = 0;               // rows being inserted: the view may ask for more meanwhile
};
} // namespace shell
