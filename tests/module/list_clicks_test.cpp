// What the menu clicks of the list controllers do, on a real store: cards
// opened and made, records deleted, lists filtered and reloaded, and what the
// host is told to do (the click result's Action).

#include "platform/shell/host_services.h"
#include "module/catalogue_controls.h"
#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"
#include "tests/support/module_host.h"

namespace {

using testhost::ModuleFixture;

vx::VxObjectUIOPtr editorOf(const QWidget* card)
{
    const auto* asCard = dynamic_cast<const vx::VxCard*>(card);
    return asCard ? asCard->vxObjectUIO() : nullptr;
}

QStringList column(const vx::RecordsetPtr& rs, const char* field)
{
    QStringList values;
    for (int row = 0; row < rs->RecordCount(); ++row)
        values << rs->valueAt(row, rs->fieldIndex(QString::fromLatin1(field))).toString();
    return values;
}

class ListClicks : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        for (const char* key : {"CTransportTrips", "CTransportCars", "CTransportTyres", "CTransportReferences"})
            host->grant(QLatin1String(key), true, true, true, true);
        trips = controller<UI4000100>();
        cheques = controller<UI4000300>();
        cars = controller<UI4000400>();
        references = controller<UI4000600>();
        tyres = controller<UI4000800>();
    }

    QString group(const char* typeId, const QString& name, qint64 parent = 0)
    {
        return create(QLatin1String(typeId),
                      fields({{"Name", name}, {"GroupFlag", 1}, {"OType", QStringLiteral("Group")}, {"ParentID", parent}}));
    }
    QString vehicle(const QString& name, const QString& code, qint64 parent = 0)
    {
        return create(QStringLiteral("O4000400"), fields({{"Name", name}, {"Code", code}, {"ParentID", parent}}));
    }
    QString tripSheet(const QDate& date, const QString& car, const QString& user = QString())
    {
        return create(QStringLiteral("O4000100"), fields({{"Date", date},
                                                          {"TransportCarID", vx::oid::recordNumber(car)},
                                                          {"UserID", vx::oid::recordNumber(user)}}));
    }

    // A vehicle in a group with a trip sheet and its cheque, a group of
    // cheques, a tyre, and a route segment in a region.
    void seedOneOfEach()
    {
        fleet = group("O4000400", QStringLiteral("Vilnius"));
        car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"), vx::oid::recordNumber(fleet));
        tyre = create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("T-1")}}));
        sheet = tripSheet(QDate(2026, 11, 10), car);
        cheque = create(QStringLiteral("O4000300"), fields({{"TransportTripID", vx::oid::recordNumber(sheet)},
                                                            {"Name", QStringLiteral("Č-1")},
                                                            {"Date", QDate(2026, 11, 10)}}));
        chequeGroup = group("O4000300", QStringLiteral("Kortelės"));
        region = group("O4000601", QStringLiteral("Lietuva"));
        route = create(QStringLiteral("O4000601"),
                       fields({{"Name", QStringLiteral("Vilnius–Kaunas")}, {"ParentID", vx::oid::recordNumber(region)}}));
    }

    static vx::ClickResult click(const vx::VxObjectUIPtr& list, const QString& id, const char* type, const char* key,
                                 const QString& context = QString())
    {
        return list->ClickMenu(id, *type ? QString::fromLatin1(type) : QString(), QLatin1String(key), context);
    }

    // The view period the host has stored for the trip sheet list.
    void storedPeriod(const vx::PeriodRecord& period)
    {
        host->objects.functions.insert(QStringLiteral("GetOldPeriod"), [period](const QString&) {
            return vx::CallResult::success(QVariant::fromValue(period));
        });
    }

    void expectOneMessage(const QString& text, QMessageBox::Icon icon)
    {
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text, text);
        EXPECT_EQ(messages.messages[0].title, product);
        EXPECT_EQ(messages.messages[0].icon, icon);
        messages.messages.clear();
    }

    const QString product = shell::HostServices::productName;
    const QString deleted = QStringLiteral("Elementas panaikintas!");
    std::shared_ptr<UI4000100> trips;
    std::shared_ptr<UI4000300> cheques;
    std::shared_ptr<UI4000400> cars;
    std::shared_ptr<UI4000600> references;
    std::shared_ptr<UI4000800> tyres;
    QString fleet, car, tyre, sheet, cheque, chequeGroup, region, route;
};

