#include "module/card_pattern/entry_list.h"

#include "module/card_pattern/card_base.h"
#include "module/catalogue.h"

#include <QAction>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

int EntryList::Row::columnOf(QStringView field) const
{
    const auto lookUp = [this](QStringView name) { return rows_.fieldIndex(name); };
    return places_ ? places_->find(read_++, field, lookUp) : lookUp(field);
}

QVariant EntryList::Row::value(QStringView field) const
{
    const int column = columnOf(field);
    if (column < 0)
        throw vx::UnknownFieldError(field.toString());
    return rows_.valueAt(row_, column);
}

QString EntryList::Row::text(QStringView field) const
{
    return Catalogue::TextOrEmpty(value(field));
}

double EntryList::Row::number(QStringView field) const
{
    return Catalogue::DoubleOrZero(value(field));
}

QString EntryList::Row::textOrSpace(QStringView field) const
{
    const QString shown = text(field);
    return shown.isEmpty() ? QStringLiteral(" ") : shown;
}

QString EntryList::Row::wholeNumber(QStringView field) const
{
    return QString::number(qRound64(number(field)));
}

EntryList::EntryList(CardBase& card, QTreeWidget* list, const QList<ReportList::Column>& columns,
                     const QStringList& numberColumns)
    : card_(card), columns_(columns), numberColumns_(numberColumns)
{
    setUpView(list);
}

EntryList::EntryList(CardBase& card, Later later, const QList<ReportList::Column>& columns,
                     const QStringList& numberColumns)
    : card_(card), make_(std::move(later.make)), columns_(columns), numberColumns_(numberColumns), page_(later.page)
{
    // A page hears it is shown whether or not its window shows yet.
    page_->installEventFilter(this);
    if (page_->isVisibleTo(page_->window()))
        list();
}

EntryList::~EntryList() = default;

void EntryList::setUpView(QTreeWidget* list)
{
    list_ = list;
    ReportList::setUp(list, columns_);
    list->header()->setSectionResizeMode(QHeaderView::Interactive);
    list->header()->setStretchLastSection(true);
}

QTreeWidget* EntryList::list()
{
    if (list_ || !make_)
        return list_;
    setUpView(std::exchange(make_, nullptr)());
    if (run_)
        setUpCommands();
    if (!dropType_.isEmpty())
        setUpDrops();
    // Its page may show already: it must not wait to be shown with it.
    list_->show();
    return list_;
}

void EntryList::fill(const vx::RecordsetPtr& rows, const ItemOf& itemOf)
{
    waiting_.reset();
    if (page_ && !(list_ && list_->isVisibleTo(list_->window()))) {
        waiting_ = Waiting{rows, itemOf, std::nullopt};
        return;
    }
    fillItems(rows, itemOf);
}

void EntryList::fillNow()
{
    list();
    if (!waiting_)
        return;
    const Waiting waiting = *std::exchange(waiting_, std::nullopt);
    fillItems(waiting.rows, waiting.itemOf);
    if (waiting.totals)
        addTotalsRow(*waiting.totals);
}

void EntryList::fillItems(const vx::RecordsetPtr& rows, const ItemOf& itemOf)
{
    list_->clear();
    const int count = rows ? rows->RecordCount() : 0;
    // Rows give their cells in one order: each place's column is looked up once.
    PlacedNames cellColumns;
    const auto columnOfKey = [this](QStringView key) { return ReportList::columnOf(list_, key.toString()); };
    QList<int> numberColumns;
    for (const QString& key : numberColumns_)
        if (const int column = ReportList::columnOf(list_, key); column >= 0)
            numberColumns << column;
    // The cells are written before the rows join the list, which then takes them in one go.
    QList<QTreeWidgetItem*> items;
    items.reserve(count);
    Row::Places fields;
    const int columns = list_->columnCount();
    QList<Longest> longest(columns);
    QList<qsizetype> lengths(columns); // of the row's texts, by column
    for (int i = 0; i < count; ++i) {
        const Item item = itemOf(Row(*rows, i, fields));
        QTreeWidgetItem* added = ReportList::makeItem(item.key, item.text, item.tag);
        if (!itemIcon_.isNull())
            added->setIcon(0, itemIcon_);
        lengths.fill(0);
        if (columns > 0)
            lengths[0] = item.text.size();
        for (qsizetype place = 0; place < item.cells.size(); ++place) {
            const auto& [key, text] = item.cells.at(place);
            if (const int column = cellColumns.find(place, key, columnOfKey); column >= 0) {
                added->setText(column, text);
                lengths[column] = text.size();
            }
        }
        for (int column = 0; column < columns; ++column)
            note(longest[column], lengths.at(column), i);
        // Numbers right-aligned under each other.
        for (const int column : std::as_const(numberColumns))
            added->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items << added;
    }
    list_->addTopLevelItems(items);
    fitColumns(longest);
    Catalogue::SelectListItem(list_, std::exchange(selectAfter_, QString()));
}

