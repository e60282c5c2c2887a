#include "platform/shell/object_list_model.h"

#include "platform/contract/searchable_rows.h"
#include "platform/shell/field_captions.h"
#include "platform/shell/recordset_table_model.h"

#include <QHash>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopedValueRollback>

namespace shell {
namespace {
constexpr int batch = 2000;

// Fields that steer the tree or name records by number; users see their meaning elsewhere.
bool isHidden(const QString& name)
{
    static const QStringList hidden = {QStringLiteral("OIDR"),       QStringLiteral("ID"),
                                       QStringLiteral("ParentKey"),  QStringLiteral("GroupFlag"),
                                       QStringLiteral("OType"),      QStringLiteral("Icon"),
                                       QStringLiteral("Preview"),    QStringLiteral("Context"),
                                       QStringLiteral("PasswordHash"), QStringLiteral("CreationDate"),
                                       QStringLiteral("AutoNumber"), QStringLiteral("ModifyDate")};
    static const QRegularExpression reference(QStringLiteral("ID\\d?$"));
    return hidden.contains(name) || reference.match(name).hasMatch() || name.contains(QLatin1String("Indication"));
}

// The columns a type's list shows, where the stored columns are too many to be useful.
QStringList chosenColumns(const QString& typeId)
{
    static const QHash<QString, QStringList> chosen = {
        {QStringLiteral("O4000100"),
         {QStringLiteral("Date"), QStringLiteral("DateTo"), QStringLiteral("CarCode"),
          QStringLiteral("UserName"), QStringLiteral("DistanceRest"), QStringLiteral("DistanceEnd"), QStringLiteral("Code")}},
        {QStringLiteral("O4000400"),
         {QStringLiteral("Code"), QStringLiteral("ChasisNumber"), QStringLiteral("DateWriteOff"), QStringLiteral("Comment")}},
        {QStringLiteral("O4000800"),
         {QStringLiteral("Number"), QStringLiteral("DateFrom"), QStringLiteral("DateTo"), QStringLiteral("MaxRun")}},
    };
    return chosen.value(typeId);
}
} // namespace

ObjectListModel::ObjectListModel(QObject* parent) : QAbstractItemModel(parent) {}

QString ObjectListModel::caption(const QString& field)
{
    static const QHash<QString, QString> captions = {
        {QStringLiteral("Preview"), QStringLiteral("Pavadinimas")},
        {QStringLiteral("Name"), QStringLiteral("Pavadinimas")},
        {QStringLiteral("Code"), QStringLiteral("Kodas")},
        {QStringLiteral("Date"), QStringLiteral("Data")},
        {QStringLiteral("DateTo"), QStringLiteral("Iki")},
        {QStringLiteral("DateFrom"), QStringLiteral("Nuo")},
        {QStringLiteral("CarName"), QStringLiteral("Automobilis")},
        {QStringLiteral("CarCode"), QStringLiteral("Automobilis")},
        {QStringLiteral("UserName"), QStringLiteral("Vairuotojas")},
        {QStringLiteral("DistanceRest"), QStringLiteral("Spidometras pradžioje")},
        {QStringLiteral("DistanceEnd"), QStringLiteral("Spidometras pabaigoje")},
        {QStringLiteral("Number"), QStringLiteral("Numeris")},
        {QStringLiteral("LastName"), QStringLiteral("Pavardė")},
        {QStringLiteral("Distance"), QStringLiteral("Atstumas")},
        {QStringLiteral("Duration"), QStringLiteral("Trukmė")},
        {QStringLiteral("Value"), QStringLiteral("Norma (l/100 km)")},
        {QStringLiteral("DurationValue"), QStringLiteral("Norma (l/val.)")},
        {QStringLiteral("ChasisNumber"), QStringLiteral("Kėbulo numeris")},
        {QStringLiteral("DateWriteOff"), QStringLiteral("Nurašytas")},
        {QStringLiteral("Comment"), QStringLiteral("Komentaras")},
        {QStringLiteral("Note"), QStringLiteral("Pastabos")},
        {QStringLiteral("FuelAmount"), QStringLiteral("Kiekis (l)")},
        {QStringLiteral("SumCurr"), QStringLiteral("Suma")},
        {QStringLiteral("Rate"), QStringLiteral("Kursas")},
    };
    return captions.value(field, field);
}

void ObjectListModel::clear()
{
    source_.reset();
    origin_.reset();
    expected_ = -1;
    keys_.clear();
    contexts_.clear();
    kindOf_.clear();
    iconOf_.clear();
    kinds_.clear();
    iconKeys_.clear();
    kindNumbers_.clear();
    iconNumbers_.clear();
    values_.clear();
    rowOfKey_.clear();
    allKeys_ = false;
    parentOf_.clear();
    positionInParent_.clear();
    children_.clear();
    top_.clear();
    openGroups_.clear();
    topShown_ = 0;
}

void ObjectListModel::setRows(const vx::RecordsetPtr& rows, IconProvider icons, const QString& typeId)
{
    beginResetModel();
    clear();
    typeId_ = typeId;
    icons_ = std::move(icons);
    const vx::RecordsetPtr none = vx::Recordset::create();
    const vx::Recordset& rs = rows ? *rows : *none;
    chooseColumns(rs);
    // The rows the record set has read come from it; the rest straight from its source.
    const int read = rs.readCount();
    QList<QVariantList> copied;
    copied.reserve(std::min(read, batch));
    for (int r = 0; r < read; ++r) {
        QVariantList values;
        values.reserve(rs.fieldCount());
        for (int f = 0; f < rs.fieldCount(); ++f)
            values << rs.valueAt(r, f);
        copied << std::move(values);
        if (copied.size() == batch || r == read - 1) {
            appendRows(copied);
            copied.clear();
        }
    }
    if (rows) {
        source_ = rows->takeRowSource();
        expected_ = source_ ? source_->expectedCount() : -1;
    }
    origin_ = source_; // a source narrows from its first row, however far it has been read
    readFirstPage();
}

void ObjectListModel::readFirstPage()
{
    // Inside the reset the view is told nothing: it takes what there is once the reset ends.
    while (top_.isEmpty() && source_)
        appendRows(takePage());
    topShown_ = std::min<int>(batch, int(top_.size()));
    endResetModel();
}

bool ObjectListModel::narrowTo(const QString& typed)
{
    const auto* searchable = dynamic_cast<const vx::SearchableRows*>(origin_.get());
    vx::RowSourcePtr narrowed = searchable ? searchable->narrowed(typed) : nullptr;
    if (!narrowed)
        return false;
    beginResetModel();
    const vx::RowSourcePtr origin = origin_;
    clear(); // the columns stay as they are
    values_ = QList<QVariantList>(columns_.size());
    origin_ = origin;
    source_ = std::move(narrowed);
    expected_ = source_->expectedCount();
    readFirstPage();
    return true;
}

int ObjectListModel::expectedRows() const
{
    return source_ ? std::max(expected_, totalRows()) : totalRows();
}

void ObjectListModel::chooseColumns(const vx::Recordset& rs)
{
    keyField_ = rs.fieldIndex(u"OIDR");
    parentField_ = rs.fieldIndex(u"ParentKey");
    groupField_ = rs.fieldIndex(u"GroupFlag");
    kindField_ = rs.fieldIndex(u"OType");
    contextField_ = rs.fieldIndex(u"Context");
    iconField_ = rs.fieldIndex(u"Icon");
    // Without a group mark any row may be a parent.
    allKeys_ = groupField_ < 0;
    const int previewField = rs.fieldIndex(u"Preview");
    columns_ = {QStringLiteral("Preview")};
    fieldOfColumn_ = {previewField};
    const QStringList chosen = chosenColumns(typeId_);
    if (!chosen.isEmpty()) {
        for (const QString& name : chosen) {
            if (const int f = rs.fieldIndex(name); f >= 0) {
                columns_ << name;
                fieldOfColumn_ << f;
            }
        }
    } else {
        for (int f = 0; f < rs.fieldCount(); ++f) {
            const QString name = rs.fieldDef(f).name;
            if (isHidden(name) || (name == QLatin1String("Name") && previewField >= 0))
                continue;
            columns_ << name;
            fieldOfColumn_ << f;
        }
    }
    columnTypes_.clear();
    for (int f : fieldOfColumn_)
        columnTypes_ << (f >= 0 ? rs.fieldDef(f).type : vx::FieldType::Text);
    values_ = QList<QVariantList>(columns_.size());
}

namespace {
// The number of a text in a short table of the texts seen so far.
quint16 numberOf(const QString& text, QStringList& table, QHash<QString, quint16>& numbers)
{
    const auto found = numbers.constFind(text);
    if (found != numbers.constEnd())
        return *found;
    const auto number = quint16(table.size());
    table << text;
    numbers.insert(text, number);
    return number;
}

QString textAt(const QVariantList& values, int field)
{
    return field >= 0 ? values.value(field).toString() : QString();
}

// A value from a row source as the column holds it (a value that does not fit is shown as it came).
QVariant columnValue(const QVariant& value, vx::FieldType type)
{
    bool ok = false;
    QVariant converted = vx::Recordset::convert(value, type, &ok);
    return ok ? converted : value;
}
} // namespace

int ObjectListModel::addRow(const QVariantList& values)
{
    const int row = int(keys_.size());
    const QString key = textAt(values, keyField_);
    const QString context = textAt(values, contextField_);
    keys_ << key;
    // A context like the key is kept as the null text; an empty one as an empty text.
    contexts_ << (context == key ? QString() : context.isNull() ? QString(QLatin1String("")) : context);
    kindOf_ << numberOf(textAt(values, kindField_), kinds_, kindNumbers_);
    iconOf_ << numberOf(textAt(values, iconField_), iconKeys_, iconNumbers_);
    for (int c = 0; c < columns_.size(); ++c) {
        const int f = fieldOfColumn_.at(c);
        values_[c] << (f >= 0 ? columnValue(values.value(f), columnTypes_.at(c)) : QVariant());
    }
    const bool group = groupField_ >= 0 && values.value(groupField_).toInt() != 0;
    const int parent = findParent(textAt(values, parentField_));
    parentOf_ << (parent == row ? -1 : parent);
    positionInParent_ << 0;
    if (allKeys_ || group)
        rowOfKey_.insert(key, row);
    // Rows come after the row they hang under, so once a row comes the groups
    // it is not beneath get no more rows.
    while (!openGroups_.isEmpty() && openGroups_.last() != parentOf_.last())
        openGroups_.removeLast();
    if (group)
        openGroups_ << row;
    return row;
}

int ObjectListModel::findParent(const QString& parentKey)
{
    if (parentKey.isEmpty())
        return -1;
    auto found = rowOfKey_.constFind(parentKey);
    if (found == rowOfKey_.constEnd() && !allKeys_) {
        // A parent that is not marked as a group is looked for among every row.
        allKeys_ = true;
        for (int r = 0; r < keys_.size(); ++r)
            rowOfKey_.insert(keys_.at(r), r);
        found = rowOfKey_.constFind(parentKey);
    }
    return found != rowOfKey_.constEnd() ? *found : -1;
}

void ObjectListModel::appendRows(const QList<QVariantList>& rows)
{
    const int first = totalRows();
    for (const QVariantList& values : rows)
        addRow(values);
    // Rows join their parents in runs under one parent; a parent the view
    // already shows is told of the run.
    for (int r = first; r < totalRows();) {
        const int parent = parentOf_.at(r);
        int end = r + 1;
        while (end < totalRows() && parentOf_.at(end) == parent)
            ++end;
        if (parent < 0) {
            for (int k = r; k < end; ++k) {
                positionInParent_[k] = int(top_.size());
                top_ << k;
            }
        } else {
            const bool given = isGiven(parent);
            const int start = childCount(parent);
            const QScopedValueRollback changing(changing_, changing_ + 1);
            if (given)
                beginInsertRows(indexOfRow(parent), start, start + end - r - 1);
            QList<int>& siblings = children_[parent];
            for (int k = r; k < end; ++k) {
                positionInParent_[k] = int(siblings.size());
                siblings << k;
            }
            if (given)
                endInsertRows();
        }
        r = end;
    }
}

QList<QVariantList> ObjectListModel::takePage()
{
    if (!source_)
        return {};
    QList<QVariantList> rows = source_->next(batch);
    if (rows.size() < batch) {
        source_.reset();
        openGroups_.clear();
    }
    return rows;
}

bool ObjectListModel::readPage()
{
    if (!source_)
        return false;
    const bool allGiven = topShown_ == top_.size();
    const QList<QVariantList> rows = takePage();
    appendRows(rows);
    // Rows read come into view at once unless top-level rows are still being handed over in batches.
    if (allGiven)
        giveTopRows(int(top_.size()));
    return !rows.isEmpty();
}

void ObjectListModel::readMore()
{
    if (changing_ == 0)
        readPage();
}

void ObjectListModel::readAll()
{
    while (readPage()) {
    }
    giveTopRows(int(top_.size()));
}

void ObjectListModel::giveTopRows(int count)
{
    count = std::min<int>(count, int(top_.size()));
    if (count <= topShown_)
        return;
    const QScopedValueRollback changing(changing_, changing_ + 1);
    beginInsertRows({}, topShown_, count - 1);
    topShown_ = count;
    endInsertRows();
}

bool ObjectListModel::isGiven(int row) const
{
    while (parentOf_.at(row) >= 0)
        row = parentOf_.at(row);
    return positionInParent_.at(row) < topShown_;
}

int ObjectListModel::childCount(int row) const
{
    const auto found = children_.constFind(row);
    return found == children_.constEnd() ? 0 : int(found->size());
}

QModelIndex ObjectListModel::indexOfRow(int row) const
{
    return createIndex(positionInParent_.at(row), 0, quintptr(row));
}

QModelIndex ObjectListModel::indexOfKey(const QString& key)
{
    int r = int(keys_.indexOf(key));
    while (r < 0 && source_) {
        const int from = totalRows();
        readPage();
        r = int(keys_.indexOf(key, from));
    }
    if (r < 0)
        return {};
    int top = r;
    while (parentOf_.at(top) >= 0)
        top = parentOf_.at(top);
    giveTopRows(positionInParent_.at(top) + 1);
    return indexOfRow(r);
}

QModelIndex ObjectListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount())
        return {};
    if (!parent.isValid()) {
        if (row >= topShown_)
            return {};
        return createIndex(row, column, quintptr(top_.at(row)));
    }
    const int parentRow = int(parent.internalId());
    if (parent.column() != 0 || row >= childCount(parentRow))
        return {};
    return createIndex(row, column, quintptr(children_.value(parentRow).at(row)));
}

