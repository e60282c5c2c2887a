// The entry dialogs keep their date within the trip also for the date they
// fill in themselves: a route line not before the sheet's start, a cheque not
// after its end. What is saved is read back from the store.

#include "tests/trips/dialogs/entry_fleet.h"

#include "trips/dialogs/fuel_cheque_dialog.h"
#include "trips/dialogs/route_line_dialog.h"

namespace {

class EntryDates : public EntryFleet {
protected:
    QString storedLine(const QDate& date)
    {
        return create(QStringLiteral("O4000200"),
                      fields({{"TransportTripID", sheet}, {"TransportRouteID", segment}, {"TransportFuelNormID", truckNorm},
                              {"UserID", driver}, {"Date", QDateTime(date, QTime(7, 15))}, {"Distance", 100.0},
                              {"FuelNormByDistance", 28.5}}));
    }

    // Saves through the dialog's own button; the date the store then holds.
    template <typename Dialog>
    QDate savedDate(Dialog& dialog)
    {
        EXPECT_TRUE(dialog.writeButton()->isEnabled());
        dialog.writeButton()->click();
        EXPECT_FALSE(dialog.result().cancelled);
        return stored(dialog.result().savedOidr)->Fields().value(QStringLiteral("Date")).toDate();
    }
};

TEST_F(EntryDates, ARouteLineDatedBeforeTheSheetsStartIsSetBackWhenItOpens)
{
    const QDate today(2026, 11, 16), before(2026, 10, 28);
    struct Case {
        const char* what;
        QDate start;
        QDate copiedDate, storedDate; // a line to copy from, a stored line to open
    };
    const Case cases[] = {
        {"a new line on a sheet starting after today", today.addDays(4), {}, {}},
        {"a new line copied from a line before the start", tripStart, before, {}},
        {"a stored line before the start", tripStart, {}, before},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        trips::RouteLineRequest r;
        r.routeLineOidr = c.storedDate.isValid() ? storedLine(c.storedDate) : QStringLiteral("O4000200");
        r.copyFromOidr = c.copiedDate.isValid() ? storedLine(c.copiedDate) : QString();
        r.tripId = sheet;
        r.routeSegmentId = segment;
        r.defaultDriverOidr = vx::oid::make(u"O0001401", driver);
        r.vehicleOidr = carId(car);
        r.tripStart = c.start;
        auto dialog = opened<trips::frmTransportTripRoute>(r);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(lastMessage(), QStringLiteral("Data ankstesnė už kelionės lapo pradžios datą!"));
        EXPECT_EQ(dialog->dtpDate->date(), c.start);
        Catalogue::ShowObjectName(vx::oid::make(u"O4000603", truckNorm), dialog->txtFuelNorm);
        type(dialog->txtDistance, "100");
        type(dialog->txtFuelNormByDistance, "30");
        EXPECT_EQ(savedDate(*dialog), c.start);
    }
}

TEST_F(EntryDates, AStoredChequeDatedAfterTheSheetsEndIsSetBackWhenItOpens)
{
    trips::ChequeRequest r;
    r.tripId = sheet;
    r.chequeOidr = create(QStringLiteral("O4000300"),
                          fields({{"TransportTripID", sheet}, {"Name", QStringLiteral("A-1")}, {"FirmID", firm},
                                  {"TransportFuelTypeID", dieselFuel}, {"Date", tripEnd.addDays(2)}, {"FuelAmount", 40.0},
                                  {"SumCurr", 50.0}, {"CurrencyID", euro}, {"CashFlag", 0}, {"GroupFlag", 0}}));
    r.tripStart = tripStart;
    r.tripEnd = tripEnd;
    auto dialog = opened<trips::frmTransportFuelCheque>(r);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(lastMessage(), QStringLiteral("Kvito data negali viršyti kelionės pabaigos datos!"));
    EXPECT_EQ(messages.messages.last().icon, QMessageBox::Critical);
    EXPECT_EQ(dialog->dtpDate->date(), tripEnd);
    EXPECT_EQ(dialog->txtSum->text(), QStringLiteral("50,00")) << "the sums are those of the date kept";
    EXPECT_EQ(savedDate(*dialog), tripEnd);
}

} // namespace
