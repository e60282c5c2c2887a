// The fuel cheque dialog on its own: its date within the trip, price, sum and
// rate following each other, what card and cash cheques need, and the rate of
// the day offered for keeping.

#include "tests/trips/dialogs/entry_fleet.h"
#include "trips/dialogs/fuel_cheque_dialog.h"

namespace {

class FuelChequeDialogTest : public EntryFleet {
protected:
    // A new cheque ("O4000300") or a stored one; a new one may copy another.
    trips::ChequeRequest request(const QString& chequeId = QStringLiteral("O4000300"), const QString& copyFrom = {}) const
    {
        return {.tripEditor = nullptr, .tripId = sheet, .chequeOidr = chequeId, .copyFromOidr = copyFrom,
                .tripStart = tripStart, .tripEnd = tripEnd};
    }
    static auto open(const trips::ChequeRequest& r) { return opened<trips::frmTransportFuelCheque>(r); }

    // A card cheque: 40 l for 50 dollars on 2026.11.05 unless told otherwise.
    QString storedCheque(const QDate& date = QDate(2026, 11, 5), qint64 currency = 0)
    {
        return create(QStringLiteral("O4000300"),
                      fields({{"TransportTripID", sheet}, {"Name", QStringLiteral("A-1")}, {"FirmID", firm},
                              {"TransportFuelTypeID", dieselFuel}, {"Date", date}, {"FuelAmount", 40.0},
                              {"SumCurr", 50.0}, {"CurrencyID", currency ? currency : dollar}, {"CashFlag", 0},
                              {"GroupFlag", 0}}));
    }
    // A new cheque copied from a stored one, so firm and fuel type are chosen.
    std::unique_ptr<trips::frmTransportFuelCheque> openCopied() { return open(request(QStringLiteral("O4000300"), storedCheque())); }
    static void useDollar(trips::frmTransportFuelCheque& dialog, const QDate& date)
    {
        dialog.dtpDate->setDate(date);
        dialog.cmbCurr->setCurrentIndex(dialog.cmbCurr->findText(QStringLiteral("USD")));
    }
};

// A past trip: its last day; open-ended, started yesterday or starting later;
// today inside the trip. The currency is the base one.
TEST_F(FuelChequeDialogTest, ANewChequeDateStaysWithinTheTripAndAStoredChequeShowsItsValues)
{
    const QDate today(2026, 11, 16), openEnd(2999, 12, 31);
    const struct { QDate start, end; const char* shown; } cases[] = {
        {QDate(2026, 10, 1), QDate(2026, 10, 10), "2026.10.10|0,00|EUR"},
        {today.addDays(-1), openEnd, "2026.11.16|0,00|EUR"},
        {today.addDays(2), openEnd, "2026.11.18|0,00|EUR"},
        {QDate(2026, 11, 10), QDate(2026, 11, 20), "2026.11.16|0,00|EUR"},
    };
    for (const auto& c : cases) {
        auto r = request();
        r.tripStart = c.start;
        r.tripEnd = c.end;
        EXPECT_EQ(shown(open(r).get(), "dtpDate txtSumCurr cmbCurr"), c.shown) << c.start.toString().toStdString();
    }
    EXPECT_EQ(shown(open(request(storedCheque())).get(), "txtNumber txtAmount txtRate txtSum txtPrice cmbCurr optCard.checked"),
              "A-1|40,000|3,45280000|172,64|1,25|USD|True");
}

// The price follows amount and sum (in cents only when that gives the sum
// back); a checked price gives the sum instead, and the rate the base sum.
TEST_F(FuelChequeDialogTest, PriceSumAndRateFollowEachOther)
{
    auto dialog = openCopied();
    EXPECT_EQ(shown(dialog.get(), "txtFirm.id txtFuelTankType.id txtPrice.enabled"),
              QStringLiteral("O0000100%1|O4000604%2|False").arg(firm).arg(diesel).toStdString());
    const struct { const char *amount, *sum, *price; } prices[] = {{"40", "50", "1,25"}, {"3", "10", "3,3333"}};
    for (const auto& p : prices) {
        type(dialog->txtAmount, p.amount);
        type(dialog->txtSumCurr, p.sum);
        leave(dialog->txtSumCurr);
        EXPECT_EQ(dialog->txtPrice->text(), QString::fromLatin1(p.price)) << p.amount << " for " << p.sum;
    }
    dialog->chkPrice->setChecked(true);
    type(dialog->txtAmount, "40");
    type(dialog->txtPrice, "1,255");
    EXPECT_EQ(shown(dialog.get(), "txtPrice.enabled txtSumCurr"), "True|50,20");
    useDollar(*dialog, QDate(2026, 11, 5));
    type(dialog->txtSumCurr, "100");
    EXPECT_EQ(shown(dialog.get(), "txtRate txtSum"), "3,45280000|345,28");
}

TEST_F(FuelChequeDialogTest, CardNeedsNumberAndPositiveFiguresCashOnlyAnAmount)
{
    auto dialog = openCopied();
    type(dialog->txtAmount, "-5");
    type(dialog->txtSumCurr, "7");
    EXPECT_EQ(shown(dialog.get(), "txtAmount cmdWrite.enabled"), "5|False"); // no sign on a card cheque, no number
    type(dialog->txtNumber, "A-2");
    EXPECT_TRUE(dialog->writeButton()->isEnabled());

    dialog->optCash->setChecked(true);
    dialog->txtNumber->clear();
    type(dialog->txtAmount, "-5");
    EXPECT_EQ(shown(dialog.get(), "txtAmount cmdWrite.enabled"), "-5|True");
    dialog->writeButton()->click();
    ASSERT_FALSE(dialog->result().cancelled);
    expectStored(dialog->result().savedOidr,
                 {{"FuelAmount", -5.0}, {"CashFlag", 1}, {"CurrencyID", euro}, {"TransportTripID", sheet}});
}

// Also a stored cheque's date: set back when it opens, the sums those of the
// date kept, and saved so.
TEST_F(FuelChequeDialogTest, ADateAfterTheTripEndIsSetBackTypedOrStored)
{
    const char* message = "Kvito data negali viršyti kelionės pabaigos datos! [critical]";
    auto typed = openCopied();
    typed->dtpDate->setDate(tripEnd.addDays(3));
    EXPECT_EQ(takeMessages(messages), message);
    EXPECT_EQ(typed->dtpDate->date(), tripEnd);

    auto dialog = open(request(storedCheque(tripEnd.addDays(2), euro)));
    EXPECT_EQ(takeMessages(messages), message);
    EXPECT_EQ(shown(dialog.get(), "dtpDate txtSum cmdWrite.enabled"), "2026.11.10|50,00|True");
    dialog->writeButton()->click();
    ASSERT_FALSE(dialog->result().cancelled);
    EXPECT_EQ(storedDate(dialog->result().savedOidr), tripEnd);
}

TEST_F(FuelChequeDialogTest, TypedRateIsOfferedForTheDayOnlyAfterTheChequeIsSaved)
{
    for (const bool store : {false, true}) {
        auto dialog = openCopied();
        useDollar(*dialog, QDate(2026, 11, 7)); // the dollar has no rate that day
        EXPECT_EQ(dialog->txtRate->text(), QStringLiteral("0,00000000"));
        for (const auto& [field, text] : {std::pair{dialog->txtNumber, "B-7"}, {dialog->txtAmount, "10"}, {dialog->txtSumCurr, "20"},
                                          {dialog->txtRate, "3,5"}})
            type(field, text);
        EXPECT_EQ(dialog->txtSum->text(), QStringLiteral("70,00"));
        messages.messages.clear();
        messages.answer(store ? QMessageBox::Yes : QMessageBox::No);
        dialog->writeButton()->click();
        EXPECT_EQ(takeMessages(messages), "Įrašyti valiutos kursą? [question]");
        EXPECT_TRUE(vx::oid::hasRecord(dialog->result().savedOidr)); // saved before the question

        QComboBox box;
        QList<qint32> ids;
        QList<double> rates;
        Catalogue::FillCurrencyList(&box, ids, rates, dollar, QDate(2026, 11, 7));
        EXPECT_DOUBLE_EQ(rates.value(box.currentIndex()), store ? 3.5 : 0.0);
    }
}

TEST_F(FuelChequeDialogTest, RefusedSaveAsksNothingAndKeepsTheInput)
{
    auto r = request(QStringLiteral("O4000300"), storedCheque());
    r.tripId = 987654; // no such trip sheet
    auto dialog = open(r);
    dialog->optCash->setChecked(true);
    type(dialog->txtAmount, "12");
    type(dialog->txtRate, "2");
    dialog->writeButton()->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(lastMessage().endsWith(QStringLiteral("\r\nĮrašymas neatliktas!")));
    EXPECT_TRUE(dialog->result().cancelled);
    EXPECT_EQ(dialog->txtAmount->text(), QStringLiteral("12"));
}

} // namespace
