// The route line dialog on its own: what a new, a copied and a stored line
// show, its date within the trip, how fuel and norms follow each other, and
// what a save needs (what it writes is the card's lists' test, which edits a
// stored line through it).

#include "tests/trips/dialogs/entry_fleet.h"
#include "trips/dialogs/route_line_dialog.h"

namespace {

class RouteLineDialogTest : public EntryFleet {
protected:
    trips::RouteLineRequest request(const QString& lineId = QStringLiteral("O4000200")) const
    {
        return {.routeLineOidr = lineId, .tripId = sheet, .defaultDriverOidr = employeeId(driver),
                .vehicleOidr = carId(car), .tripStart = tripStart, .copyFromOidr = {}};
    }
    // A new line copied from a stored one of the norm, on the segment.
    trips::RouteLineRequest copied(qint64 norm, double perHundredKm)
    {
        trips::RouteLineRequest r = request();
        r.copyFromOidr = storedLine(norm, perHundredKm);
        r.routeSegmentId = segment;
        return r;
    }

    static auto open(const trips::RouteLineRequest& r) { return opened<trips::frmTransportTripRoute>(r); }

    // A stored line of the other driver, 100 km on 2026.11.03 (or the date given) at 07:15.
    QString storedLine(qint64 norm, double perHundredKm, const QDate& date = QDate(2026, 11, 3))
    {
        return create(QStringLiteral("O4000200"),
                      fields({{"TransportTripID", sheet}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                              {"UserID", otherDriver}, {"Date", QDateTime(date, QTime(7, 15))},
                              {"Distance", 100.0}, {"FuelNormByDistance", perHundredKm}}));
    }
};

// Its caption is the keyboard script's, its driver the card's lists' test.
TEST_F(RouteLineDialogTest, NewLineOpensWithTodayAndNothingToSave)
{
    auto dialog = open(request());
    EXPECT_EQ(dialog->dtpDate->date(), QDate(2026, 11, 16));
    EXPECT_TRUE(dialog->txtFuelNorm->objectId().isEmpty());
    expectShown({{dialog->txtRoute, ""}, {dialog->txtDistance, ""}, {dialog->txtFuelNormByDistance, "0,0000"},
                 {dialog->txtFuelNormByDuration, "0,0000"}, {dialog->txtFuelByDistance, "0,000"},
                 {dialog->txtFuelByDuration, "0,000"}});
    EXPECT_FALSE(dialog->writeButton()->isEnabled());
}

TEST_F(RouteLineDialogTest, CopiedLineGivesDateNormAndDriverButTheNormsOwnValue)
{
    auto dialog = open(copied(truckNorm, 99.0));
    EXPECT_EQ(dialog->dtpDate->date(), QDate(2026, 11, 3));
    EXPECT_EQ(dialog->txtDriver->objectId(), employeeId(otherDriver));
    EXPECT_EQ(dialog->txtFuelNorm->objectId(), vx::oid::make(u"O4000603", truckNorm));
    EXPECT_EQ(dialog->txtFuelNormByDistance->text(), QStringLiteral("28,5000"));
    EXPECT_EQ(dialog->txtRoute->objectId(), vx::oid::make(u"O4000601", segment));
}

TEST_F(RouteLineDialogTest, FuelAndNormsFollowEachOther)
{
    auto dialog = open(request());
    type(dialog->txtDistance, "250");
    type(dialog->txtFuelNormByDistance, "30");
    EXPECT_EQ(dialog->txtFuelByDistance->text(), QStringLiteral("75,000"));
    EXPECT_TRUE(dialog->txtFuelByDistance->isEnabled());
    type(dialog->txtFuelByDistance, "80");
    EXPECT_EQ(dialog->txtFuelNormByDistance->text(), QStringLiteral("32,0000"));
    EXPECT_EQ(dialog->txtFuelByDistance->text(), QStringLiteral("80")); // left as typed

    type(dialog->txtDuration, "3");
    type(dialog->txtFuelNormByDuration, "2,5");
    EXPECT_EQ(dialog->txtFuelByDuration->text(), QStringLiteral("7,500")); // per hour: no division by 100

    type(dialog->txtDistance, "0");
    EXPECT_FALSE(dialog->txtFuelByDistance->isEnabled());
}

TEST_F(RouteLineDialogTest, SaveNeedsTheChoicesAndOneCompletePair)
{
    auto dialog = open(copied(generatorNorm, 0));
    // The generator's norm is per hour only: without a duration nothing can be saved.
    EXPECT_EQ(dialog->txtFuelNormByDuration->text(), QStringLiteral("1,5000"));
    type(dialog->txtDistance, "40");
    EXPECT_FALSE(dialog->writeButton()->isEnabled());
    type(dialog->txtDuration, "2");
    EXPECT_TRUE(dialog->writeButton()->isEnabled());
    Catalogue::ClearObjectName(dialog->txtDriver);
    type(dialog->txtDuration, "3");
    EXPECT_FALSE(dialog->writeButton()->isEnabled());
}

TEST_F(RouteLineDialogTest, PickedNormShowsThreeAndTwoDecimalsUntilLeft)
{
    QString asked;
    host->objects.functions.insert(QStringLiteral("VxGroupSelect"), [&](const QString& param) {
        asked = param;
        auto rows = vx::Recordset::create({{QStringLiteral("TransportFuelNormName"), vx::FieldType::Text},
                                           {QStringLiteral("OIDR"), vx::FieldType::Text},
                                           {QStringLiteral("FuelNormByDistance"), vx::FieldType::Double},
                                           {QStringLiteral("FuelNormByDuration"), vx::FieldType::Double}});
        rows->appendRow({QStringLiteral("Vasara"), vx::oid::make(u"O4000603", truckNorm), 28.5, QVariant()});
        rows->MoveFirst();
        return vx::CallResult::success(QVariant::fromValue(rows));
    });
    auto dialog = open(request());
    type(dialog->txtDistance, "200");
    dialog->cmdFuelNorm->click();
    EXPECT_EQ(asked, QStringLiteral("DO4000100_GetTripCarFuelNorms('%1');;Pasirinkitė kuro normą").arg(carId(car)));
    expectShown({{dialog->txtFuelNorm, "Vasara"}, {dialog->txtFuelNormByDistance, "28,500"},
                 {dialog->txtFuelNormByDuration, "0,00"}, {dialog->txtFuelByDistance, "57,000"}});
    leave(dialog->txtFuelNormByDistance);
    EXPECT_EQ(dialog->txtFuelNormByDistance->text(), QStringLiteral("28,5000"));
}

// Also a date the dialog fills in itself: a new line's today, a copied or a
// stored line's date. What is saved is read back from the store.
TEST_F(RouteLineDialogTest, ADateBeforeTheTripStartIsSetBackWhereverItComesFrom)
{
    const QString message = QStringLiteral("Data ankstesnė už kelionės lapo pradžios datą!");
    const QDate today(2026, 11, 16), before(2026, 10, 28);
    const struct {
        const char* what;
        QDate start, copiedDate, storedDate; // a line to copy from, a stored line to open
    } cases[] = {
        {"a new line on a sheet starting after today", today.addDays(4), {}, {}},
        {"a new line copied from a line before the start", tripStart, before, {}},
        {"a stored line before the start", tripStart, {}, before},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        trips::RouteLineRequest r =
            request(c.storedDate.isValid() ? storedLine(truckNorm, 28.5, c.storedDate) : QStringLiteral("O4000200"));
        r.copyFromOidr = c.copiedDate.isValid() ? storedLine(truckNorm, 28.5, c.copiedDate) : QString();
        r.routeSegmentId = segment;
        r.tripStart = c.start;
        auto dialog = open(r);
        expectMessage(message, QMessageBox::Critical);
        EXPECT_EQ(dialog->dtpDate->date(), c.start);
        Catalogue::ShowObjectName(vx::oid::make(u"O4000603", truckNorm), dialog->txtFuelNorm);
        type(dialog->txtDistance, "100");
        type(dialog->txtFuelNormByDistance, "30");
        ASSERT_TRUE(dialog->writeButton()->isEnabled());
        dialog->writeButton()->click();
        ASSERT_FALSE(dialog->result().cancelled);
        EXPECT_EQ(storedDate(dialog->result().savedOidr), c.start);
    }

    auto dialog = open(request());
    dialog->dtpDate->setDate(tripStart);
    EXPECT_TRUE(messages.messages.isEmpty());
    dialog->dtpDate->setDate(tripStart.addDays(-1));
    expectMessage(message, QMessageBox::Critical);
    EXPECT_EQ(dialog->dtpDate->date(), tripStart);
}

TEST_F(RouteLineDialogTest, RefusedSaveKeepsTheDialogAndItsInput)
{
    auto r = copied(truckNorm, 0);
    r.tripId = 987654; // no such trip sheet
    auto dialog = open(r);
    type(dialog->txtDistance, "120");
    dialog->writeButton()->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(lastMessage().endsWith(QStringLiteral("\r\nĮrašymas neatliktas!")));
    EXPECT_GT(lastMessage().size(), QStringLiteral("\r\nĮrašymas neatliktas!").size());
    EXPECT_EQ(messages.messages.last().icon, QMessageBox::NoIcon);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->result().cancelled);
    EXPECT_EQ(dialog->txtDistance->text(), QStringLiteral("120"));
}

TEST_F(RouteLineDialogTest, NewSegmentFromTheMenuOpensOnceTheMenuHasClosed)
{
    const QString created = create(QStringLiteral("O4000601"),
                                   fields({{"Name", QStringLiteral("Kaunas – Klaipėda")}, {"Distance", 212.5}}));
    int cards = 0;
    host->objects.functions.insert(QStringLiteral("ShowVxObjectModal"), [&](const QString&) {
        ++cards;
        auto row = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                          {QStringLiteral("Preview"), vx::FieldType::Text}});
        row->appendRow({created, QStringLiteral("Kaunas – Klaipėda")});
        row->MoveFirst();
        return vx::CallResult::success(QVariant::fromValue(row));
    });
    auto dialog = open(request());
    dialog->mnuNewRoute->trigger();
    EXPECT_EQ(cards, 0);
    EXPECT_TRUE(dialog->timerDragDrop->isActive());
    QCoreApplication::processEvents();
    EXPECT_EQ(cards, 1);
    EXPECT_EQ(dialog->txtRoute->objectId(), created);
    EXPECT_EQ(dialog->txtDistance->text(), QStringLiteral("212,5"));
}

} // namespace
