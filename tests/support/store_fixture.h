#pragma once

#include "platform/bo/rights.h"
#include "platform/bo/session.h"
#include "tests/support/test_store.h"

#include <QTextStream>
#include <QVariantMap>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include <gtest/gtest.h>

// Fields given as {"Name", value} pairs.
QVariantMap fieldMap(std::initializer_list<std::pair<const char*, QVariant>> values);

// One field over every row, each value as text, joined by "|": a whole column in one check.
std::string columnText(const vx::RecordsetPtr& rs, const char* field);

// A value with its type, "type:value" ("null:" for no value at all), so a check compares both.
std::string typedText(const QVariant& value);

// The fields of one row (-1: the current one) as texts joined by "|", a null
// value as "NULL": a row in one check. `rowsText` gives every row so.
QString rowText(const vx::RecordsetPtr& rs, std::initializer_list<const char*> fields, int row = -1);
QStringList rowsText(const vx::RecordsetPtr& rs, std::initializer_list<const char*> fields);

// The message of the storage error the action throws; "no error" when it throws none.
QString storageErrorOf(const std::function<void()>& action);

// What a command-line command wrote to its two streams, and its exit code.
struct CommandRun {
    int code = -1;
    QString out, err;
};
CommandRun runCommand(const std::function<int(QTextStream& out, QTextStream& err)>& command);

// Saves a new record of the type with the given fields through the generic
// editor, whatever the signed-in user's rights (it sets a test up), and
// returns its object id; a refused save fails the running test.
QString createRecord(bo::Session& session, const QString& typeId, const QVariantMap& fields);

// The record read afresh through the generic editor (a bare type id: a new
// one); null when it cannot be read.
vx::VxObjectUIOPtr readRecord(bo::Session& session, const QString& oidr);

// A fresh store as an older program left it: every upgrade step before the
// one named, none from it on. `holder` keeps the store alive.
std::unique_ptr<bo::Database> storeBeforeStep(std::unique_ptr<TestStore>& holder, const QString& stepName);

// Stores a user's rights as the administration tool does, whoever the
// session's user is: rights are the administrator's to give.
void storeRights(bo::Session& session, qint64 userId, const QList<bo::ComponentRights>& rows);

// A test on a fresh store of its own, through the real business-object layer.
// Name the test suites that use it "Bo..." so they also run on PostgreSQL.
class StoreFixture : public ::testing::Test {
protected:
    // Opens the store, then runs arrange() and prepare(); a skipped test runs neither.
    void SetUp() override;
    void TearDown() override;
    // What a kind of fixture sets up around the store (the host, a window).
    virtual void arrange() {}
    // What a test suite adds before each of its tests.
    virtual void prepare() {}

    bo::Session& session() { return *session_; }
    const bo::SessionPtr& sessionPtr() { return session_; }

    // Saves a new record as createRecord does and returns its object id.
    QString create(const QString& typeId, const QVariantMap& fields);
    qint64 createId(const QString& typeId, const QVariantMap& fields);
    // The same with the type id and the field names as ASCII literals.
    using FieldList = std::initializer_list<std::pair<const char*, QVariant>>;
    QString create(const char* typeId, FieldList fields) { return create(QLatin1String(typeId), fieldMap(fields)); }
    qint64 createId(const char* typeId, FieldList fields) { return createId(QLatin1String(typeId), fieldMap(fields)); }
    vx::VxObjectUIOPtr read(const QString& oidr) { return readRecord(*session_, oidr); }
    // Changes fields of a stored record and saves it.
    void update(const QString& oidr, const QVariantMap& fields);

    // Runs a named call; `rows` also expects Code 0 and a record set.
    vx::CallResult call(const QString& name, const QString& param);
    vx::RecordsetPtr rows(const QString& name, const QString& param);
    vx::CallResult call(const char* name, const QString& param) { return call(QLatin1String(name), param); }
    vx::RecordsetPtr rows(const char* name, const QString& param) { return rows(QLatin1String(name), param); }
    // A single value of the store, for checks of what was written.
    QVariant scalar(const QString& sql, const QVariantList& values = {});

    std::unique_ptr<TestStore> store_;
    bo::SessionPtr session_;
};
