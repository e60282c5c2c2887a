// The host's currency calls: every currency with its rate on exactly one day,
// and storing the rate of a day as the fuel cheque dialog does. How a card's
// list shows them is CatalogueCurrencies' test.

#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

namespace {

class BoCurrencyCalls : public StoreFixture {
protected:
    void prepare() override
    {
        const qint64 usd = currency("USD", 0), eur = currency("EUR", 1), pln = currency("PLN", 0);
        create("O0002200", {{"CurrencyID", usd}, {"Date", QDate(2026, 11, 3)}, {"Rate", 0.92}});
        create("O0002200", {{"CurrencyID", pln}, {"Date", QDate(2026, 11, 2)}, {"Rate", 0.23}});
        // A stray row for the base currency changes nothing.
        create("O0002200", {{"CurrencyID", eur}, {"Date", QDate(2026, 11, 3)}, {"Rate", 4.0}});
    }
    qint64 currency(const char* code, int base)
    {
        return createId("O0201500", {{"Code", QString::fromUtf8(code)}, {"BaseCurrency", base}});
    }
    // "CODE|rate" for every currency of the list, in its order.
    QStringList list(const char* day) { return rowsText(rows("CurrencyList", QString::fromUtf8(day)), {"Code", "Rate"}); }
    vx::CallResult saveDayRate(const char* param) { return call("SaveDayRate", QString::fromUtf8(param)); }
    int storedRates() { return scalar(QStringLiteral("SELECT COUNT(*) FROM currency_rate")).toInt(); }
};

TEST_F(BoCurrencyCalls, ListGivesEveryCurrencyByCodeWithItsRateOnExactlyThatDay)
{
    EXPECT_EQ(list("2026.11.03"), (QStringList{QStringLiteral("EUR|1"), QStringLiteral("PLN|0"), QStringLiteral("USD|0.92")}));
    EXPECT_EQ(list("2026-11-02"), (QStringList{QStringLiteral("EUR|1"), QStringLiteral("PLN|0.23"), QStringLiteral("USD|0")}));
    EXPECT_EQ(list("'2026.11.04'"), (QStringList{QStringLiteral("EUR|1"), QStringLiteral("PLN|0"), QStringLiteral("USD|0")}));
}

TEST_F(BoCurrencyCalls, SaveDayRateStoresTheDayOnceAndReplacesItsRateLater)
{
    const vx::CallResult first = saveDayRate("'USD','2026.11.04',0.93");
    ASSERT_EQ(first.Code, 0) << first.Message.toStdString();
    EXPECT_TRUE(vx::oid::isOfType(first.Value.toString(), u"O0002200"));
    EXPECT_EQ(list("2026.11.04").last(), QStringLiteral("USD|0.93"));

    const vx::CallResult second = saveDayRate(" 'USD' , '2026-11-04' , '3,4528' ");
    ASSERT_EQ(second.Code, 0) << second.Message.toStdString();
    EXPECT_EQ(second.Value, first.Value) << "the same row";
    EXPECT_EQ(list("2026.11.04").last(), QStringLiteral("USD|3.4528"));
    EXPECT_EQ(list("2026.11.03").last(), QStringLiteral("USD|0.92")) << "other days keep theirs";
    EXPECT_EQ(storedRates(), 4);
}

// Wrong and hostile texts are BoCallArguments' test.
TEST_F(BoCurrencyCalls, AQuoteInACodeIsData)
{
    currency("X'Y--", 0);
    ASSERT_EQ(saveDayRate("'X''Y--','2026.11.03',2.5").Code, 0);
    EXPECT_EQ(list("2026.11.03").last(), QStringLiteral("X'Y--|2.5"));
}

} // namespace
