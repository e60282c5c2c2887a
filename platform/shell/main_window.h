#pragma once

#include "platform/shell/module_tables.h"

#include <QMainWindow>

class QLabel;
class QTreeWidget;

namespace shell {

// The application's main window: the navigation tree of the loaded modules on
// the left, the work area on the right, load errors shown in the window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void addModule(const ModuleTables& tables);
    void reportModuleError(const QString& libraryName, const QString& error);

    QTreeWidget* navigationTree() const { return tree_; }

private:
    QTreeWidget* tree_ = nullptr;
    QLabel* message_ = nullptr;
};

} // namespace shell