TEST_F(ListClicks, OpeningShowsTheCardOfWhatTheRowStandsFor)
{
    seedOneOfEach();
    struct Case { vx::VxObjectUIPtr list; QString id; const char* type; QString context, card, shows; };
    const Case cases[] = {
        {cars, car, "", QString(), QStringLiteral("frmTransportCars"), car},
        {tyres, tyre, "", QString(), QStringLiteral("frmTransportTyres"), tyre},
        {trips, sheet, "", QString(), QStringLiteral("frmTransportTripsSV"), sheet},
        // A cheque opens the trip sheet it belongs to; a route segment the module's own card.
        {cheques, cheque, "C", QString(), QStringLiteral("frmTransportTripsSV"), sheet},
        {references, route, "O4000601", route, QStringLiteral("frmTransportRoute"), route},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        const vx::ClickResult result = click(c.list, c.id, c.type, "0", c.context);
        EXPECT_EQ(result.Action, vx::ActionShowCard);
        const std::unique_ptr<QWidget> card = takeCard(result);
        ASSERT_TRUE(editorOf(card.get()));
        EXPECT_EQ(card->objectName(), c.card);
        EXPECT_EQ(editorOf(card.get())->OIDR(), c.shows);
        if (c.id == c.shows) {
            EXPECT_EQ(editorOf(card.get())->UI(), c.list) << "the editor belongs to the list that made it";
        }
    }
    // A group of cheques has no trip sheet to show.
    EXPECT_EQ(click(cheques, chequeGroup, "Group", "0").Action, vx::ActionNothing);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ListClicks, ARowDeletedMeanwhileIsReportedAndNothingHappens)
{
    seedOneOfEach();
    const QString gone = QStringLiteral("99");
    struct Case { vx::VxObjectUIPtr list; QString id; const char *type, *key; QString message; };
    const Case cases[] = {
        {cars, car + gone, "", "0", deleted},
        {tyres, tyre + gone, "", "0", deleted},
        {trips, sheet + gone, "", "0", deleted},
        {cheques, cheque + gone, "C", "0", deleted},
        {cars, fleet + gone, "Group", "2", deleted}, // a new group under it
        {references, route + gone, "O4000601", "0", QStringLiteral("Objektas panaikintas!")},
        // Other catalogues are the host's catalogue controller's: its own message.
        {references, QStringLiteral("O40006023"), "O4000602", "0", deleted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString() + " " + c.key);
        EXPECT_EQ(click(c.list, c.id, c.type, c.key).Action, vx::ActionNothing);
        expectOneMessage(c.message, QMessageBox::Critical);
    }
}

