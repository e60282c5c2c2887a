#pragma once

#include "platform/bo/database.h"

#include <QString>

#include <memory>

// A fresh, private store for one test: an SQLite file in a temporary folder, or
// (when the binary runs with --engine=postgres) a new database on the shared
// private PostgreSQL server, dropped again at the end.
class TestStore {
public:
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    // Nothing, with the reason in `skipReason`, when the engine is not available here.
    static std::unique_ptr<TestStore> create(QString* skipReason);

    bool isPostgres() const { return postgres_; }
    const QString& location() const { return location_; }
    // A new connection to the store, schema brought up to date.
    std::unique_ptr<bo::Database> open() const;

private:
    TestStore() = default;

    bool postgres_ = false;
    QString location_;
    QString folder_;      // SQLite: the temporary folder
    QString adminUrl_;    // PostgreSQL: the server's maintenance database
    QString databaseName_;
};

// Which engine this test binary runs against (--engine=sqlite|postgres).
void setTestsRunOnPostgres(bool postgres);
