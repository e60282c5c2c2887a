// The host's currency calls: every currency with its rate on exactly one day,
// and storing the rate of a day as the fuel cheque dialog does.

#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

namespace {

class BoCurrencyCalls : public StoreFixture {
protected:
    void SetUp() override
    {
        StoreFixture::SetUp();
        if (IsSkipped())
            return;
        usd = currency("USD", 0);
        eur = currency("EUR", 1);
        pln = currency("PLN", 0);
        rate(usd, QDate(2026, 11, 3), 0.92);
        rate(pln, QDate(2026, 11, 2), 0.23);
        rate(eur, QDate(2026, 11, 3), 4.0); // a stray row for the base currency changes nothing
    }
    qint64 currency(const char* code, int base)
    {
        return createId(QStringLiteral("O0201500"), {{QStringLiteral("Code"), QString::fromUtf8(code)}, {QStringLiteral("BaseCurrency"), base}});
    }
    void rate(qint64 id, QDate day, double value)
    {
        create(QStringLiteral("O0002200"), {{QStringLiteral("CurrencyID"), id}, {QStringLiteral("Date"), day}, {QStringLiteral("Rate"), value}});
    }
    // "CODE=rate" for every currency of the list, in its order.
    QStringList list(const char* day)
    {
        QStringList out;
        const vx::RecordsetPtr rs = rows(QStringLiteral("CurrencyList"), QString::fromUtf8(day));
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
            out << QStringLiteral("%1=%2").arg(rs->value(u"Code").toString()).arg(rs->value(u"Rate").toDouble());
        return out;
    }
    vx::CallResult saveDayRate(const char* param) { return call(QStringLiteral("SaveDayRate"), QString::fromUtf8(param)); }
    int storedRates() { return bo::storeOf(session()).scalar(QStringLiteral("SELECT COUNT(*) FROM currency_rate")).toInt(); }

    qint64 usd = 0, eur = 0, pln = 0;
};

TEST_F(BoCurrencyCalls, ListGivesEveryCurrencyByCodeWithItsRateOnExactlyThatDay)
{
    EXPECT_EQ(list("2026.11.03"), (QStringList{QStringLiteral("EUR=1"), QStringLiteral("PLN=0"), QStringLiteral("USD=0.92")}));
    EXPECT_EQ(list("2026-11-02"), (QStringList{QStringLiteral("EUR=1"), QStringLiteral("PLN=0.23"), QStringLiteral("USD=0")}));
    EXPECT_EQ(list("'2026.11.04'"), (QStringList{QStringLiteral("EUR=1"), QStringLiteral("PLN=0"), QStringLiteral("USD=0")}));

    const vx::RecordsetPtr rs = rows(QStringLiteral("CurrencyList"), QStringLiteral("2026.11.03"));
    for (const auto& [id, base] : {std::pair{eur, 1}, std::pair{pln, 0}}) {
        EXPECT_EQ(rs->value(u"ID").toLongLong(), id);
        EXPECT_EQ(rs->value(u"BaseCurrency").toInt(), base);
        rs->MoveNext();
    }
}

TEST_F(BoCurrencyCalls, SaveDayRateStoresTheDayOnceAndReplacesItsRateLater)
{
    const vx::CallResult first = saveDayRate("'USD','2026.11.04',0.93");
    ASSERT_EQ(first.Code, 0) << first.Message.toStdString();
    EXPECT_TRUE(vx::oid::isOfType(first.Value.toString(), u"O0002200"));
    EXPECT_EQ(list("2026.11.04").last(), QStringLiteral("USD=0.93"));

    const vx::CallResult second = saveDayRate(" 'USD' , '2026-11-04' , '3,4528' ");
    ASSERT_EQ(second.Code, 0) << second.Message.toStdString();
    EXPECT_EQ(second.Value, first.Value) << "the same row";
    EXPECT_EQ(list("2026.11.04").last(), QStringLiteral("USD=3.4528"));
    EXPECT_EQ(list("2026.11.03").last(), QStringLiteral("USD=0.92")) << "other days keep theirs";
    EXPECT_EQ(storedRates(), 4);
}

TEST_F(BoCurrencyCalls, WrongOrHostileTextsFailNamingTheCallAndStoreNothing)
{
    const char* cases[][2] = {
        {"SaveDayRate", "'EUR','2026.11.04',1.5"}, // the base currency
        {"SaveDayRate", "'XYZ','2026.11.04',1.5"},     {"SaveDayRate", "'','2026.11.04',1.5"},
        {"SaveDayRate", "'USD','2026.11.04',0"},       {"SaveDayRate", "'USD','2026.11.04',-1"},
        {"SaveDayRate", "'USD','',1.5"},               {"SaveDayRate", "'USD','2026.11.04'"},
        {"SaveDayRate", "'USD','2026.11.04',0,93"}, // a bare comma splits the rate
        {"SaveDayRate", "'USD,'2026.11.04',1"},
        {"SaveDayRate", "'USD''); DELETE FROM currency_rate; --','2026.11.04',1"},
        {"SaveDayRate", "'USD','2026.11.04',1; DROP TABLE currency"},
        {"CurrencyList", ""},                          {"CurrencyList", "2026.02.30"},
        {"CurrencyList", "'2026.11.03'; DROP TABLE currency /*"},
    };
    for (const auto& [name, param] : cases) {
        const vx::CallResult r = call(QString::fromUtf8(name), QString::fromUtf8(param));
        EXPECT_NE(r.Code, 0) << param;
        EXPECT_TRUE(r.Message.contains(QString::fromUtf8(name))) << r.Message.toStdString();
    }
    EXPECT_EQ(storedRates(), 3);
    EXPECT_EQ(list("2026.11.03").size(), 3);

    currency("X'Y--", 0);
    ASSERT_EQ(saveDayRate("'X''Y--','2026.11.03',2.5").Code, 0);
    EXPECT_EQ(list("2026.11.03").last(), QStringLiteral("X'Y--=2.5")) << "a quote in a code is data";
}

} // namespace