TEST_F(ListClicks, DeletingAsksAndDeletesOnlyOnOk)
{
    seedOneOfEach();
    struct Case { vx::VxObjectUIPtr list; QString id; const char* type; QString context; };
    const QString spare = vehicle(QStringLiteral("MAN"), QStringLiteral("DEF456"), vx::oid::recordNumber(fleet));
    for (const Case& c : {Case{cars, spare, "Car", QString()}, Case{references, route, "O4000601", route}}) {
        SCOPED_TRACE(c.id.toStdString());
        messages.answer(QMessageBox::Cancel);
        EXPECT_EQ(click(c.list, c.id, c.type, "4", c.context).Action, vx::ActionNothing);
        EXPECT_TRUE(stored(c.id));
        EXPECT_EQ(messages.messages.value(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
        expectOneMessage(QStringLiteral("Ar tikrai norite panaikinti?"), QMessageBox::Warning);
        messages.answer(QMessageBox::Ok);
        EXPECT_EQ(click(c.list, c.id, c.type, "4", c.context).Action, vx::ActionDeleted);
        EXPECT_FALSE(stored(c.id));
        expectOneMessage(QStringLiteral("Ar tikrai norite panaikinti?"), QMessageBox::Warning);
    }

    // A group that still holds vehicles is not deleted.
    messages.answer(QMessageBox::Ok);
    EXPECT_EQ(click(cars, fleet, "Group", "4").Action, vx::ActionNothing);
    EXPECT_TRUE(stored(fleet));
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(ListClicks, NewRecordsAndGroupsGoUnderTheClickedRow)
{
    seedOneOfEach();
    const qint64 fleetNo = vx::oid::recordNumber(fleet);
    const QString tyreStock = group("O4000800", QStringLiteral("Sandėlis"));
    const QString stockedTyre = create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("T-2")},
                                                                          {"ParentID", vx::oid::recordNumber(tyreStock)}}));
    struct Case {
        vx::VxObjectUIPtr list;
        QString id;
        const char *type, *key;
        qint64 parent;
        int groupFlag;
        QString kind, card;
    };
    const QString carCard = QStringLiteral("frmTransportCars"), tyreCard = QStringLiteral("frmTransportTyres");
    const QString Car = QStringLiteral("Car"), Group = QStringLiteral("Group"), Tyre = QStringLiteral("Tyre");
    const Case cases[] = {
        {cars, QStringLiteral("O4000400"), "", "1", 0, 0, Car, carCard},
        {cars, fleet, "Group", "2", fleetNo, 1, Group, carCard},
        // A new vehicle from a vehicle goes beside it, into the same group.
        {cars, car, "Car", "1", fleetNo, 0, Car, carCard},
        {tyres, QStringLiteral("O4000800"), "", "1", 0, 0, Tyre, tyreCard},
        {tyres, tyreStock, "Group", "2", vx::oid::recordNumber(tyreStock), 1, Group, tyreCard},
        // A tyre clicked gives its own ID as the parent.
        {tyres, stockedTyre, "Tyre", "1", vx::oid::recordNumber(stockedTyre), 0, Tyre, tyreCard},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString() + " " + c.key);
        const std::unique_ptr<QWidget> card = takeCard(click(c.list, c.id, c.type, c.key));
        ASSERT_TRUE(editorOf(card.get()));
        EXPECT_EQ(card->objectName(), c.card);
        const vx::VxObjectUIOPtr editor = editorOf(card.get());
        EXPECT_EQ(editor->OIDR(), c.list->OID()) << "a new record";
        EXPECT_EQ(editor->Fields().value(QStringLiteral("ParentID")).toLongLong(), c.parent);
        EXPECT_EQ(editor->Fields().value(QStringLiteral("GroupFlag")).toInt(), c.groupFlag);
        EXPECT_EQ(editor->OType(), c.kind);
    }

    // A new route segment goes into the clicked region, in the module's card.
    const std::unique_ptr<QWidget> segmentCard = takeCard(click(references, region, "Group", "1", region));
    const vx::VxObjectUIOPtr segment = editorOf(segmentCard.get());
    ASSERT_TRUE(segment);
    EXPECT_EQ(segmentCard->objectName(), QStringLiteral("frmTransportRoute"));
    EXPECT_EQ(segment->OIDR(), QStringLiteral("O4000601"));
    EXPECT_EQ(segment->Fields().value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(region));

    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ListClicks, TheFilterListsMatchingRecordsUntilAnotherListOrAllAreAsked)
{
    vehicle(QStringLiteral("Volvo FH"), QStringLiteral("ABC123"));
    vehicle(QStringLiteral("Volvo FM"), QStringLiteral("DEF456"));
    vehicle(QStringLiteral("MAN TGX"), QStringLiteral("GHI789"), vx::oid::recordNumber(group("O4000400", QStringLiteral("Kaunas"))));
    create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("MICH-1")}}));
    create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("CONTI-2")}}));
    struct Case { vx::VxObjectUIPtr list; const char* key; QString answer; QStringList shown; };
    const QStringList volvos = {QStringLiteral("Volvo FH ABC123"), QStringLiteral("Volvo FM DEF456")};
    for (const Case& c : {Case{tyres, "70S2", QStringLiteral("mich"), {QStringLiteral("MICH-1")}},
                          Case{cars, "3", QStringLiteral("volvo"), volvos}, Case{cars, "70S2", QStringLiteral("volvo"), volvos}}) {
        SCOPED_TRACE(c.list->OID().toStdString() + " " + c.key);
        factory->filter->answer = c.answer;
        const vx::ClickResult result = click(c.list, c.list->OID(), "", c.key);
        ASSERT_EQ(result.Action, vx::ActionShowList);
        const QVariantList value = result.Value.toList();
        ASSERT_EQ(value.size(), 2);
        EXPECT_EQ(column(value[0].value<vx::RecordsetPtr>(), "Preview"), c.shown);
        EXPECT_EQ(value[1].toString(), c.answer);
        EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'','%1'").arg(c.answer));
    }
    EXPECT_EQ(factory->filter->oids,
              (QStringList{QStringLiteral("O4000800"), QStringLiteral("O4000400"), QStringLiteral("O4000400")}));

    // The host refreshing the filtered list keeps the filter; any other list drops it.
    cars->GetVxObjectList(QStringLiteral("O40004001"), QString(), QStringLiteral("&Atrinkti"));
    EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'O40004001','volvo'"));
    EXPECT_EQ(cars->GetVxObjectList(QString(), QString(), QString())->RecordCount(), 4);
    EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'',''"));
    EXPECT_TRUE(cars->filterText().isEmpty());

    // A cancelled filter shows nothing new and forgets the text.
    click(cars, cars->OID(), "", "3");
    factory->filter->answer.clear();
    EXPECT_EQ(click(cars, cars->OID(), "", "3").Action, vx::ActionNothing);
    EXPECT_TRUE(cars->filterText().isEmpty());

    // A quote typed into the filter stays inside it.
    vehicle(QStringLiteral("O'Neil"), QStringLiteral("X1"));
    factory->filter->answer = QStringLiteral("o'n");
    const vx::ClickResult quoted = click(cars, cars->OID(), "", "3");
    ASSERT_EQ(quoted.Action, vx::ActionShowList);
    EXPECT_EQ(column(quoted.Value.toList()[0].value<vx::RecordsetPtr>(), "Preview"), QStringList{QStringLiteral("O'Neil X1")});

    // "Show all" lists everything, groups and what they hold, without a filter.
    struct All { vx::VxObjectUIPtr list; QString request; int rows; };
    for (const All& c : {All{cars, QStringLiteral("'',''"), 5}, All{tyres, QStringLiteral("'',''"), 2},
                         All{references, QStringLiteral("'O4000600', ''"), 9}}) {
        const vx::ClickResult result = click(c.list, c.list->OID(), "", "116S0");
        ASSERT_EQ(result.Action, vx::ActionShowList) << c.list->className().toStdString();
        EXPECT_EQ(result.Value.toList()[0].value<vx::RecordsetPtr>()->RecordCount(), c.rows);
        EXPECT_EQ(result.Value.toList()[1].toString(), QString());
        EXPECT_EQ(factory->listRequests->last(), c.request);
    }
    EXPECT_TRUE(cars->filterText().isEmpty());
}