void EntryList::addTotals(const Cells& totals)
{
    if (waiting_)
        waiting_->totals = totals;
    else
        addTotalsRow(totals);
}

void EntryList::addTotalsRow(const Cells& totals)
{
    QTreeWidgetItem* row = ReportList::addTotalsRow(list_);
    for (const auto& [key, text] : totals)
        ReportList::setSubItem(row, key, text, true);
    for (const QString& key : numberColumns_)
        row->setTextAlignment(ReportList::columnOf(list_, key), Qt::AlignRight | Qt::AlignVCenter);
    widenForLastRow();
}

// Keeps the longest texts of a column: measuring a cell lays its text out,
// which a long list cannot afford for every cell.
void EntryList::note(Longest& longest, qsizetype length, int row)
{
    constexpr int measured = 3;
    if (longest.size() == measured && length <= longest.constLast().first)
        return;
    const auto at = std::find_if(longest.cbegin(), longest.cend(), [&](const auto& l) { return l.first < length; });
    longest.insert(at - longest.cbegin(), {length, row});
    if (longest.size() > measured)
        longest.removeLast();
}

// Columns as wide as their captions and what the rows show, so dates and
// names are not cut: a column is measured by its longest texts, which the
// fill noted as it wrote them.
void EntryList::fitColumns(const QList<Longest>& longestByColumn)
{
    const QAbstractItemModel* model = list_->model();
    QHeaderView* header = list_->header();
    if (captionWidths_.size() != list_->columnCount()) {
        captionWidths_.clear();
        for (int column = 0; column < list_->columnCount(); ++column)
            captionWidths_ << qMax(header->sectionSizeHint(column), header->minimumSectionSize());
    }
    // The view hears of the new widths once, at the end, and not after it
    // has shown: it would draw itself a second time.
    const QSignalBlocker quiet(header);
    for (int column = 0; column < list_->columnCount(); ++column) {
        const Longest& longest = longestByColumn.at(column);
        int width = captionWidths_.at(column);
        for (const auto& [length, row] : std::as_const(longest))
            width = qMax(width, list_->sizeHintForIndex(model->index(row, column)).width());
        header->resizeSection(column, width);
    }
    list_->doItemsLayout();
}

// The totals row, in bold, may need more room than the rows before it.
void EntryList::widenForLastRow()
{
    const int row = list_->topLevelItemCount() - 1;
    QHeaderView* header = list_->header();
    const QSignalBlocker quiet(header);
    for (int column = 0; row >= 0 && column < list_->columnCount(); ++column) {
        const int width = list_->sizeHintForIndex(list_->model()->index(row, column)).width();
        if (width > header->sectionSize(column))
            header->resizeSection(column, width);
    }
    list_->doItemsLayout();
}

QTreeWidgetItem* EntryList::selected()
{
    fillNow();
    return Catalogue::HasSelectedItem(list_) ? list_->currentItem() : nullptr;
}

QTreeWidgetItem* EntryList::selectedEntry()
{
    QTreeWidgetItem* item = selected();
    return ReportList::isTotalsRow(item) ? nullptr : item;
}

QTreeWidgetItem* EntryList::lastEntry()
{
    fillNow();
    return ReportList::lastItem(list_);
}

QStringList EntryList::keys()
{
    fillNow();
    QStringList keys;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        keys << ListItem::keyOf(list_->topLevelItem(i));
    return keys;
}

void EntryList::setCommands(const Commands& commands, std::function<void()> run)
{
    commands_ = commands;
    run_ = std::move(run);
    if (list_)
        setUpCommands();
}

