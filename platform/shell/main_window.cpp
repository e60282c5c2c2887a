#include "platform/shell/main_window.h"

#include "platform/contract/message_door.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/shell/desktop_tabs.h"
#include "platform/shell/host_cards/user_rights.h"
#include "platform/shell/host_services.h"
#include "platform/shell/list_commands.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/period_dialog.h"
#include "platform/shell/search_filter_model.h"
#include "platform/shell/window_memory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {
namespace {
constexpr int keyRole = Qt::UserRole;
constexpr int shownTypeRole = Qt::UserRole + 1;
const QString parameterMark = QStringLiteral("<%>");
const QString viewPeriodItem = QStringLiteral("3"); // a period list's own "view period" menu item

// The wait cursor for as long as a long piece of work lasts.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QIcon registeredIcon(const RegisteredTables& tables, const QString& key)
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
    const QIcon icon = registeredIcon(tables, typeIcons.value(node.nodeType));
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DirIcon) : icon;
}

// Keys on the list: Enter opens a row as a double-click does (or expands a
// row that only groups others); Insert and Delete run the row's "new" and
// "delete" menu items where it offers them.
class ListKeys final : public QObject {
public:
    ListKeys(QTreeView* view, std::function<void(const QModelIndex&)> open, std::function<void(const QString&)> run)
        : QObject(view), view_(view), open_(std::move(open)), run_(std::move(run))
    {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == view_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && view_->currentIndex().isValid()) {
                open_(view_->currentIndex());
                return true;
            }
            if (key == Qt::Key_Insert || key == Qt::Key_Delete) {
                run_(key == Qt::Key_Insert ? QStringLiteral("1") : QStringLiteral("4"));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTreeView* view_;
    std::function<void(const QModelIndex&)> open_;
    std::function<void(const QString&)> run_;
};
} // namespace

