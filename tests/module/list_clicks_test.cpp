// What the menu clicks of the list controllers do, on a real store: cards
// opened and made, records deleted, lists filtered and reloaded, and what the
// host is told to do (the click result's Action).

#include "module/catalogue.h"
#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"
#include "tests/support/shown_state.h"
#include "tests/support/module_host.h"

namespace {

using testhost::takeShown;

QString column(const vx::RecordsetPtr& rs, const char* field)
{
    QStringList values;
    for (int row = 0; rs && row < rs->RecordCount(); ++row)
        values << rs->valueAt(row, rs->fieldIndex(QString::fromLatin1(field))).toString();
    return values.join(QStringLiteral(", "));
}

class ListClicks : public testhost::ModuleFixture {
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
    QString vehicle(const QString& name, const QString& code, const QString& parent = QString())
    {
        return create(QStringLiteral("O4000400"),
                      fields({{"Name", name}, {"Code", code}, {"ParentID", vx::oid::recordNumber(parent)}}));
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
        car = vehicle(QStringLiteral("Volvo"), QStringLiteral("ABC123"), fleet);
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

    // The card a click shows as "card OIDR OType" and the texts of the fields
    // named in `names`, space-separated ("-" for a null field); "none" when it
    // shows none. `editor` keeps the card's editor.
    QString shown(const vx::ClickResult& result, const char* names = "")
    {
        const std::unique_ptr<QWidget> card = takeCard(result);
        const auto* asCard = dynamic_cast<const vx::VxCard*>(card.get());
        editor = asCard ? asCard->vxObjectUIO() : nullptr;
        if (!editor)
            return QStringLiteral("none");
        QStringList parts{card->objectName(), editor->OIDR(), editor->OType()};
        for (const QString& name : QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts)) {
            const QVariant value = editor->Fields().value(name);
            parts << (value.isNull() ? QStringLiteral("-") : Catalogue::TextOrEmpty(value));
        }
        return parts.join(QLatin1Char(' '));
    }

    // What a click lists: the rows' previews (or only how many) and the filter
    // text; the action when it lists nothing.
    static QString listed(const vx::ClickResult& result, bool count = false)
    {
        if (result.Action != vx::ActionShowList)
            return QStringLiteral("action %1").arg(result.Action);
        const QVariantList value = result.Value.toList();
        const auto rows = value.value(0).value<vx::RecordsetPtr>();
        return (count ? QString::number(rows ? rows->RecordCount() : -1) : column(rows, "Preview")) + QStringLiteral(" / ") +
               value.value(1).toString();
    }

    // The view period the host has stored for the trip sheet list.
    void storedPeriod(const vx::PeriodRecord& period)
    {
        host->objects.functions.insert(QStringLiteral("GetOldPeriod"), [period](const QString&) {
            return vx::CallResult::success(QVariant::fromValue(period));
        });
    }

    QString lastRequest() const { return factory->listRequests->last(); }

