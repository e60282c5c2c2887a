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

QString cardClassOf(const QWidget* card)
{
    return card ? card->objectName() : QString();
}

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
        for (const char* key : {"CTransportTrips", "CTransportCars", "CTransportTyres"})
            host->grant(QLatin1String(key), true, true, true, true);
    }

    QString group(const QString& typeId, const QString& name, qint64 parent = 0)
    {
        return create(typeId, {{QStringLiteral("Name"), name},
                               {QStringLiteral("GroupFlag"), 1},
                               {QStringLiteral("OType"), QStringLiteral("Group")},
                               {QStringLiteral("ParentID"), parent}});
    }
    QString vehicle(const QString& name, const QString& code, qint64 parent = 0)
    {
        return create(
            QStringLiteral("O4000400"),
            {{QStringLiteral("Name"), name}, {QStringLiteral("Code"), code}, {QStringLiteral("ParentID"), parent}});
    }
    QString employee(const QString& name)
    {
        return create(QStringLiteral("O0001401"), {{QStringLiteral("Name"), name}});
    }
    QString tripSheet(const QDate& date, const QString& car, const QString& user = QString())
    {
        return create(QStringLiteral("O4000100"), {{QStringLiteral("Date"), date},
                                                   {QStringLiteral("TransportCarID"), vx::oid::recordNumber(car)},
                                                   {QStringLiteral("UserID"), vx::oid::recordNumber(user)}});
    }

    const QString product = shell::HostServices::productName;
};

TEST_F(ListClicks, OpeningShowsTheRecordInItsTypesCard)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString tyre = create(QStringLiteral("O4000800"), {{QStringLiteral("Number"), QStringLiteral("T-1")}});
    const QString sheet = tripSheet(QDate(2026, 11, 10), car);
    struct Case {
        vx::VxObjectUIPtr list;
        QString id;
        QString card;
    };
    for (const Case& c : {Case{controller<UI4000400>(), car, QStringLiteral("frmTransportCars")},
                          Case{controller<UI4000800>(), tyre, QStringLiteral("frmTransportTyres")},
                          Case{controller<UI4000100>(), sheet, QStringLiteral("frmTransportTripsSV")}}) {
        const vx::ClickResult result = c.list->ClickMenu(c.id, QString(), QStringLiteral("0"), QString());
        EXPECT_EQ(result.Action, vx::ActionShowCard);
        const std::unique_ptr<QWidget> card = takeCard(result);
        EXPECT_EQ(cardClassOf(card.get()), c.card);
        ASSERT_TRUE(editorOf(card.get()));
        EXPECT_EQ(editorOf(card.get())->OIDR(), c.id);
        EXPECT_EQ(editorOf(card.get())->UI(), c.list) << "the editor belongs to the list that made it";

        // A record deleted meanwhile is reported and nothing opens.
        const QString gone = c.id + QStringLiteral("99");
        EXPECT_EQ(c.list->ClickMenu(gone, QString(), QStringLiteral("0"), QString()).Action, vx::ActionNothing);
        ASSERT_FALSE(messages.messages.isEmpty());
        EXPECT_EQ(messages.messages.last().text, QStringLiteral("Elementas panaikintas!"));
        EXPECT_EQ(messages.messages.last().icon, QMessageBox::Critical);
        EXPECT_EQ(messages.messages.last().title, product);
    }
    EXPECT_EQ(messages.messages.size(), 3);
}

