#include "platform/shell/property_grid.h"

#include "platform/contract/object_id.h"
#include "platform/shell/field_captions.h"
#include "platform/shell/field_editors.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

namespace shell {
namespace {

constexpr int twipsPerPixel = 15;
const QString recordPageKey = QStringLiteral("Properties");

QString rowText(int row, const vx::VxObjectUIOPtr& record)
{
    QString preview = record->Preview().trimmed();
    if (preview.isEmpty())
        preview = vx::oid::hasRecord(record->OIDR()) ? QStringLiteral("(be pavadinimo)") : QStringLiteral("naujas įrašas");
    return QStringLiteral("%1. %2").arg(row + 1).arg(preview);
}

// Whether a record holds values not stored yet: new, or written to directly by its owner.
bool holdsUnsavedValues(const vx::VxObjectUIOPtr& record)
{
    if (!vx::oid::hasRecord(record->OIDR()))
        return true;
    const vx::RecordsetPtr rs = record->RsFields();
    return rs && rs->position() >= 0 && rs->position() < rs->RecordCount() && rs->isRowModified(rs->position());
}

} // namespace

vx::VxGridControl* createPropertyGrid(const bo::SessionPtr& session, QWidget* parent)
{
    return new PropertyGrid(session, parent);
}

PropertyGrid::PropertyGrid(bo::SessionPtr session, QWidget* parent) : vx::VxGridControl(parent), session_(std::move(session))
{
    setObjectName(QStringLiteral("VxGrid"));
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("tabPages"));

    auto* recordPage = new QWidget(pages_);
    recordList_ = new QListWidget(recordPage);
    recordList_->setObjectName(QStringLiteral("lstRecords"));
    recordList_->setMaximumWidth(220);
    recordList_->hide();
    table_ = new QTableWidget(0, 2, recordPage);
    table_->setObjectName(QStringLiteral("grdProperties"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Savybė"), QStringLiteral("Reikšmė")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setColumnWidth(0, captionTwips_ / twipsPerPixel);
    auto* recordLayout = new QHBoxLayout(recordPage);
    recordLayout->setContentsMargins(0, 0, 0, 0);
    recordLayout->addWidget(recordList_);
    recordLayout->addWidget(table_, 1);
    pages_->addTab(recordPage, QStringLiteral("Savybės"));
    pageKeys_.append(recordPageKey);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    pages_->tabBar()->installEventFilter(this);
    connect(pages_, &QTabWidget::currentChanged, this, &PropertyGrid::pageSelected);
    connect(recordList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != current_)
            setCurrentRow(row);
    });
}

void PropertyGrid::setVxObjectUIO(const vx::VxObjectUIOPtr& editor)
{
    setVxObjects(editor ? QList<vx::VxObjectUIOPtr>{editor} : QList<vx::VxObjectUIOPtr>{});
}

void PropertyGrid::setVxObjects(const QList<vx::VxObjectUIOPtr>& editors, int current)
{
    records_ = editors;
    records_.removeAll(nullptr);
    changed_.clear();
    typed_.clear();
    error_.clear();
    current_ = records_.isEmpty() ? -1 : std::clamp(current, 0, int(records_.size()) - 1);
    fillRecordList();
}

void PropertyGrid::setCaptionWidth(int twips)
{
    captionTwips_ = twips;
    table_->setColumnWidth(0, twips / twipsPerPixel);
}

QTreeWidget* PropertyGrid::addPage(const QString& caption, const QString& key)
{
    auto* list = new QTreeWidget(pages_);
    list->setObjectName(QStringLiteral("lvw") + key);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->viewport()->installEventFilter(this);
    pages_->addTab(list, caption);
    pageKeys_.append(key);
    return list;
}

void PropertyGrid::showRecord()
{
    fillRecordList();
    showRows();
}

vx::VxObjectUIOPtr PropertyGrid::currentRecord() const
{
    return current_ >= 0 && current_ < records_.size() ? records_.at(current_) : nullptr;
}

void PropertyGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= records_.size())
        return;
    const bool moved = row != current_;
    current_ = row;
    {
        const QSignalBlocker quiet(recordList_);
        recordList_->setCurrentRow(row);
    }
    showRows();
    if (moved)
        emit currentRowChanged(row);
}

void PropertyGrid::fillRecordList()
{
    const QSignalBlocker quiet(recordList_);
    recordList_->clear();
    for (int i = 0; i < records_.size(); ++i)
        recordList_->addItem(rowText(i, records_.at(i)));
    recordList_->setCurrentRow(current_);
    recordList_->setVisible(records_.size() > 1);
}

