// Trip sheet numbers: the text made from the layout's parts and the counter
// read back out of a number (the cases the sheets below leave out); then the
// trip sheet editor's auto-numbering on a real store: numbers made by the
// layout, the editor's own counter and the next flag, the repeated-number
// check, and the counter read on every save. Which counter a period gets is
// the layer's numbering test; the race test runs it through the editor for
// every cycle.

#include "numbering/number_layout.h"
#include "tests/support/shown_state.h"
#include "tests/numbering/numbering_fixture.h"

namespace {

using testhost::takeShown;
const QDate nov3(2010, 11, 3);
const QString repeated = QStringLiteral("Dokumento numeris kartojasi!");

QStringList parts(const char* mask)
{
    return QString::fromLatin1(mask).split(QLatin1Char('_'), Qt::SkipEmptyParts);
}

TEST(NumberLayout, PartsAreJoinedWithoutALeadingSeparator)
{
    const struct { const char* mask; qint64 counter; const char *prefix, *userPrefix, *numberTemplate, *number; } cases[] = {
        {"AutoNumber", 123456, "", "JJ", "00000", "123456"},
        {"Prefix_UserPrefix_AutoNumber", 15, "", "JJ", "0000", "JJ-0015"},
        {"UserPrefix_Date", 15, "KL", "JJ", "0000", "JJ-101103"},
        {"Date_Unknown_AutoNumber", 1, "KL", "JJ", "0", "101103--1"},
        // Each part alone: the counter padded to the template's width, the
        // date as yyMMdd, and nothing for a part of another name (names are exact).
        {"AutoNumber", 7, "", "", "", "7"},
        {"AutoNumber", 0, "", "", "000", "000"},
        {"AutoNumber", -7, "", "", "0000", "-0007"},
        {"Date", 7, "KL", "JJ", "0000", "101103"},
        {"Prefix", 7, "KL-", "JP", "0000", "KL-"},
        {"UserPrefix", 7, "KL-", "JP", "0000", "JP"},
        {"Numeris", 7, "KL", "JJ", "0000", ""},
        {"date", 7, "KL", "JJ", "0000", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbering::composeNumber(parts(c.mask), c.counter, QString::fromLatin1(c.prefix), nov3,
                                           QString::fromLatin1(c.userPrefix), QString::fromLatin1(c.numberTemplate)),
                  QString::fromLatin1(c.number))
            << c.mask << " " << c.counter;
}

TEST(NumberLayout, TheCounterIsReadAtItsPlaceInTheLayout)
{
    // The counter read ("null" for none) and the digits too large for it.
    const struct { const char *mask, *name, *read; } cases[] = {
        {"Prefix_Date_AutoNumber", "KL-101103-0042-7", "42|"},
        {"Prefix_Date_AutoNumber", "KL-101103- 42 ", "42|"},
        {"Prefix_Date_AutoNumber", "KL-101103-4,2", "null|"},
        {"Prefix_Date_AutoNumber", "KL-101103--42", "null|"},
        {"Prefix_Date_AutoNumber", "KL-101103-+42", "null|"},
        {"Prefix_Date_AutoNumber", "KL-101103-0", "0|"},
        {"Prefix_Date_AutoNumber", "KL-101103-2147483647", "2147483647|"},
        {"Prefix_Date_AutoNumber", "KL-101103-002147483648", "null|2147483648"},
        {"Prefix_Date_AutoNumber", "KL-101103-99999999999999999999999", "null|99999999999999999999999"},
        {"AutoNumber", "0015", "15|"},
        {"AutoNumber_AutoNumber", "3-4", "3|"},
        {"Prefix_Date", "KL-101103", "null|"},
        {"Prefix_UserPrefix_AutoNumber", "KL--0015", "15|"},
    };
    for (const auto& c : cases) {
        const numbering::CounterReading reading = numbering::counterIn(parts(c.mask), QString::fromLatin1(c.name));
        EXPECT_EQ((reading.value.isNull() ? QStringLiteral("null") : reading.value.toString()) + u'|' + reading.tooLarge,
                  QLatin1String(c.read))
            << c.mask << " " << c.name;
    }
}

class SheetNumbering : public NumberingFixture {
protected:
    QVariant storedCounter(UIO4000100& sheet)
    {
        return stored(sheet.OIDR())->Fields().value(QStringLiteral("AutoNumber"));
    }
    // A number asked of the sheet as "code|number|name|counter", the counter only with a number made.
    static QString made(UIO4000100& sheet, int nextFlag)
    {
        const vx::CallResult made = getAutoNumber(sheet, nextFlag);
        const QString number = made.Value.toString();
        return QStringLiteral("%1|%2|%3|").arg(made.Code).arg(number, sheet.Fields().value(QStringLiteral("Name")).toString()) +
               (number.isEmpty() ? QString() : sheet.Fields().value(QStringLiteral("AutoNumber")).toString());
    }
};

// A new number follows the layout; without a layout or a logged-in user there
// is none and the typed number stays.
TEST_F(SheetNumbering, NewNumbersFollowTheLayout)
{
    // Settings (null: never configured), the user's prefix (null: nobody logged in) and the number made.
    const struct { const char *settings, *user, *made; } cases[] = {
        {nullptr, "", "0||typed|"},
        {"0,'Prefix_Date_AutoNumber','KL',3,15,'0000',0,0", "", "0|KL-101103-0015|KL-101103-0015|15"},
        {"0,'AutoNumber','',3,7,'00000',0,0", "", "0|00007|00007|7"},
        {"0,'UserPrefix_AutoNumber','KL',3,15,'0000',0,0", "", "0|0015|0015|15"},
        {"0,'Prefix_UserPrefix_AutoNumber','KL',3,15,'0000',0,0", "", "0|KL--0015|KL--0015|15"},
        {"0,'UserPrefix_AutoNumber_Date','',0,3,'0',0,0", "JJ", "0|JJ-3-101103|JJ-3-101103|3"},
        // No counter in the layout: the editor's own counter, still 0, is written.
        {"0,'Date_Prefix','X',3,15,'0000',0,0", "", "0|101103-X|101103-X|0"},
        {"0,'','KL',3,1,'0000',0,0", "", "0||typed|"},
        {"0,'Prefix_AutoNumber','KL',3,1,'0000',0,0", nullptr, "0||typed|"},
    };
    for (const auto& c : cases) {
        if (c.settings)
            storeSettings(QString::fromLatin1(c.settings));
        if (c.user)
            host->logInNew(*c.user ? QString::fromLatin1(c.user) : QString());
        else
            host->logOut();
        EXPECT_EQ(made(*newSheet(nov3, QStringLiteral("typed")), 0), QString::fromLatin1(c.made))
            << (c.settings ? c.settings : "never configured");
    }
}

TEST_F(SheetNumbering, TheCounterCountsTheSavedSheetsOfTheUser)
{
    storeSettings(QStringLiteral("0,'Date_AutoNumber','',1,1,'00',1,0"));
    host->logInNew();
    std::shared_ptr<UIO4000100> first = newSheet(nov3);
    EXPECT_EQ(getAutoNumber(*first, 0).Value.toString(), QStringLiteral("101103-01"));
    ASSERT_EQ(first->Save().Code, 0);
    EXPECT_EQ(getAutoNumber(*newSheet(nov3), 0).Value.toString(), QStringLiteral("101103-02"));
    host->logInNew();
    EXPECT_EQ(getAutoNumber(*newSheet(nov3), 0).Value.toString(), QStringLiteral("101103-01"))
        << "another user counts on their own";
}

TEST_F(SheetNumbering, TheNextFlagCountsOnFromTheEditorsOwnCounter)
{
    storeSettings(QStringLiteral("0,'Prefix_AutoNumber','KL',3,5,'000',0,0"));
    host->logInNew();
    std::shared_ptr<UIO4000100> sheet = newSheet(nov3);
    QStringList numbers;
    for (int flag : {0, 1, 1, 0, 1})
        numbers << getAutoNumber(*sheet, flag).Value.toString();
    EXPECT_EQ(numbers.join(u' '), QStringLiteral("KL-005 KL-006 KL-007 KL-005 KL-006"));
    EXPECT_EQ(sheet->lastAutoNumber(), 6);
    EXPECT_EQ(getAutoNumber(*newSheet(nov3), 1).Value.toString(), QStringLiteral("KL-001"))
        << "a new editor's own counter starts at 0";
    const vx::CallResult layer = session->call(QStringLiteral("GetAutoNumber"), QStringLiteral("'2010.11.03',1"));
    EXPECT_EQ(layer.Value.value<vx::RecordsetPtr>()->valueAt(0, 0).toInt(), 5)
        << "nothing was saved, so the layer still offers the same value";
}

TEST_F(SheetNumbering, ACounterBeyondTheEditorsRangeMakesNoNumberAndSaysWhy)
{
    storeSettings(QStringLiteral("0,'Prefix_AutoNumber','KL',3,32767,'0',0,0"));
    host->logInNew();
    std::shared_ptr<UIO4000100> sheet = newSheet(nov3);
    EXPECT_EQ(made(*sheet, 0), QStringLiteral("0|KL-32767|KL-32767|32767"));
    EXPECT_EQ(takeShown(messages), "");

    const vx::CallResult past = getAutoNumber(*sheet, 1);
    EXPECT_TRUE(past.Code != 0 && past.Value.toString().isEmpty());
    EXPECT_EQ(past.Message, QStringLiteral("Auto numerio reikšmė 32768 didesnė nei 32767, todėl numeris nesugeneruotas. "
                                           "Įveskite kelionės lapo numerį ranka."));
    EXPECT_EQ(takeShown(messages), "Information|Kelmira|" + past.Message.toStdString() + "|Ok");
    EXPECT_EQ(sheet->Fields().value(QStringLiteral("Name")).toString(), QStringLiteral("KL-32767")) << "left as it was";
    EXPECT_EQ(sheet->lastAutoNumber(), 32767);

    storeSettings(QStringLiteral("0,'Prefix_AutoNumber','KL',3,40000,'0',0,0"));
    std::shared_ptr<UIO4000100> fresh = newSheet(nov3, QStringLiteral("typed"));
    EXPECT_EQ(made(*fresh, 0), QStringLiteral("1||typed|"));
    EXPECT_TRUE(fresh->Fields().value(QStringLiteral("AutoNumber")).isNull());
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(SheetNumbering, EverySaveReadsTheCounterOutOfTheNumber)
{
    std::shared_ptr<UIO4000100> sheet = newSheet(nov3, QStringLiteral("KL-101103-0042"));
    sheet->Fields().setValue(QStringLiteral("AutoNumber"), 7);
    ASSERT_EQ(sheet->Save().Code, 0);
    EXPECT_EQ(storedCounter(*sheet).toInt(), 7) << "without settings the counter is left alone";

    // The counter stored ("null" for none) and the message shown.
    const struct { const char* mask; const char* name; const char* counter; std::string message; } cases[] = {
        {"Prefix_Date_AutoNumber", "KL-101103-0042", "42", ""},
        {"Prefix_Date_AutoNumber", "KL-101103", "null", ""},
        {"Prefix_Date_AutoNumber", "KL-101103-2147483648", "null",
         "Information|Kelmira|Auto numerio reikšmė 2147483648 yra per didelė!|Ok"},
        {"Date_Prefix", "101103-0042", "null", ""},
    };
    for (const auto& c : cases) {
        storeSettings(QStringLiteral("0,'%1','KL',3,1,'0000',0,1").arg(QLatin1String(c.mask)));
        sheet->Fields().setValue(QStringLiteral("AutoNumber"), 7);
        sheet->Fields().setValue(QStringLiteral("Name"), QString::fromLatin1(c.name));
        ASSERT_EQ(sheet->Save().Code, 0) << c.name;
        const QVariant counter = storedCounter(*sheet);
        EXPECT_EQ(counter.isNull() ? QStringLiteral("null") : counter.toString(), QLatin1String(c.counter)) << c.name;
        EXPECT_EQ(takeShown(messages), c.message) << c.name;
    }
}

// The repeated-number check's answer and message, as "answer|message".
QString validated(UIO4000100& sheet)
{
    const vx::CallResult check = sheet.Methods(QStringLiteral("Validate"), QString());
    return check.Value.toString() + u'|' + check.Message;
}

TEST_F(SheetNumbering, ARepeatedNumberIsRefusedUnlessRepeatsAreAllowed)
{
    storeSettings(QStringLiteral("0,'Prefix_AutoNumber','KL',3,1,'0000',0,0"));
    std::shared_ptr<UIO4000100> first = newSheet(nov3, QStringLiteral("KL-0001"));
    ASSERT_EQ(first->Save().Code, 0);
    EXPECT_EQ(validated(*first), QStringLiteral("true|")) << "a sheet does not repeat its own number";

    std::shared_ptr<UIO4000100> second = newSheet(nov3, QStringLiteral("KL-0001"));
    EXPECT_EQ(validated(*second), QStringLiteral("false|") + repeated);
    const vx::Status refused = second->Save();
    EXPECT_TRUE(refused.Code != 0 && refused.Message == repeated) << "the store refuses it even when nobody asked first";

    second->Fields().setValue(QStringLiteral("Name"), QStringLiteral("O'Brien-1"));
    EXPECT_EQ(validated(*second), QStringLiteral("true|"));

    storeSettings(QStringLiteral("0,'Prefix_AutoNumber','KL',3,1,'0000',0,1"));
    second->Fields().setValue(QStringLiteral("Name"), QStringLiteral("KL-0001"));
    EXPECT_EQ(second->Save().Code, 0) << "repeats allowed";
    EXPECT_EQ(validated(*first), QStringLiteral("false|") + repeated);
}

TEST(SheetNumberingWithoutStore, AFailedCheckGivesNeitherAnswerNorMessage)
{
    UIO4000100 sheet; // no host: no record and no business object
    EXPECT_EQ(validated(sheet), QStringLiteral("|"));
    EXPECT_FALSE(sheet.Methods(QStringLiteral("Validate"), QString()).Value.isValid());
}

} // namespace
