// Argument texts: reading items, quotes, escapes and empty items; refusing
// malformed texts; writing values so they read back as they were; and the
// typed check each named call makes of its text (counts, types, empty and
// missing items), and the named calls themselves refusing wrong texts.

#include "platform/bo/argument_list.h"
#include "platform/bo/session_store.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <QDate>
#include <QRandomGenerator>


namespace {

using Kind = vx::arguments::Item::Kind;

// Each item as the text gave it: 'quoted', bare, or <> for an empty one.
QString itemsOf(const vx::arguments::ItemList& list)
{
    QStringList items;
    for (int i = 0; i < list.items.size(); ++i) {
        const Kind kind = list.items.at(i).kind;
        items << (kind == Kind::Quoted ? QLatin1Char('\'') + list.text(i) + QLatin1Char('\'')
                  : kind == Kind::Empty ? QStringLiteral("<>") : list.text(i));
    }
    return items.join(QStringLiteral(" | "));
}

TEST(ArgumentTextRead, ItemsComeOutInOrderWithTheirKind)
{
    const struct { const char* text; const char* items; } cases[] = {
        {"", ""}, {"   ", ""}, {"'O4000400123','2999.12.31',''", "'O4000400123' | '2999.12.31' | ''"},
        {"'O4000400123',4,'2026.11.03'", "'O4000400123' | 4 | '2026.11.03'"},
        {"12,2,1,2", "12 | 2 | 1 | 2"}, {"O4000400123", "O4000400123"}, {"'O4000600', ''", "'O4000600' | ''"},
        {" 'O''Brien' , -12.5 ", "'O'Brien' | -12.5"}, {"''''", "'''"}, {"'a,b', 'c'", "'a,b' | 'c'"},
        {"'a,b',,''", "'a,b' | <> | ''"}, {"1,,3", "1 | <> | 3"}, {"'a',", "'a' | <>"}, {",", "<> | <>"},
        {"'; DROP TABLE x; --'", "'; DROP TABLE x; --'"}, {"'Šiauliai – Kaunas'", "'Šiauliai – Kaunas'"},
    };
    for (const auto& c : cases) {
        const vx::arguments::ItemList list = vx::arguments::read(QString::fromUtf8(c.text));
        EXPECT_TRUE(list.ok()) << c.text << ": " << list.error.toStdString();
        EXPECT_EQ(itemsOf(list), QString::fromUtf8(c.items)) << c.text;
        EXPECT_TRUE(list.text(int(list.items.size())).isEmpty()) << c.text << ": past the end";
    }
}

TEST(ArgumentTextReadErrors, MalformedTextsAreRefusedWithTheItemNamed)
{
    const struct {
        const char* text;
        char item;
    } cases[] = {{"'open", '1'}, {"'a'b", '1'}, {"'a' 'b'", '1'}, {"ab'c", '1'}, {"a'b", '1'},
                 {"1,'x", '2'},  {"'it''s", '1'}, {"'O4000400123", '1'}};
    for (const auto& c : cases) {
        const vx::arguments::ItemList list = vx::arguments::read(QString::fromUtf8(c.text));
        EXPECT_FALSE(list.ok()) << c.text;
        EXPECT_TRUE(list.error.startsWith(QLatin1Char(c.item))) << c.text << ": " << list.error.toStdString();
    }
}

TEST(ArgumentTextWrite, WrittenValuesReadBackAsTheyWere)
{
    const QString settings = QStringLiteral("0,'Prefix_Date_AutoNumber','KL',3,1,'0000',0,0");
    const QString text = vx::arguments::write({QStringLiteral("O'Brien"), 4, QDate(2026, 11, 3), QVariant(), 0.1 + 0.2,
                                               settings, QString(), true});
    EXPECT_EQ(text, QStringLiteral("'O''Brien',4,'2026.11.03',,0.30000000000000004,"
                                   "'0,''Prefix_Date_AutoNumber'',''KL'',3,1,''0000'',0,0','',1"));
    const vx::arguments::ItemList list = vx::arguments::read(text);
    ASSERT_TRUE(list.ok()) << list.error.toStdString();
    EXPECT_EQ(list.texts(), QStringList({QStringLiteral("O'Brien"), QStringLiteral("4"), QStringLiteral("2026.11.03"),
                                         QString(), QStringLiteral("0.30000000000000004"), settings, QString(),
                                         QStringLiteral("1")}));
    EXPECT_EQ(list.text(4).toDouble(), 0.1 + 0.2) << "numbers travel exactly";
    EXPECT_EQ(vx::arguments::read(vx::arguments::quoted(settings)).text(0), settings);
}

TEST(BoArgumentCheck, TypedValuesForAWellFormedList)
{
    const QList<bo::ExpectedArgument> expected = {{QStringLiteral("sheet"), bo::ArgumentType::ObjectId},
                                              {QStringLiteral("date"), bo::ArgumentType::Date},
                                              {QStringLiteral("count"), bo::ArgumentType::Whole},
                                              {QStringLiteral("rate"), bo::ArgumentType::Number},
                                              {QStringLiteral("flag"), bo::ArgumentType::Flag, true}};
    const bo::TypedArguments args =
        bo::checkArguments(QStringLiteral("GetX"), QStringLiteral("'O4000100123','2026.11.03',7,'3,5'"), expected);
    ASSERT_TRUE(args.ok()) << args.error.toStdString();
    EXPECT_EQ(args.text(0), QStringLiteral("O4000100123"));
    EXPECT_EQ(args.date(1), QDate(2026, 11, 3));
    EXPECT_EQ(args.whole(2), 7);
    EXPECT_DOUBLE_EQ(args.number(3), 3.5);
    EXPECT_TRUE(args.values.at(4).isNull()) << "a missing optional item is null";

    const bo::TypedArguments empties =
        bo::checkArguments(QStringLiteral("GetX"), QStringLiteral("'','','',''"), expected);
    ASSERT_TRUE(empties.ok()) << empties.error.toStdString();
    EXPECT_TRUE(empties.date(1).isNull());
    EXPECT_EQ(empties.whole(2), 0);
}

TEST(BoArgumentCheck, WrongCountsAndTypesNameTheCallAndTheItem)
{
    const QList<bo::ExpectedArgument> expected = {{QStringLiteral("sheet"), bo::ArgumentType::ObjectId},
                                              {QStringLiteral("date"), bo::ArgumentType::Date}};
    struct Case { const char* text; const char* mentions; };
    for (const Case& c : {Case{"'O4000100123'", "2"}, Case{"'O4000100123','2026.11.03','x'", "2"},
                          Case{"'O4000100123','2026.13.45'", "2026.13.45"}, Case{"'X1','2026.11.03'", "X1"},
                          Case{"'O4000100123','2026.11.03' OR 1=1", "GetTrip"}, Case{"'unclosed", "GetTrip"},
                          Case{"'O4000100123 OR 1=1',''", "O4000100123 OR 1=1"}, Case{"'O4000100-2',''", "O4000100-2"},
                          Case{"' O4000100123',''", " O4000100123"}}) {
        SCOPED_TRACE(c.text);
        const bo::TypedArguments args = bo::checkArguments(QStringLiteral("GetTrip"), QString::fromUtf8(c.text), expected);
        EXPECT_FALSE(args.ok());
        EXPECT_TRUE(args.error.contains(QStringLiteral("GetTrip"))) << args.error.toStdString();
        EXPECT_TRUE(args.error.contains(QString::fromUtf8(c.mentions))) << args.error.toStdString();
    }
}

// Thousands of argument texts, written correctly and then damaged at random
// from a fixed seed: reading never crashes, a text that is read writes back to
// the same items, and an id the typed check lets through is always well formed.
TEST(BoArgumentCheck, RandomlyDamagedTextsReadBackOrAreRefused)
{
    const QString alphabet = QStringLiteral("'',, O4000100123x-=1\u0105");
    const QList<bo::ExpectedArgument> expected = {{QStringLiteral("id"), bo::ArgumentType::ObjectId},
                                                  {QStringLiteral("other"), bo::ArgumentType::ObjectId, true}};
    QRandomGenerator random(4000100);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        QString text = vx::arguments::write({vx::oid::make(u"O4000100", random.bounded(1, 1000)), vx::oid::make(u"O4000600", random.bounded(1, 1000))});
        for (int edits = random.bounded(0, 4); edits > 0; --edits) {
            const qsizetype at = random.bounded(int(text.size()) + 1);
            const QChar c = alphabet.at(random.bounded(int(alphabet.size())));
            if (random.bounded(2) == 0)
                text.insert(at, c);
            else if (at < text.size())
                text.remove(at, 1);
        }
        SCOPED_TRACE(text.toStdString());
        const vx::arguments::ItemList list = vx::arguments::read(text);
        if (list.ok()) {
            QStringList items;
            for (const vx::arguments::Item& item : list.items)
                items << (item.kind == Kind::Quoted ? vx::arguments::quoted(item.text) : item.text);
            const vx::arguments::ItemList again = vx::arguments::read(items.join(QLatin1Char(',')));
            ASSERT_TRUE(again.ok()) << again.error.toStdString();
            ASSERT_EQ(again.texts(), list.texts());
        }
        const bo::TypedArguments args = bo::checkArguments(QStringLiteral("GetX"), text, expected);
        if (!args.ok())
            continue;
        ++accepted;
        for (int n = 0; n < args.values.size(); ++n)
            ASSERT_TRUE(args.text(n).isEmpty() || vx::oid::isWellFormed(args.text(n))) << args.text(n).toStdString();
    }
    EXPECT_GT(accepted, 100) << "some damaged texts are still well formed";
}

