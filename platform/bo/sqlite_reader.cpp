#include "platform/bo/sqlite_reader.h"

#include <QDate>
#include <QDateTime>

#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace bo {
namespace {

// Once more texts than this have been prepared, the kept ones are let go.
constexpr int statementsKept = 200;

// The value a variant of that type holds, without a copy.
template <class T>
const T& held(const QVariant& value)
{
    return *static_cast<const T*>(value.constData());
}

// Whether QtSql binds a value as SQL NULL: a null variant, or a null text,
// byte array, date or time.
bool bindsNull(const QVariant& value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString: return held<QString>(value).isNull();
    case QMetaType::QByteArray: return held<QByteArray>(value).isNull();
    case QMetaType::QDate: return held<QDate>(value).isNull();
    case QMetaType::QTime: return held<QTime>(value).isNull();
    case QMetaType::QDateTime: return held<QDateTime>(value).isNull();
    default: return false;
    }
}

int bindText(sqlite3_stmt* s, int index, const QString& text)
{
    return sqlite3_bind_text16(s, index, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
}

// Binds one value the way QtSql's SQLite driver does, so the same statement
// finds the same rows whichever way it runs.
int bind(sqlite3_stmt* s, int index, const QVariant& value)
{
    if (bindsNull(value))
        return sqlite3_bind_null(s, index);
    switch (value.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray& bytes = held<QByteArray>(value);
        return sqlite3_bind_blob(s, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::Int:
    case QMetaType::Bool: return sqlite3_bind_int(s, index, value.toInt());
    case QMetaType::Double: return sqlite3_bind_double(s, index, value.toDouble());
    case QMetaType::UInt:
    case QMetaType::LongLong: return sqlite3_bind_int64(s, index, value.toLongLong());
    case QMetaType::QDateTime: return bindText(s, index, held<QDateTime>(value).toString(Qt::ISODateWithMs));
    case QMetaType::QTime: return bindText(s, index, held<QTime>(value).toString(Qt::ISODateWithMs));
    case QMetaType::QString: return bindText(s, index, held<QString>(value));
    default: return bindText(s, index, value.toString());
    }
}

// A stored moment "yyyy-MM-dd HH:mm:ss" as one number (its fourteen digits);
// -1 for any other text.
qint64 momentKey(const unsigned char* text, int size)
{
    static constexpr char form[] = "0000-00-00 00:00:00";
    if (size != int(sizeof(form)) - 1)
        return -1;
    qint64 key = 0;
    for (int i = 0; i < size; ++i) {
        const unsigned char c = text[i];
        if (form[i] == '0') {
            if (c < '0' || c > '9')
                return -1;
            key = key * 10 + (c - '0');
        } else if (c != static_cast<unsigned char>(form[i])) {
            return -1;
        }
    }
    return key;
}

// The current row of a statement, each value made from SQLite's own. A
// value is taken once per column (each of SQLite's column calls locks the
// connection; reading the value it gives does not): the connection belongs
// to this thread, and nothing else runs on it while the row is read.
class SqliteRow final : public StoredRow {
public:
    explicit SqliteRow(sqlite3_stmt* s) : s_(s), size_(sqlite3_column_count(s)), lastTexts_(size_) {}

    int size() const override { return size_; }

    // As QtSql's driver gives it: whole numbers, doubles, texts, byte
    // arrays, and NULL as a null text.
    QVariant value(int column) const override
    {
        sqlite3_value* v = sqlite3_column_value(s_, column);
        switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_value_int64(v)));
        case SQLITE_FLOAT: return QVariant(sqlite3_value_double(v));
        case SQLITE_NULL: return QVariant(QMetaType::fromType<QString>());
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const char*>(sqlite3_value_blob(v));
            return QByteArray(bytes, sqlite3_value_bytes(v));
        }
        default: return text(v);
        }
    }

    // Whole numbers and doubles made at once into the column's type, as
    // converting the driver's value would make them.
    QVariant typed(int column, vx::FieldType type, bool& allTyped) const override
    {
        sqlite3_value* v = sqlite3_column_value(s_, column);
        switch (sqlite3_value_type(v)) {
        case SQLITE_NULL: return QVariant();
        case SQLITE_INTEGER: {
            const qint64 n = sqlite3_value_int64(v);
            if (type == vx::FieldType::Integer && n >= std::numeric_limits<qint32>::min() &&
                n <= std::numeric_limits<qint32>::max())
                return QVariant(int(n));
            if (type == vx::FieldType::SmallInt && n >= std::numeric_limits<qint16>::min() &&
                n <= std::numeric_limits<qint16>::max())
                return QVariant(int(n));
            if (type == vx::FieldType::Double)
                return QVariant(double(n));
            return typedOrAsIs(QVariant(qlonglong(n)), type, allTyped);
        }
        case SQLITE_FLOAT: {
            const double d = sqlite3_value_double(v);
            if (type == vx::FieldType::Double && std::isfinite(d))
                return QVariant(d);
            return typedOrAsIs(QVariant(d), type, allTyped);
        }
        case SQLITE_TEXT:
            if (type == vx::FieldType::Text)
                return repeatedText(column, v);
            if (type == vx::FieldType::DateTime || type == vx::FieldType::Date)
                return moment(v, type, allTyped);
            break;
        default: break;
        }
        return typedOrAsIs(value(column), type, allTyped);
    }