TEST_F(ListClicks, DeletingAsksAndDeletesOnlyOnOk)
{
    const auto cars = controller<UI4000400>();
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));

    messages.answer(QMessageBox::Cancel);
    EXPECT_EQ(cars->ClickMenu(car, QStringLiteral("Car"), QStringLiteral("4"), QString()).Action, vx::ActionNothing);
    EXPECT_TRUE(stored(car));

    messages.answer(QMessageBox::Ok);
    EXPECT_EQ(cars->ClickMenu(car, QStringLiteral("Car"), QStringLiteral("4"), QString()).Action, vx::ActionDeleted);
    EXPECT_FALSE(stored(car));

    // A group that still holds vehicles is not deleted.
    const QString fleet = group(QStringLiteral("O4000400"), QStringLiteral("Vilnius"));
    vehicle(QStringLiteral("MAN"), QStringLiteral("DEF456"), vx::oid::recordNumber(fleet));
    messages.answer(QMessageBox::Ok);
    EXPECT_EQ(cars->ClickMenu(fleet, QStringLiteral("Group"), QStringLiteral("4"), QString()).Action,
              vx::ActionNothing);
    EXPECT_TRUE(stored(fleet));

    ASSERT_EQ(messages.messages.size(), 3);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Ar tikrai norite panaikinti?"));
    EXPECT_EQ(messages.messages[0].title, product);
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages.messages[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
}

TEST_F(ListClicks, NewRecordsAndGroupsGoUnderTheClickedRow)
{
    const QString fleet = group(QStringLiteral("O4000400"), QStringLiteral("Vilnius"));
    const qint64 fleetNo = vx::oid::recordNumber(fleet);
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"), fleetNo);
    const QString tyreStock = group(QStringLiteral("O4000800"), QStringLiteral("Sandėlis"));
    const QString tyre =
        create(QStringLiteral("O4000800"), {{QStringLiteral("Number"), QStringLiteral("T-1")},
                                            {QStringLiteral("ParentID"), vx::oid::recordNumber(tyreStock)}});
    const auto cars = controller<UI4000400>();
    const auto tyres = controller<UI4000800>();
    struct Case {
        vx::VxObjectUIPtr list;
        QString id, objectType, key;
        qint64 parent;
        int groupFlag;
        QString kind, card;
    };
    const QString carCard = QStringLiteral("frmTransportCars"), tyreCard = QStringLiteral("frmTransportTyres");
    const QList<Case> cases = {
        {cars, QStringLiteral("O4000400"), QString(), QStringLiteral("1"), 0, 0, QStringLiteral("Car"), carCard},
        {cars, QStringLiteral("O4000400"), QString(), QStringLiteral("2"), 0, 1, QStringLiteral("Group"), carCard},
        {cars, fleet, QStringLiteral("Group"), QStringLiteral("1"), fleetNo, 0, QStringLiteral("Car"), carCard},
        {cars, fleet, QStringLiteral("Group"), QStringLiteral("2"), fleetNo, 1, QStringLiteral("Group"), carCard},
        // A new vehicle from a vehicle goes beside it, into the same group.
        {cars, car, QStringLiteral("Car"), QStringLiteral("1"), fleetNo, 0, QStringLiteral("Car"), carCard},
        {tyres, QStringLiteral("O4000800"), QString(), QStringLiteral("1"), 0, 0, QStringLiteral("Tyre"), tyreCard},
        {tyres, tyreStock, QStringLiteral("Group"), QStringLiteral("2"), vx::oid::recordNumber(tyreStock), 1,
         QStringLiteral("Group"), tyreCard},
        // A tyre clicked gives its own ID as the parent.
        {tyres, tyre, QStringLiteral("Tyre"), QStringLiteral("1"), vx::oid::recordNumber(tyre), 0,
         QStringLiteral("Tyre"), tyreCard},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QWidget> card = takeCard(c.list->ClickMenu(c.id, c.objectType, c.key, QString()));
        const std::string label = (c.id + QLatin1Char(' ') + c.key).toStdString();
        ASSERT_TRUE(card) << label;
        EXPECT_EQ(cardClassOf(card.get()), c.card) << label;
        const vx::VxObjectUIOPtr editor = editorOf(card.get());
        EXPECT_EQ(editor->OIDR(), c.list->OID()) << label << ": a new record";
        EXPECT_EQ(editor->Fields().value(QStringLiteral("ParentID")).toLongLong(), c.parent) << label;
        EXPECT_EQ(editor->Fields().value(QStringLiteral("GroupFlag")).toInt(), c.groupFlag) << label;
        EXPECT_EQ(editor->OType(), c.kind) << label;
    }

    // The new record is saved where the click put it.
    const std::unique_ptr<QWidget> card =
        takeCard(cars->ClickMenu(fleet, QStringLiteral("Group"), QStringLiteral("1"), QString()));
    const vx::VxObjectUIOPtr editor = editorOf(card.get());
    editor->Fields().setValue(QStringLiteral("Name"), QStringLiteral("MAN"));
    ASSERT_EQ(editor->Save().Code, 0);
    const vx::VxObjectUIOPtr saved = stored(editor->OIDR());
    EXPECT_EQ(saved->Fields().value(QStringLiteral("ParentID")).toLongLong(), fleetNo);
    EXPECT_EQ(saved->Fields().value(QStringLiteral("OType")).toString(), QStringLiteral("Car"));

    // Under a row deleted meanwhile nothing is made.
    EXPECT_TRUE(messages.messages.isEmpty());
    const QString gone = fleet + QStringLiteral("99");
    EXPECT_EQ(cars->ClickMenu(gone, QStringLiteral("Group"), QStringLiteral("2"), QString()).Action, vx::ActionNothing);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Elementas panaikintas!"));
}