// The named calls on a small store: a malformed, mistyped or hostile text
// fails with a message naming the call (or saying what is wrong with its
// values), and nothing stored changes.
class BoCallArguments : public StoreFixture {
protected:
    QList<QVariantList> everything()
    {
        QList<QVariantList> rows;
        for (const char* table : {"transport_car", "transport_trip", "transport_car_tyre", "currency", "currency_rate",
                                  "employee", "auto_number_settings"})
            rows << bo::storeOf(session()).query(QStringLiteral("SELECT * FROM %1 ORDER BY \"ID\"").arg(QLatin1String(table))).values;
        return rows;
    }
};

TEST_F(BoCallArguments, WrongOrHostileTextsFailWithTheirReasonAndChangeNothing)
{
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("Volvo")}});
    createId("O4000100", {{"TransportCarID", car}, {"Date", QDateTime(QDate(2024, 3, 1), QTime(0, 0))}});
    const qint64 tyre = createId("O4000800", {{"Number", QStringLiteral("P-1")}});
    createId("O4000900", {{"TransportID", car}, {"TyreID", tyre}, {"Axis", 1}, {"DateFrom", QDate(2026, 1, 1)}});
    createId("O0201500", {{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}});
    const qint64 usd = createId("O0201500", {{"Code", QStringLiteral("USD")}, {"BaseCurrency", 0}});
    createId("O0002200", {{"CurrencyID", usd}, {"Date", QDate(2026, 11, 3)}, {"Rate", 0.92}});
    ASSERT_EQ(call("AddUpdateAutoNumber", QStringLiteral("0,'Prefix_AutoNumber','KL',3,1,'0000',0,1")).Code, 0);
    const QList<QVariantList> before = everything();
    // Texts each call refuses, with a message naming the call.
    const QList<std::pair<const char*, QList<const char*>>> named = {
        {"GetLastTrip", {"'O40004001','2024.03.05'", "'O40001001','2024.03.05',''", "'O40004001','',''",
                "'O40004001','2024.03.05'' OR ''1''=''1',''"}},
        {"GetTripFuelRest", {"1,2,'2024.03.05'", "1;DELETE FROM transport_trip,2,'2024.03.05',''"}},
        {"GetTransportCheques", {"O40001001,"}}, {"GetTransportTripNorms", {"'O40001001"}},
        {"GetTransportTripFuelTanks", {"O40001001,O40001002"}}, {"DO4000100_GetTripCarFuelNorms", {"'O40006011'"}},
        {"GetTripRoutes", {"'O40006011','2024.01.01'", "'O40004001','2024.01.01','2024.12.31'"}},
        {"GetCarDrivers", {"abc"}}, {"GetCarTyres", {"1; DROP TABLE transport_car_tyre"}},
        {"GetCheckPosition", {"1,1,0"}}, {"GetCheckTyreInUse", {"'1"}}, {"GetTyreRun", {"1 -- comment"}},
        {"GetTyreHistory", {""}}, {"GetCarRun", {"1,'2026.13.01','2026.12.31'", "1,'',''"}},
        {"GetDriverName", {"1,'2026.01.01'' OR ''1''=''1'"}}, {"GetTypeName", {"1/* x */"}},
        {"SaveDayRate", {"'EUR','2026.11.04',1.5" /* the base currency */, "'XYZ','2026.11.04',1.5",
                "'','2026.11.04',1.5", "'USD','2026.11.04',0", "'USD','2026.11.04',-1", "'USD','',1.5",
                "'USD','2026.11.04'", "'USD','2026.11.04',0,93" /* a bare comma splits the rate */,
                "'USD''); DELETE FROM currency_rate; --','2026.11.04',1", "'USD','2026.11.04',1; DROP TABLE currency"}},
        {"CurrencyList", {"", "2026.02.30", "'2026.11.03'; DROP TABLE currency /*"}},
        {"GetAutoNumber", {"'2024.02.10'", "'2024.02.30',1", "'',1", "'2024.02.10',1; DELETE FROM transport_trip"}},
        {"CheckNumber", {"KL-1,0", "'KL-1'", "'KL-1',0 OR 1=1"}},
        {"AddUpdateAutoNumber", {"", "0,'Date','KL',3,1,'0000',0", "0,Date,'KL',3,1,'0000',0,0",
                "0,'Date','KL',3,1,,'0000',0,0", "0,'Date','KL',4,1,'0000',0,0", "0,'Date','KL',3,1,'00x0',0,0",
                "0,'Date_Date','KL',3,1,'0000',0,0", "0,'Data','KL',3,1,'0000',0,0", "0,'Date','KL',3,-1,'0000',0,0",
                "0,'Date','KL',3,1,'0000',2,0", "0,'Date','KL',3,1,'0000',0,2"}},
        {"ReportFuelBalance", {"'2024.03.01'"}},
    };
    // Report calls whose message tells what is wrong with the values.
    const struct { const char *call, *param, *says; } told[] = {
        {"ReportFuelBalance", "'2024.03.31','2024.03.01','',''", "pabaiga ankstesnė"},
        {"ReportFuelBalance", "'2024.03.01','2024.03.31','O4000100001',''", "automobilių"},
        {"ReportFuelBalance", "'2024.03.01','2024.03.31','','O4000400001'", "vairuotojo"},
        {"ReportFuelCheques", "'2024.03.31','2024.03.01',''", "pabaiga ankstesnė"},
        {"ReportOdometerGaps", "'2024.03.01','2024.03.31','O4000100001'", "automobilių"},
        {"ReportExpiringDocuments", "'',30,''", "nenurodyta data"},
        {"ReportTyreRuns", "-1,''", "neigiama"},
    };
    const auto refused = [&](const char* name, const char* param, const char* says) {
        SCOPED_TRACE(std::string(name) + "(" + param + ")");
        const vx::CallResult result = call(QString::fromLatin1(name), QString::fromUtf8(param));
        EXPECT_NE(result.Code, 0);
        EXPECT_TRUE(result.Message.contains(QString::fromUtf8(says))) << result.Message.toStdString();
    };
    for (const auto& [name, params] : named)
        for (const char* param : params)
            refused(name, param, name);
    for (const auto& c : told)
        refused(c.call, c.param, c.says);
    EXPECT_EQ(everything(), before);
}

} // namespace
