#include "platform/shell/object_selector_dialog.h"

#include "platform/bo/object_types.h"
#include "platform/contract/argument_text.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/search_filter_model.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

namespace shell {
namespace {

const QString groupKind = QStringLiteral("Group");

struct Kinds {
    bool groups = false;
    bool records = true;
    bool driversOnly = false;
};

Kinds readKinds(const QString& kind)
{
    QStringList parts;
    for (const QString& part : kind.split(QLatin1Char(','), Qt::SkipEmptyParts))
        parts << part.trimmed();
    Kinds kinds;
    kinds.groups = parts.contains(groupKind);
    kinds.records = std::any_of(parts.cbegin(), parts.cend(), [](const QString& p) { return p != groupKind; })
                    || parts.isEmpty();
    kinds.driversOnly = parts.contains(QStringLiteral("UserD"));
    return kinds;
}

// The rows a test keeps; groups stay whatever it says, so the tree keeps its shape.
vx::RecordsetPtr keptRows(const vx::RecordsetPtr& rows, const std::function<bool(int row)>& keep)
{
    const int groupField = rows->fieldIndex(u"GroupFlag");
    auto kept = vx::Recordset::create(rows->fieldDefs());
    for (int r = 0; r < rows->RecordCount(); ++r) {
        const bool group = groupField >= 0 && rows->valueAt(r, groupField).toInt() != 0;
        if (!group && !keep(r))
            continue;
        QVariantList values;
        for (int c = 0; c < rows->fieldCount(); ++c)
            values << rows->valueAt(r, c);
        kept->appendRow(values);
    }
    return kept;
}

// Employees not marked as drivers are left out.
vx::RecordsetPtr driversOnly(const vx::RecordsetPtr& rows)
{
    const int driverField = rows->fieldIndex(u"DriverFlag");
    if (driverField < 0)
        return rows;
    return keptRows(rows, [&](int r) { return rows->valueAt(r, driverField).toInt() == 1; });
}

// Records of the filter's kinds, by the kind or the icon key a list row carries
// (reference catalogue items are of kind "C"). A filter that is not an argument
// text keeps every row.
vx::RecordsetPtr ofKinds(const vx::RecordsetPtr& rows, const QString& filter)
{
    const vx::arguments::ItemList kinds = vx::arguments::read(filter);
    if (!kinds.ok() || kinds.size() == 0)
        return rows;
    const QStringList wanted = kinds.texts();
    const int kindField = rows->fieldIndex(u"OType");
    const int iconField = rows->fieldIndex(u"Icon");
    return keptRows(rows, [&](int r) {
        return (kindField >= 0 && wanted.contains(rows->valueAt(r, kindField).toString()))
               || (iconField >= 0 && wanted.contains(rows->valueAt(r, iconField).toString()));
    });
}

QIcon rowIcon(const QString& iconKey)
{
    QStyle* style = QApplication::style();
    return style->standardIcon(iconKey == QLatin1String("CGroup") ? QStyle::SP_DirClosedIcon : QStyle::SP_FileIcon);
}

} // namespace

ObjectSelectorDialog::ObjectSelectorDialog(bo::SessionPtr session, QWidget* parent)
    : QDialog(parent), session_(std::move(session))
{
    setObjectName(QStringLiteral("frmObjectSelector"));
    auto* layout = new QVBoxLayout(this);
    auto* searchLabel = new QLabel(QStringLiteral("&Paieška:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    searchLabel->setBuddy(search_);

    model_ = new ObjectListModel(this);
    proxy_ = new SearchFilterModel(this);
    proxy_->setSourceModel(model_);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("tvwObjects"));
    tree_->setModel(proxy_);
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Pasirinkti"));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Atšaukti"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    layout->addWidget(searchLabel);
    layout->addWidget(search_);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons_);
    resize(420, 480);

    connect(buttons_, &QDialogButtonBox::accepted, this, &ObjectSelectorDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &ObjectSelectorDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &ObjectSelectorDialog::searchChanged);
    connect(tree_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (isChoosable(index))
            accept();
    });
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ObjectSelectorDialog::updateButtons);
    updateButtons();
}

void ObjectSelectorDialog::load()
{
    const bo::ObjectType* type = bo::objectType(objectType_);
    setWindowTitle(!caption_.isEmpty() ? caption_ : type ? type->caption : objectType_);
    vx::RecordsetPtr rows;
    if (session_ && !objectType_.isEmpty())
        rows = session_->createList(objectType_)->GetVxObjectList(QString(), QString(), QString());
    if (rows && readKinds(kind_).driversOnly)
        rows = driversOnly(rows);
    if (rows && !filter_.trimmed().isEmpty())
        rows = ofKinds(rows, filter_);
    model_->setRows(rows, rowIcon, objectType_);
    for (int c = 1; c < model_->columnCount(); ++c)
        tree_->setColumnHidden(c, true);
    searchChanged(search_->text());
    // The value the field holds is where the choice starts.
    if (!currentValue_.isEmpty())
        setCurrentKey(currentValue_);
    search_->setFocus();
}

bool ObjectSelectorDialog::showModal(QWidget* parent)
{
    load();
    const int result = runDialogOver(*this, parent);
    return result == QDialog::Accepted;
}

bool ObjectSelectorDialog::isChoosable(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid())
        return false;
    const Kinds kinds = readKinds(kind_);
    const bool group = proxyIndex.siblingAtColumn(0).data(ObjectListModel::TypeRole).toString() == groupKind;
    return group ? kinds.groups : kinds.records;
}

bool ObjectSelectorDialog::setCurrentKey(const QString& key)
{
    const QModelIndex index = proxy_->mapFromSource(model_->indexOfKey(key));
    if (!index.isValid())
        return false;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    return true;
}

void ObjectSelectorDialog::accept()
{
    const QModelIndex current = tree_->currentIndex().siblingAtColumn(0);
    if (!isChoosable(current))
        return;
    selectedKey_ = current.data(ObjectListModel::KeyRole).toString();
    selectedCaption_ = current.data(Qt::DisplayRole).toString();
    QDialog::accept();
}

// Down from the search box goes on into the tree, so a search and a choice need no mouse.
bool ObjectSelectorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == search_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        tree_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ObjectSelectorDialog::searchChanged(const QString& text)
{
    proxy_->setSearchText(text.trimmed());
    if (!text.trimmed().isEmpty())
        tree_->expandAll();
    const QModelIndex first = firstChoosable({});
    if (first.isValid())
        tree_->setCurrentIndex(first);
    updateButtons();
}

QModelIndex ObjectSelectorDialog::firstChoosable(const QModelIndex& parent) const
{
    for (int r = 0; r < proxy_->rowCount(parent); ++r) {
        const QModelIndex index = proxy_->index(r, 0, parent);
        if (isChoosable(index))
            return index;
        if (const QModelIndex inside = firstChoosable(index); inside.isValid())
            return inside;
    }
    return {};
}

void ObjectSelectorDialog::updateButtons()
{
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(isChoosable(tree_->currentIndex()));
}

} // namespace shell
