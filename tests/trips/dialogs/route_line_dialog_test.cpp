// The route line dialog on its own: what a new, a copied and a stored line
// show, its date within the trip, how fuel and norms follow each other, and
// what a save needs (what it writes is the card's lists' test, which edits a
// stored line through it).

#include "tests/trips/dialogs/entry_fleet.h"
#include "trips/dialogs/route_line_dialog.h"

namespace {

class RouteLineDialogTest : public EntryFleet {
protected:
    // A new line, or a stored one; a new one may be copied from a stored line of the norm, on the segment.
    auto open(const QString& lineId = QStringLiteral("O4000200"), const QString& copyFrom = {})
    {
        return opened<trips::frmTransportTripRoute>(request(lineId, copyFrom));
    }
    trips::RouteLineRequest request(const QString& lineId = QStringLiteral("O4000200"), const QString& copyFrom = {}) const
    {
        trips::RouteLineRequest r{.routeLineOidr = lineId, .tripId = sheet, .defaultDriverOidr = employeeId(driver),
                                  .vehicleOidr = carId(car), .tripStart = tripStart, .copyFromOidr = copyFrom};
        r.routeSegmentId = copyFrom.isEmpty() ? r.routeSegmentId : segment;
        return r;
    }
    // A stored line of the other driver, 100 km on 2026.11.03 (or the date given) at 07:15.
    QString storedLine(qint64 norm, double perHundredKm, const QDate& date = QDate(2026, 11, 3))
    {
        return create(QStringLiteral("O4000200"),
                      fields({{"TransportTripID", sheet}, {"TransportRouteID", segment}, {"TransportFuelNormID", norm},
                              {"UserID", otherDriver}, {"Date", QDateTime(date, QTime(7, 15))},
                              {"Distance", 100.0}, {"FuelNormByDistance", perHundredKm}}));
    }
};

// A new line's caption is the keyboard script's, its driver the card's lists'
// test; a copied line takes the norm's own value, not the line's.
TEST_F(RouteLineDialogTest, ANewLineOpensWithTodayAndNothingToSaveACopiedOneWithTheCopysChoices)
{
    const char* controls = "dtpDate txtRoute.id txtFuelNorm.id txtDistance txtFuelNormByDistance txtFuelNormByDuration "
                           "txtFuelByDistance txtFuelByDuration cmdWrite.enabled";
    EXPECT_EQ(shown(open().get(), controls), "2026.11.16||||0,0000|0,0000|0,000|0,000|False");
    auto copied = open(QStringLiteral("O4000200"), storedLine(truckNorm, 99.0));
    EXPECT_EQ(shown(copied.get(), "dtpDate txtDriver.id txtFuelNorm.id txtRoute.id txtFuelNormByDistance"),
              QStringLiteral("2026.11.03|%1|O4000603%2|O4000601%3|28,5000").arg(employeeId(otherDriver)).arg(truckNorm).arg(segment)
                  .toStdString());
}

TEST_F(RouteLineDialogTest, FuelAndNormsFollowEachOther)
{
    auto dialog = open();
    const struct { NumberField* field; const char *typed, *shown; } steps[] = {
        {dialog->txtDistance, "250", "250|0,0000|0,000|False"},
        {dialog->txtFuelNormByDistance, "30", "250|30|75,000|True"},
        {dialog->txtFuelByDistance, "80", "250|32,0000|80|True"}, // the fuel left as typed
        {dialog->txtDistance, "0", "0|32,0000|0,000|False"},
    };
    for (const auto& s : steps) {
        type(s.field, s.typed);
        EXPECT_EQ(shown(dialog.get(), "txtDistance txtFuelNormByDistance txtFuelByDistance txtFuelByDistance.enabled"), s.shown)
            << s.typed;
    }
    type(dialog->txtDuration, "3");
    type(dialog->txtFuelNormByDuration, "2,5");
    EXPECT_EQ(dialog->txtFuelByDuration->text(), QStringLiteral("7,500")); // per hour: no division by 100
}

TEST_F(RouteLineDialogTest, SaveNeedsTheChoicesAndOneCompletePair)
{
    auto dialog = open(QStringLiteral("O4000200"), storedLine(generatorNorm, 0));
    // The generator's norm is per hour only: without a duration nothing can be saved.
    EXPECT_EQ(dialog->txtFuelNormByDuration->text(), QStringLiteral("1,5000"));
    QString savable;
    type(dialog->txtDistance, "40");
    savable += dialog->writeButton()->isEnabled() ? u'1' : u'0';
    type(dialog->txtDuration, "2");
    savable += dialog->writeButton()->isEnabled() ? u'1' : u'0';
    Catalogue::ClearObjectName(dialog->txtDriver);
    type(dialog->txtDuration, "3");
    savable += dialog->writeButton()->isEnabled() ? u'1' : u'0';
    EXPECT_EQ(savable, QStringLiteral("010"));
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
    auto dialog = open();
    type(dialog->txtDistance, "200");
    dialog->cmdFuelNorm->click();
    EXPECT_EQ(asked, QStringLiteral("DO4000100_GetTripCarFuelNorms('%1');;Pasirinkitė kuro normą").arg(carId(car)));
    const char* norms = "txtFuelNorm txtFuelNormByDistance txtFuelNormByDuration txtFuelByDistance";
    EXPECT_EQ(shown(dialog.get(), norms), "Vasara|28,500|0,00|57,000");
    leave(dialog->txtFuelNormByDistance);
    EXPECT_EQ(dialog->txtFuelNormByDistance->text(), QStringLiteral("28,5000"));
}

// Also a date the dialog fills in itself: a new line's today, a copied or a
// stored line's date. What is saved is read back from the store.
TEST_F(RouteLineDialogTest, ADateBeforeTheTripStartIsSetBackWhereverItComesFrom)
{
    const char* message = "Data ankstesnė už kelionės lapo pradžios datą! [critical]";
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
        const QString line = c.storedDate.isValid() ? storedLine(truckNorm, 28.5, c.storedDate) : QStringLiteral("O4000200");
        trips::RouteLineRequest r = request(line, c.copiedDate.isValid() ? storedLine(truckNorm, 28.5, c.copiedDate) : QString());
        r.routeSegmentId = segment;
        r.tripStart = c.start;
        auto dialog = opened<trips::frmTransportTripRoute>(r);
        EXPECT_EQ(takeMessages(messages), message);
        EXPECT_EQ(dialog->dtpDate->date(), c.start);
        Catalogue::ShowObjectName(vx::oid::make(u"O4000603", truckNorm), dialog->txtFuelNorm);
        type(dialog->txtDistance, "100");
        type(dialog->txtFuelNormByDistance, "30");
        ASSERT_TRUE(dialog->writeButton()->isEnabled());
        dialog->writeButton()->click();
        ASSERT_FALSE(dialog->result().cancelled);
        EXPECT_EQ(storedDate(dialog->result().savedOidr), c.start);
    }

