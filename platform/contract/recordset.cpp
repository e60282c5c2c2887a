#include "platform/contract/recordset.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vx {
namespace {

QString typeName(FieldType type)
{
    switch (type) {
    case FieldType::Integer: return QStringLiteral("Integer");
    case FieldType::SmallInt: return QStringLiteral("SmallInt");
    case FieldType::BigInt: return QStringLiteral("BigInt");
    case FieldType::Double: return QStringLiteral("Double");
    case FieldType::Currency: return QStringLiteral("Currency");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Text: return QStringLiteral("Text");
    case FieldType::Date: return QStringLiteral("Date");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::Variant: return QStringLiteral("Variant");
    }
    return QString();
}

bool isNullValue(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

// Numbers from numbers, Booleans and numeric text (the app's number format).
std::optional<double> toNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1.0 : 0.0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QString:
        return numbers::readLocale(value.toString());
    default:
        return std::nullopt;
    }
}

// Whole numbers round halves to the even neighbour, as numeric fields always have.
std::optional<qint64> toWhole(const QVariant& value, qint64 lowest, qint64 highest)
{
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        const qint64 n = value.toLongLong();
        if (n < lowest || n > highest)
            return std::nullopt;
        return n;
    }
    const auto number = toNumber(value);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < double(lowest) || rounded > double(highest))
        return std::nullopt;
    return qint64(rounded);
}

std::optional<bool> toBoolean(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString t = value.toString().trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    const auto number = toNumber(value);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

QString toText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return numbers::plain(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDate:
        return dates::toText(value.toDate());
    case QMetaType::QDateTime:
        return dates::toText(value.toDateTime(), true);
    default:
        return value.toString();
    }
}

// The value a variant of that type holds, without a copy or a conversion.
template <class T>
const T& held(const QVariant& value)
{
    return *static_cast<const T*>(value.constData());
}

// Whether a value that is not null is already as a column of the type holds
// it, so converting it would give it back unchanged.
bool holdsType(const QVariant& value, FieldType type)
{
    switch (value.typeId()) {
    case QMetaType::QString: return type == FieldType::Text || type == FieldType::Variant;
    case QMetaType::Int:
        return type == FieldType::Integer || type == FieldType::Variant ||
               (type == FieldType::SmallInt && held<int>(value) >= std::numeric_limits<qint16>::min() &&
                held<int>(value) <= std::numeric_limits<qint16>::max());
    case QMetaType::LongLong:
        return type == FieldType::Variant ||
               (type == FieldType::BigInt && held<qlonglong>(value) >= std::numeric_limits<qint64>::min() / 2 &&
                held<qlonglong>(value) <= std::numeric_limits<qint64>::max() / 2);
    case QMetaType::Double:
        return type == FieldType::Variant || (type == FieldType::Double && std::isfinite(held<double>(value)));
    case QMetaType::Bool: return type == FieldType::Boolean || type == FieldType::Variant;
    case QMetaType::QDate: return type == FieldType::Variant || (type == FieldType::Date && held<QDate>(value).isValid());
    case QMetaType::QDateTime:
        return type == FieldType::Variant || (type == FieldType::DateTime && held<QDateTime>(value).isValid());
    default: return type == FieldType::Variant; // a Currency is rounded to four decimals whatever it is
    }
}

} // namespace

RecordsetError::RecordsetError(const QString& message) : std::runtime_error(message.toStdString()) {}

ConversionError::ConversionError(const QString& field, const QVariant& value, FieldType type)
    : RecordsetError(QStringLiteral("Reikšmės \"%1\" negalima įrašyti į lauką %2 (%3).")
                         .arg(value.toString(), field, typeName(type))),
      field_(field)
{
}

UnknownFieldError::UnknownFieldError(const QString& field)
    : RecordsetError(QStringLiteral("Nėra lauko %1.").arg(field))
{
}

NoCurrentRecordError::NoCurrentRecordError() : RecordsetError(QStringLiteral("Nėra einamojo įrašo.")) {}

QVariant FieldRef::value() const
{
    return rs_.value(name_);
}

FieldRef& FieldRef::operator=(const QVariant& value)
{
    rs_.setValue(name_, value);
    return *this;
}

FieldRef RecordFields::operator[](const QString& name) const
{
    if (!rs_)
        throw NoCurrentRecordError();
    return FieldRef(*rs_, name);
}

QVariant RecordFields::value(const QString& name) const
{
    if (!rs_)
        throw NoCurrentRecordError();
    return rs_->value(name);
}