    std::shared_ptr<UI4000100> trips;
    std::shared_ptr<UI4000300> cheques;
    std::shared_ptr<UI4000400> cars;
    std::shared_ptr<UI4000600> references;
    std::shared_ptr<UI4000800> tyres;
    vx::VxObjectUIOPtr editor;
    QString fleet, car, tyre, sheet, cheque, chequeGroup, region, route;
};

// A row deleted meanwhile (the row's id with "99" added) is reported and
// nothing happens; a new group under a deleted group too.
TEST_F(ListClicks, OpeningShowsTheCardOfWhatTheRowStandsForOrSaysItIsGone)
{
    seedOneOfEach();
    const std::string deleted = "Critical|Kelmira|Elementas panaikintas!|Ok";
    // The card shown, and the messages of the step (with a card: of the deleted row's click).
    struct Case { vx::VxObjectUIPtr list; QString id; const char* type; QString context, shows; std::string said; };
    const Case cases[] = {
        {cars, car, "", QString(), QStringLiteral("frmTransportCars %1 Car").arg(car), deleted},
        {tyres, tyre, "", QString(), QStringLiteral("frmTransportTyres %1 Tyre").arg(tyre), deleted},
        {trips, sheet, "", QString(), QStringLiteral("frmTransportTripsSV %1 Trip").arg(sheet), deleted},
        // A cheque opens the trip sheet it belongs to; a route segment the module's own card.
        {cheques, cheque, "C", QString(), QStringLiteral("frmTransportTripsSV %1 Trip").arg(sheet), deleted},
        {references, route, "O4000601", route, QStringLiteral("frmTransportRoute %1 O4000601").arg(route),
         "Critical|Kelmira|Objektas panaikintas!|Ok"},
        // A group of cheques has no trip sheet to show.
        {cheques, chequeGroup, "Group", QString(), QStringLiteral("none"), ""},
        // Other catalogues are the host's catalogue controller's: its own message.
        {references, QStringLiteral("O40006023"), "O4000602", QString(), QStringLiteral("none"), deleted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        EXPECT_EQ(shown(click(c.list, c.id, c.type, "0", c.context)), c.shows);
        if (editor && editor->OIDR() == c.id) {
            EXPECT_EQ(editor->UI(), c.list) << "the editor belongs to the list that made it";
        }
        if (editor) {
            EXPECT_EQ(click(c.list, c.id + QStringLiteral("99"), c.type, "0").Action, vx::ActionNothing);
        }
        EXPECT_EQ(takeShown(messages), c.said);
    }
    EXPECT_EQ(click(cars, fleet + QStringLiteral("99"), "Group", "2").Action, vx::ActionNothing);
    EXPECT_EQ(takeShown(messages), deleted);
}

// Each step in turn: the answer to the question, then the click's action and
// whether the row is still stored. A group that still holds vehicles stays.
TEST_F(ListClicks, DeletingAsksAndDeletesOnlyOnOk)
{
    seedOneOfEach();
    const QString spare = vehicle(QStringLiteral("MAN"), QStringLiteral("DEF456"), fleet);
    struct Step { vx::VxObjectUIPtr list; QString id; const char* type; QMessageBox::StandardButton answer; int action; bool kept; };
    const Step steps[] = {
        {cars, spare, "Car", QMessageBox::Cancel, vx::ActionNothing, true},
        {cars, spare, "Car", QMessageBox::Ok, vx::ActionDeleted, false},
        {references, route, "O4000601", QMessageBox::Cancel, vx::ActionNothing, true},
        {references, route, "O4000601", QMessageBox::Ok, vx::ActionDeleted, false},
        {cars, fleet, "Group", QMessageBox::Ok, vx::ActionNothing, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.id.toStdString());
        messages.answer(s.answer);
        EXPECT_EQ(click(s.list, s.id, s.type, "4", s.list == references ? s.id : QString()).Action, s.action);
        EXPECT_EQ(bool(stored(s.id)), s.kept);
        EXPECT_EQ(takeShown(messages), "Warning|Kelmira|Ar tikrai norite panaikinti?|Ok Cancel");
    }
}

// A new record or group goes under the clicked row; a new trip sheet takes
// what the row stands for: a date, a vehicle, a driver, or those of a sheet.
TEST_F(ListClicks, NewRecordsGoUnderTheClickedRowOrTakeWhatItStandsFor)
{
    seedOneOfEach();
    const QString stock = group("O4000800", QStringLiteral("Sandėlis"));
    const QString stocked = create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("T-2")},
                                                                      {"ParentID", vx::oid::recordNumber(stock)}}));
    const QString otherCar = vehicle(QStringLiteral("MAN"), QStringLiteral("DEF456"));
    const QString driver = create(QStringLiteral("O0001401"), fields({{"Name", QStringLiteral("Jonas")}}));
    const QString driven = tripSheet(QDate(2026, 10, 1), otherCar, driver);
    const auto n = [](const QString& id) { return QString::number(vx::oid::recordNumber(id)); };
    // `shows`: the card, type, kind, parent and group flag; for a trip sheet its
    // date and end date, vehicle and driver.
    const char* trip = "Date DateTo TransportCarID UserID";
    const QString made = QStringLiteral("frmTransportTripsSV O4000100 Trip %1 - %2 %3"), today = QStringLiteral("2026.11.16");
    struct Case { vx::VxObjectUIPtr list; QString id; const char *type, *key; QString context, shows; };
    const Case cases[] = {
        {cars, QStringLiteral("O4000400"), "", "1", QString(), QStringLiteral("frmTransportCars O4000400 Car 0 0")},
        {cars, fleet, "Group", "2", QString(), QStringLiteral("frmTransportCars O4000400 Group %1 1").arg(n(fleet))},
        // A new vehicle from a vehicle goes beside it, into the same group.
        {cars, car, "Car", "1", QString(), QStringLiteral("frmTransportCars O4000400 Car %1 0").arg(n(fleet))},
        {tyres, QStringLiteral("O4000800"), "", "1", QString(), QStringLiteral("frmTransportTyres O4000800 Tyre 0 0")},
        {tyres, stock, "Group", "2", QString(), QStringLiteral("frmTransportTyres O4000800 Group %1 1").arg(n(stock))},
        // A tyre clicked gives its own ID as the parent.
        {tyres, stocked, "Tyre", "1", QString(), QStringLiteral("frmTransportTyres O4000800 Tyre %1 0").arg(n(stocked))},
        // A new route segment goes into the clicked region, in the module's card.
        {references, region, "Group", "1", region, QStringLiteral("frmTransportRoute O4000601 O4000601 %1 0").arg(n(region))},
        {trips, QStringLiteral("O4000100"), "", "1", QString(), made.arg(today, u"0", u"0")},
        {trips, QStringLiteral("Date:2026.11.02"), "Date", "1", QStringLiteral("2026.11.02"), made.arg(u"2026.11.02", u"0", u"0")},
        {trips, QStringLiteral("Car:") + car, "Car", "1", car, made.arg(today, n(car), u"0")},
        {trips, QStringLiteral("User:") + driver, "User", "1", driver, made.arg(today, u"0", n(driver))},
        {trips, driven, "Trip", "1", driven, made.arg(today, n(otherCar), n(driver))},
        // A new cheque starts with a new trip sheet.
        {cheques, QStringLiteral("O4000300"), "", "1", QString(), made.arg(today, u"0", u"0")},
    };
    for (const Case& c : cases) {
        const char* names = c.list == trips || c.list == cheques ? trip : "ParentID GroupFlag";
        EXPECT_EQ(shown(click(c.list, c.id, c.type, c.key, c.context), names), c.shows) << c.id.toStdString() << " " << c.key;
    }
    EXPECT_EQ(takeShown(messages), "");
    EXPECT_EQ(click(cheques, cheques->OID(), "", "2").Action, vx::ActionNothing) << "no group of cheques is made here";
}

