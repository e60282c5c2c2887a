// The store on both engines: schema migration, transactions, bound values and
// two connections writing at once.

#include "platform/bo/database.h"
#include "platform/bo/migrations.h"
#include "tests/support/test_store.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

class BoDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString reason;
        store = TestStore::create(&reason);
        if (!store)
            GTEST_SKIP() << reason.toStdString();
        db = store->open();
        db->execute(db->dialect().ddl(QStringLiteral(
            "CREATE TABLE probe (id {id}, name {text}, day {date}, moment {datetime}, amount {double})")));
    }

    int count(bo::Database& on, const QString& name = QString())
    {
        if (name.isNull())
            return on.scalar(QStringLiteral("SELECT COUNT(*) FROM probe")).toInt();
        return on.scalar(QStringLiteral("SELECT COUNT(*) FROM probe WHERE name = ?"), {name}).toInt();
    }

    std::unique_ptr<TestStore> store;
    std::unique_ptr<bo::Database> db;
};

TEST_F(BoDatabase, AnEmptyStoreIsMigratedOnceToTheLatestVersion)
{
    EXPECT_EQ(bo::schemaVersion(*db), bo::latestSchemaVersion());
    auto second = store->open(); // opening again applies nothing twice
    EXPECT_EQ(second->scalar(QStringLiteral("SELECT COUNT(*) FROM kelmira_schema")).toInt(),
              bo::migrations().size());
}

TEST_F(BoDatabase, TransactionsRollBackUnlessCommittedAndNestedOnesJoinTheOuter)
{
    {
        bo::Transaction t(*db);
        db->execute(QStringLiteral("INSERT INTO probe (name) VALUES (?)"), {QStringLiteral("dropped")});
    }
    EXPECT_EQ(count(*db), 0);
    {
        bo::Transaction outer(*db);
        {
            bo::Transaction inner(*db);
            db->execute(QStringLiteral("INSERT INTO probe (name) VALUES (?)"), {QStringLiteral("inner")});
            inner.commit();
        }
        EXPECT_TRUE(db->inTransaction());
        // The outer transaction ends without commit: the inner row goes too.
    }
    EXPECT_EQ(count(*db), 0);
    {
        bo::Transaction t(*db);
        db->execute(QStringLiteral("INSERT INTO probe (name) VALUES (?)"), {QStringLiteral("kept")});
        t.commit();
    }
    EXPECT_EQ(count(*db, QStringLiteral("kept")), 1);
    EXPECT_FALSE(db->inTransaction());
}

TEST_F(BoDatabase, HostileTextsAreStoredAsDataAndChangeNothingElse)
{
    const QStringList texts = {
        QStringLiteral("O'Brien"),
        QStringLiteral("'); DROP TABLE probe; --"),
        QStringLiteral("x' OR '1'='1"),
        QStringLiteral("/* comment */ ; SELECT 1"),
        QStringLiteral("Ąžuolas „Šilas“ – ūkis"),
    };
    for (const QString& text : texts)
        db->execute(QStringLiteral("INSERT INTO probe (name) VALUES (?)"), {text});
    EXPECT_EQ(count(*db), texts.size());
    for (const QString& text : texts)
        EXPECT_EQ(count(*db, text), 1) << text.toStdString();
    EXPECT_EQ(count(*db, QStringLiteral("x")), 0);
}

TEST_F(BoDatabase, DatesAndMomentsComeBackAndSortInTimeOrder)
{
    const QDate days[] = {QDate(2026, 12, 1), QDate(2026, 2, 28), QDate(2025, 12, 31)};
    for (const QDate& day : days)
        db->execute(QStringLiteral("INSERT INTO probe (day, moment, amount) VALUES (?, ?, ?)"),
                    {day, QDateTime(day, QTime(13, 45, 10)), 0.1 + 0.2});
    const bo::Rows rows = db->query(QStringLiteral("SELECT day, moment, amount FROM probe ORDER BY day"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.values.at(0).at(0).toDate(), QDate(2025, 12, 31));
    EXPECT_EQ(rows.values.at(2).at(0).toDate(), QDate(2026, 12, 1));
    EXPECT_EQ(rows.values.at(1).at(1).toDateTime(), QDateTime(QDate(2026, 2, 28), QTime(13, 45, 10)));
    EXPECT_DOUBLE_EQ(rows.values.at(0).at(2).toDouble(), 0.1 + 0.2);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM probe WHERE day >= ?"), {QDate(2026, 2, 28)}).toInt(), 2);
}

TEST_F(BoDatabase, ASecondWriterWaitsForTheFirstInsteadOfFailing)
{
    std::atomic<bool> secondDone{false};
    std::string secondError;
    {
        bo::Transaction t(*db);
        t.lock(42);
        db->execute(QStringLiteral("INSERT INTO probe (name) VALUES (?)"), {QStringLiteral("first")});

        std::thread second([&] {
            try {
                auto other = store->open();
                bo::Transaction t2(*other);
                t2.lock(42);
                // Sees the first writer's row: it waited for the commit.
                const int seen = other->scalar(QStringLiteral("SELECT COUNT(*) FROM probe")).toInt();
                other->execute(QStringLiteral("INSERT INTO probe (name) VALUES (?)"),
                               {QStringLiteral("second saw %1").arg(seen)});
                t2.commit();
            } catch (const bo::StorageError& e) {
                secondError = e.what();
            }
            secondDone = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(secondDone) << "the second writer must wait while the first holds the store";
        t.commit();
        second.join();
    }
    EXPECT_TRUE(secondError.empty()) << secondError;
    EXPECT_EQ(count(*db, QStringLiteral("second saw 1")), 1);
}

TEST(BoStoreLocation, UnreachableOrMalformedStoresGiveAReadableError)
{
    for (const char* location : {"postgresql://nobody@127.0.0.1:1/none", "postgresql://", "/proc/no/such/dir/x.sqlite"}) {
        SCOPED_TRACE(location);
        try {
            bo::Database::open(QString::fromLatin1(location));
            ADD_FAILURE() << "opened";
        } catch (const bo::StorageError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}

// The default store is in the application's data folder; a store an earlier
// version left in the generic data folder is used where it is, until there is
// one at the application's own place.
TEST(DefaultStoreLocation, IsTheApplicationsDataFolderAndKeepsAStoreLeftAtTheEarlierPlace)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const auto restoreHome = qScopeGuard([&savedHome] { qputenv("HOME", savedHome); });
    const QString current = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/kelmira.sqlite");
    const QString earlier = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/Kelmira/kelmira.sqlite");
    ASSERT_TRUE(current.startsWith(home.path())) << current.toStdString();
    ASSERT_NE(current, earlier);

    EXPECT_EQ(bo::Database::defaultLocation(), current);
    for (const QString& store : {earlier, current}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(store).absolutePath()));
        QFile file(store);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(bo::Database::defaultLocation(), store);
    }
}

} // namespace
