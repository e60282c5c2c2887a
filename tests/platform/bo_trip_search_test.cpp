// A search typed into the list of all trip sheets is answered by the store: the
// list pane shows what its filter showed over every row, reading only the
// sheets that may hold the text; each sheet's search text follows its edits,
// the fleet generator and the upgrade that brought it.

#include "platform/bo/demo_seed.h"
#include "platform/bo/fleet_generator.h"
#include "platform/bo/migrations.h"
#include "platform/bo/session_store.h"
#include "platform/bo/trip_search.h"
#include "platform/bo/trip_search_text.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/search_filter_model.h"
#include "tests/support/store_fixture.h"

namespace {

const QString tripType = QStringLiteral("O4000100");
const QString period = QStringLiteral("t.\"Date\" >= ? AND t.\"Date\" <= ?");
const QVariantList wholePeriod{QDateTime(QDate(1900, 1, 1), QTime(0, 0)), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59))};

class BoTripSearch : public StoreFixture {
protected:
    bo::Database& db() { return bo::storeOf(session()); }
    vx::RecordsetPtr allSheets()
    {
        const QString param = vx::arguments::write({tripType, QString(), QString(), vx::dates::noDate(), vx::dates::calendarEnd()});
        return session().createList(tripType)->GetVxObjectList(param, QString(), QString());
    }

    // The rows the list pane shows for `typed`, depth first: its filter over
    // every row, or over the rows the store found (`narrow`); `read` gets how many were read.
    QStringList shown(const QString& typed, bool narrow, int* read)
    {
        shell::ObjectListModel model;
        model.setRows(allSheets(), {}, tripType);
        EXPECT_TRUE(!narrow || model.narrowTo(typed));
        model.readAll();
        *read = model.totalRows();
        shell::SearchFilterModel filter;
        filter.setSourceModel(&model);
        filter.setSearchText(typed);
        QStringList keys;
        const std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
            for (int r = 0; r < filter.rowCount(parent); ++r) {
                keys << filter.index(r, 0, parent).data(shell::ObjectListModel::KeyRole).toString();
                walk(filter.index(r, 0, parent));
            }
        };
        walk({});
        return keys;
    }

    // The sheets a search's condition keeps, vehicle by vehicle.
    QList<QVariantList> kept(const bo::TripSearch& search)
    {
        QList<QVariantList> ids;
        for (const QVariantList& car : db().query(QStringLiteral("SELECT DISTINCT COALESCE(\"TransportCarID\", 0) FROM transport_trip")).values) {
            QVariantList values = wholePeriod;
            values << car.at(0);
            const QString condition = search.condition(car.at(0).toLongLong(), values);
            ids << db().query(QStringLiteral("SELECT t.\"ID\" FROM transport_trip t WHERE %1 AND COALESCE(t.\"TransportCarID\", 0) = ?%2 "
                                             "ORDER BY t.\"ID\"").arg(period, condition), values).values;
        }
        return ids;
    }
};

TEST_F(BoTripSearch, ShowsWhatTheFilterOverEveryRowShowedReadingOnlyWhatMayHoldIt)
{
    ASSERT_NO_THROW(bo::seedDemo(session(), vx::clock::today()));
    const QVariantList first =
        db().query(QStringLiteral("SELECT \"Name\", \"Date\", \"DistanceEnd\" FROM transport_trip ORDER BY \"ID\" LIMIT 1")).values.value(0);
    ASSERT_EQ(first.size(), 3);
    const QString number = first.at(0).toString().mid(3).replace(u'-', u'\u2013'); // "260916–0001"
    const QString day = vx::dates::toText(vx::dates::readDateTime(first.at(1).toString())->date());
    const QString reading = vx::numbers::plain(first.at(2).toDouble());
    struct Case { QString typed; bool some, narrow; }; // the list shows rows; fewer than half the rows are read
    const QList<Case> cases = {
        {QStringLiteral("zil"), true, true},       // a driver, without the marks of "Žilinskas"
        {QStringLiteral("ŽILINSK"), true, true},   // upper case with them
        {QStringLiteral("onaitiene"), true, true}, // "ė" as "e"
        {number, true, true},                      // a sheet's number, an en dash for its hyphen
        {day, true, true},
        {reading, true, true},
        {QStringLiteral("hbn 507"), true, true},   // a vehicle's code: all its sheets
        {QStringLiteral("volvo"), true, true},     // a vehicle's name: its node alone
        {QStringLiteral("kl-"), true, false},      // every sheet
        {QStringLiteral("a"), true, false},
        {QStringLiteral("qqq"), false, true},
        {QStringLiteral("%"), false, true},        // LIKE's own marks are letters like any other
        {QStringLiteral("_"), false, true},
    };
    int everyRow = 0;
    shown(QString(), true, &everyRow);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        int read = 0;
        int all = 0;
        const QStringList narrowed = shown(c.typed, true, &read);
        EXPECT_EQ(narrowed, shown(c.typed, false, &all));
        EXPECT_EQ(!narrowed.isEmpty(), c.some);
        EXPECT_EQ(read < everyRow / 2, c.narrow) << read << " of " << everyRow;
        // Reading each vehicle's sheets with the condition, as a common text is, keeps the same sheets.
        EXPECT_EQ(kept(bo::TripSearch(db(), c.typed, period, wholePeriod)), kept(bo::TripSearch(db(), c.typed, period, wholePeriod, 0)));
    }
}