TEST_F(ListClicks, TheFilterListsMatchingRecordsUntilAnotherListIsAsked)
{
    vehicle(QStringLiteral("Volvo FH"), QStringLiteral("ABC123"));
    vehicle(QStringLiteral("Volvo FM"), QStringLiteral("DEF456"));
    vehicle(QStringLiteral("MAN TGX"), QStringLiteral("GHI789"));
    create(QStringLiteral("O4000800"), {{QStringLiteral("Number"), QStringLiteral("MICH-1")}});
    create(QStringLiteral("O4000800"), {{QStringLiteral("Number"), QStringLiteral("CONTI-2")}});
    const auto cars = controller<UI4000400>();
    struct Case {
        vx::VxObjectUIPtr list;
        const char* key;
        QString answer;
        QStringList shown;
    };
    const QStringList volvos = {QStringLiteral("Volvo FH ABC123"), QStringLiteral("Volvo FM DEF456")};
    for (const Case& c : {Case{controller<UI4000800>(), "70S2", QStringLiteral("mich"), {QStringLiteral("MICH-1")}},
                          Case{cars, "3", QStringLiteral("volvo"), volvos}, Case{cars, "70S2", QStringLiteral("volvo"), volvos}}) {
        SCOPED_TRACE(c.list->OID().toStdString() + " " + c.key);
        factory->filter->answer = c.answer;
        const vx::ClickResult result = c.list->ClickMenu(c.list->OID(), QString(), QLatin1String(c.key), QString());
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
    EXPECT_EQ(cars->GetVxObjectList(QString(), QString(), QString())->RecordCount(), 3);
    EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'',''"));
    EXPECT_TRUE(cars->filterText().isEmpty());

    // A cancelled filter shows nothing new and forgets the text.
    cars->ClickMenu(QStringLiteral("O4000400"), QString(), QStringLiteral("3"), QString());
    factory->filter->answer.clear();
    EXPECT_EQ(cars->ClickMenu(QStringLiteral("O4000400"), QString(), QStringLiteral("3"), QString()).Action,
              vx::ActionNothing);
    EXPECT_TRUE(cars->filterText().isEmpty());

    // A quote typed into the filter stays inside it.
    vehicle(QStringLiteral("O'Neil"), QStringLiteral("X1"));
    factory->filter->answer = QStringLiteral("o'n");
    const vx::ClickResult quoted =
        cars->ClickMenu(QStringLiteral("O4000400"), QString(), QStringLiteral("3"), QString());
    ASSERT_EQ(quoted.Action, vx::ActionShowList);
    EXPECT_EQ(column(quoted.Value.toList()[0].value<vx::RecordsetPtr>(), "Preview"),
              QStringList{QStringLiteral("O'Neil X1")});
}

TEST_F(ListClicks, ShowAllListsEverythingWithoutAFilter)
{
    const QString fleet = group(QStringLiteral("O4000400"), QStringLiteral("Vilnius"));
    vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"), vx::oid::recordNumber(fleet));
    create(QStringLiteral("O4000800"), {{QStringLiteral("Number"), QStringLiteral("T-1")}});
    struct Case {
        vx::VxObjectUIPtr list;
        QString request;
        int rows;
    };
    for (const Case& c : {Case{controller<UI4000400>(), QStringLiteral("'',''"), 2},
                          Case{controller<UI4000800>(), QStringLiteral("'',''"), 1},
                          Case{controller<UI4000600>(), QStringLiteral("'O4000600', ''"), 9}}) {
        const vx::ClickResult result = c.list->ClickMenu(c.list->OID(), QString(), QStringLiteral("116S0"), QString());
        ASSERT_EQ(result.Action, vx::ActionShowList) << c.list->className().toStdString();
        EXPECT_EQ(result.Value.toList()[0].value<vx::RecordsetPtr>()->RecordCount(), c.rows);
        EXPECT_EQ(result.Value.toList()[1].toString(), QString());
        EXPECT_EQ(factory->listRequests->last(), c.request);
    }
}

TEST_F(ListClicks, TripSheetsAreListedForTheViewPeriod)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    tripSheet(QDate(2026, 1, 15), car);
    tripSheet(QDate(2026, 2, 1), car);
    tripSheet(QDate(2026, 11, 12), car);
    struct Case {
        vx::PeriodRecord period;
        QString request;
    };
    const QList<Case> cases = {
        // Without a chosen period: the last DaysBack days from today (2026.11.16), open-ended.
        {{QDate(2026, 1, 1), QDate(2026, 1, 31), 10, false, QStringLiteral("Paskutinės 10 d.")},
         QStringLiteral("'O4000100','ctx','cmd','2026.11.06','9999.12.31'")},
        {{QDate(), QDate(), 365, false, QString()}, QStringLiteral("'O4000100','ctx','cmd','2025.11.16','9999.12.31'")},
        {{QDate(2026, 1, 1), QDate(2026, 1, 31), 10, true, QStringLiteral("Sausis")},
         QStringLiteral("'O4000100','ctx','cmd','2026.01.01','2026.01.31'")},
    };
    vx::RecordsetPtr rows;
    for (const Case& c : cases) {
        const vx::PeriodRecord period = c.period;
        host->objects.functions.insert(QStringLiteral("GetOldPeriod"), [period](const QString&) {
            return vx::CallResult::success(QVariant::fromValue(period));
        });
        const auto trips = controller<UI4000100>();
        EXPECT_EQ(trips->period(), period);
        rows = trips->GetVxObjectList(QStringLiteral("O4000100"), QStringLiteral("ctx"), QStringLiteral("cmd"));
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
    auto& functions = host->objects.functions;
    functions.insert(QStringLiteral("GetOldPeriod"),
                     [november](const QString&) { return vx::CallResult::success(QVariant::fromValue(november)); });
    functions.insert(QStringLiteral("GetNewPeriod"),
                     [&chosen](const QString&) { return vx::CallResult::success(QVariant::fromValue(chosen)); });
    const auto trips = controller<UI4000100>();
    const auto viewPeriod = [&] {
        return trips->ClickMenu(QStringLiteral("O4000100"), QString(), QStringLiteral("3"), QString()).Action;
    };

    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    // The same dates under another description are another view.
    chosen.Caption = QStringLiteral("2026.11.01 – 2026.11.30");
    EXPECT_EQ(viewPeriod(), vx::ActionReloadList);
    chosen.UsePeriod = false;
    chosen.DaysBack = 3;
    EXPECT_EQ(viewPeriod(), vx::ActionReloadList);
    EXPECT_EQ(trips->period(), chosen);
    trips->GetVxObjectList(QStringLiteral("O4000100"), QString(), QString());
    EXPECT_EQ(factory->listRequests->last(), QStringLiteral("'O4000100','','','2026.11.13','9999.12.31'"));

    // A failing period dialog is reported and the period stays.
    functions.insert(QStringLiteral("GetNewPeriod"), [](const QString&) {
        return vx::CallResult::failure(QStringLiteral("Laikotarpis neteisingas."));
    });
    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    EXPECT_EQ(trips->period(), chosen);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Laikotarpis neteisingas."));
    EXPECT_EQ(messages.messages[0].title, product);
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Critical);
}