TEST_F(ListClicks, TripSheetsAreListedForTheViewPeriod)
{
    const QString volvo = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    for (const QDate& date : {QDate(2026, 1, 15), QDate(2026, 2, 1), QDate(2026, 11, 12)})
        tripSheet(date, volvo);
    struct Case { vx::PeriodRecord period; QString request; };
    const Case cases[] = {
        // Without a chosen period: the last DaysBack days from today (2026.11.16), open-ended.
        {{QDate(2026, 1, 1), QDate(2026, 1, 31), 10, false, QStringLiteral("Paskutinės 10 d.")},
         QStringLiteral("'O4000100','ctx','cmd','2026.11.06','9999.12.31'")},
        {{QDate(), QDate(), 365, false, QString()}, QStringLiteral("'O4000100','ctx','cmd','2025.11.16','9999.12.31'")},
        {{QDate(2026, 1, 1), QDate(2026, 1, 31), 10, true, QStringLiteral("Sausis")},
         QStringLiteral("'O4000100','ctx','cmd','2026.01.01','2026.01.31'")},
    };
    vx::RecordsetPtr rows;
    for (const Case& c : cases) {
        storedPeriod(c.period);
        const auto list = controller<UI4000100>();
        EXPECT_EQ(list->period(), c.period);
        rows = list->GetVxObjectList(QStringLiteral("O4000100"), QStringLiteral("ctx"), QStringLiteral("cmd"));
        EXPECT_EQ(factory->listRequests->last(), c.request);
    }
    // The chosen period (the last case) limits the sheets the list shows.
    EXPECT_EQ(column(rows, "OType").count(QStringLiteral("Trip")), 1);

    // Without a stored period the list starts today.
    host->objects.functions.remove(QStringLiteral("GetOldPeriod"));
    controller<UI4000100>()->GetVxObjectList(QString(), QString(), QString());
    EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'','','','2026.11.16','9999.12.31'"));
}

