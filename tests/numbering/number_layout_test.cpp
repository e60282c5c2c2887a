// Trip sheet numbers and their layout: the text made from the parts, and the
// counter read back out of a number.

#include "numbering/number_layout.h"

#include <gtest/gtest.h>

namespace {

QStringList parts(const char* mask)
{
    return QString::fromLatin1(mask).split(QLatin1Char('_'), Qt::SkipEmptyParts);
}

TEST(NumberLayout, PartsAreJoinedWithoutALeadingSeparator)
{
    const QDate nov3(2010, 11, 3);
    const struct {
        const char* mask;
        qint64 counter;
        const char* prefix;
        const char* userPrefix;
        const char* numberTemplate;
        const char* number;
    } cases[] = {
        {"Prefix_Date_AutoNumber", 15, "KL", "JJ", "0000", "KL-101103-0015"},
        {"AutoNumber", 7, "", "JJ", "00000", "00007"},
        {"AutoNumber", 123456, "", "JJ", "00000", "123456"},
        {"Prefix_UserPrefix_AutoNumber", 15, "", "JJ", "0000", "JJ-0015"},
        {"UserPrefix_Date", 15, "KL", "JJ", "0000", "JJ-101103"},
        {"Date_Unknown_AutoNumber", 1, "KL", "JJ", "0", "101103--1"},
        {"", 15, "KL", "JJ", "0000", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbering::composeNumber(parts(c.mask), c.counter, QString::fromLatin1(c.prefix), nov3,
                                           QString::fromLatin1(c.userPrefix), QString::fromLatin1(c.numberTemplate)),
                  QString::fromLatin1(c.number))
            << c.mask << " " << c.counter;
}

TEST(NumberLayout, TheCounterIsReadAtItsPlaceInTheLayout)
{
    const struct {
        const char* mask;
        const char* name;
        QVariant counter;
        const char* tooLarge;
    } cases[] = {
        {"Prefix_Date_AutoNumber", "KL-101103-0042", 42, ""},
        {"Prefix_Date_AutoNumber", "KL-101103", QVariant(), ""},
        {"Prefix_Date_AutoNumber", "KL-101103-0042-7", 42, ""},
        {"Prefix_Date_AutoNumber", "KL-101103- 42 ", 42, ""},
        {"Prefix_Date_AutoNumber", "KL-101103-4,2", QVariant(), ""},
        {"Prefix_Date_AutoNumber", "KL-101103--42", QVariant(), ""},
        {"Prefix_Date_AutoNumber", "KL-101103-+42", QVariant(), ""},
        {"Prefix_Date_AutoNumber", "KL-101103-0", 0, ""},
        {"Prefix_Date_AutoNumber", "KL-101103-2147483647", 2147483647, ""},
        {"Prefix_Date_AutoNumber", "KL-101103-002147483648", QVariant(), "2147483648"},
        {"Prefix_Date_AutoNumber", "KL-101103-99999999999999999999999", QVariant(), "99999999999999999999999"},
        {"AutoNumber", "0015", 15, ""},
        {"AutoNumber_AutoNumber", "3-4", 3, ""},
        {"Prefix_Date", "KL-101103", QVariant(), ""},
        {"Prefix_UserPrefix_AutoNumber", "KL--0015", 15, ""},
    };
    for (const auto& c : cases) {
        const numbering::CounterReading reading = numbering::counterIn(parts(c.mask), QString::fromLatin1(c.name));
        EXPECT_EQ(reading.value, c.counter) << c.mask << " " << c.name;
        EXPECT_EQ(reading.value.isNull(), c.counter.isNull()) << c.mask << " " << c.name;
        EXPECT_EQ(reading.tooLarge, QString::fromLatin1(c.tooLarge)) << c.mask << " " << c.name;
    }
}

} // namespace