QModelIndex ObjectListModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const int parentRow = parentOf_.at(int(child.internalId()));
    if (parentRow < 0)
        return {};
    return indexOfRow(parentRow);
}

int ObjectListModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return topShown_;
    if (parent.column() != 0)
        return 0;
    return childCount(int(parent.internalId()));
}

int ObjectListModel::columnCount(const QModelIndex&) const
{
    return int(columns_.size());
}

bool ObjectListModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return QAbstractItemModel::hasChildren(parent);
    const int row = int(parent.internalId());
    return parent.column() == 0 && (childCount(row) > 0 || mayGetChildren(row));
}

QVariant ObjectListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = int(index.internalId());
    switch (role) {
    case Qt::DisplayRole:
        return RecordsetTableModel::valueText(values_.at(index.column()).at(row), columnTypes_.at(index.column()));
    case Qt::DecorationRole:
        if (index.column() == 0 && icons_)
            return icons_(iconKeys_.at(iconOf_.at(row)));
        return {};
    case KeyRole:
        return keys_.at(row);
    case TypeRole:
        return kinds_.at(kindOf_.at(row));
    case ContextRole:
        return contexts_.at(row).isNull() ? keys_.at(row) : contexts_.at(row);
    default:
        return {};
    }
}

QVariant ObjectListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns_.size())
        return {};
    return fieldCaption(columns_.at(section)); // this model's captions and those of fields only cards name
}