TEST_F(ListClicks, TheFilterListsMatchingRecordsUntilAnotherListOrAllAreAsked)
{
    vehicle(QStringLiteral("Volvo FH"), QStringLiteral("ABC123"));
    vehicle(QStringLiteral("Volvo FM"), QStringLiteral("DEF456"));
    vehicle(QStringLiteral("MAN TGX"), QStringLiteral("GHI789"), group("O4000400", QStringLiteral("Kaunas")));
    create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("MICH-1")}}));
    create(QStringLiteral("O4000800"), fields({{"Number", QStringLiteral("CONTI-2")}}));
    vehicle(QStringLiteral("O'Neil"), QStringLiteral("X1"));
    // What is listed, then the list's request; a quote typed into the filter stays inside it.
    struct Case { vx::VxObjectUIPtr list; const char* key; QString answer, shown; };
    const QString volvos = QStringLiteral("Volvo FH ABC123, Volvo FM DEF456 / volvo '','volvo'");
    for (const Case& c : {Case{tyres, "70S2", QStringLiteral("mich"), QStringLiteral("MICH-1 / mich '','mich'")},
                          Case{cars, "3", QStringLiteral("o'n"), QStringLiteral("O'Neil X1 / o'n '','o''n'")},
                          Case{cars, "3", QStringLiteral("volvo"), volvos}, Case{cars, "70S2", QStringLiteral("volvo"), volvos}}) {
        factory->filter->answer = c.answer;
        const QString shown = listed(click(c.list, c.list->OID(), "", c.key));
        EXPECT_EQ((shown + QLatin1Char(' ') + lastRequest()).toStdString(), c.shown.toStdString()) << c.key;
    }
    EXPECT_EQ(factory->filter->oids.join(u' '), QStringLiteral("O4000800 O4000400 O4000400 O4000400"));

    // The host refreshing the filtered list keeps the filter; any other list drops it.
    cars->GetVxObjectList(QStringLiteral("O40004001"), QString(), QStringLiteral("&Atrinkti"));
    EXPECT_EQ(lastRequest(), QStringLiteral("'O40004001','volvo'"));
    EXPECT_EQ(cars->GetVxObjectList(QString(), QString(), QString())->RecordCount(), 5);
    EXPECT_EQ(lastRequest(), QStringLiteral("'',''"));
    EXPECT_TRUE(cars->filterText().isEmpty());

    // A cancelled filter shows nothing new and forgets the text.
    click(cars, cars->OID(), "", "3");
    factory->filter->answer.clear();
    EXPECT_EQ(click(cars, cars->OID(), "", "3").Action, vx::ActionNothing);
    EXPECT_TRUE(cars->filterText().isEmpty());

    // "Show all" lists everything, groups and what they hold, without a filter.
    struct All { vx::VxObjectUIPtr list; QString request; int rows; };
    for (const All& c : {All{cars, QStringLiteral("'',''"), 5}, All{tyres, QStringLiteral("'',''"), 2},
                         All{references, QStringLiteral("'O4000600', ''"), 9}}) {
        EXPECT_EQ(listed(click(c.list, c.list->OID(), "", "116S0"), true), QStringLiteral("%1 / ").arg(c.rows));
        EXPECT_EQ(lastRequest(), c.request);
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
        EXPECT_EQ(lastRequest(), c.request);
    }
    // The chosen period (the last case) limits the sheets the list shows.
    EXPECT_EQ(column(rows, "OType").split(QStringLiteral(", ")).count(QStringLiteral("Trip")), 1);

    // Without a stored period the list starts today.
    host->objects.functions.remove(QStringLiteral("GetOldPeriod"));
    controller<UI4000100>()->GetVxObjectList(QString(), QString(), QString());
    EXPECT_EQ(lastRequest(), QStringLiteral("'','','','2026.11.16','9999.12.31'"));
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
    EXPECT_EQ(lastRequest(), QStringLiteral("'O4000100','','','2026.11.13','9999.12.31'"));

    // A failing period dialog is reported and the period stays.
    functions.insert(QStringLiteral("GetNewPeriod"), [](const QString&) {
        return vx::CallResult::failure(QStringLiteral("Laikotarpis neteisingas."));
    });
    EXPECT_EQ(viewPeriod(), vx::ActionNothing);
    EXPECT_EQ(list->period(), chosen);
    EXPECT_EQ(takeShown(messages), "Critical|Kelmira|Laikotarpis neteisingas.|Ok");
}

