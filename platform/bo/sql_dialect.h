#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <memory>

namespace bo {

enum class Engine { Sqlite, Postgres };

// What differs between the two database engines, in one place: column types in
// table definitions, how a writing transaction starts, how values are bound and
// how a transaction serialises checks such as duplicate numbers.
class SqlDialect {
public:
    virtual ~SqlDialect() = default;
    virtual Engine engine() const = 0;
    virtual QString name() const = 0;

    // Replaces the neutral type marks of a table definition with this engine's
    // types: {id} {int} {smallint} {double} {text} {date} {datetime}.
    QString ddl(QString neutral) const;

    // Replaces {datetext:EXPR} marks with this engine's way of writing a date
    // (or date-time) expression as "yyyy.MM.dd" text.
    QString expression(QString sql) const;

    // The statement that starts a transaction that will write.
    virtual QString beginWrite() const = 0;
    // A statement that serialises writers on `lockKey` until the transaction
    // ends; empty when the engine's write transaction already serialises.
    virtual QString transactionLock() const = 0;

    // A value as it is bound to a statement of this engine.
    virtual QVariant bindValue(const QVariant& value) const = 0;

    static std::unique_ptr<SqlDialect> create(Engine engine);

protected:
    virtual QString idType() const = 0;
    virtual QString doubleType() const = 0;
    virtual QString dateType() const = 0;
    virtual QString dateTimeType() const = 0;
    virtual QString dateText(const QString& expression) const = 0;
};

// An SQL expression giving the object id (see vx::oid) of the record whose
// number is in `numberColumn`: the type id followed by the number, on either
// engine. The type id is one of the schema's own, never caller text.
QString objectIdSql(const QString& typeId, const QString& numberColumn);

// Bounds of whole days for comparing stored moments, so that an index on the
// moment column serves the comparison: a day's first moment, and the first
// moment after it (for the calendar's last day, its last second, so that the
// stored text keeps a four-digit year).
QDateTime dayStart(const QDate& day);
QDateTime dayAfter(const QDate& day);

} // namespace bo