// The vehicle's code and the driver's name are looked up where they are kept,
// so a rename is found at once; the sheet's own texts are written with it.
TEST_F(BoTripSearch, ASheetIsFoundByWhatItShowsAfterEditsAndRenames)
{
    const qint64 driver = createId("O0001401", {{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Jonaitis")}});
    const QString car = create("O4000400", {{"Name", QStringLiteral("MAN")}, {"Code", QStringLiteral("KLM 214")}});
    const QString sheet = create("O4000100", {{"Name", QStringLiteral("KL-77")},
                                              {"Date", QDateTime(QDate(2026, 3, 4), QTime(0, 0))},
                                              {"TransportCarID", vx::oid::recordNumber(car)},
                                              {"UserID", driver}});
    struct Case { QString record; QVariantMap change; QString foundBy, notBy; };
    const QList<Case> cases = {
        {QString(), {}, QStringLiteral("kl-77 2026.03.04"), QStringLiteral("kl-88")}, // name and date as the row shows them
        {sheet, {{QStringLiteral("Name"), QStringLiteral("KL-88")}}, QStringLiteral("KL‐88"), QStringLiteral("kl-77")},
        {sheet, {{QStringLiteral("Date"), QDateTime(QDate(2026, 4, 1), QTime(0, 0))}, {QStringLiteral("DistanceEnd"), 1234.5}},
         QStringLiteral("1234,5"), QStringLiteral("2026.03.04")},
        {vx::oid::make(QStringLiteral("O0001401"), driver), {{QStringLiteral("LastName"), QStringLiteral("Žukauskas")}}, QStringLiteral("zukausk"),
         QStringLiteral("jonaitis")},
        {car, {{QStringLiteral("Code"), QStringLiteral("ABC 999")}}, QStringLiteral("abc 999"), QStringLiteral("klm")},
        {sheet, {{QStringLiteral("Code"), QStringLiteral("ŽQ")}}, QStringLiteral("q"), QStringLiteral("x")}, // its last letter
    };
    int read = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.foundBy.toStdString());
        if (!c.record.isEmpty())
            update(c.record, c.change);
        EXPECT_TRUE(shown(c.foundBy, true, &read).contains(sheet));
        EXPECT_FALSE(shown(c.notBy, true, &read).contains(sheet));
    }
}

// On PostgreSQL a text of three letters or more is looked up in the trigram
// index of the texts; a shorter one, which the index would read whole, is not.
TEST_F(BoTripSearch, PostgresLooksUpTextsOfThreeLettersInTheTrigramIndex)
{
    if (db().engine() != bo::Engine::Postgres)
        GTEST_SKIP() << "SQLite has its own index of the texts";
    if (!db().scalar(QStringLiteral("SELECT 1 FROM pg_extension WHERE extname = ?"), {QStringLiteral("pg_trgm")}).isValid())
        GTEST_SKIP() << "the server has no trigram extension: searches read the table";
    bo::seedDemo(session(), vx::clock::today());
    db().execute(QStringLiteral("SET enable_seqscan = off")); // the few demo sheets would be read straight otherwise
    const auto indexReads = [&] {
        db().scalar(QStringLiteral("SELECT pg_stat_force_next_flush()")); // this session's counts are seen once idle
        return db().scalar(QStringLiteral("SELECT idx_scan FROM pg_stat_user_indexes WHERE indexrelname = ?"),
                           {QStringLiteral("ix_transport_trip_searchtext")}).toLongLong();
    };
    for (const auto& [typed, looked] : {std::pair{"zilinsk", true}, std::pair{"2026.", true}, std::pair{"z", false}, std::pair{"kl-", false}}) {
        SCOPED_TRACE(typed);
        const qint64 before = indexReads();
        bo::TripSearch(db(), QString::fromUtf8(typed), period, wholePeriod);
        EXPECT_EQ(indexReads() > before, looked);
    }
    db().execute(QStringLiteral("RESET enable_seqscan"));
}

// The fleet generator writes each sheet's text, and the upgrade writes those
// of the sheets an older program stored, and indexes them.
TEST_F(BoTripSearch, GeneratedAndUpgradedSheetsHoldTheTextsTheyShow)
{
    bo::generateFleet(session(), {2, 1, vx::clock::today(), 7}, {});
    std::unique_ptr<TestStore> holder;
    const auto old = storeBeforeStep(holder, QStringLiteral("search texts of trip sheets"));
    for (const auto& [name, code] : {std::pair{"Šiaulių KL–1", "X"}, std::pair{"Kelionė 2", ""}})
        old->execute(QStringLiteral("INSERT INTO transport_trip (\"Name\", \"Code\", \"Date\", \"DistanceRest\") VALUES (?, ?, ?, ?)"),
                     {QString::fromUtf8(name), QString::fromUtf8(code), QDateTime(QDate(2025, 1, 2), QTime(7, 5)), 10.25});
    bo::migrate(*old);
    for (bo::Database* store : {&db(), old.get()}) {
        const bo::Rows sheets = store->query(QStringLiteral(
            "SELECT \"Name\", \"Date\", \"DateTo\", \"DistanceRest\", \"DistanceEnd\", \"Code\", \"SearchText\" FROM transport_trip"));
        ASSERT_GT(sheets.size(), 1);
        for (const QVariantList& s : sheets.values)
            EXPECT_EQ(s.at(6).toString(), bo::tripSearchText(s.at(0), s.at(1), s.at(2), s.at(3), s.at(4), s.at(5)));
    }
    EXPECT_EQ(bo::TripSearch(*old, QStringLiteral("siauliu kl-1 2025.01.02"), period, wholePeriod).knownSheets(), 1);
    EXPECT_EQ(bo::TripSearch(*old, QStringLiteral("2025.01.02 07:05"), period, wholePeriod).knownSheets(), 2);
}

} // namespace