void PropertyGrid::showRows()
{
    showing_ = true;
    // The editors of the record shown before go at once, so nothing reaches them any more.
    for (const Row& row : rows_)
        delete row.editor;
    rows_.clear();
    table_->setRowCount(0);
    const vx::VxObjectUIOPtr record = currentRecord();
    // A catalogue item's editor answers its catalogue's type as OID, which
    // stores nothing; its OIDR names the item's own type, a new item's too
    // (the bare type id). Only an editor without an OIDR goes by its OID.
    const QString id = !record ? QString() : (record->OIDR().isEmpty() ? record->OID() : record->OIDR());
    const bo::ObjectType* type = record ? bo::objectType(vx::oid::typeId(id)) : nullptr;
    const vx::RecordsetPtr rs = record ? record->RsFields() : nullptr;
    if (type && rs) {
        const QHash<QString, QString> typed = typed_.value(current_);
        for (const bo::ColumnDef& column : type->columns) {
            if (!field_editors::isShown(*type, column) || !rs->hasField(column.name))
                continue;
            const QString caption = fieldCaption(column.name, column.refType);
            const QString name = column.name;
            QWidget* editor = field_editors::create(session_, column, caption, table_, [this, name] { editorChanged(name); });
            field_editors::show(editor, column, rs->value(column.name));
            if (auto* line = qobject_cast<QLineEdit*>(editor); line && typed.contains(name))
                line->setText(typed.value(name));
            const int r = table_->rowCount();
            table_->insertRow(r);
            table_->setItem(r, 0, new QTableWidgetItem(caption));
            table_->setCellWidget(r, 1, editor);
            rows_.append({column, editor});
        }
    }
    table_->resizeRowsToContents();
    // Tab goes from the table through the field editors in the order shown.
    QWidget* previous = table_;
    for (const Row& row : rows_) {
        QWidget::setTabOrder(previous, row.editor);
        previous = row.editor;
    }
    showing_ = false;
}

QWidget* PropertyGrid::fieldEditor(const QString& fieldName) const
{
    for (const Row& row : rows_)
        if (row.column.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return row.editor;
    return nullptr;
}

void PropertyGrid::editorChanged(const QString& fieldName)
{
    const vx::VxObjectUIOPtr record = currentRecord();
    if (showing_ || !record)
        return;
    const auto row = std::find_if(rows_.cbegin(), rows_.cend(), [&](const Row& r) { return r.column.name == fieldName; });
    if (row == rows_.cend())
        return;
    const std::optional<QVariant> value = field_editors::read(row->editor, row->column);
    auto* line = qobject_cast<QLineEdit*>(row->editor);
    if (!value) {
        // Kept as typed; saving names the field until it holds a number.
        typed_[current_].insert(fieldName, line ? line->text() : QString());
        return;
    }
    typed_[current_].remove(fieldName);
    if (typed_.value(current_).isEmpty())
        typed_.remove(current_);
    try {
        record->Fields().setValue(fieldName, *value);
    } catch (const vx::RecordsetError&) {
        typed_[current_].insert(fieldName, line ? line->text() : QString());
        return;
    }
    changed_.insert(current_);
    emit fieldChanged(fieldName, *value);
}

void PropertyGrid::refreshField(const QString& fieldName)
{
    const vx::VxObjectUIOPtr record = currentRecord();
    if (!record)
        return;
    for (const Row& row : rows_) {
        if (row.column.name.compare(fieldName, Qt::CaseInsensitive) != 0)
            continue;
        showing_ = true;
        field_editors::show(row.editor, row.column, record->Fields().value(row.column.name));
        showing_ = false;
        typed_[current_].remove(row.column.name);
        if (typed_.value(current_).isEmpty())
            typed_.remove(current_);
    }
}

int PropertyGrid::save()
{
    error_.clear();
    QList<int> typedRows = typed_.keys();
    std::sort(typedRows.begin(), typedRows.end());
    for (int row : typedRows) {
        const QString field = typed_.value(row).keys().value(0);
        setCurrentRow(row);
        QString caption = field;
        for (int r = 0; r < rows_.size(); ++r)
            if (rows_.at(r).column.name == field)
                caption = table_->item(r, 0)->text();
        error_ = QStringLiteral("„%1“: įveskite skaičių.").arg(caption);
        return 1;
    }
    for (int row = 0; row < records_.size(); ++row) {
        const vx::VxObjectUIOPtr& record = records_.at(row);
        if (records_.size() > 1 && !changed_.contains(row) && !holdsUnsavedValues(record))
            continue;
        const vx::Status status = record->Save();
        if (!status.ok()) {
            error_ = status.Message;
            setCurrentRow(row);
            return status.Code;
        }
        record->Read();
        changed_.remove(row);
    }
    fillRecordList();
    return 0;
}

QString PropertyGrid::pageKeyOf(QObject* watched, const QPoint& position) const
{
    if (watched == pages_->tabBar())
        return pageKeys_.value(pages_->tabBar()->tabAt(position));
    for (int i = 1; i < pages_->count(); ++i)
        if (auto* list = qobject_cast<QTreeWidget*>(pages_->widget(i)); list && list->viewport() == watched)
            return pageKeys_.value(i);
    return {};
}

bool PropertyGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString key = pageKeyOf(watched, mouse->position().toPoint());
        if (!key.isEmpty())
            emit pageMouseDown(mouse->button(), key);
    }
    return vx::VxGridControl::eventFilter(watched, event);
}

} // namespace shell
