#include "platform/shell/object_list_model.h"

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

void ObjectListModel::setRows(vx::RecordsetPtr rows, IconProvider icons, const QString& typeId)
{
    beginResetModel();
    typeId_ = typeId;
    rs_ = rows ? rows : vx::Recordset::create();
    icons_ = std::move(icons);
    keyField_ = rs_->fieldIndex(u"OIDR");
    typeField_ = rs_->fieldIndex(u"OType");
    contextField_ = rs_->fieldIndex(u"Context");
    iconField_ = rs_->fieldIndex(u"Icon");
    previewField_ = rs_->fieldIndex(u"Preview");
    const int parentField = rs_->fieldIndex(u"ParentKey");

    columns_ = {QStringLiteral("Preview")};
    fieldOfColumn_ = {previewField_};
    const QStringList chosen = chosenColumns(typeId_);
    if (!chosen.isEmpty()) {
        for (const QString& name : chosen) {
            if (const int f = rs_->fieldIndex(name); f >= 0) {
                columns_ << name;
                fieldOfColumn_ << f;
            }
        }
    } else {
        for (int f = 0; f < rs_->fieldCount(); ++f) {
            const QString name = rs_->fieldDef(f).name;
            if (isHidden(name) || (name == QLatin1String("Name") && previewField_ >= 0))
                continue;
            columns_ << name;
            fieldOfColumn_ << f;
        }
    }

    const int n = rs_->RecordCount();
    parentOf_ = QList<int>(n, -1);
    positionInParent_ = QList<int>(n, 0);
    children_ = QList<QList<int>>(n);
    top_.clear();
    QHash<QString, int> rowOfKey;
    rowOfKey.reserve(n);
    for (int r = 0; r < n; ++r)
        if (keyField_ >= 0)
            rowOfKey.insert(rs_->valueAt(r, keyField_).toString(), r);
    for (int r = 0; r < n; ++r) {
        const QString parentKey = parentField >= 0 ? rs_->valueAt(r, parentField).toString() : QString();
        const int parentRow = parentKey.isEmpty() ? -1 : rowOfKey.value(parentKey, -1);
        parentOf_[r] = parentRow;
        QList<int>& siblings = parentRow >= 0 ? children_[parentRow] : top_;
        positionInParent_[r] = int(siblings.size());
        siblings.append(r);
    }
    topShown_ = std::min<int>(batch, int(top_.size()));
    endResetModel();
}

QModelIndex ObjectListModel::indexOfKey(const QString& key)
{
    if (!rs_ || keyField_ < 0)
        return {};
    for (int r = 0; r < rs_->RecordCount(); ++r) {
        if (rs_->valueAt(r, keyField_).toString() != key)
            continue;
        if (parentOf_.at(r) < 0) {
            while (positionInParent_.at(r) >= topShown_ && canFetchMore({}))
                fetchMore({});
        }
        return createIndex(positionInParent_.at(r), 0, quintptr(r));
    }
    return {};
}

QModelIndex ObjectListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount())
        return {};
    const QList<int>& siblings = parent.isValid() ? children_.at(int(parent.internalId())) : top_;
    if (row >= (parent.isValid() ? siblings.size() : topShown_))
        return {};
    return createIndex(row, column, quintptr(siblings.at(row)));
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
    return int(children_.at(int(parent.internalId())).size());
}

int ObjectListModel::columnCount(const QModelIndex&) const
{
    return int(columns_.size());
}

QString ObjectListModel::text(int row, int column) const
{
    const int field = fieldOfColumn_.at(column);
    if (field < 0)
        return QString();
    return RecordsetTableModel::valueText(rs_->valueAt(row, field), rs_->fieldDef(field).type);
}

QVariant ObjectListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = int(index.internalId());
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == 0 && iconField_ >= 0 && icons_)
            return icons_(rs_->valueAt(row, iconField_).toString());
        return {};
    case KeyRole:
        return keyField_ >= 0 ? rs_->valueAt(row, keyField_) : QVariant();
    case TypeRole:
        return typeField_ >= 0 ? rs_->valueAt(row, typeField_) : QVariant();
    case ContextRole:
        return contextField_ >= 0 ? rs_->valueAt(row, contextField_) : QVariant();
    default:
        return {};
    }
}

QVariant ObjectListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns_.size())
        return {};
    return caption(columns_.at(section));
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
