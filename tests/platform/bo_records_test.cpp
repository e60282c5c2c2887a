// Records through the generic editor and list object: new records and their
// defaults, saving, reading back, the layer's own checks, lists and deletes. A
// missing record is the host services' test (ShellWindow), cancelling a change
// route_card.script's, the type's names the selector's and the filter's.

#include "platform/bo/session_store.h"
#include "platform/bo/users.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

namespace {

class BoRecords : public StoreFixture {
protected:
    // The names of the vehicles the list gives for the filter text.
    QStringList vehicleNames(const QString& filter)
    {
        return rowsText(session().createList(QStringLiteral("O4000400"))
                            ->GetVxObjectList(QStringLiteral("'O4000400','%1'").arg(filter), QString(), QString()),
                        {"Name"});
    }
};

TEST_F(BoRecords, ANewRecordHasItsDefaultsAndGetsAnIdWhenSaved)
{
    vx::VxObjectUIOPtr editor = read(QStringLiteral("O4000400"));
    ASSERT_TRUE(editor);
    EXPECT_EQ(rowText(editor->Fields().recordset(), {"ID", "GroupFlag"}), QStringLiteral("NULL|0"));

    editor->Fields()[QStringLiteral("Name")] = QStringLiteral("Volvo FH");
    editor->Fields()[QStringLiteral("Code")] = QStringLiteral("KLM 123");
    editor->Fields()[QStringLiteral("CarLenth")] = QStringLiteral("13,6");
    ASSERT_EQ(editor->Save().Code, 0);
    EXPECT_TRUE(vx::oid::hasRecord(editor->OIDR()));
    EXPECT_EQ(editor->Preview(), QStringLiteral("Volvo FH KLM 123"));
    EXPECT_EQ(editor->Fields().value(QStringLiteral("CreationDate")).toDateTime(), vx::clock::now());

    vx::VxObjectUIOPtr again = read(editor->OIDR());
    ASSERT_TRUE(again);
    EXPECT_DOUBLE_EQ(again->Fields().value(QStringLiteral("CarLenth")).toDouble(), 13.6);
    EXPECT_EQ(again->Fields().value(QStringLiteral("OIDR")).toString(), editor->OIDR());
}

TEST_F(BoRecords, SavesNamingMissingRecordsOrLoopingGroupsAreRefused)
{
    vx::VxObjectUIOPtr trip = read(QStringLiteral("O4000100"));
    trip->Fields()[QStringLiteral("TransportCarID")] = 4242;
    const vx::Status refused = trip->Save();
    EXPECT_NE(refused.Code, 0);
    EXPECT_TRUE(refused.Message.contains(QStringLiteral("TransportCarID"))) << refused.Message.toStdString();

    const QString outer = create("O4000400", {{"Name", QStringLiteral("Vilkikai")}, {"GroupFlag", 1},
                                              {"OType", QStringLiteral("Group")}});
    const QString inner = create("O4000400", {{"Name", QStringLiteral("Nauji")}, {"GroupFlag", 1},
                                              {"ParentID", vx::oid::recordNumber(outer)}});
    vx::VxObjectUIOPtr group = read(outer);
    group->Fields()[QStringLiteral("ParentID")] = vx::oid::recordNumber(inner);
    EXPECT_NE(group->Save().Code, 0);

    vx::VxObjectUIOPtr line = read(QStringLiteral("O4000200"));
    EXPECT_NE(line->Save().Code, 0) << "a route line belongs to a trip sheet";
}

// That saving an employee again keeps its own login is the employee card's test.
TEST_F(BoRecords, ALoginBelongsToOneEmployeeAndABlankOneToNobody)
{
    bo::users::actAsAdministrator(session()); // logins are the administrator's to give
    const auto employee = [this](const char* name, const QString& login) {
        vx::VxObjectUIOPtr editor = read(QStringLiteral("O0001401"));
        editor->Fields()[QStringLiteral("Name")] = QString::fromUtf8(name);
        editor->Fields()[QStringLiteral("Login")] = login;
        const vx::Status saved = editor->Save();
        return std::make_pair(saved, editor);
    };
    struct Case { const char* name; QString login; bool saved; } cases[] = {
        {"Ona", QString(), true},
        {"Petras", QStringLiteral("  "), true},
        {"Jonas", QStringLiteral("jonas"), true},
        {"Kitas Jonas", QStringLiteral(" jonas "), false},
        {"Administratorius 2", QStringLiteral("admin"), false},
    };
    for (const Case& c : cases) {
        const auto [status, editor] = employee(c.name, c.login);
        EXPECT_EQ(status.Code == 0, c.saved) << c.name << ": " << status.Message.toStdString();
        if (!c.saved) {
            EXPECT_EQ(status.Message, QStringLiteral("Prisijungimo vardas „%1“ jau priskirtas kitam darbuotojui.")
                                          .arg(c.login.trimmed()))
                << c.name;
        }
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM employee WHERE \"Login\" IS NULL")).toInt(), 2)
        << "blank logins are stored as none";
}

