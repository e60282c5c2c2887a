#include "platform/bo/database.h"

#include "platform/bo/migrations.h"
#include "platform/bo/sqlite_reader.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QUrl>

namespace bo {
namespace {

QString nextConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("kelmira-bo-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The engines' usual failures in the user's words; anything else as the engine
// says it. Always one line: several go into unattended logs as one.
QString describe(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    if (text.isEmpty())
        text = error.text();
    static const struct {
        const char* engineSays;
        const char* meaning;
    } known[] = {
        {"file is not a database", "failas nėra duomenų bazė arba yra sugadintas."},
        {"database disk image is malformed", "duomenų bazės failas sugadintas."},
        {"database is locked", "duomenų bazę užrakino kita programa; pabandykite vėliau."},
        {"unable to open database file", "nepavyko atidaryti duomenų bazės failo."},
        {"password authentication failed", "neteisingas duomenų bazės naudotojo vardas arba slaptažodis."},
        {"Connection refused", "duomenų bazės serveris nepasiekiamas."},
        {"timeout expired", "duomenų bazės serveris neatsako."},
        {"could not translate host name", "duomenų bazės serverio adresas nerastas."},
    };
    for (const auto& k : known)
        if (text.contains(QLatin1String(k.engineSays), Qt::CaseInsensitive))
            return QString::fromUtf8(k.meaning);
    if (text.contains(QLatin1String("readonly database"), Qt::CaseInsensitive))
        return Database::readOnlyMessage();
    return text.simplified();
}

// An SQLite file the owner may not write: opened read-only, so nothing is
// written into it, not even the journal settings. (Checked on the permission
// bits, which also hold for an administrator who could write anyway.)
bool isReadOnlyFile(const QString& location)
{
    const QFileInfo info(location);
    return info.isFile() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}

// Prepared statements kept per connection; once more texts than this have
// run, the kept ones are let go and the set starts again.
constexpr int statementsKept = 200;

// Whether a statement changes the schema, after which a prepared statement
// may no longer give back what it was prepared for.
bool changesSchema(const QString& sql)
{
    static const QRegularExpression schema(QStringLiteral("^\\s*(CREATE|ALTER|DROP)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    return schema.match(sql).hasMatch();
}

Rows readOut(QSqlQuery& q)
{
    Rows rows;
    const QSqlRecord record = q.record();
    const int count = record.count();
    for (int i = 0; i < count; ++i)
        rows.columns << record.fieldName(i);
    while (q.next()) {
        QVariantList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row << q.value(i);
        rows.values << std::move(row);
    }
    return rows;
}

// A row of a QtSql query, as the driver gives it.
class QueryRow final : public StoredRow {
public:
    explicit QueryRow(const QSqlQuery& q) : q_(q), size_(q.record().count()) {}
    int size() const override { return size_; }
    QVariant value(int column) const override { return q_.value(column); }
    QVariant typed(int column, vx::FieldType type, bool& allTyped) const override
    {
        return typedOrAsIs(q_.value(column), type, allTyped);
    }

private:
    const QSqlQuery& q_;
    int size_;
};

} // namespace

QVariant Rows::at(int row, const QString& column) const
{
    const int index = int(columns.indexOf(column));
    if (index < 0 || row < 0 || row >= values.size())
        return QVariant();
    return values.at(row).at(index);
}

Database::Database(QString location, QString connectionName, std::unique_ptr<SqlDialect> dialect)
    : location_(std::move(location)), connectionName_(std::move(connectionName)), dialect_(std::move(dialect))
{
}

Database::~Database()
{
    statements_.clear(); // they belong to the connection that is closed here
    direct_.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QString Database::defaultLocation()
{
    const QString fileName = QStringLiteral("/kelmira.sqlite");
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString current =
        (appData.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share/Kelmira") : appData) + fileName;
    // Earlier versions kept the store in "Kelmira" under the generic data
    // folder. A store found there, and none at the application's own place,
    // is used where it is: nothing is moved, so no data is lost and an older
    // program still finds the same store.
    const QString earlier =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kelmira") + fileName;
    if (!QFileInfo::exists(current) && QFileInfo::exists(earlier))
        return earlier;
    return current;
}

bool Database::isPostgresUrl(const QString& location)
{
    return location.startsWith(QLatin1String("postgresql://")) || location.startsWith(QLatin1String("postgres://"));
}

QString Database::shownLocation(const QString& location)
{
    if (!isPostgresUrl(location))
        return location;
    // user:password@ up to the last "@" before the path: a password may hold "@" or "/".
    static const QRegularExpression password(QStringLiteral("^(postgres(?:ql)?://[^:@/]*:)[^@]*@"));
    QString shown = location;
    const QRegularExpressionMatch match = password.match(shown);
    if (match.hasMatch()) {
        const qsizetype end = shown.lastIndexOf(QLatin1Char('@'));
        shown.replace(match.capturedLength(1), end - match.capturedLength(1), QStringLiteral("***"));
    }
    return shown;
}

QString Database::connectionLostMessage()
{
    return QStringLiteral("Ryšys su duomenų baze nutrūko. Bandykite dar kartą.");
}

// A failed statement on a connection the server closed reads as nothing the
// user can act on (often an empty reason): it is told as the lost connection
// it is, and the next statement connects again.
void Database::fail(const QSqlError& error, const QString& prefix) const
{
    // SQLSTATE class 08 is a connection failure, 57P01-57P03 the server
    // shutting down or starting; the driver may not have noticed yet.
    const QString state = error.nativeErrorCode();
    if (engine() == Engine::Postgres &&
        (!connection().isOpen() || state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P0")))) {
        lost_ = true;
        throw StorageError(connectionLostMessage());
    }
    throw StorageError(prefix + describe(error));
}

void Database::reconnectIfLost() const
{
    if (!lost_ && (engine() != Engine::Postgres || connection().isOpen()))
        return;
    lost_ = true;
    if (transactionDepth_ > 0)
        throw StorageError(connectionLostMessage());
    statements_.clear(); // prepared on the connection that is gone
    QSqlDatabase c = connection();
    c.close();
    if (!c.open())
        throw StorageError(connectionLostMessage());
    lost_ = false;
    QSqlQuery q(c);
    run(q, QStringLiteral("SET client_min_messages TO WARNING"), false);
}

// Statements without values run unprepared: PostgreSQL cannot prepare SET,
// BEGIN and the like.
void Database::prepare(QSqlQuery& q, const QString& sql, const QVariantList& values) const
{
    if (values.isEmpty())
        return;
    if (!q.prepare(sql))
        fail(q.lastError(), QStringLiteral("Netinkama užklausa: "));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, dialect_->bindValue(values.at(i)));
}

void Database::run(QSqlQuery& q, const QString& sql, bool prepared) const
{
    if (!(prepared ? q.exec() : q.exec(sql)))
        fail(q.lastError(), QString());
}

QString Database::readOnlyMessage()
{
    return QStringLiteral("Duomenų bazė atidaryta tik skaityti: pakeitimų išsaugoti negalima.");
}

std::unique_ptr<Database> Database::connect(const QString& requested, Creation creation)
{
    const QString location = requested.isEmpty() ? defaultLocation() : requested;
    if (creation == Creation::Refused && !isPostgresUrl(location) && location != QLatin1String(":memory:")
        && !QFileInfo::exists(location))
        throw StorageError(QStringLiteral("Duomenų bazės %1 nėra. Naują duomenų bazę sukuria komanda "
                                          "„kelmiractl init“.")
                               .arg(location));
    const QString name = nextConnectionName();
    std::unique_ptr<Database> db;
    if (isPostgresUrl(location)) {
        const QUrl url(location);
        if (!url.isValid() || url.path().size() < 2)
            throw StorageError(QStringLiteral("Netinkamas duomenų bazės adresas: %1").arg(shownLocation(location)));
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        c.setHostName(url.host().isEmpty() ? QStringLiteral("127.0.0.1") : url.host());
        c.setPort(url.port(5432));
        c.setUserName(url.userName());
        c.setPassword(url.password());
        c.setDatabaseName(url.path().mid(1));
        db.reset(new Database(location, name, SqlDialect::create(Engine::Postgres)));
        if (!c.open())
            throw StorageError(QStringLiteral("Nepavyko prisijungti prie duomenų bazės: %1").arg(describe(c.lastError())));
        db->execute(QStringLiteral("SET client_min_messages TO WARNING"));
    } else {
        const bool inMemory = location == QLatin1String(":memory:");
        const bool readOnly = !inMemory && isReadOnlyFile(location);
        if (!inMemory)
            QDir().mkpath(QFileInfo(location).absolutePath());
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        c.setDatabaseName(location);
        c.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000") +
                            (readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        db.reset(new Database(location, name, SqlDialect::create(Engine::Sqlite)));
        db->readOnly_ = readOnly;
        if (!c.open())
            throw StorageError(QStringLiteral("Nepavyko atidaryti duomenų bazės %1: %2").arg(location, describe(c.lastError())));
        if (!inMemory && !readOnly)
            db->query(QStringLiteral("PRAGMA journal_mode=WAL"));
        db->execute(QStringLiteral("PRAGMA foreign_keys=ON"));
        db->execute(QStringLiteral("PRAGMA busy_timeout=10000"));
    }
    return db;
}

std::unique_ptr<Database> Database::open(const QString& requested, Creation creation)
{
    std::unique_ptr<Database> db = connect(requested, creation);
    migrate(*db);
    return db;
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery& Database::statement(const QString& sql, const QVariantList& values) const
{
    reconnectIfLost();
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        if (statements_.size() >= statementsKept)
            statements_.clear();
        QSqlQuery q(connection());
        q.setForwardOnly(true);
        prepare(q, sql, values);
        found = statements_.insert(sql, std::move(q));
    } else {
        for (int i = 0; i < values.size(); ++i)
            found->bindValue(i, dialect_->bindValue(values.at(i)));
    }
    QSqlQuery& q = *found;
    if (!q.exec()) {
        const QSqlError error = q.lastError();
        q.finish();
        fail(error, QString());
    }
    return q;
}

// Statements without values run unprepared: PostgreSQL cannot prepare SET,
// BEGIN and the like.
QSqlQuery Database::plain(const QString& sql) const
{
    reconnectIfLost();
    if (changesSchema(sql)) {
        statements_.clear();
        if (direct_)
            direct_->clear();
    }
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    run(q, sql, false);
    return q;
}

Rows Database::query(const QString& sql, const QVariantList& values) const
{
    if (values.isEmpty()) {
        QSqlQuery q = plain(sql);
        return readOut(q);
    }
    QSqlQuery& q = statement(sql, values);
    Rows rows = readOut(q);
    q.finish(); // kept prepared, its rows let go
    return rows;
}

void Database::read(const QString& sql, const QVariantList& values, const StoredRowReader& each) const
{
    if (engine() == Engine::Sqlite) {
        if (!direct_) {
            const QVariant handle = connection().driver()->handle();
            if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
                throw StorageError(QStringLiteral("Nepavyko atidaryti duomenų bazės %1.").arg(location_));
            direct_ = std::make_unique<SqliteReader>(*static_cast<sqlite3* const*>(handle.constData()));
        }
        QSqlError error;
        sqlite3_stmt* statement = direct_->prepared(sql, error);
        if (!statement)
            fail(error, QStringLiteral("Netinkama užklausa: "));
        QVariantList bound;
        bound.reserve(values.size());
        for (const QVariant& value : values)
            bound << dialect_->bindValue(value);
        error = direct_->run(statement, bound, each);
        if (error.isValid())
            fail(error, QString());
        return;
    }
    if (values.isEmpty()) {
        QSqlQuery q = plain(sql);
        const QueryRow row(q);
        while (q.next())
            each(row);
        return;
    }
    QSqlQuery& q = statement(sql, values);
    // Its rows let go however the reading ends; the statement stays prepared.
    const std::unique_ptr<QSqlQuery, void (*)(QSqlQuery*)> finish(&q, [](QSqlQuery* done) { done->finish(); });
    const QueryRow row(q);
    while (q.next())
        each(row);
}

QList<QVariantList> Database::readTyped(const QString& sql, const QVariantList& values,
                                       const QList<vx::FieldType>& types) const
{
    QList<QVariantList> rows;
    bool typed = true;
    read(sql, values, [&](const StoredRow& stored) {
        QVariantList row;
        row.reserve(types.size());
        for (int c = 0; c < types.size(); ++c)
            row.emplaceBack(stored.typed(c, types.at(c), typed));
        rows.append(std::move(row));
    });
    return rows;
}

int Database::execute(const QString& sql, const QVariantList& values) const
{
    if (values.isEmpty())
        return plain(sql).numRowsAffected();
    QSqlQuery& q = statement(sql, values);
    const int affected = q.numRowsAffected();
    q.finish();
    return affected;
}

qint64 Database::insert(const QString& sql, const QVariantList& values) const
{
    const Rows rows = query(sql, values);
    if (rows.isEmpty() || rows.values.first().isEmpty())
        throw StorageError(QStringLiteral("Įrašas neįterptas."));
    return rows.values.first().first().toLongLong();
}

QVariant Database::scalar(const QString& sql, const QVariantList& values) const
{
    const Rows rows = query(sql, values);
    if (rows.isEmpty() || rows.values.first().isEmpty())
        return QVariant();
    return rows.values.first().first();
}

Transaction::Transaction(Database& db, Mode mode) : db_(db)
{
    if (mode == Mode::Write && db_.readOnly_)
        throw StorageError(Database::readOnlyMessage());
    outermost_ = db_.transactionDepth_ == 0;
    if (outermost_) {
        db_.execute(mode == Mode::Write ? db_.dialect().beginWrite() : QStringLiteral("BEGIN"));
    }
    ++db_.transactionDepth_;
}

Transaction::~Transaction()
{
    --db_.transactionDepth_;
    if (outermost_ && !done_ && !db_.lost_) {
        try {
            db_.execute(QStringLiteral("ROLLBACK"));
        } catch (const StorageError&) {
            // The connection is gone; there is nothing left to undo.
        }
    }
}

void Transaction::lock(qint64 key)
{
    const QString statement = db_.dialect().transactionLock();
    if (!statement.isEmpty())
        db_.query(statement, {key});
}

void Transaction::commit()
{
    if (done_)
        return;
    if (outermost_)
        db_.execute(QStringLiteral("COMMIT"));
    done_ = true;
}

} // namespace bo