TEST_F(ListClicks, ANewTripSheetTakesWhatTheClickedRowStandsFor)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString otherCar = vehicle(QStringLiteral("MAN"), QStringLiteral("DEF456"));
    const QString driver = employee(QStringLiteral("Jonas"));
    const QString sheet = tripSheet(QDate(2026, 10, 1), otherCar, driver);
    const qint64 carNo = vx::oid::recordNumber(car), otherNo = vx::oid::recordNumber(otherCar),
                 driverNo = vx::oid::recordNumber(driver);
    const auto trips = controller<UI4000100>();
    const auto cheques = controller<UI4000300>();
    struct Case {
        vx::VxObjectUIPtr list;
        QString id, objectType, context;
        QDateTime date;
        qint64 carId, userId;
    };
    const QDateTime today(QDate(2026, 11, 16), QTime(0, 0));
    const QList<Case> cases = {
        {trips, QStringLiteral("O4000100"), QString(), QString(), today, 0, 0},
        {trips, QStringLiteral("Date:2026.11.02"), QStringLiteral("Date"), QStringLiteral("2026.11.02"),
         QDateTime(QDate(2026, 11, 2), QTime(0, 0)), 0, 0},
        {trips, QStringLiteral("Car:") + car, QStringLiteral("Car"), car, today, carNo, 0},
        {trips, QStringLiteral("User:") + driver, QStringLiteral("User"), driver, today, 0, driverNo},
        {trips, sheet, QStringLiteral("Trip"), sheet, today, otherNo, driverNo},
        // A new cheque starts with a new trip sheet.
        {cheques, QStringLiteral("O4000300"), QString(), QString(), today, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list->OID().toStdString() + " " + c.objectType.toStdString());
        const std::unique_ptr<QWidget> card = takeCard(c.list->ClickMenu(c.id, c.objectType, QStringLiteral("1"), c.context));
        ASSERT_TRUE(card);
        EXPECT_EQ(cardClassOf(card.get()), QStringLiteral("frmTransportTripsSV"));
        const vx::VxObjectUIOPtr editor = editorOf(card.get());
        const vx::RecordFields fields = editor->Fields();
        EXPECT_EQ(editor->OIDR(), QStringLiteral("O4000100"));
        EXPECT_EQ(fields.value(QStringLiteral("Date")).toDateTime(), c.date);
        EXPECT_TRUE(fields.value(QStringLiteral("DateTo")).isNull());
        EXPECT_EQ(fields.value(QStringLiteral("TransportCarID")).toLongLong(), c.carId);
        EXPECT_EQ(fields.value(QStringLiteral("UserID")).toLongLong(), c.userId);
        EXPECT_EQ(editor->OType(), QStringLiteral("Trip"));
    }
    EXPECT_EQ(cheques->ClickMenu(QStringLiteral("O4000300"), QString(), QStringLiteral("2"), QString()).Action,
              vx::ActionNothing)
        << "no group of cheques is made here";
}