// A group with members stays: the catalogue's test (ShellDialogs).
TEST_F(BoRecords, DeletingATripSheetTakesItsLinesAndChequesWhileUsedRecordsStay)
{
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("Scania R450")}});
    const qint64 segment = createId("O4000601", {{"Name", QStringLiteral("Vilnius – Kaunas")}, {"Distance", 102.5}});
    const QString trip = create("O4000100", {{"TransportCarID", car}, {"Date", QDateTime(QDate(2026, 11, 2), QTime(0, 0))}});
    const qint64 tripId = vx::oid::recordNumber(trip);
    create("O4000200", {{"TransportTripID", tripId}, {"TransportRouteID", segment}});
    create("O4000300", {{"TransportTripID", tripId}, {"FuelAmount", 50.0}});

    auto list = session().createList(QStringLiteral("O4000601"));
    EXPECT_NE(list->DeleteVxObject(vx::oid::make(QStringLiteral("O4000601"), segment)), 0);
    EXPECT_TRUE(session().lastError().contains(QStringLiteral("Kelionės lapo atkarpos"))) << session().lastError().toStdString();
    auto cars = session().createList(QStringLiteral("O4000400"));

    auto trips = session().createList(QStringLiteral("O4000100"));
    EXPECT_EQ(trips->DeleteVxObject(trip), 0) << session().lastError().toStdString();
    for (const char* table : {"transport_trip", "transport_trip_route", "transport_cheque"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt(), 0) << table;
    EXPECT_EQ(list->DeleteVxObject(vx::oid::make(QStringLiteral("O4000601"), segment)), 0);
    EXPECT_EQ(cars->DeleteVxObject(vx::oid::make(QStringLiteral("O4000400"), car)), 0);
    EXPECT_NE(cars->DeleteVxObject(vx::oid::make(QStringLiteral("O4000400"), car)), 0) << "already gone";
}