Qt::ItemFlags ObjectListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

// Nodes still getting rows read them when opened. The view asks about the
// top level whenever it lays the tree out, so it is only handed the rows
// already read; reading on at the top is the list pane's to ask (readMore).
bool ObjectListModel::canFetchMore(const QModelIndex& parent) const
{
    if (parent.isValid())
        return parent.column() == 0 && mayGetChildren(int(parent.internalId()));
    return topShown_ < top_.size();
}

void ObjectListModel::fetchMore(const QModelIndex& parent)
{
    if (changing_ > 0) {
        // Asked while the view takes in other rows: go on once that is over.
        QMetaObject::invokeMethod(
            this, [this, node = QPersistentModelIndex(parent), top = !parent.isValid()] {
                if (top || node.isValid())
                    fetchMore(node);
            },
            Qt::QueuedConnection);
        return;
    }
    if (parent.isValid()) {
        const int row = int(parent.internalId());
        while (mayGetChildren(row) && readPage()) {
        }
        return;
    }
    giveTopRows(topShown_ + batch);
}

QStringList ObjectListModel::mimeTypes() const
{
    return {QStringLiteral("text/plain")};
}

// A dragged row travels as its object id text, which cards accept.
QMimeData* ObjectListModel::mimeData(const QModelIndexList& indexes) const
{
    auto* mime = new QMimeData();
    for (const QModelIndex& index : indexes) {
        if (index.column() == 0) {
            mime->setText(data(index, KeyRole).toString());
            break;
        }
    }
    return mime;
}

} // namespace shell
