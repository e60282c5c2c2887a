#pragma once

#include "platform/contract/recordset.h"
#include "platform/shell/module_tables.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace vx {
class VxObjectUI;
}

namespace shell {

class DesktopTabs;
class HostServices;
class ObjectListModel;
class SearchFilterModel;
class WindowMemory;

// The application's main window: the navigation tree of the loaded modules on
// the left; on the right the desktop, whose first tab is the list of the
// chosen node and whose other tabs are open cards.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::shared_ptr<HostServices> services = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    void addModule(const ModuleTables& tables);
    void reportModuleError(const QString& libraryName, const QString& error);

    QTreeWidget* navigationTree() const { return tree_; }
    QTreeView* objectList() const { return list_; }
    QTabWidget* desktopTabs() const { return tabs_; }
    DesktopTabs* desktop() const { return desktop_; }
    ObjectListModel* listModel() const { return model_; }

    // Selects the navigation node with this key; false when there is none.
    bool selectNode(const QString& key);
    // The list controller of the shown list (none for nodes without one).
    std::shared_ptr<vx::VxObjectUI> currentController() const { return controller_; }
    // Carries out a menu item of the current list for the row with this key
    // ("" or the controller's own id: the list background).
    void runMenuItem(const QString& rowKey, const QString& menuKey);
    void reloadList();
    // Shows the list of one of the host's own types (firms, employees, currencies).
    bool showHostList(const QString& typeId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showNode(QTreeWidgetItem* item);
    bool showList(const QString& type, const QString& context = QString());
    void addHostMenu();
    // Runs a menu item of the current row, when the row's menu offers it.
    void runOffered(const QString& menuKey);
    // A double-click or Enter on a row: opens it where its menu offers that;
    // Enter on a row that only groups others expands or collapses it (a
    // double-click does so by itself).
    void openRow(const QModelIndex& proxyIndex, bool byKey);
    // The host's filter or "show all" sent to the list's controller.
    void runListCommand(const QString& command);
    // Shows the host's list commands the current list's controller answers.
    void showListCommands(const QString& type);
    void showRows(const vx::RecordsetPtr& rows, const QString& filterText);
    void openContextMenu(const QPoint& position);
    void carryOut(const vx::ClickResult& result);
    void showMessage(const QString& text);
    QIcon iconFor(const QString& iconKey) const;
    struct RowRef {
        QString id, type, context;
    };
    RowRef rowAt(const QModelIndex& proxyIndex) const;
    bool offers(const RowRef& row, const QString& menuKey) const;
    // The list's name and how many rows it has, in the status bar.
    void showRowCount();
    // Keeps the shown list's column widths and sort for the next time it is shown.
    void rememberColumns();

    std::shared_ptr<HostServices> services_;
    QSplitter* splitter_ = nullptr;
    WindowMemory* memory_ = nullptr;
    QString columnsOf_; // the list whose columns the view shows
    QTreeWidget* tree_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    DesktopTabs* desktop_ = nullptr;
    QLineEdit* search_ = nullptr;
    QToolBar* listCommands_ = nullptr;
    QLabel* periodLabel_ = nullptr;
    QAction* periodAction_ = nullptr;
    QAction* allPeriodAction_ = nullptr;
    QAction* filterAction_ = nullptr;
    QAction* showAllAction_ = nullptr;
    QLabel* listMessage_ = nullptr;
    QTreeView* list_ = nullptr;
    ObjectListModel* model_ = nullptr;
    SearchFilterModel* proxy_ = nullptr;
    std::shared_ptr<vx::VxObjectUI> controller_;
    QString listParent_;
    QString listContext_; // the node's parameter, handed to its list
    vx::IconTable iconTable_;
};

} // namespace shell
