// Rows read straight from a statement, as long lists read them, on both
// engines: each value as a query gives it and typed as the record set converts
// it, values bound as a query binds them, and the trip list made of them
// holding what the record set makes of each stored sheet.

#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <QDate>
#include <QDateTime>

namespace {

using vx::FieldType;

class BoStoredRows : public StoreFixture {
protected:
    void prepare() override
    {
        db().execute(db().dialect().ddl(QStringLiteral(
            "CREATE TABLE probe (id {id}, whole {int}, amount {double}, name {text}, moment {datetime}, day {date})")));
        const QDateTime moment(QDate(2026, 11, 3), QTime(14, 5));
        for (const QVariantList& row : QList<QVariantList>{
                 {12, 2.5, QStringLiteral("Žalias 12,5"), moment, QDate(2026, 11, 3)},
                 {-40000, 1e15, QStringLiteral("2026-11-04 08:00:00"), moment.addDays(1), QDate(2026, 11, 4)},
                 {1, 0.0, QStringLiteral("2026-13-40 00:00:00"), QVariant(), QVariant()},
                 {QVariant(), QVariant(), QString(), QVariant(), QVariant()}})
            db().execute(QStringLiteral("INSERT INTO probe (whole, amount, name, moment, day) VALUES (?, ?, ?, ?, ?)"), row);
    }

    bo::Database& db() { return bo::storeOf(session()); }

    QList<qint64> ids(const QString& condition, const QVariant& value, bool straight)
    {
        const QString sql = QStringLiteral("SELECT id FROM probe WHERE %1 ORDER BY id").arg(condition);
        QList<qint64> found;
        if (straight)
            db().read(sql, {value}, [&](const bo::StoredRow& row) { found << row.value(0).toLongLong(); });
        else
            for (const QVariantList& row : db().query(sql, {value}).values)
                found << row.at(0).toLongLong();
        return found;
    }
};

TEST_F(BoStoredRows, ValuesComeAsAQueryGivesThemAndTypedAsTheRecordSetConvertsThem)
{
    const QString sql = QStringLiteral("SELECT whole, amount, name, moment, day FROM probe WHERE id > ? ORDER BY id");
    const QList<QVariantList> queried = db().query(sql, {0}).values;
    int row = 0;
    db().read(sql, {0}, [&](const bo::StoredRow& stored) {
        ASSERT_LT(row, queried.size());
        ASSERT_EQ(stored.size(), 5);
        for (int column = 0; column < stored.size(); ++column) {
            const QVariant given = queried.at(row).at(column);
            SCOPED_TRACE(typedText(given));
            EXPECT_EQ(typedText(stored.value(column)), typedText(given));
            EXPECT_EQ(stored.value(column).isNull(), given.isNull());
            // Every column type, twice: a moment is read once and then kept.
            for (int pass = 0; pass < 2; ++pass) {
                for (int type = int(FieldType::Integer); type <= int(FieldType::Variant); ++type) {
                    bool storedTyped = true, queryTyped = true;
                    const QVariant expected = bo::typedOrAsIs(given, FieldType(type), queryTyped);
                    EXPECT_EQ(typedText(stored.typed(column, FieldType(type), storedTyped)), typedText(expected)) << type;
                    EXPECT_EQ(storedTyped, queryTyped) << type;
                }
            }
        }
        ++row;
    });
    EXPECT_EQ(row, queried.size());
}

TEST_F(BoStoredRows, BoundValuesFindTheRowsAQueryFinds)
{
    const struct { const char* condition; QVariant value; QList<qint64> found; } cases[] = {
        {"moment >= ?", QDateTime(QDate(2026, 11, 3), QTime(14, 5)), {1, 2}},
        {"day = ?", QDate(2026, 11, 4), {2}},
        {"name = ?", QStringLiteral("Žalias 12,5"), {1}},
        {"whole = ?", qint64(-40000), {2}},
        {"whole = ?", true, {3}},
        {"amount = ?", 2.5, {1}},
        {"COALESCE(name, 'x') = COALESCE(?, 'x')", QString(), {4}}, // a null text binds NULL
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.condition);
        EXPECT_EQ(ids(QLatin1String(c.condition), c.value, true), c.found);
        EXPECT_EQ(ids(QLatin1String(c.condition), c.value, false), c.found);
    }
}

