#include "platform/shell/main_window.h"

#include <QApplication>
#include <QStyle>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {
namespace {
constexpr int keyRole = Qt::UserRole;
constexpr int specificationRole = Qt::UserRole + 1;

QIcon iconFor(const RegisteredTables& tables, const QString& key)
{
    for (const RegisteredIcon& icon : tables.icons)
        if (icon.key == key)
            return icon.picture.icon;
    return QIcon();
}

// Child nodes take the icon of the object type they show, where the module registered one.
QIcon nodeIcon(const RegisteredTables& tables, const RegisteredNode& node)
{
    static const QHash<QString, QString> typeIcons = {
        {QStringLiteral("O4000100"), QStringLiteral("TRANSPORTTRIP")},
        {QStringLiteral("O4000400"), QStringLiteral("TRANSPORTCAR")},
        {QStringLiteral("O4000800"), QStringLiteral("TRANSPORTTYRE")},
    };
    const QIcon icon = iconFor(tables, typeIcons.value(node.nodeType));
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DirIcon) : icon;
}
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelmira"));
    auto* splitter = new QSplitter(this);
    tree_ = new QTreeWidget(splitter);
    tree_->setObjectName(QStringLiteral("navigationTree"));
    tree_->setHeaderHidden(true);
    tree_->setIconSize(QSize(16, 16));

    auto* work = new QWidget(splitter);
    auto* workLayout = new QVBoxLayout(work);
    message_ = new QLabel(QStringLiteral("Pasirinkite skyrių kairėje."), work);
    message_->setObjectName(QStringLiteral("workAreaMessage"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    workLayout->addWidget(message_);

    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});
    setCentralWidget(splitter);
    statusBar()->showMessage(QStringLiteral("Parengta"));
    resize(1000, 640);
}

void MainWindow::addModule(const ModuleTables& tables)
{
    const RegisteredTables& reg = tables.registration;
    for (const auto& layout : reg.layouts) {
        auto* root = new QTreeWidgetItem(tree_, {layout->caption});
        root->setData(0, keyRole, layout->key);
        root->setIcon(0, iconFor(reg, layout->iconKey));
        for (const auto& child : layout->children) {
            auto* item = new QTreeWidgetItem(root, {child->caption});
            item->setData(0, keyRole, child->key);
            item->setData(0, specificationRole, child->objects.value(0));
            item->setIcon(0, nodeIcon(reg, *child));
        }
        root->setExpanded(true);
    }
}

void MainWindow::reportModuleError(const QString& libraryName, const QString& error)
{
    message_->setText(QStringLiteral("Modulis „%1“ neįkeltas.\n%2").arg(libraryName, error));
    statusBar()->showMessage(QStringLiteral("Modulis „%1“ neįkeltas").arg(libraryName));
}

} // namespace shell