    auto dialog = open();
    dialog->dtpDate->setDate(tripStart);
    EXPECT_EQ(takeMessages(messages), "");
    dialog->dtpDate->setDate(tripStart.addDays(-1));
    EXPECT_EQ(takeMessages(messages), message);
    EXPECT_EQ(dialog->dtpDate->date(), tripStart);
}

TEST_F(RouteLineDialogTest, RefusedSaveKeepsTheDialogAndItsInput)
{
    auto r = request(QStringLiteral("O4000200"), storedLine(truckNorm, 0));
    r.tripId = 987654; // no such trip sheet
    auto dialog = opened<trips::frmTransportTripRoute>(r);
    type(dialog->txtDistance, "120");
    dialog->writeButton()->click();
    ASSERT_EQ(messages.messages.size(), 1);
    const QString end = QStringLiteral("\r\nĮrašymas neatliktas! [none]"), said = QString::fromStdString(takeMessages(messages));
    EXPECT_TRUE(said.endsWith(end) && said.size() > end.size()) << said.toStdString();
    EXPECT_TRUE(dialog->isVisible() && dialog->result().cancelled);
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
    auto dialog = open();
    dialog->mnuNewRoute->trigger();
    EXPECT_TRUE(cards == 0 && dialog->timerDragDrop->isActive());
    QCoreApplication::processEvents();
    EXPECT_EQ(cards, 1);
    EXPECT_EQ(shown(dialog.get(), "txtRoute.id txtDistance"), (created + QStringLiteral("|212,5")).toStdString());
}

} // namespace