TEST_F(ListClicks, TransportSettingsOpenOnTheDesktop)
{
    const vx::ClickResult result =
        controller<UI4000100>()->ClickMenu(QStringLiteral("O4000100"), QString(), QStringLiteral("6"), QString());
    EXPECT_EQ(result.Action, vx::ActionNothing);
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.AddForm(frmAutoNumber)")));
    ASSERT_EQ(host->desktop.cards.size(), 1);
    const vx::VxObjectUIOPtr editor = editorOf(host->desktop.cards[0].widget);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->OIDR(), QStringLiteral("O4000100AutoNumber"));
    EXPECT_EQ(editor->OType(), QStringLiteral("C0001800"));
    EXPECT_EQ(editor->Preview(), QStringLiteral("Transporto nustatymai"));
}

TEST_F(ListClicks, CardsReachTheDesktopOnlyWithTheRightToOpen)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString sheet = tripSheet(QDate(2026, 11, 10), car);
    const auto cars = controller<UI4000400>();
    const auto trips = controller<UI4000100>();
    EXPECT_TRUE(cars->AddToDeskTopVxObject(car));
    EXPECT_TRUE(trips->AddToDeskTopVxObject(sheet));
    EXPECT_FALSE(cars->AddToDeskTopVxObject(car + QStringLiteral("99")));

    host->grant(QStringLiteral("CTransportCars"), false, true, true, true);
    EXPECT_FALSE(cars->AddToDeskTopVxObject(car));
    EXPECT_EQ(host->log.filter(QStringLiteral("Desktop.AddForm")),
              (QStringList{QStringLiteral("Desktop.AddForm(frmTransportCars)"),
                           QStringLiteral("Desktop.AddForm(frmTransportTripsSV)")}));
    EXPECT_FALSE(controller<UI4001000>()->AddToDeskTopVxObject(QStringLiteral("O40010001")));
}