MainWindow::MainWindow(std::shared_ptr<HostServices> services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services))
{
    setWindowTitle(QStringLiteral("Kelmira"));
    auto* splitter = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("splMain"));
    splitter_ = splitter;
    tree_ = new QTreeWidget(splitter);
    tree_->setObjectName(QStringLiteral("tvwNavigation"));
    tree_->setHeaderHidden(true);
    tree_->setIconSize(QSize(16, 16));

    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName(QStringLiteral("tabDesktop"));
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    search_ = new QLineEdit(page);
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setPlaceholderText(QStringLiteral("Ieškoti sąraše…"));
    search_->setClearButtonEnabled(true);
    // The host's list commands, with keys that work while the list has the focus.
    auto* commands = new QToolBar(page);
    listCommands_ = commands;
    commands->setObjectName(QStringLiteral("tbrList"));
    commands->setMovable(false);
    commands->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto listCommand = [&](const char* name, const QString& caption, const QKeySequence& keys, const QString& command) {
        QAction* action = commands->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QString(caption).remove(QLatin1Char('&')),
                                                         keys.toString(QKeySequence::NativeText)));
        page->addAction(action);
        connect(action, &QAction::triggered, this, [this, command] { runListCommand(command); });
        return action;
    };
    // A list limited to the view period names it and changes it in one click.
    periodLabel_ = new QLabel(page);
    periodLabel_->setObjectName(QStringLiteral("lblPeriod"));
    periodAction_ = commands->addAction(QStringLiteral("&Laikotarpis..."));
    periodAction_->setObjectName(QStringLiteral("cmdPeriod"));
    periodAction_->setToolTip(QStringLiteral("Pasirinkti rodomą laikotarpį"));
    connect(periodAction_, &QAction::triggered, this, [this] { runMenuItem(QString(), viewPeriodItem); });
    allPeriodAction_ = commands->addAction(QStringLiteral("&Visi"));
    allPeriodAction_->setObjectName(QStringLiteral("cmdAllPeriod"));
    allPeriodAction_->setToolTip(QStringLiteral("Rodyti viso laikotarpio įrašus"));
    connect(allPeriodAction_, &QAction::triggered, this, [this] {
        services_->answerNextPeriod(wholePeriod());
        runMenuItem(QString(), viewPeriodItem);
        services_->takeNextPeriod(); // never left for a later question
    });
    filterAction_ = listCommand("cmdFilter", QStringLiteral("&Atrinkti..."), QKeySequence(Qt::CTRL | Qt::Key_F),
                                listCommands::filter);
    showAllAction_ = listCommand("cmdShowAll", QStringLiteral("&Rodyti visą sąrašą"), QKeySequence(Qt::Key_F5),
                                 listCommands::showAll);
    // A text-only tool button shows the icon text, which drops the "&" of a
    // caption unless it is set as it is: then Alt and the underlined letter
    // press it (none of them is the menu bar's Alt+S).
    for (QAction* action : commands->actions())
        action->setIconText(action->text());
    showListCommands(QString());
    listMessage_ = new QLabel(QStringLiteral("Pasirinkite skyrių kairėje."), page);
    listMessage_->setObjectName(QStringLiteral("lblListMessage"));
    listMessage_->setWordWrap(true);
    // After a filter, the way back to the whole list stands next to what was filtered.
    connect(listMessage_, &QLabel::linkActivated, this, [this] { runListCommand(listCommands::showAll); });
    // Escape in the search box clears the search.
    auto* clearSearch = new QAction(search_);
    clearSearch->setShortcut(QKeySequence(Qt::Key_Escape));
    clearSearch->setShortcutContext(Qt::WidgetShortcut);
    search_->addAction(clearSearch);
    connect(clearSearch, &QAction::triggered, search_, &QLineEdit::clear);
    list_ = new QTreeView(page);
    list_->setObjectName(QStringLiteral("lvwObjects"));
    model_ = new ObjectListModel(this);
    proxy_ = new SearchFilterModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortLocaleAware(true);
    list_->setModel(proxy_);
    list_->setSortingEnabled(true);
    list_->sortByColumn(-1, Qt::AscendingOrder);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setDragEnabled(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->header()->setSectionResizeMode(QHeaderView::Interactive);
    // Fitting a column to its contents lays out the text of every row measured:
    // a long list is measured by the rows in view and those next to them.
    list_->header()->setResizeContentsPrecision(100);
    auto* top = new QHBoxLayout;
    top->addWidget(search_, 1);
    top->addWidget(periodLabel_);
    top->addWidget(commands);
    layout->addLayout(top);
    layout->addWidget(listMessage_);
    layout->addWidget(list_, 1);
    tabs_->addTab(page, QStringLiteral("Sąrašas"));
    desktop_ = new DesktopTabs(tabs_);
    if (QTabBar* bar = tabs_->tabBar())
        bar->setTabButton(0, QTabBar::RightSide, nullptr);
    if (services_) {
        services_->setDesktop(desktop_);
        // The store's refusals (a delete of a record still in use, a list that
        // cannot be read) are shown once the current action has finished.
        services_->session()->setErrorReporter([this](const QString& message) {
            if (!message.isEmpty())
                QMetaObject::invokeMethod(this, [this, message] { showMessage(message); }, Qt::QueuedConnection);
        });
    }

    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});
    setCentralWidget(splitter);
    statusBar()->showMessage(QStringLiteral("Parengta"));
    resize(1100, 700);
    if (services_) {
        memory_ = new WindowMemory(services_, this);
        memory_->restoreMainWindow(*this, *splitter);
    }

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { showNode(item); });
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        // A list whose store finds the rows that may show the text is read on
        // from those; any other searches the whole list, not only the rows read so far.
        if (model_->narrowTo(text)) {
            proxy_->setSearchText(text);
            list_->expandToDepth(0);
            showRowCount();
            return;
        }
        if (!text.isEmpty() && model_->hasUnreadRows()) {
            statusBar()->showMessage(QStringLiteral("Skaitomas visas sąrašas..."));
            const WaitCursor waiting;
            model_->readAll();
            showRowCount();
        }
        proxy_->setSearchText(text);
    });
    // The rows still to be read come when the list is scrolled to the end of those read.
    const auto readOnAtEnd = [this] {
        const QScrollBar* bar = list_->verticalScrollBar();
        if (model_->hasUnreadRows() && bar->value() >= bar->maximum()) {
            model_->readMore();
            showRowCount();
        }
    };
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, readOnAtEnd, Qt::QueuedConnection);
    connect(list_->verticalScrollBar(), &QScrollBar::rangeChanged, this, readOnAtEnd, Qt::QueuedConnection);
    connect(list_, &QWidget::customContextMenuRequested, this, &MainWindow::openContextMenu);
    connect(list_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) { openRow(index, false); });
    new ListKeys(list_, [this](const QModelIndex& index) { openRow(index, true); },
                 [this](const QString& menuKey) { runOffered(menuKey); });
    addHostMenu();
    connect(desktop_, &DesktopTabs::refreshRequested, this, [this](const QString& typeId) {
        if (controller_ && (typeId == controller_->OID() || typeId.isEmpty()))
            reloadList();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::addModule(const ModuleTables& tables)
{
    const RegisteredTables& reg = tables.registration;
    for (const auto& layout : reg.layouts) {
        auto* root = new QTreeWidgetItem(tree_, {layout->caption});
        root->setData(0, keyRole, layout->key);
        root->setIcon(0, registeredIcon(reg, layout->iconKey));
        for (const auto& child : layout->children) {
            auto* item = new QTreeWidgetItem(root, {child->caption});
            item->setData(0, keyRole, child->key);
            item->setData(0, shownTypeRole, child->objects.value(0));
            item->setIcon(0, nodeIcon(reg, *child));
            // A node the user may not open stays visible but disabled.
            if (services_ && !services_->Security().CanOpen(child->key))
                item->setDisabled(true);
        }
        root->setExpanded(true);
    }
}

void MainWindow::reportModuleError(const QString& libraryName, const QString& error)
{
    listMessage_->setText(QStringLiteral("Modulis „%1“ neįkeltas.\n%2").arg(libraryName, error));
    listMessage_->show();
    statusBar()->showMessage(QStringLiteral("Modulis „%1“ neįkeltas").arg(libraryName));
}

bool MainWindow::selectNode(const QString& key)
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if ((*it)->data(0, keyRole).toString() == key && !(*it)->isDisabled()) {
            tree_->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void MainWindow::showMessage(const QString& text)
{
    vx::messages::show(text, HostServices::productName, QMessageBox::Critical, QMessageBox::Ok);
}

QIcon MainWindow::iconFor(const QString& iconKey) const
{
    if (!services_)
        return QIcon();
    QString resource = iconKey;
    for (const auto& [key, name] : iconTable_)
        if (key == iconKey)
            resource = name;
    return services_->MainWindow().ImgCatalogue().value(resource);
}

void MainWindow::showNode(QTreeWidgetItem* item)
{
    rememberColumns();
    tabs_->setCurrentIndex(0);
    controller_.reset();
    showListCommands(QString());
    search_->clear();
    const QString shown = item ? item->data(0, shownTypeRole).toString() : QString();
    if (!services_ || shown.isEmpty()) {
        model_->setRows(nullptr, {});
        listMessage_->setText(QStringLiteral("Pasirinkite skyrių kairėje."));
        listMessage_->show();
        return;
    }
    showList(shown.section(parameterMark, 0, 0), shown.section(parameterMark, 1, 1));
}

void MainWindow::addHostMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Sistema"));
    menu->setObjectName(QStringLiteral("mnuSystem"));
    const QList<QPair<QString, QString>> lists = {{QStringLiteral("O0000100"), QStringLiteral("Į&monės")},
                                                  {QStringLiteral("O0001401"), QStringLiteral("&Darbuotojai")},
                                                  {QStringLiteral("O0201500"), QStringLiteral("&Valiutos")}};
    for (const auto& [type, caption] : lists) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnu") + type);
        connect(action, &QAction::triggered, this, [this, type] { showHostList(type); });
    }
    menu->addSeparator();
    QAction* quit = menu->addAction(QStringLiteral("&Baigti darbą"));
    quit->setObjectName(QStringLiteral("mnuQuit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

bool MainWindow::showHostList(const QString& typeId)
{
    if (!services_)
        return false;
    const QString component = rights::componentOf(typeId);
    if (!component.isEmpty() && !services_->Security().CanOpen(component)) {
        showMessage(QStringLiteral("Neturite teisės atidaryti šio sąrašo."));
        return false;
    }
    rememberColumns();
    {
        const QSignalBlocker quiet(tree_);
        tree_->setCurrentItem(nullptr);
    }
    tabs_->setCurrentIndex(0);
    controller_.reset();
    showListCommands(QString());
    search_->clear();
    return showList(typeId);
}

bool MainWindow::showList(const QString& type, const QString& context)
{
    listContext_ = context;
    std::shared_ptr<vx::VxObjectUI> controller = services_->Objects().GetVxObjectUI(type);
    if (!controller) {
        model_->setRows(nullptr, {});
        listMessage_->setText(QStringLiteral("Šiame skyriuje įrašų sąrašo nėra."));
        listMessage_->show();
        return false;
    }
    controller_ = controller;
    listParent_ = type;
    iconTable_ = controller_->GetIconsTable();
    showListCommands(type);
    reloadList();
    return true;
}

bool MainWindow::offers(const RowRef& row, const QString& menuKey) const
{
    const vx::MenuItems items = controller_->GetMenu(row.id, row.type, row.context);
    return std::any_of(items.cbegin(), items.cend(), [&](const vx::MenuItem& item) { return item.Key == menuKey; });
}

void MainWindow::runOffered(const QString& menuKey)
{
    if (!controller_)
        return;
    RowRef row = rowAt(list_->currentIndex());
    if (row.id.isEmpty())
        row = {controller_->OID(), QString(), QString()};
    if (offers(row, menuKey))
        carryOut(controller_->ClickMenu(row.id, row.type, menuKey, row.context));
}

void MainWindow::openRow(const QModelIndex& proxyIndex, bool byKey)
{
    const RowRef row = rowAt(proxyIndex);
    if (!controller_ || row.id.isEmpty())
        return;
    if (offers(row, QStringLiteral("0")))
        carryOut(controller_->ClickMenu(row.id, row.type, QStringLiteral("0"), row.context));
    else if (byKey && proxy_->hasChildren(proxyIndex))
        list_->setExpanded(proxyIndex, !list_->isExpanded(proxyIndex));
}

void MainWindow::runListCommand(const QString& command)
{
    if (controller_ && takesListCommand(listParent_, command))
        carryOut(controller_->ClickMenu(controller_->OID(), QString(), command, QString()));
}

void MainWindow::showListCommands(const QString& type)
{
    bool any = false;
    for (const auto& [action, command] :
         {std::pair{filterAction_, listCommands::filter}, std::pair{showAllAction_, listCommands::showAll}}) {
        const bool taken = !type.isEmpty() && takesListCommand(type, command);
        action->setVisible(taken);
        action->setEnabled(taken);
        any = any || taken;
    }
    const bool period = !type.isEmpty() && HostServices::listsPeriod(type);
    for (QAction* action : {periodAction_, allPeriodAction_})
        action->setVisible(period);
    periodLabel_->setVisible(period);
    listCommands_->setVisible(any || period);
}

void MainWindow::reloadList()
{
    if (!controller_)
        return;
    showRows(controller_->GetVxObjectList(listParent_, listContext_, QString()), QString());
}

void MainWindow::showRows(const vx::RecordsetPtr& rows, const QString& filterText)
{
    rememberColumns();
    model_->setRows(rows, [this](const QString& key) { return iconFor(key); }, controller_ ? controller_->OID() : QString());
    listMessage_->setVisible(!filterText.isEmpty());
    QString filtered = QStringLiteral("Atrinkta: %1").arg(filterText.toHtmlEscaped());
    if (takesListCommand(listParent_, listCommands::showAll))
        filtered += QStringLiteral(" — <a href=\"all\">Rodyti visus</a>");
    listMessage_->setText(filtered);
    list_->expandToDepth(0);
    for (int c = 0; c < model_->columnCount(); ++c)
        list_->resizeColumnToContents(c);
    columnsOf_ = listParent_ + (listContext_.isEmpty() ? QString() : QLatin1Char('/') + listContext_);
    if (memory_)
        memory_->restoreColumns(columnsOf_, *list_);
    showRowCount();
}

void MainWindow::showRowCount()
{
    // A list limited to the view period names the period rather than itself.
    QString shown = controller_ ? controller_->OName() : QString();
    if (services_ && controller_ && HostServices::listsPeriod(controller_->OID())) {
        shown = periodShown(services_->storedPeriod());
        periodLabel_->setText(shown);
    }
    // A long list read page by page without a count beforehand says how much
    // has been read so far rather than pass it off as the whole count.
    statusBar()->showMessage(model_->countKnown()
                                 ? QStringLiteral("%1: %2 įr.").arg(shown).arg(model_->expectedRows())
                                 : QStringLiteral("%1: parodyta %2 įr., sąrašas ilgesnis").arg(shown).arg(model_->expectedRows()));
}

MainWindow::RowRef MainWindow::rowAt(const QModelIndex& proxyIndex) const
{
    const QModelIndex index = proxy_->mapToSource(proxyIndex);
    if (!index.isValid())
        return {};
    return {model_->data(index, ObjectListModel::KeyRole).toString(), model_->data(index, ObjectListModel::TypeRole).toString(),
            model_->data(index, ObjectListModel::ContextRole).toString()};
}

void MainWindow::openContextMenu(const QPoint& position)
{
    if (!controller_)
        return;
    RowRef row = rowAt(list_->indexAt(position));
    if (row.id.isEmpty())
        row = {controller_->OID(), QString(), QString()};
    const vx::MenuItems items = controller_->GetMenu(row.id, row.type, row.context);
    if (items.isEmpty())
        return;
    QMenu menu(this);
    for (const vx::MenuItem& item : items) {
        if (item.Caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item.Caption);
        action->setData(item.Key);
    }
    QAction* chosen = menu.exec(list_->viewport()->mapToGlobal(position));
    if (chosen)
        carryOut(controller_->ClickMenu(row.id, row.type, chosen->data().toString(), row.context));
}

void MainWindow::runMenuItem(const QString& rowKey, const QString& menuKey)
{
    if (!controller_)
        return;
    RowRef row{controller_->OID(), QString(), QString()};
    if (!rowKey.isEmpty() && rowKey != controller_->OID()) {
        const QModelIndex index = model_->indexOfKey(rowKey);
        if (!index.isValid())
            return;
        row = {rowKey, model_->data(index, ObjectListModel::TypeRole).toString(),
               model_->data(index, ObjectListModel::ContextRole).toString()};
    }
    carryOut(controller_->ClickMenu(row.id, row.type, menuKey, row.context));
}

void MainWindow::carryOut(const vx::ClickResult& result)
{
    switch (result.Action) {
    case vx::ActionShowCard:
        if (result.Value.canConvert<vx::CardRef>())
            desktop_->AddForm(result.Value.value<vx::CardRef>());
        break;
    case vx::ActionDeleted:
    case vx::ActionReloadList:
        reloadList();
        break;
    case vx::ActionShowList: {
        const QVariantList parts = result.Value.toList();
        if (!parts.isEmpty())
            showRows(parts.value(0).value<vx::RecordsetPtr>(), parts.value(1).toString());
        break;
    }
    default:
        break;
    }
}

void MainWindow::rememberColumns()
{
    if (memory_ && !columnsOf_.isEmpty() && model_->columnCount() > 0)
        memory_->saveColumns(columnsOf_, *list_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!desktop_->closeAll()) {
        event->ignore();
        return;
    }
    rememberColumns();
    if (memory_)
        memory_->saveMainWindow(*this, *splitter_);
    event->accept();
}

} // namespace shell