private:
    static QString text(sqlite3_value* v)
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return QString::fromUtf8(bytes, sqlite3_value_bytes(v));
    }

    // A text like the one above it in its column (a sheet's type, its
    // driver) is the same text, kept once.
    QVariant repeatedText(int column, sqlite3_value* v) const
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(v));
        const auto size = size_t(sqlite3_value_bytes(v));
        LastText& last = lastTexts_[size_t(column)];
        if (!last.value.isValid() || last.bytes.size() != size || std::memcmp(last.bytes.data(), bytes, size) != 0) {
            last.bytes.assign(bytes, size);
            last.value = QString::fromUtf8(bytes, qsizetype(size));
        }
        return last.value;
    }

    // A list reads the same few dates over and over: each stored moment is
    // read from its text once per run of the statement.
    QVariant moment(sqlite3_value* v, vx::FieldType type, bool& allTyped) const
    {
        const unsigned char* bytes = sqlite3_value_text(v);
        qint64 key = momentKey(bytes, sqlite3_value_bytes(v));
        if (key < 0)
            return typedOrAsIs(text(v), type, allTyped);
        key = key * 2 + (type == vx::FieldType::Date ? 1 : 0);
        auto found = moments_.constFind(key);
        if (found == moments_.constEnd()) {
            bool ok = true;
            const QVariant moment = typedOrAsIs(text(v), type, ok);
            allTyped = allTyped && ok;
            if (!ok)
                return moment; // kept only when read: the next one is told as this one was
            found = moments_.insert(key, moment);
        }
        return *found;
    }

    struct LastText {
        std::string bytes;
        QVariant value;
    };

    sqlite3_stmt* s_;
    int size_;
    mutable std::vector<LastText> lastTexts_;
    mutable QHash<qint64, QVariant> moments_;
};

} // namespace

sqlite3_stmt* SqliteReader::prepared(const QString& sql, QSqlError& error)
{
    if (sqlite3_stmt* kept = kept_.value(sql))
        return kept;
    if (kept_.size() >= statementsKept)
        clear();
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    const int code = sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (code != SQLITE_OK || !statement) {
        sqlite3_finalize(statement);
        error = failure(code);
        return nullptr;
    }
    kept_.insert(sql, statement);
    return statement;
}

QSqlError SqliteReader::run(sqlite3_stmt* statement, const QVariantList& values, const StoredRowReader& each) const
{
    // Left ready for the next run however this one ends, a throwing reader included.
    struct Reset {
        sqlite3_stmt* s;
        ~Reset()
        {
            sqlite3_reset(s);
            sqlite3_clear_bindings(s);
        }
    } reset{statement};
    if (values.size() != sqlite3_bind_parameter_count(statement))
        return QSqlError(QString(), QStringLiteral("Parameter count mismatch"), QSqlError::StatementError);
    for (int i = 0; i < values.size(); ++i)
        if (const int code = bind(statement, i + 1, values.at(i)); code != SQLITE_OK)
            return failure(code);
    const SqliteRow row(statement);
    int code = SQLITE_ROW;
    while ((code = sqlite3_step(statement)) == SQLITE_ROW)
        each(row);
    return code == SQLITE_DONE ? QSqlError() : failure(code);
}

void SqliteReader::clear()
{
    for (sqlite3_stmt* statement : std::as_const(kept_))
        sqlite3_finalize(statement);
    kept_.clear();
}

QSqlError SqliteReader::failure(int code) const
{
    return QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db_)), QSqlError::StatementError, QString::number(code));
}

} // namespace bo
