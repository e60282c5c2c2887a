// The store's foreign keys on both engines (what every reference column
// implies, an older store upgraded or refused) and kelmiractl's backup and
// check of a live store.

#include "app/ctl_store_commands.h"
#include "platform/bo/fleet_generator.h"
#include "platform/bo/migrations.h"
#include "platform/bo/references.h"
#include "platform/bo/session_store.h"
#include "tests/support/store_fixture.h"

#include <functional>

namespace {

qint64 newRow(bo::Database& db, const QString& table, const QString& column = QString(), const QVariant& value = {})
{
    if (column.isEmpty())
        return db.insert(QStringLiteral("INSERT INTO %1 (\"CreationDate\") VALUES (?) RETURNING \"ID\"").arg(table),
                         {QStringLiteral("2026-01-01")});
    return db.insert(QStringLiteral("INSERT INTO %1 (\"%2\") VALUES (?) RETURNING \"ID\"").arg(table, column), {value});
}

qint64 count(bo::Database& db, const QString& table)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
}

// The schema step that adds the keys.
int keysVersion()
{
    for (const bo::Migration& m : bo::migrations())
        if (m.name == QLatin1String("foreign keys"))
            return m.version;
    return 0;
}

class BoStoreKeys : public StoreFixture {
protected:
    bo::Database& db() { return bo::storeOf(session()); }

    static CommandRun checkStore(const QString& location)
    {
        return runCommand([&](QTextStream& out, QTextStream& err) { return ctl::checkStore(location, out, err); });
    }

    // A store as the program before the foreign keys left it.
    std::unique_ptr<bo::Database> storeBeforeKeys(std::unique_ptr<TestStore>& holder)
    {
        return storeBeforeStep(holder, QStringLiteral("foreign keys"));
    }
};

// Every reference: a missing record is refused; deleting the named record
// takes an owned row with it and is refused while any other row names it.
TEST_F(BoStoreKeys, EveryReferenceIsAKeyThatTakesOwnedRowsAlongAndKeepsNamedRecords)
{
    for (const bo::Reference& r : bo::references()) {
        if (r.tree)
            continue;
        SCOPED_TRACE(r.describe().toStdString());
        EXPECT_THROW(newRow(db(), r.table, r.column, 999999), bo::StorageError);
        const qint64 target = newRow(db(), r.targetTable);
        const qint64 row = newRow(db(), r.table, r.column, target);
        const auto deleteTarget = [&] {
            db().execute(QStringLiteral("DELETE FROM %1 WHERE \"ID\" = ?").arg(r.targetTable), {target});
        };
        if (r.owned) {
            EXPECT_NO_THROW(deleteTarget());
        } else {
            EXPECT_THROW(deleteTarget(), bo::StorageError);
            db().execute(QStringLiteral("DELETE FROM %1 WHERE \"ID\" = ?").arg(r.table), {row});
            deleteTarget();
        }
        EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"ID\" = ?").arg(r.table), {row}).toInt(), 0);
    }
}

// "None" written as 0 is kept as null, so the key holds; the caller reads no reference.
TEST_F(BoStoreKeys, AReferenceOfZeroIsStoredAsNone)
{
    const qint64 trip = createId(QStringLiteral("O4000100"), fieldMap({{"Name", QStringLiteral("KL-1")},
                                                                        {"TransportCarID", 0},
                                                                        {"FuelTankTypeID2", 0}}));
    const bo::Rows stored = db().query(
        QStringLiteral("SELECT \"TransportCarID\", \"FuelTankTypeID2\" FROM transport_trip WHERE \"ID\" = ?"), {trip});
    ASSERT_EQ(stored.size(), 1);
    EXPECT_TRUE(stored.values.first().at(0).isNull());
    EXPECT_TRUE(stored.values.first().at(1).isNull());
}

// An older store: references of 0 become null, record numbers go on where they
// were; a reference to a record that is gone stops the upgrade, naming the row.
TEST_F(BoStoreKeys, AnOlderStoreIsUpgradedKeepingItsRowsOrRefusedNamingTheBrokenOnes)
{
    for (const bool broken : {false, true}) {
        SCOPED_TRACE(broken ? "broken" : "whole");
        std::unique_ptr<TestStore> holder;
        const auto old = storeBeforeKeys(holder);
        const qint64 car = newRow(*old, QStringLiteral("transport_car"));
        const qint64 trip = newRow(*old, QStringLiteral("transport_trip"), QStringLiteral("TransportCarID"), car);
        old->execute(QStringLiteral("UPDATE transport_trip SET \"FuelTankTypeID2\" = 0, \"UserID\" = ? WHERE \"ID\" = ?"),
                     {broken ? 777 : 0, trip});
        newRow(*old, QStringLiteral("transport_trip_route"), QStringLiteral("TransportTripID"), trip);
        const qint64 last = newRow(*old, QStringLiteral("transport_trip"));
        old->execute(QStringLiteral("DELETE FROM transport_trip WHERE \"ID\" = ?"), {last});
        if (broken) {
            const QString error = storageErrorOf([&] { bo::migrate(*old); });
            EXPECT_TRUE(error.contains(QStringLiteral("transport_trip.UserID → employee: įrašai %1").arg(trip))) << error.toStdString();
            EXPECT_EQ(bo::schemaVersion(*old), keysVersion() - 1);
            EXPECT_EQ(old->scalar(QStringLiteral("SELECT \"UserID\" FROM transport_trip")).toInt(), 777);
            continue;
        }
        bo::migrate(*old);
        const auto db = holder->open(); // a connection of its own, keys on
        EXPECT_TRUE(db->scalar(QStringLiteral("SELECT \"FuelTankTypeID2\" FROM transport_trip")).isNull());
        EXPECT_EQ(db->scalar(QStringLiteral("SELECT \"TransportCarID\" FROM transport_trip")).toLongLong(), car);
        EXPECT_GT(newRow(*db, QStringLiteral("transport_trip")), last) << "a deleted record's number is not handed out again";
        EXPECT_THROW(db->execute(QStringLiteral("DELETE FROM transport_car")), bo::StorageError);
        db->execute(QStringLiteral("DELETE FROM transport_trip WHERE \"ID\" = ?"), {trip});
        EXPECT_EQ(count(*db, QStringLiteral("transport_trip_route")), 0);
    }
}