TEST_F(ListClicks, ChoosingTheSamePeriodAgainKeepsTheList)
{
    const vx::PeriodRecord november{QDate(2026, 11, 1), QDate(2026, 11, 30), 0, true, QStringLiteral("Lapkritis")};
    vx::PeriodRecord chosen = november;
    storedPeriod(november);
    auto& functions = host->objects.functions;
    functions.insert(QStringLiteral("GetNewPeriod"),
                     [&chosen](const QString&) { return vx::CallResult::success(QVariant::fromValue(chosen)); });
    const auto list = controller<UI4000100>();
    const auto viewPeriod = [&] { return click(list, list->OID(), "", "3").Action; };

    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    // The same dates under another description are another view.
    chosen.Caption = QStringLiteral("2026.11.01 – 2026.11.30");
    EXPECT_EQ(viewPeriod(), vx::ActionReloadList);
    chosen.UsePeriod = false;
    chosen.DaysBack = 3;
    EXPECT_EQ(viewPeriod(), vx::ActionReloadList);
    EXPECT_EQ(list->period(), chosen);
    list->GetVxObjectList(QStringLiteral("O4000100"), QString(), QString());
    EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'O4000100','','','2026.11.13','9999.12.31'"));

    // A failing period dialog is reported and the period stays.
    functions.insert(QStringLiteral("GetNewPeriod"), [](const QString&) {
        return vx::CallResult::failure(QStringLiteral("Laikotarpis neteisingas."));
    });
    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    EXPECT_EQ(list->period(), chosen);
    expectOneMessage(QStringLiteral("Laikotarpis neteisingas."), QMessageBox::Critical);
}

TEST_F(ListClicks, ANewTripSheetTakesWhatTheClickedRowStandsFor)
{
    const QString volvo = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString otherCar = vehicle(QStringLiteral("MAN"), QStringLiteral("DEF456"));
    const QString driver = create(QStringLiteral("O0001401"), fields({{"Name", QStringLiteral("Jonas")}}));
    const QString driven = tripSheet(QDate(2026, 10, 1), otherCar, driver);
    const qint64 carNo = vx::oid::recordNumber(volvo), otherNo = vx::oid::recordNumber(otherCar),
                 driverNo = vx::oid::recordNumber(driver);
    struct Case {
        vx::VxObjectUIPtr list;
        QString id;
        const char* type;
        QString context;
        QDate date;
        qint64 carId, userId;
    };
    const QDate today(2026, 11, 16);
    const Case cases[] = {
        {trips, QStringLiteral("O4000100"), "", QString(), today, 0, 0},
        {trips, QStringLiteral("Date:2026.11.02"), "Date", QStringLiteral("2026.11.02"), QDate(2026, 11, 2), 0, 0},
        {trips, QStringLiteral("Car:") + volvo, "Car", volvo, today, carNo, 0},
        {trips, QStringLiteral("User:") + driver, "User", driver, today, 0, driverNo},
        {trips, driven, "Trip", driven, today, otherNo, driverNo},
        // A new cheque starts with a new trip sheet.
        {cheques, QStringLiteral("O4000300"), "", QString(), today, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list->OID().toStdString() + " " + c.type);
        const std::unique_ptr<QWidget> card = takeCard(click(c.list, c.id, c.type, "1", c.context));
        ASSERT_TRUE(editorOf(card.get()));
        EXPECT_EQ(card->objectName(), QStringLiteral("frmTransportTripsSV"));
        const vx::VxObjectUIOPtr editor = editorOf(card.get());
        const vx::RecordFields fields = editor->Fields();
        EXPECT_EQ(editor->OIDR(), QStringLiteral("O4000100"));
        EXPECT_EQ(fields.value(QStringLiteral("Date")).toDateTime(), QDateTime(c.date, QTime(0, 0)));
        EXPECT_TRUE(fields.value(QStringLiteral("DateTo")).isNull());
        EXPECT_EQ(fields.value(QStringLiteral("TransportCarID")).toLongLong(), c.carId);
        EXPECT_EQ(fields.value(QStringLiteral("UserID")).toLongLong(), c.userId);
        EXPECT_EQ(editor->OType(), QStringLiteral("Trip"));
    }
    EXPECT_EQ(click(cheques, cheques->OID(), "", "2").Action, vx::ActionNothing) << "no group of cheques is made here";
}

