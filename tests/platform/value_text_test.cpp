// Values as text. Numbers: decimal comma, ASCII "-", no digit grouping; n
// decimals rounded half away from zero on the number as written; the shortest
// form; the strict and the lenient readers. Dates: the user's short date form
// (yyyy.MM.dd by default), short time HH:mm; readers for the short form and
// ISO; "no date" and "open end" markers.

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace vx::numbers;
using namespace vx::dates;

TEST(NumberText, FixedWritesExactlyTheGivenDecimalsRoundingHalvesAwayFromZero)
{
    const struct { double value; int decimals; const char* expected; } cases[] = {
        {1234567.891, 2, "1234567,89"}, {12.5, 2, "12,50"}, {-3.0, 1, "-3,0"}, {1.005, 2, "1,01"},
        {2.675, 2, "2,68"}, {-1.005, 2, "-1,01"}, {0.125, 2, "0,13"}, {-0.005, 2, "-0,01"},
        {0.0009, 3, "0,001"}, {0.0004, 2, "0,00"}, {-0.001, 2, "0,00"}, {-0.0, 2, "0,00"},
        {9.999, 2, "10,00"}, {99.95, 1, "100,0"}, {0.0, 3, "0,000"}, {2.5, 0, "3"},
        {-2.5, 0, "-3"}, {0.5, 0, "1"}, {0.4, 0, "0"}, {1234.0, 0, "1234"},
        {1e20, 2, "100000000000000000000,00"}, {-98765432109.5, 0, "-98765432110"}, {0.1 + 0.2, 2, "0,30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals);
        EXPECT_EQ(fixed(c.value, c.decimals).toStdString(), c.expected);
    }
}

TEST(NumberText, PlainIsTheShortestFormWithFifteenSignificantDigitsAndNoExponent)
{
    const struct { double value; const char* expected; } cases[] = {
        {0.1 + 0.2, "0,3"}, {0.1 + 0.7, "0,8"}, {100.0, "100"}, {0.0, "0"}, {-0.0, "0"}, {-2.5, "-2,5"},
        {1e20, "100000000000000000000"}, {1e-7, "0,0000001"}, {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"}, {1234567.891, "1234567,891"}, {123456789012345.67, "123456789012346"},
        {-7.0, "-7"}, {999999999999999.0, "999999999999999"}, {1e15, "1000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(plain(c.value).toStdString(), c.expected);
    }
}

TEST(NumberText, ReadLocaleAcceptsOnlyAWholeNumber)
{
    const struct { const char* text; std::optional<double> expected; } cases[] = {
        {"12,5", 12.5}, {"12.5", 12.5}, {"-3", -3.0}, {" 4 ", 4.0}, {",5", 0.5}, {"-0,25", -0.25},
        {"007", 7.0}, {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt},
        {"1 000", std::nullopt}, {"1\u00a0000", std::nullopt}, {"1,2,3", std::nullopt},
        {"1.000,5", std::nullopt}, {"12a", std::nullopt}, {"--1", std::nullopt},
        {"\u22121", std::nullopt} /* typographic minus */, {"1e3", std::nullopt}, {"-", std::nullopt},
        {",", std::nullopt},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readLocale(text), c.expected);
        EXPECT_EQ(isNumeric(text), c.expected.has_value());
    }
}

TEST(NumberText, ReadPrefixTakesTheLongestNumericStart)
{
    const struct { const char* text; double expected; } cases[] = {
        {"12.5x", 12.5}, {"12,5x", 12.5}, {"", 0.0}, {"abc", 0.0}, {"-7km", -7.0}, {"  3", 3.0},
        {"1e3", 1000.0}, {"1e", 1.0}, {"2,5e-1m", 0.25}, {"1.2.3", 1.2}, {",5", 0.5}, {"-", 0.0},
        {"- 5", 0.0}, {"x12", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(readPrefix(QString::fromUtf8(c.text)), c.expected);
    }
}

const QDate nov3(2026, 11, 3);

std::string text(const QString& s)
{
    return s.toStdString();
}

TEST(DateText, DatesAndMomentsAreWrittenInTheShortForm)
{
    EXPECT_EQ(text(toText(nov3)), "2026.11.03");
    EXPECT_TRUE(toText(QDate()).isEmpty());

    const QDateTime midnight(nov3, QTime(0, 0));
    EXPECT_EQ(text(toText(midnight)), "2026.11.03 00:00");
    EXPECT_EQ(text(toText(midnight, true)), "2026.11.03");
    EXPECT_EQ(text(toText(QDateTime(nov3, QTime(14, 5, 59)), true)), "2026.11.03 14:05");
    EXPECT_EQ(text(toText(QDateTime(nov3, QTime(0, 0, 30)), true)), "2026.11.03 00:00")
        << "only an exact midnight is left out";
    EXPECT_TRUE(toText(QDateTime()).isEmpty());
}

TEST(DateText, ReadDateAcceptsTheShortFormAndIsoWithOrWithoutTime)
{
    // An invalid expected value: rejected.
    const struct { const char* text; QDate expected; } cases[] = {
        {"2026.11.03", nov3}, {"2026-11-03", nov3}, {" 2026.11.03 ", nov3}, {"2026.11.03 14:05", nov3},
        {"2026-11-03T14:05:30", nov3}, {"2024.02.29", QDate(2024, 2, 29)}, {"2026.13.01", QDate()},
        {"2026.02.29", QDate()}, {"2026.11.32", QDate()}, {"03/11/2026", QDate()}, {"03.11.2026", QDate()},
        {"", QDate()}, {"abc", QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readDate(QString::fromUtf8(c.text)).value_or(QDate()), c.expected);
    }
}

TEST(DateText, ReadDateTimeTakesShortLongAndIsoTimes)
{
    // An invalid expected value: rejected.
    const struct { const char* text; QDateTime expected; } cases[] = {
        {"2026.11.03 14:05", QDateTime(nov3, QTime(14, 5))}, {"2026.11.03 14:05:30", QDateTime(nov3, QTime(14, 5, 30))},
        {"2026-11-03T14:05:30", QDateTime(nov3, QTime(14, 5, 30))}, {"2026-11-03 07:00", QDateTime(nov3, QTime(7, 0))},
        {"2026.11.03", QDateTime(nov3, QTime(0, 0))}, {"2026.11.03 25:00", {}}, {"2026.11.03 14:60", {}},
        {"2026.11.03 abc", {}}, {"2026.13.03 14:05", {}}, {"14:05", {}}, {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readDateTime(QString::fromUtf8(c.text)).value_or(QDateTime()), c.expected);
    }
}

TEST(DateText, NoDateAndOpenEndMarkers)
{
    EXPECT_EQ(noDate(), QDate(1900, 1, 1));
    EXPECT_TRUE(isNoDate(QDate(1900, 1, 1)));
    EXPECT_FALSE(isNoDate(QDate(1900, 1, 2)));
    EXPECT_FALSE(isNoDate(QDate()));

    for (const QDate& open : {QDate(2999, 12, 31), QDate(9999, 12, 31)})
        EXPECT_TRUE(isOpenEnd(open)) << text(open.toString(Qt::ISODate));
    for (const QDate& closed : {QDate(2999, 12, 30), QDate(3000, 1, 1), QDate(9999, 12, 30), QDate(2026, 12, 31), QDate()})
        EXPECT_FALSE(isOpenEnd(closed)) << text(closed.toString(Qt::ISODate));
    EXPECT_TRUE(isOpenEnd(openEnd()));
}

// Puts the default short date form back even when an assertion fails.
struct ShortDateFormatGuard {
    ~ShortDateFormatGuard() { setShortDateFormat(QStringLiteral("yyyy.MM.dd")); }
};

TEST(DateText, ChangedShortDateFormIsUsedForWritingAndReading)
{
    ShortDateFormatGuard guard;
    setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(text(toText(nov3)), "03.11.2026");
    EXPECT_EQ(text(toText(QDateTime(nov3, QTime(8, 15)))), "03.11.2026 08:15");
    EXPECT_EQ(readDate(QStringLiteral("03.11.2026")), nov3);
    EXPECT_EQ(readDateTime(QStringLiteral("03.11.2026 08:15")), QDateTime(nov3, QTime(8, 15)));
    EXPECT_EQ(readDate(QStringLiteral("2026-11-03")), nov3) << "ISO is always read";
    setShortDateFormat(QStringLiteral("MM.dd.yyyy")); // the same text read again is read in the new form
    EXPECT_EQ(readDateTime(QStringLiteral("03.11.2026 08:15")), QDateTime(QDate(2026, 3, 11), QTime(8, 15)));
}

} // namespace
