#include "tests/support/test_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

namespace {
bool runOnPostgres = false;

QString readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}
} // namespace

void setTestsRunOnPostgres(bool postgres)
{
    runOnPostgres = postgres;
}

std::unique_ptr<TestStore> TestStore::create(QString* skipReason)
{
    std::unique_ptr<TestStore> store(new TestStore());
    if (!runOnPostgres) {
        QTemporaryDir dir;
        dir.setAutoRemove(false);
        if (!dir.isValid()) {
            *skipReason = QStringLiteral("no temporary folder");
            return nullptr;
        }
        store->folder_ = dir.path();
        store->location_ = dir.filePath(QStringLiteral("store.sqlite"));
        return store;
    }
    const QString state = qEnvironmentVariable("KELMIRA_PG_SERVER_DIR");
    if (state.isEmpty()) {
        *skipReason = QStringLiteral("KELMIRA_PG_SERVER_DIR is not set (run the pg tests through ctest)");
        return nullptr;
    }
    const QString unavailable = readFile(state + QStringLiteral("/unavailable"));
    if (!unavailable.isEmpty()) {
        *skipReason = QStringLiteral("PostgreSQL is not available here: ") + unavailable;
        return nullptr;
    }
    store->adminUrl_ = readFile(state + QStringLiteral("/url"));
    if (store->adminUrl_.isEmpty()) {
        *skipReason = QStringLiteral("the private PostgreSQL server was not started");
        return nullptr;
    }
    store->postgres_ = true;
    store->databaseName_ = QStringLiteral("kelmira_test_") +
                           QUuid::createUuid().toString(QUuid::Id128).left(16);
    {
        auto admin = bo::Database::connect(store->adminUrl_);
        // Identifiers cannot be bound; the name is made here of hex digits only.
        admin->execute(QStringLiteral("CREATE DATABASE ") + store->databaseName_);
    }
    QString url = store->adminUrl_;
    url.chop(QStringLiteral("postgres").size());
    store->location_ = url + store->databaseName_;
    return store;
}

TestStore::~TestStore()
{
    if (postgres_) {
        try {
            auto admin = bo::Database::connect(adminUrl_);
            admin->execute(QStringLiteral("DROP DATABASE IF EXISTS ") + databaseName_ + QStringLiteral(" WITH (FORCE)"));
        } catch (const bo::StorageError&) {
            // The server is gone already; its data directory is removed with it.
        }
    } else if (!folder_.isEmpty()) {
        QDir(folder_).removeRecursively();
    }
}

std::unique_ptr<bo::Database> TestStore::open() const
{
    return bo::Database::open(location_);
}