TEST_F(ListClicks, AChequeOpensTheTripSheetItBelongsTo)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString sheet = tripSheet(QDate(2026, 11, 10), car);
    const QString cheque =
        create(QStringLiteral("O4000300"), {{QStringLiteral("TransportTripID"), vx::oid::recordNumber(sheet)},
                                            {QStringLiteral("Name"), QStringLiteral("Č-1")},
                                            {QStringLiteral("Date"), QDate(2026, 11, 10)}});
    const QString chequeGroup = group(QStringLiteral("O4000300"), QStringLiteral("Kortelės"));
    const auto cheques = controller<UI4000300>();

    const std::unique_ptr<QWidget> card =
        takeCard(cheques->ClickMenu(cheque, QStringLiteral("C"), QStringLiteral("0"), QString()));
    EXPECT_EQ(cardClassOf(card.get()), QStringLiteral("frmTransportTripsSV"));
    ASSERT_TRUE(editorOf(card.get()));
    EXPECT_EQ(editorOf(card.get())->OIDR(), sheet);
    EXPECT_TRUE(cheques->AddToDeskTopVxObject(cheque));
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.AddForm(frmTransportTripsSV)")));

    // A group of cheques has no trip sheet to show.
    EXPECT_EQ(cheques->ClickMenu(chequeGroup, QStringLiteral("Group"), QStringLiteral("0"), QString()).Action,
              vx::ActionNothing);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(
        cheques->ClickMenu(cheque + QStringLiteral("99"), QStringLiteral("C"), QStringLiteral("0"), QString()).Action,
        vx::ActionNothing);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Elementas panaikintas!"));

    // What opens is a trip sheet, so the trip sheets' right to open counts.
    host->grant(QStringLiteral("CTransportTrips"), false, true, true, true);
    EXPECT_EQ(cheques->ClickMenu(cheque, QStringLiteral("C"), QStringLiteral("0"), QString()).Action,
              vx::ActionNothing);
    EXPECT_FALSE(cheques->AddToDeskTopVxObject(cheque));
}