TEST_F(ListClicks, CardsReachTheDesktopOnlyWithTheRightToOpen)
{
    seedOneOfEach();
    EXPECT_TRUE(cars->AddToDeskTopVxObject(car));
    EXPECT_TRUE(trips->AddToDeskTopVxObject(sheet));
    EXPECT_TRUE(cheques->AddToDeskTopVxObject(cheque));
    // Putting a segment on the desktop is the host catalogue's work; its card lands there.
    EXPECT_TRUE(references->AddToDeskTopVxObject(route));
    EXPECT_FALSE(cars->AddToDeskTopVxObject(car + QStringLiteral("99")));
    EXPECT_FALSE(controller<UI4001000>()->AddToDeskTopVxObject(QStringLiteral("O40010001")));
    const QStringList added = host->log.filter(QStringLiteral("Desktop.AddForm"));
    ASSERT_EQ(added.size(), 4);
    EXPECT_EQ(added.mid(0, 3), (QStringList{QStringLiteral("Desktop.AddForm(frmTransportCars)"),
                                            QStringLiteral("Desktop.AddForm(frmTransportTripsSV)"),
                                            QStringLiteral("Desktop.AddForm(frmTransportTripsSV)")}));

    host->grant(QStringLiteral("CTransportCars"), false, true, true, true);
    EXPECT_FALSE(cars->AddToDeskTopVxObject(car));
    // What a cheque opens is a trip sheet, so the trip sheets' right to open counts.
    host->grant(QStringLiteral("CTransportTrips"), false, true, true, true);
    EXPECT_EQ(click(cheques, cheque, "C", "0").Action, vx::ActionNothing);
    EXPECT_FALSE(cheques->AddToDeskTopVxObject(cheque));
    EXPECT_EQ(host->log.filter(QStringLiteral("Desktop.AddForm")).size(), 4);
}

TEST_F(ListClicks, SubListsAndRouteLinesLeaveClicksToTheirCards)
{
    const QString volvo = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString tank = create(QStringLiteral("O4001200"), fields({{"TransportCarID", vx::oid::recordNumber(volvo)}}));
    const QList<vx::VxObjectUIPtr> lists = {controller<UI4000200>(), controller<UI4000500>(), controller<UI4000700>(),
                                            controller<UI4000900>(), controller<UI4001000>(), controller<UI4001100>(),
                                            controller<UI4001200>()};
    for (const vx::VxObjectUIPtr& list : lists)
        for (const char* key : {"0", "1", "2", "3", "4", "116S0"})
            EXPECT_EQ(click(list, tank, "C", key, volvo).Action, vx::ActionNothing)
                << list->className().toStdString() << " " << key;
    EXPECT_TRUE(stored(tank));
    EXPECT_TRUE(messages.messages.isEmpty());
}

} // namespace