void RecordFields::setValue(const QString& name, const QVariant& value) const
{
    if (!rs_)
        throw NoCurrentRecordError();
    rs_->setValue(name, value);
}

bool RecordFields::contains(const QString& name) const
{
    return rs_ && rs_->hasField(name);
}

Recordset::Recordset(QList<FieldDef> fields) : fields_(std::move(fields)) {}

RecordsetPtr Recordset::create(QList<FieldDef> fields)
{
    return std::make_shared<Recordset>(std::move(fields));
}

RecordsetPtr Recordset::create(QList<FieldDef> fields, RowSourcePtr source)
{
    auto rs = create(std::move(fields));
    rs->source_ = std::move(source);
    rs->position_ = 0; // on the first row, as a set given its rows is
    return rs;
}

RowSourcePtr Recordset::takeRowSource()
{
    return std::exchange(source_, nullptr);
}

namespace {
// Rows read from a row source at a time when the cursor or an index runs past the rows read.
constexpr int pageSize = 500;
} // namespace

bool Recordset::readPage() const
{
    if (!source_)
        return false;
    QList<QVariantList> page = source_->next(pageSize);
    const bool typed = source_->givesTypedRows();
    if (page.size() < pageSize)
        source_.reset();
    for (QVariantList& values : page) {
        if (typed)
            values.resize(fields_.size());
        rows_.append(typed ? std::move(values) : convertRow(std::move(values)));
        states_.append(RowState::Unchanged);
    }
    return !page.isEmpty();
}

void Recordset::readTo(int row) const
{
    while (row >= rows_.size() && readPage()) {
    }
}

void Recordset::readAll() const
{
    while (readPage()) {
    }
}

int Recordset::RecordCount() const
{
    readAll();
    return int(rows_.size());
}

RowState Recordset::rowState(int row) const
{
    readTo(row);
    return states_.at(row);
}

int Recordset::fieldIndex(QStringView name) const
{
    // Names of another length never match; one written as the column has it
    // is found without folding its case.
    for (int i = 0; i < fields_.size(); ++i) {
        const QString& field = fields_.at(i).name;
        if (field.size() == name.size() && (name == field || name.compare(field, Qt::CaseInsensitive) == 0))
            return i;
    }
    return -1;
}

QStringList Recordset::fieldNames() const
{
    QStringList names;
    names.reserve(fields_.size());
    for (const FieldDef& f : fields_)
        names << f.name;
    return names;
}

void Recordset::addField(const FieldDef& field)
{
    readAll();
    fields_.append(field);
    for (QVariantList& row : rows_)
        row.append(QVariant());
}

bool Recordset::isBOF() const
{
    readTo(0);
    return rows_.isEmpty() || position_ < 0;
}

bool Recordset::isEOF() const
{
    readTo(std::max(position_, 0));
    return rows_.isEmpty() || position_ >= rows_.size();
}

void Recordset::MoveFirst()
{
    readTo(0);
    position_ = rows_.isEmpty() ? -1 : 0;
}

void Recordset::MoveLast()
{
    readAll();
    position_ = int(rows_.size()) - 1;
}

void Recordset::MoveNext()
{
    readTo(position_ + 1);
    if (position_ < rows_.size())
        ++position_;
}

void Recordset::MovePrevious()
{
    if (position_ >= 0)
        --position_;
}

void Recordset::setPosition(int row)
{
    readTo(row);
    position_ = std::clamp(row, -1, int(rows_.size()));
}

void Recordset::AddNew()
{
    readAll(); // a new row goes after every row, read or not
    rows_.append(QVariantList(fields_.size()));
    states_.append(RowState::Added);
    position_ = int(rows_.size()) - 1;
}

QVariantList Recordset::convertRow(QVariantList values) const
{
    // Converted in place: a row read already typed is handed on as it came.
    values.resize(fields_.size());
    for (int i = 0; i < fields_.size(); ++i) {
        QVariant& value = values[i];
        const FieldType type = fields_.at(i).type;
        if (isNullValue(value) ? !value.isValid() : holdsType(value, type))
            continue;
        bool ok = false;
        QVariant converted = convert(value, type, &ok);
        if (!ok)
            throw ConversionError(fields_.at(i).name, value, type);
        value = std::move(converted);
    }
    return values;
}

