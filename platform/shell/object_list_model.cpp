#include "platform/shell/object_list_model.h"

#include "platform/shell/field_captions.h"
#include "platform/shell/recordset_table_model.h"


#include <QHash>
#include <QMimeData>
#include <QRegularExpression>

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

void ObjectListModel::setRows(const vx::RecordsetPtr& rows, IconProvider icons, const QString& typeId)
{
    beginResetModel();
    typeId_ = typeId;
    icons_ = std::move(icons);
    const vx::RecordsetPtr none = vx::Recordset::create();
    const vx::Recordset& rs = rows ? *rows : *none;
    chooseColumns(rs);
    copyRows(rs);
    buildTree(rs);
    topShown_ = std::min<int>(batch, int(top_.size()));
    endResetModel();
}

void ObjectListModel::chooseColumns(const vx::Recordset& rs)
{
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

QString textAt(const vx::Recordset& rs, int row, int field)
{
    return field >= 0 ? rs.valueAt(row, field).toString() : QString();
}
} // namespace

void ObjectListModel::copyRows(const vx::Recordset& rs)
{
    const int n = rs.RecordCount();
    const int keyField = rs.fieldIndex(u"OIDR"), kindField = rs.fieldIndex(u"OType");
    const int contextField = rs.fieldIndex(u"Context"), iconField = rs.fieldIndex(u"Icon");
    keys_.clear();
    contexts_.clear();
    kindOf_.clear();
    iconOf_.clear();
    kinds_.clear();
    iconKeys_.clear();
    keys_.reserve(n);
    contexts_.reserve(n);
    kindOf_.reserve(n);
    iconOf_.reserve(n);
    values_ = QList<QVariantList>(columns_.size());
    for (QVariantList& column : values_)
        column.reserve(n);
    QHash<QString, quint16> kindNumbers, iconNumbers;
    for (int r = 0; r < n; ++r) {
        const QString key = textAt(rs, r, keyField);
        const QString context = textAt(rs, r, contextField);
        keys_ << key;
        // A context like the key is kept as the null text; an empty one as an empty text.
        contexts_ << (context == key ? QString() : context.isNull() ? QString(QLatin1String("")) : context);
        kindOf_ << numberOf(textAt(rs, r, kindField), kinds_, kindNumbers);
        iconOf_ << numberOf(textAt(rs, r, iconField), iconKeys_, iconNumbers);
        for (int c = 0; c < columns_.size(); ++c)
            values_[c] << (fieldOfColumn_.at(c) >= 0 ? rs.valueAt(r, fieldOfColumn_.at(c)) : QVariant());
    }
}

void ObjectListModel::buildTree(const vx::Recordset& rs)
{
    const int n = rs.RecordCount();
    const int parentField = rs.fieldIndex(u"ParentKey"), groupField = rs.fieldIndex(u"GroupFlag");
    // Rows hang under groups and grouping nodes, so only their keys are looked
    // up; a parent that is not marked as a group is found in all keys.
    QHash<QString, int> rowOfKey;
    for (int r = 0; r < n; ++r)
        if (groupField < 0 || rs.valueAt(r, groupField).toInt() != 0)
            rowOfKey.insert(keys_.at(r), r);
    bool allKeys = groupField < 0;
    parentOf_ = QList<int>(n, -1);
    positionInParent_ = QList<int>(n, 0);
    childStart_ = QList<int>(n + 1, 0);
    top_.clear();
    for (int r = 0; r < n; ++r) {
        const QString parentKey = textAt(rs, r, parentField);
        if (parentKey.isEmpty())
            continue;
        auto found = rowOfKey.constFind(parentKey);
        if (found == rowOfKey.constEnd() && !allKeys) {
            allKeys = true;
            for (int k = 0; k < n; ++k)
                rowOfKey.insert(keys_.at(k), k);
            found = rowOfKey.constFind(parentKey);
        }
        if (found != rowOfKey.constEnd() && *found != r)
            parentOf_[r] = *found;
    }
    // Children of each row, stored one row after another in childRows_.
    for (int r = 0; r < n; ++r)
        if (parentOf_.at(r) >= 0)
            ++childStart_[parentOf_.at(r) + 1];
    for (int r = 0; r < n; ++r)
        childStart_[r + 1] += childStart_.at(r);
    childRows_ = QList<int>(childStart_.at(n), 0);
    QList<int> filled(n, 0);
    for (int r = 0; r < n; ++r) {
        const int parent = parentOf_.at(r);
        if (parent < 0) {
            positionInParent_[r] = int(top_.size());
            top_ << r;
        } else {
            positionInParent_[r] = filled[parent]++;
            childRows_[childStart_.at(parent) + positionInParent_.at(r)] = r;
        }
    }
}

QModelIndex ObjectListModel::indexOfKey(const QString& key)
{
    const int r = int(keys_.indexOf(key));
    if (r < 0)
        return {};
    if (parentOf_.at(r) < 0) {
        while (positionInParent_.at(r) >= topShown_ && canFetchMore({}))
            fetchMore({});
    }
    return createIndex(positionInParent_.at(r), 0, quintptr(r));
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
    return createIndex(row, column, quintptr(childRows_.at(childStart_.at(parentRow) + row)));
}

QModelIndex ObjectListModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const int parentRow = parentOf_.at(int(child.internalId()));
    if (parentRow < 0)
        return {};
    return createIndex(positionInParent_.at(parentRow), 0, quintptr(parentRow));
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

bool ObjectListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && topShown_ < top_.size();
}

void ObjectListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    const int more = std::min<int>(batch, int(top_.size()) - topShown_);
    if (more <= 0)
        return;
    beginInsertRows({}, topShown_, topShown_ + more - 1);
    topShown_ += more;
    endInsertRows();
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