TEST_F(ListClicks, RouteSegmentsOpenInTheModulesCardEverythingElseInTheHosts)
{
    const QString region = group(QStringLiteral("O4000601"), QStringLiteral("Lietuva"));
    const QString route =
        create(QStringLiteral("O4000601"), {{QStringLiteral("Name"), QStringLiteral("Vilnius–Kaunas")},
                                            {QStringLiteral("ParentID"), vx::oid::recordNumber(region)}});
    const auto references = controller<UI4000600>();

    const std::unique_ptr<QWidget> card =
        takeCard(references->ClickMenu(route, QStringLiteral("O4000601"), QStringLiteral("0"), route));
    EXPECT_EQ(cardClassOf(card.get()), QStringLiteral("frmTransportRoute"));
    ASSERT_TRUE(editorOf(card.get()));
    EXPECT_EQ(editorOf(card.get())->OIDR(), route);

    const std::unique_ptr<QWidget> newCard =
        takeCard(references->ClickMenu(region, QStringLiteral("Group"), QStringLiteral("1"), region));
    const vx::VxObjectUIOPtr segment = editorOf(newCard.get());
    ASSERT_TRUE(segment);
    EXPECT_EQ(cardClassOf(newCard.get()), QStringLiteral("frmTransportRoute"));
    EXPECT_EQ(segment->OIDR(), QStringLiteral("O4000601"));
    EXPECT_EQ(segment->Fields().value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(region));

    EXPECT_EQ(
        references->ClickMenu(route + QStringLiteral("99"), QStringLiteral("O4000601"), QStringLiteral("0"), QString())
            .Action,
        vx::ActionNothing);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Objektas panaikintas!"));
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Critical);

    // Groups, other catalogues, other keys, menus and the desktop are the host's catalogue controller's.
    messages.messages.clear();
    const auto keys = [](const vx::MenuItems& menu) {
        QStringList found;
        for (const vx::MenuItem& item : menu)
            found << item.Key;
        return found;
    };
    EXPECT_EQ(keys(references->GetMenu(route, QStringLiteral("O4000601"), route)),
              (QStringList{QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("4")}));
    EXPECT_EQ(keys(references->GetMenu(region, QStringLiteral("Group"), region)).size(), 6);
    EXPECT_EQ(
        references->ClickMenu(QStringLiteral("O40006023"), QStringLiteral("O4000602"), QStringLiteral("0"), QString())
            .Action,
        vx::ActionNothing);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Elementas panaikintas!")) << "the host's own message";

    // Putting a segment on the desktop is the host catalogue's work; its card lands there.
    EXPECT_TRUE(references->AddToDeskTopVxObject(route));
    EXPECT_EQ(host->log.filter(QStringLiteral("Desktop.AddForm")).size(), 1);

    messages.answer(QMessageBox::Ok);
    EXPECT_EQ(references->ClickMenu(route, QStringLiteral("O4000601"), QStringLiteral("4"), route).Action,
              vx::ActionDeleted);
    EXPECT_EQ(messages.messages.last().text, QStringLiteral("Ar tikrai norite panaikinti?"));
    EXPECT_FALSE(stored(route));
}

TEST_F(ListClicks, SubListsAndRouteLinesLeaveClicksToTheirCards)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const QString tank =
        create(QStringLiteral("O4001200"), {{QStringLiteral("TransportCarID"), vx::oid::recordNumber(car)}});
    const QList<vx::VxObjectUIPtr> lists = {controller<UI4000200>(), controller<UI4000500>(), controller<UI4000700>(),
                                            controller<UI4000900>(), controller<UI4001000>(), controller<UI4001100>(),
                                            controller<UI4001200>()};
    for (const vx::VxObjectUIPtr& list : lists)
        for (const char* key : {"0", "1", "2", "3", "4", "116S0"})
            EXPECT_EQ(list->ClickMenu(tank, QStringLiteral("C"), QLatin1String(key), car).Action, vx::ActionNothing)
                << list->className().toStdString() << " " << key;
    EXPECT_TRUE(stored(tank));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ListClicks, EditorsOfTheListsSendOnlyChangedRowsExceptRouteLines)
{
    const QString car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"));
    const vx::VxObjectUIOPtr edited = controller<UI4000400>()->GetVxObject(car);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->RsFields()->marshalOptions(), vx::MarshalOptions::ModifiedRecordsOnly);
    EXPECT_EQ(edited->Fields().value(QStringLiteral("Name")).toString(), QStringLiteral("Volvo"));

    const vx::VxObjectUIOPtr fresh = controller<UI4000400>()->GetVxObject(QStringLiteral("O4000400"));
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->Fields().value(QStringLiteral("Name")).isNull());

    const vx::VxObjectUIOPtr line = controller<UI4000200>()->GetVxObject(QStringLiteral("O4000200"));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->RsFields()->marshalOptions(), vx::MarshalOptions::AllRows);
}

} // namespace