// Every word of the filter must appear, in any letter case, in the same
// vehicle's name, code or chassis number.
TEST_F(BoRecords, VehicleListIsATreeAndEveryWordOfTheFilterMustMatch)
{
    const QString group = create("O4000400", {{"Name", QStringLiteral("Lengvieji")}, {"GroupFlag", 1}});
    create("O4000400", {{"Name", QStringLiteral("Škoda Octavia")}, {"Code", QStringLiteral("ŽUV 001")},
                        {"ParentID", vx::oid::recordNumber(group)}});
    create("O4000400", {{"Name", QStringLiteral("Škoda Fabia")}, {"ChasisNumber", QStringLiteral("TMB777")}});
    create("O4000400", {{"Name", QStringLiteral("Audi A6")}});

    QStringList all = rowsText(session().createList(QStringLiteral("O4000400"))
                                   ->GetVxObjectList(QStringLiteral("'O4000400',''"), QString(), QString()),
                               {"OType", "Name", "ParentKey", "Icon"});
    ASSERT_EQ(all.size(), 4);
    EXPECT_TRUE(all.takeFirst().startsWith(QLatin1String("Group|Lengvieji|"))) << "groups first";
    EXPECT_TRUE(all.contains(QStringLiteral("Car|Škoda Octavia|%1|Car").arg(group))) << all.join(u' ').toStdString();

    const struct { const char* filter; QStringList found; } cases[] = {
        {"žuv", {QStringLiteral("Škoda Octavia")}},
        {"ŠKODA", {QStringLiteral("Škoda Fabia"), QStringLiteral("Škoda Octavia")}},
        {"  škoda   žuv ", {QStringLiteral("Škoda Octavia")}},
        {"fabia tmb7", {QStringLiteral("Škoda Fabia")}},
        {"octavia tmb", {}},
        {"x'' OR ''1''=''1", {}},
    };
    for (const auto& c : cases) {
        QStringList found = vehicleNames(QString::fromUtf8(c.filter));
        found.sort();
        EXPECT_EQ(found, c.found) << c.filter;
    }
}

// The sheets of the period (whole days) under one node per vehicle, newest
// first, read a page at a time; a page ends anywhere, also between sheets of
// one date, and a sheet saved between pages is given once or, when it belongs
// to the part already given, not at all.
TEST_F(BoRecords, TripSheetListReadAPageAtATimeGivesEverySheetOfThePeriodOnceInOrder)
{
    const qint64 iveco = createId("O4000400", {{"Name", QStringLiteral("Iveco Daily")}, {"Code", QStringLiteral("KLM 1")}});
    const qint64 man = createId("O4000400", {{"Name", QStringLiteral("MAN TGX")}});
    const auto sheet = [&](qint64 car, const QString& name, int day) {
        return create("O4000100", {{"TransportCarID", car}, {"Name", name},
                                   {"Date", QDateTime(QDate(2026, 11, 1).addDays(day - 1), QTime(8, 0))}});
    };
    // Three sheets of one day for the MAN, so pages end between equal dates; the 31st is December.
    for (const auto& [car, name, day] : QList<std::tuple<qint64, QString, int>>{
             {man, QStringLiteral("M-1"), 2}, {man, QStringLiteral("M-2"), 5}, {man, QStringLiteral("M-3"), 5},
             {man, QStringLiteral("M-4"), 5}, {iveco, QStringLiteral("I-1"), 3}, {man, QStringLiteral("M-5"), 9},
             {iveco, QStringLiteral("I-30"), 30}, {iveco, QStringLiteral("I-dec"), 31}})
        sheet(car, name, day);
    auto list = session().createList(QStringLiteral("O4000100"));
    const QString period = QStringLiteral("'O4000100','','','2026.11.01','2026.11.30'");
    const QStringList whole = {QStringLiteral("Iveco Daily KLM 1"), QStringLiteral("I-30"), QStringLiteral("I-1"),
                               QStringLiteral("MAN TGX"), QStringLiteral("M-5"), QStringLiteral("M-4"),
                               QStringLiteral("M-3"), QStringLiteral("M-2"), QStringLiteral("M-1")};
    const vx::RecordsetPtr layout = list->GetVxObjectList(period, QString(), QString());
    EXPECT_EQ(rowText(layout, {"OType", "Context"}, 0), QStringLiteral("Car|") + vx::oid::make(u"O4000400", iveco));
    EXPECT_EQ(rowText(layout, {"OType", "CarName", "CarCode"}, 1), QStringLiteral("Trip|Iveco Daily|KLM 1"));
    // A sheet by its number, a vehicle's node by its display text.
    const auto label = [nameField = layout->fieldIndex(u"Name"), previewField = layout->fieldIndex(u"Preview")](
                           const QVariantList& row) {
        return row.value(nameField).isNull() ? row.at(previewField).toString() : row.at(nameField).toString();
    };
    for (int page : {1, 2, 3, 100}) {
        SCOPED_TRACE(page);
        vx::RowSourcePtr source = list->GetVxObjectList(period, QString(), QString())->takeRowSource();
        ASSERT_TRUE(source) << "a fresh list has read nothing yet";
        EXPECT_EQ(source->expectedCount(), whole.size());
        QStringList read;
        for (QList<QVariantList> rows = source->next(page); !rows.isEmpty(); rows = source->next(page))
            for (const QVariantList& row : rows)
                read << label(row);
        EXPECT_EQ(read, whole);
    }
    vx::RowSourcePtr source = list->GetVxObjectList(period, QString(), QString())->takeRowSource();
    QStringList read;
    for (const QVariantList& row : source->next(5)) // Iveco, I-30, I-1, MAN, M-5
        read << label(row);
    sheet(man, QStringLiteral("M-new-old"), 1); // after the given ones in the order: comes
    sheet(man, QStringLiteral("M-new-late"), 20); // before them: not given twice nor shifting
    for (const QVariantList& row : source->next(100))
        read << label(row);
    EXPECT_EQ(read, whole + QStringList{QStringLiteral("M-new-old")});

    // A page the store cannot give ends the list with the store's message.
    vx::RowSourcePtr failing = list->GetVxObjectList(period, QString(), QString())->takeRowSource();
    ASSERT_EQ(failing->next(2).size(), 2);
    bo::storeOf(session()).execute(QStringLiteral("ALTER TABLE transport_trip RENAME TO transport_trip_gone"));
    EXPECT_TRUE(failing->next(100).isEmpty());
    EXPECT_FALSE(session().lastError().isEmpty());
    EXPECT_TRUE(failing->next(100).isEmpty());
}