TEST_F(ListClicks, CardsReachTheDesktopOnlyWithTheRightToOpen)
{
    seedOneOfEach();
    // Putting a segment on the desktop is the host catalogue's work; its card lands there.
    QString added;
    for (const auto& [list, id] : QList<QPair<vx::VxObjectUIPtr, QString>>{
             {cars, car}, {trips, sheet}, {cheques, cheque}, {references, route}, {cars, car + QStringLiteral("99")},
             {controller<UI4001000>(), QStringLiteral("O40010001")}})
        added += list->AddToDeskTopVxObject(id) ? u'+' : u'-';
    EXPECT_EQ(added, QStringLiteral("++++--"));
    EXPECT_EQ(QStringList(host->log.filter(QStringLiteral("Desktop.AddForm")).mid(0, 3)).join(u' '),
              QStringLiteral("Desktop.AddForm(frmTransportCars) Desktop.AddForm(frmTransportTripsSV) "
                             "Desktop.AddForm(frmTransportTripsSV)"));

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
    for (const vx::VxObjectUIPtr& list : QList<vx::VxObjectUIPtr>{controller<UI4000200>(), controller<UI4000500>(),
                                                                   controller<UI4000700>(), controller<UI4000900>(),
                                                                   controller<UI4001000>(), controller<UI4001100>(),
                                                                   controller<UI4001200>()})
        for (const char* key : {"0", "1", "2", "3", "4", "116S0"})
            EXPECT_EQ(click(list, tank, "C", key, volvo).Action, vx::ActionNothing)
                << list->className().toStdString() << " " << key;
    EXPECT_TRUE(stored(tank));
    EXPECT_EQ(takeShown(messages), "");
}

} // namespace
