#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>

namespace vx {

// Column types of a record set. Integer is 32-bit, SmallInt 16-bit, Currency a
// double kept to four decimals; Variant keeps whatever it is given.
enum class FieldType { Integer, SmallInt, BigInt, Double, Currency, Boolean, Text, Date, DateTime, Variant };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Variant;
};

enum class RowState { Unchanged, Modified, Added };

// Which rows travel when a record set is handed back for saving.
enum class MarshalOptions { AllRows = 0, ModifiedRecordsOnly = 1 };

class RecordsetError : public std::runtime_error {
public:
    explicit RecordsetError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// A value that cannot be converted to the column's type.
class ConversionError : public RecordsetError {
public:
    ConversionError(const QString& field, const QVariant& value, FieldType type);
    const QString& field() const { return field_; }

private:
    QString field_;
};

// A field name the record set does not have.
class UnknownFieldError : public RecordsetError {
public:
    explicit UnknownFieldError(const QString& field);
};

// Reading or writing a field while the cursor is before the first or after the last row.
class NoCurrentRecordError : public RecordsetError {
public:
    NoCurrentRecordError();
};

class Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;

// Where the rows of a long record set come from when they are read as they
// are wanted rather than all at once (a list of a million trip sheets).
class RowSource {
public:
    virtual ~RowSource() = default;
    // Up to `count` further rows, values in column order; fewer once the rows run out.
    virtual QList<QVariantList> next(int count) = 0;
    // How many rows there are in all, read or not, when known beforehand; -1 otherwise.
    virtual int expectedCount() const { return -1; }
    // Whether the rows it has given are already as the record set's columns
    // hold them (each value of its column's type, an empty variant for a
    // null), so the record set keeps them without converting them again.
    virtual bool givesTypedRows() const { return false; }
};
using RowSourcePtr = std::shared_ptr<RowSource>;

// One field of the current row, read and written by name: fields["Name"] = v.
class FieldRef {
public:
    FieldRef(Recordset& rs, QString name) : rs_(rs), name_(std::move(name)) {}
    QVariant value() const;
    operator QVariant() const { return value(); }
    FieldRef& operator=(const QVariant& value);
    FieldRef& operator=(const FieldRef& other) { return *this = other.value(); }

private:
    Recordset& rs_;
    QString name_;
};

// The current row's fields of a record set, as an editor's `Fields` hands them out.
class RecordFields {
public:
    RecordFields() = default;
    explicit RecordFields(RecordsetPtr rs) : rs_(std::move(rs)) {}
    bool isNull() const { return !rs_; }
    FieldRef operator[](const QString& name) const;
    QVariant value(const QString& name) const;
    void setValue(const QString& name, const QVariant& value) const;
    bool contains(const QString& name) const;
    const RecordsetPtr& recordset() const { return rs_; }

private:
    RecordsetPtr rs_;
};

// Ordered, typed columns looked up by name without regard to case; rows of
// values; a cursor with BOF/EOF; a modified state per row.
//
// A record set may be given a row source: it then reads its rows a page at a
// time, as the cursor or an index reaches them, and everything that needs all
// the rows (the count, the last row, adding, copying) reads the rest first, so
// it behaves as if every row were there from the start.
class Recordset : public std::enable_shared_from_this<Recordset> {
public:
    explicit Recordset(QList<FieldDef> fields = {});
    static RecordsetPtr create(QList<FieldDef> fields = {});

    // Columns.
    int fieldCount() const { return int(fields_.size()); }
    const FieldDef& fieldDef(int index) const { return fields_.at(index); }
    const QList<FieldDef>& fieldDefs() const { return fields_; }
    int fieldIndex(QStringView name) const; // -1 when unknown
    bool hasField(QStringView name) const { return fieldIndex(name) >= 0; }
    QStringList fieldNames() const;
    void addField(const FieldDef& field); // existing rows get a null value

    // Rows are read from `source` as they are wanted; the cursor starts on the first.
    static RecordsetPtr create(QList<FieldDef> fields, RowSourcePtr source);
    // The rows read so far, and whether more are still to be read.
    int readCount() const { return int(rows_.size()); }
    bool hasUnreadRows() const { return source_ != nullptr; }
    // Hands the rows not yet read to the caller, who reads them itself (a list
    // view that keeps rows in a form of its own); the record set keeps only the
    // rows it has read. Null when everything has been read.
    RowSourcePtr takeRowSource();

    // Rows and cursor. An empty set is at BOF and EOF at once.
    int RecordCount() const;
    bool isBOF() const;
    bool isEOF() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    int position() const { return position_; } // row index; -1 before the first, RecordCount() after the last
    void setPosition(int row);                  // clamped to [-1, RecordCount()]

    // Appends an empty row (every field null), marks it added and puts the cursor on it.
    void AddNew();
    // Appends a row of raw values in column order, converting each; state as given.
    void appendRow(const QVariantList& values, RowState state = RowState::Unchanged);

    // Current row, by name. Writing converts to the column type and marks the row modified.
    QVariant value(QStringView name) const;
    void setValue(QStringView name, const QVariant& value);
    FieldRef operator[](const QString& name) { return FieldRef(*this, name); }
    RecordFields Fields();

    // Any row, by index.
    QVariant valueAt(int row, int column) const;
    void setValueAt(int row, int column, const QVariant& value);

    RowState rowState(int row) const;
    bool isRowModified(int row) const { return rowState(row) != RowState::Unchanged; }
    void acceptChanges(); // every row unchanged

    MarshalOptions marshalOptions() const { return marshal_; }
    void setMarshalOptions(MarshalOptions options) { marshal_ = options; }
    // The rows that travel: all rows, or only the added and modified ones when
    // the option says so. The copy keeps the row states and the option.
    QList<int> rowsToMarshal() const;
    RecordsetPtr marshal() const;

    // A deep copy (rows, states, cursor and option).
    RecordsetPtr clone() const;

    // Converts a value to a column type the way writing a field does.
    static QVariant convert(const QVariant& value, FieldType type, bool* ok);

    // Values converted to the column types, as appending a row converts them.
    QVariantList convertRow(QVariantList values) const;

private:
    int checkedIndex(QStringView name) const;
    int currentRow() const;
    // Reading from the row source: a page, up to a row, or everything. The rows
    // read belong to the set as if they had always been there, hence const.
    bool readPage() const;
    void readTo(int row) const;
    void readAll() const;

    QList<FieldDef> fields_;
    mutable QList<QVariantList> rows_;
    mutable QList<RowState> states_;
    mutable RowSourcePtr source_;
    int position_ = -1;
    MarshalOptions marshal_ = MarshalOptions::AllRows;
};

} // namespace vx

Q_DECLARE_METATYPE(vx::RecordsetPtr)