TEST_F(BoStoreKeys, BackupCopiesWhatIsCommittedAndNeverOverwritesUnasked)
{
    const QString copy = store_->location() + QStringLiteral(".copy");
    const auto copyOnce = [&](bool force) {
        return runCommand([&](QTextStream& out, QTextStream& err) { return ctl::backupStore(store_->location(), copy, force, out, err); });
    };
    if (store_->isPostgres()) {
        const CommandRun refused = copyOnce(false);
        EXPECT_EQ(refused.code, 1);
        EXPECT_TRUE(refused.err.contains(QStringLiteral("pg_dump"))) << refused.err.toStdString();
        return;
    }
    newRow(db(), QStringLiteral("firm"), QStringLiteral("Name"), QStringLiteral("UAB Įrašyta"));
    bo::Transaction writing(db()); // a program is half way through a save
    newRow(db(), QStringLiteral("firm"), QStringLiteral("Name"), QStringLiteral("UAB Pusiau"));
    ASSERT_EQ(copyOnce(false).code, 0);
    const CommandRun kept = copyOnce(false);
    EXPECT_EQ(kept.code, 1) << "an existing file is kept";
    EXPECT_TRUE(kept.err.contains(QStringLiteral("--force"))) << kept.err.toStdString();
    EXPECT_EQ(copyOnce(true).code, 0);
    const auto copied = bo::Database::open(copy, bo::Database::Creation::Refused);
    EXPECT_EQ(copied->scalar(QStringLiteral("SELECT \"Name\" FROM firm")).toString(), QStringLiteral("UAB Įrašyta"));
    EXPECT_EQ(count(*copied, QStringLiteral("firm")), 1);
    const CommandRun checked = checkStore(copy);
    EXPECT_EQ(checked.code, 0) << checked.out.toStdString() << checked.err.toStdString();
}

TEST_F(BoStoreKeys, CheckSaysWhatIsWrongAndIsContentOnlyWithAWholeStore)
{
    struct Case { const char* damage; const char* says; bool sqliteOnly; };
    const Case cases[] = {
        {"", "Viskas gerai.", false},
        {"DELETE FROM kelmira_schema WHERE version = (SELECT MAX(version) FROM kelmira_schema)", "senesnė nei programos",
         false},
        {"INSERT INTO firm (\"ParentID\") VALUES (4242)", "firm.ParentID → firm", false},
        {"INSERT INTO transport_trip (\"UserID\") VALUES (4242)", "nurodo neegzistuojantį employee", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        if (c.sqliteOnly && store_->isPostgres())
            continue;
        QString reason;
        const std::unique_ptr<TestStore> fresh = TestStore::create(&reason);
        if (const auto db = fresh->open(); c.damage[0]) {
            if (!fresh->isPostgres())
                db->execute(QStringLiteral("PRAGMA foreign_keys=OFF")); // as a store damaged outside the program
            db->execute(QString::fromUtf8(c.damage));
        }
        const CommandRun checked = checkStore(fresh->location());
        const QString text = checked.out + checked.err;
        EXPECT_EQ(checked.code, c.damage[0] ? 1 : 0) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << text.toStdString();
    }
}

} // namespace

// The generator writes a sheet's lines and cheques after the sheet they name,
// so a generated store keeps every key.
TEST_F(BoStoreKeys, AGeneratedFleetKeepsEveryReference)
{
    const bo::GeneratedFleet made =
        bo::generateFleet(session(), {3, 1, QDate(2026, 12, 5), 7}, [](const bo::GeneratedFleet&) {});
    EXPECT_GT(made.sheets, 100);
    EXPECT_GT(made.cheques, 0);
    EXPECT_GE(count(db(), QStringLiteral("transport_trip_route")), made.routeLines) << "the demo fleet's lines beside them";
    const CommandRun checked = checkStore(store_->location());
    EXPECT_EQ(checked.code, 0) << checked.out.toStdString() << checked.err.toStdString();
}