void EntryList::setUpCommands()
{
    menu_ = new QMenu(list_); // owned by the list
    menu_->setObjectName(QStringLiteral("mnuMain"));
    add_ = menuItem(QStringLiteral("mnuNew"), commands_.addCaption);
    edit_ = menuItem(QStringLiteral("mnuEdit"), commands_.editCaption);
    remove_ = menuItem(QStringLiteral("mnuDelete"), commands_.removeCaption);
    if (!extraItems_.isEmpty())
        menu_->addSeparator();
    for (ExtraItem& extra : extraItems_)
        extra.action = menuItem(extra.name, extra.caption);

    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, &EntryList::popUpMenu);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { open(commands_.edit, true); });
    list_->installEventFilter(this);
}

QAction* EntryList::menuItem(const QString& name, const QString& caption)
{
    QAction* action = menu_->addAction(caption);
    action->setObjectName(name);
    return action;
}

void EntryList::addMenuItem(const QString& name, const QString& caption, std::function<bool()> enabled,
                            std::function<void()> handler)
{
    ExtraItem extra{name, caption, std::move(enabled), std::move(handler)};
    if (menu_) {
        if (extraItems_.isEmpty())
            menu_->addSeparator();
        extra.action = menuItem(name, caption);
    }
    extraItems_.append(std::move(extra));
}

void EntryList::popUpMenu(const QPoint& at)
{
    if (!editable_)
        return;
    card_.takePendingCommand();
    const bool chosen = selected() != nullptr;
    edit_->setEnabled(chosen);
    remove_->setEnabled(chosen);
    for (const ExtraItem& extra : std::as_const(extraItems_))
        extra.action->setEnabled(extra.enabled());
    const QAction* item = menu_->exec(list_->viewport()->mapToGlobal(at));
    if (item == add_)
        runCommand(commands_.add);
    else if (item == edit_)
        runCommand(commands_.edit);
    else if (item == remove_)
        runCommand(commands_.remove);
    for (const ExtraItem& extra : std::as_const(extraItems_))
        if (item == extra.action)
            card_.runHandler(extra.handler);
}

void EntryList::open(const QString& command, bool needsSelection)
{
    if (editable_ && (!needsSelection || selected()))
        runCommand(command);
}

void EntryList::runCommand(const QString& command)
{
    card_.runHandler([this, &command] {
        card_.setPendingCommand(command);
        run_();
    });
}

bool EntryList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == page_ && event->type() == QEvent::ShowToParent)
        fillNow();
    if (watched == list_ && event->type() == QEvent::KeyPress && run_) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            open(commands_.edit, true);
            return true;
        case Qt::Key_Insert:
            open(commands_.add, false);
            return true;
        case Qt::Key_Delete:
            open(commands_.remove, true);
            return true;
        default:
            break;
        }
    }
    if (list_ && watched == list_->viewport() && dragEvent(event))
        return true;
    return QObject::eventFilter(watched, event);
}

void EntryList::takeDrops(const QString& objectType, std::function<bool()> allowed)
{
    dropType_ = objectType;
    dropAllowed_ = std::move(allowed);
    if (list_)
        setUpDrops();
}

void EntryList::setUpDrops()
{
    list_->setAcceptDrops(true);
    list_->viewport()->setAcceptDrops(true);
    list_->setDropIndicatorShown(false);
    list_->viewport()->installEventFilter(this);
    dropTimer_ = new QTimer(list_); // owned by the list
    dropTimer_->setObjectName(QStringLiteral("timerDragDrop"));
    dropTimer_->setSingleShot(true);
    dropTimer_->setInterval(0);
    connect(dropTimer_, &QTimer::timeout, this, &EntryList::addDropped);
}

bool EntryList::takesDrop(const QString& text) const
{
    return !dropType_.isEmpty() && text.startsWith(dropType_) && (!dropAllowed_ || dropAllowed_());
}

bool EntryList::dragEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (takesDrop(drag->mimeData()->text())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString text = drop->mimeData()->text();
        if (!takesDrop(text)) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        card_.runHandler([this, &text] { dropObject(text); });
        return true;
    }
    default:
        return false;
    }
}

void EntryList::dropObject(const QString& text)
{
    dropped_ = Catalogue::GetEditor(text);
    // A catalogue group is no entry to add.
    if (dropped_ && Catalogue::LongOrZero(dropped_->Fields().value(QStringLiteral("GroupFlag"))) == 0)
        dropTimer_->start();
}

// The add runs from the timer, after the drag-and-drop operation has ended.
void EntryList::addDropped()
{
    dropTimer_->stop();
    fromDrop_ = true;
    runCommand(commands_.add);
    fromDrop_ = false;
}