// The list of every sheet has no period start and is not counted beforehand;
// it gives the rows a period holding every sheet gives, whatever the page,
// sheets without a vehicle included and vehicles without sheets left out.
TEST_F(BoRecords, AllTripSheetsListGivesTheRowsOfAPeriodHoldingEverySheet)
{
    const auto car = [&](const char* name) { return createId("O4000400", {{"Name", QString::fromUtf8(name)}}); };
    const qint64 zil = car("Žiguli"), audi = car("Audi"), volvo = car("Volvo");
    Q_UNUSED(volvo); // no sheets
    int day = 0;
    for (const qint64 vehicle : {zil, audi, zil, qint64(0), audi, zil})
        create("O4000100", {{"TransportCarID", vehicle ? QVariant(vehicle) : QVariant()}, {"Name", QStringLiteral("S-%1").arg(++day)},
                            {"Date", QDateTime(QDate(2020, 1, 1).addDays(day * 400), QTime(8, 0))}});
    auto list = session().createList(QStringLiteral("O4000100"));
    const auto rows = [&](const QString& param, int page, int* expected) {
        vx::RowSourcePtr source = list->GetVxObjectList(param, QString(), QString())->takeRowSource();
        *expected = source->expectedCount();
        QStringList keys;
        for (QList<QVariantList> read = source->next(page); !read.isEmpty(); read = source->next(page))
            for (const QVariantList& row : read)
                keys << row.at(0).toString();
        return keys;
    };
    int counted = 0, uncounted = 0;
    const QStringList whole = rows(QStringLiteral("'O4000100','','','1901.01.01','9999.12.31'"), 100, &counted);
    EXPECT_EQ(whole.size(), 9) << whole.join(u' ').toStdString(); // three nodes and six sheets
    EXPECT_EQ(counted, 9);
    for (int page : {1, 2, 4, 100}) {
        EXPECT_EQ(rows(QStringLiteral("'O4000100','','','',''"), page, &uncounted), whole) << page;
        EXPECT_EQ(uncounted, -1);
    }
}

} // namespace