void Recordset::appendRow(const QVariantList& values, RowState state)
{
    readAll();
    QVariantList row = convertRow(values);
    const bool wasEmpty = rows_.isEmpty();
    rows_.append(std::move(row));
    states_.append(state);
    if (wasEmpty)
        position_ = 0;
}

int Recordset::checkedIndex(QStringView name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw UnknownFieldError(name.toString());
    return index;
}

int Recordset::currentRow() const
{
    if (isBOF() || isEOF())
        throw NoCurrentRecordError();
    return position_;
}

QVariant Recordset::value(QStringView name) const
{
    const int column = checkedIndex(name);
    return rows_.at(currentRow()).at(column);
}

void Recordset::setValue(QStringView name, const QVariant& value)
{
    const int column = checkedIndex(name);
    setValueAt(currentRow(), column, value);
}

RecordFields Recordset::Fields()
{
    return RecordFields(shared_from_this());
}

QVariant Recordset::valueAt(int row, int column) const
{
    readTo(row);
    return rows_.at(row).at(column);
}

void Recordset::setValueAt(int row, int column, const QVariant& value)
{
    const FieldDef& field = fields_.at(column);
    bool ok = false;
    QVariant converted = convert(value, field.type, &ok);
    if (!ok)
        throw ConversionError(field.name, value, field.type);
    readTo(row);
    rows_[row][column] = std::move(converted);
    if (states_.at(row) == RowState::Unchanged)
        states_[row] = RowState::Modified;
}

void Recordset::acceptChanges()
{
    for (RowState& state : states_)
        state = RowState::Unchanged;
}

QList<int> Recordset::rowsToMarshal() const
{
    readAll();
    QList<int> rows;
    for (int i = 0; i < rows_.size(); ++i)
        if (marshal_ == MarshalOptions::AllRows || states_.at(i) != RowState::Unchanged)
            rows << i;
    return rows;
}

RecordsetPtr Recordset::marshal() const
{
    auto copy = create(fields_);
    copy->marshal_ = marshal_;
    for (int row : rowsToMarshal()) {
        copy->rows_.append(rows_.at(row));
        copy->states_.append(states_.at(row));
    }
    copy->MoveFirst();
    return copy;
}

RecordsetPtr Recordset::clone() const
{
    readAll(); // the copy must not share the source with this set
    auto copy = std::make_shared<Recordset>(*this);
    return copy;
}

QVariant Recordset::convert(const QVariant& value, FieldType type, bool* ok)
{
    *ok = true;
    if (isNullValue(value))
        return QVariant();
    if (holdsType(value, type))
        return value;
    switch (type) {
    case FieldType::Variant:
        return value;
    case FieldType::Integer:
        if (auto n = toWhole(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()))
            return QVariant::fromValue(qint32(*n));
        break;
    case FieldType::SmallInt:
        if (auto n = toWhole(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()))
            return QVariant::fromValue(qint32(*n));
        break;
    case FieldType::BigInt:
        if (auto n = toWhole(value, std::numeric_limits<qint64>::min() / 2, std::numeric_limits<qint64>::max() / 2))
            return QVariant::fromValue(qint64(*n));
        break;
    case FieldType::Double:
        if (auto d = toNumber(value); d && std::isfinite(*d))
            return QVariant(*d);
        break;
    case FieldType::Currency:
        if (auto d = toNumber(value); d && std::isfinite(*d) && std::fabs(*d) < 9.2e14)
            // Rounded as the number is written, so it matches what the user sees.
            return QVariant(numbers::readLocale(numbers::fixed(*d, 4)).value_or(0.0));
        break;
    case FieldType::Boolean:
        if (auto b = toBoolean(value))
            return QVariant(*b);
        break;
    case FieldType::Text:
        return QVariant(toText(value));
    case FieldType::Date:
        if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
            return value;
        if (value.typeId() == QMetaType::QDateTime && value.toDateTime().isValid())
            return QVariant(value.toDateTime().date());
        if (value.typeId() == QMetaType::QString)
            if (auto date = dates::readDate(value.toString()))
                return QVariant(*date);
        break;
    case FieldType::DateTime:
        if (value.typeId() == QMetaType::QDateTime && value.toDateTime().isValid())
            return value;
        if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
            return QVariant(QDateTime(value.toDate(), QTime(0, 0)));
        if (value.typeId() == QMetaType::QString)
            if (auto moment = dates::readDateTime(value.toString()))
                return QVariant(*moment);
        break;
    }
    *ok = false;
    return QVariant();
}

} // namespace vx
