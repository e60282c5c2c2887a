// Auto-numbering calls: the settings record as the settings card stores it,
// the next counter per period and user, the repeated-number check and hostile
// numbers and prefixes. Malformed parameter texts are BoCallArguments' test,
// repeated numbers saved at the same moment BoNumberingRace's.

#include "platform/bo/session_store.h"
#include "platform/contract/argument_text.h"
#include "tests/support/store_fixture.h"

namespace {

const QString tripType = QStringLiteral("O4000100");

class BoNumbering : public StoreFixture {
protected:
    void store(const QString& text)
    {
        const vx::CallResult result = call("AddUpdateAutoNumber", text);
        ASSERT_EQ(result.Code, 0) << text.toStdString() << ": " << result.Message.toStdString();
    }
    QVariantList settings()
    {
        const vx::RecordsetPtr rs = rows("GetAutoNumberSettings", QStringLiteral("None"));
        QVariantList values;
        for (int row = 0; row < rs->RecordCount(); ++row)
            for (int column = 0; column < rs->fieldCount(); ++column)
                values << rs->valueAt(row, column);
        return values;
    }
    qint64 sheet(const QString& name, const QVariant& date = {}, const QVariant& counter = {}, const QVariant& creator = {})
    {
        return createId(tripType, {{QStringLiteral("Name"), name}, {QStringLiteral("Date"), date},
                                   {QStringLiteral("AutoNumber"), counter}, {QStringLiteral("CreatedByUserID"), creator}});
    }
    int count(const QString& name, qint64 id)
    {
        const vx::RecordsetPtr rs = rows("CheckNumber", vx::arguments::write({name, id}));
        return rs->RecordCount() == 1 ? rs->value(QStringLiteral("Result")).toInt() : -1;
    }
};

// The settings card reading and saving them is AutoNumberCard's test.
TEST_F(BoNumbering, SettingsCardTextIsStoredAsTypedInTheOneRecord)
{
    // The prefix travels quoted like any text; only the minimal number's whole part is stored.
    store(QStringLiteral("0,'Prefix_Date_AutoNumber','O''K'',3',3,1.5,'0000',1,0"));
    const QVariantList first = settings();
    ASSERT_EQ(first.size(), 8);
    EXPECT_EQ(first.mid(1), QVariantList({QStringLiteral("Prefix_Date_AutoNumber"), QStringLiteral("O'K',3"), 3, 1,
                                          QStringLiteral("0000"), 1, 0}));
    store(QStringLiteral("0,'AutoNumber','',0,0,'',0,1"));
    EXPECT_EQ(settings(), QVariantList({first.at(0), QStringLiteral("AutoNumber"), QString(), 0, 0, QString(), 0, 1}))
        << "a second first save updates the same record";
    store(QStringLiteral("%1,'','X',1,7,'00',0,0").arg(first.at(0).toLongLong()));
    EXPECT_EQ(settings(), QVariantList({first.at(0), QString(), QStringLiteral("X"), 1, 7, QStringLiteral("00"), 0, 0}));
    const vx::CallResult missing =
        call("AddUpdateAutoNumber", QStringLiteral("%1,'','X',1,7,'00',0,0").arg(first.at(0).toLongLong() + 1));
    EXPECT_NE(missing.Code, 0);
    EXPECT_TRUE(missing.Message.contains(QStringLiteral("AddUpdateAutoNumber")));
}

TEST_F(BoNumbering, NextCounterFollowsTheCyclePeriodTheUserAndTheMinimum)
{
    const QString getNext = QStringLiteral("GetAutoNumber");
    EXPECT_EQ(rows(getNext, QStringLiteral("'2024.02.10',1"))->RecordCount(), 0) << "never configured";
    store(QStringLiteral("0,'Prefix_Date','KL',3,1,'0000',0,1"));
    EXPECT_EQ(rows(getNext, QStringLiteral("'2024.02.10',1"))->RecordCount(), 0) << "no counter in the layout";

    createId("O0001401", {{"Name", QStringLiteral("Ona")}}); // user 2 besides the administrator
    const QDate feb10(2024, 2, 10);
    sheet(QStringLiteral("a"), QDateTime(QDate(2023, 12, 31), QTime(0, 0)), 50, 1);
    sheet(QStringLiteral("b"), QDateTime(feb10, QTime(9, 0)), 4, 1);
    sheet(QStringLiteral("c"), QDateTime(feb10, QTime(0, 0)), 2, 2);
    sheet(QStringLiteral("typed"), QDateTime(feb10, QTime(0, 0)), QVariant(), 1);
    sheet(QStringLiteral("d"), QDateTime(QDate(2024, 2, 20), QTime(0, 0)), 7, 2);
    sheet(QStringLiteral("e"), QDateTime(QDate(2024, 2, 29), QTime(23, 0)), 11); // saved with nobody logged in
    sheet(QStringLiteral("f"), QDateTime(QDate(2024, 3, 5), QTime(0, 0)), 9, 1);
    sheet(QStringLiteral("g"), QDateTime(QDate(2024, 5, 1), QTime(0, 0)), 3, 1);
    const struct { int cycle, groupBy, minimal; const char* date; int user, next; } cases[] = {
        {0, 0, 0, "2024.02.10", 1, 5},  {0, 0, 0, "2024-02-11", 1, 1},  {1, 0, 0, "2024.02.01", 1, 12},
        {1, 0, 0, "2024.03.31", 1, 10}, {1, 0, 0, "2024.04.15", 1, 1},  {2, 0, 0, "2024.01.01", 1, 12},
        {2, 0, 0, "2024.06.30", 2, 4},  {2, 0, 0, "2023.11.15", 1, 51}, {3, 0, 0, "2024.12.31", 1, 12},
        {1, 1, 0, "2024.02.15", 1, 5},  {1, 1, 0, "2024.02.15", 2, 8},  {1, 1, 0, "2024.02.15", 0, 12},
        {3, 1, 0, "2024.02.15", 3, 1},  {3, 0, 20, "2024.01.01", 1, 20}, {3, 0, 5, "2024.01.01", 1, 12},
    };
    for (const auto& k : cases) {
        store(QStringLiteral("0,'Prefix_Date_AutoNumber','KL',%1,%2,'0000',%3,1").arg(k.cycle).arg(k.minimal).arg(k.groupBy));
        const vx::RecordsetPtr rs = rows(getNext, QStringLiteral("'%1',%2").arg(QLatin1String(k.date)).arg(k.user));
        EXPECT_EQ(rs->RecordCount() == 1 ? rs->value(QStringLiteral("AutoNumber")).toInt() : -1, k.next)
            << "cycle " << k.cycle << " per user " << k.groupBy << " minimal " << k.minimal << " " << k.date
            << " user " << k.user;
    }
}

TEST_F(BoNumbering, CheckNumberCountsOtherSheetsWithExactlyThatNumber)
{
    const qint64 first = sheet(QStringLiteral("KL-1"));
    sheet(QStringLiteral("KL-1"));
    sheet(QStringLiteral("kl-1"));
    sheet(QStringLiteral("KL-1 "));
    const qint64 quoted = sheet(QStringLiteral("O'Brien-1"));
    const struct { QString name; qint64 id; int others; } cases[] = {
        {QStringLiteral("KL-1"), 0, 2},         {QStringLiteral("KL-1"), first, 1},   {QStringLiteral("kl-1"), 0, 1},
        {QStringLiteral("KL-1 "), 0, 1},        {QStringLiteral("KL-2"), 0, 0},       {QStringLiteral("O'Brien-1"), 0, 1},
        {QStringLiteral("O'Brien-1"), quoted, 0},
    };
    for (const auto& k : cases)
        EXPECT_EQ(count(k.name, k.id), k.others) << k.name.toStdString() << " " << k.id;
}

TEST_F(BoNumbering, HostileNumbersAndPrefixesAreKeptAsData)
{
    const QStringList texts = {QStringLiteral("x'; DELETE FROM transport_trip; --"), QStringLiteral("' OR '1'='1"),
                               QStringLiteral("KL'); DROP TABLE transport_trip; /*"), QStringLiteral("a\" OR \"\"=\"")};
    sheet(QStringLiteral("KL-1"));
    for (const QString& text : texts) {
        EXPECT_EQ(count(text, 0), 0) << text.toStdString();
        sheet(text);
        EXPECT_EQ(count(text, 0), 1) << text.toStdString();
        store(QStringLiteral("0,'Prefix_AutoNumber',%1,3,1,'0000',0,1").arg(vx::arguments::quoted(text)));
        EXPECT_EQ(settings().value(2).toString(), text);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM transport_trip")).toInt(), texts.size() + 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM auto_number_settings")).toInt(), 1);
}

} // namespace