TEST_F(BoStoredRows, AFailedOrAbandonedReadLeavesTheStoreReadable)
{
    EXPECT_THROW(db().read(QStringLiteral("SELECT nothing FROM probe WHERE id = ?"), {1}, [](const bo::StoredRow&) {}),
                 bo::StorageError);
    struct Stop {};
    EXPECT_THROW(db().read(QStringLiteral("SELECT id FROM probe WHERE id > ?"), {0},
                           [](const bo::StoredRow&) { throw Stop(); }),
                 Stop);
    EXPECT_EQ(ids(QStringLiteral("id > ?"), 2, true), (QList<qint64>{3, 4})) << "the same statement runs again";
    db().execute(QStringLiteral("DELETE FROM probe WHERE id = ?"), {4});
    EXPECT_EQ(ids(QStringLiteral("id > ?"), 2, true), QList<qint64>{3}) << "and nothing holds the store";
}

// Each stored value of a sheet in the period list is what the sheet's own
// record set holds; the rest of the row is the vehicle's and the driver's.
TEST_F(BoStoredRows, ThePeriodListHoldsWhatTheRecordSetMakesOfEachStoredSheet)
{
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("MAN TGX")}, {"Code", QStringLiteral("KLM 1")}});
    const qint64 driver = createId("O0001401", {{"Name", QStringLiteral("Rūta")}, {"LastName", QStringLiteral("Žukauskienė")}});
    const QStringList sheets{
        create("O4000100", {{"TransportCarID", car}, {"UserID", driver}, {"Name", QStringLiteral("KL-1")},
                            {"Date", QDateTime(QDate(2026, 11, 2), QTime(8, 0))},
                            {"DateTo", QDateTime(QDate(2026, 11, 3), QTime(17, 30))}, {"DistanceRest", 1200.5},
                            {"FuelRest1", 35}, {"FinalRest1Indication", 1}}),
        create("O4000100", {{"TransportCarID", car}, {"Date", QDateTime(QDate(2026, 11, 5), QTime(0, 0))}})};
    const vx::RecordsetPtr list = session().createList(QStringLiteral("O4000100"))
                                      ->GetVxObjectList(QStringLiteral("'O4000100','','','2026.11.01','2026.11.30'"), {}, {});
    ASSERT_EQ(list->RecordCount(), 3);
    const QStringList previews{QStringLiteral("2026.11.05"), QStringLiteral("KL-1 2026.11.02")};
    for (int row = 1; row < 3; ++row) {
        const QString oidr = list->valueAt(row, list->fieldIndex(u"OIDR")).toString();
        ASSERT_EQ(oidr, sheets.at(2 - row)) << "newest first";
        const vx::VxObjectUIOPtr editor = read(oidr);
        const vx::RecordsetPtr stored = editor->Fields().recordset();
        for (const vx::FieldDef& field : stored->fieldDefs()) {
            const int at = list->fieldIndex(field.name);
            if (at < list->fieldIndex(u"Context") + 1)
                continue; // not a stored column, or one the list gives its own way
            EXPECT_EQ(typedText(list->valueAt(row, at)), typedText(stored->value(field.name))) << field.name.toStdString();
        }
        EXPECT_EQ(rowText(list, {"ID", "Preview", "Context", "ParentKey", "CarName", "CarCode"}, row),
                  QStringList({QString::number(vx::oid::recordNumber(oidr)), previews.at(row - 1), oidr,
                               QStringLiteral("Car:") + vx::oid::make(u"O4000400", car), QStringLiteral("MAN TGX"), QStringLiteral("KLM 1")})
                      .join(QLatin1Char('|')));
        EXPECT_EQ(typedText(list->valueAt(row, list->fieldIndex(u"UserName"))),
                  row == 2 ? typedText(QStringLiteral("Rūta Žukauskienė")) : typedText({}));
    }
}

} // namespace
