#pragma once

#include "platform/bo/session.h"
#include "platform/contract/vx_host_dialogs.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QModelIndex;
class QTreeView;

namespace shell {

class ObjectListModel;
class SearchFilterModel;

// The host's object selector: a tree of one type's groups and records with a
// search box. The kinds say what may be chosen ("Group": groups only; any
// other kind: records only; "UserD": employees marked as drivers only). A
// filter lists the kinds of record the tree shows beside the groups.
class ObjectSelectorDialog final : public QDialog, public vx::VxObjectSelector {
    Q_OBJECT
public:
    explicit ObjectSelectorDialog(bo::SessionPtr session, QWidget* parent = nullptr);

    void setObjectType(const QString& objectType) override { objectType_ = objectType; }
    void setKind(const QString& kind) override { kind_ = kind; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    void setFilter(const QString& filter) override { filter_ = filter; }
    void setCurrentValue(const QString& key) override { currentValue_ = key; }
    bool showModal(QWidget* parent) override;
    QString selectedKey() const override { return selectedKey_; }
    QString selectedCaption() const override { return selectedCaption_; }

    // Reads the type's rows into the tree; showModal does it before showing.
    void load();
    QLineEdit* searchBox() const { return search_; }
    QTreeView* tree() const { return tree_; }
    // Makes the shown row with this key current; false when it is not shown.
    bool setCurrentKey(const QString& key);
    bool isChoosable(const QModelIndex& proxyIndex) const;

public slots:
    // Closes with the current row when it may be chosen; otherwise stays open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void searchChanged(const QString& text);
    void updateButtons();
    QModelIndex firstChoosable(const QModelIndex& parent) const;

    bo::SessionPtr session_;
    QString objectType_;
    QString kind_;
    QString caption_;
    QString filter_;
    QString currentValue_;
    QString selectedKey_;
    QString selectedCaption_;
    QLineEdit* search_ = nullptr;
    QTreeView* tree_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ObjectListModel* model_ = nullptr;
    SearchFilterModel* proxy_ = nullptr;
};

} // namespace shell
