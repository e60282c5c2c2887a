// The one number format: decimal comma, ASCII "-", no digit grouping; n decimals
// rounded half away from zero on the number as written; the shortest form; the
// strict and the lenient readers.

#include "platform/contract/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using namespace vx::numbers;

TEST(NumberText, FixedWritesExactlyTheGivenDecimalsRoundingHalvesAwayFromZero)
{
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
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
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.1 + 0.2, "0,3"}, {0.1 + 0.7, "0,8"}, {100.0, "100"}, {0.0, "0"}, {-0.0, "0"}, {-2.5, "-2,5"},
        {1e20, "100000000000000000000"}, {1e-7, "0,0000001"}, {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"}, {1234567.891, "1234567,891"}, {123456789012345.67, "123456789012346"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(plain(c.value).toStdString(), c.expected);
    }
}

TEST(NumberText, ReadLocaleAcceptsOnlyAWholeNumber)
{
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
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
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12.5x", 12.5}, {"12,5x", 12.5}, {"", 0.0}, {"abc", 0.0}, {"-7km", -7.0}, {"  3", 3.0},
        {"1e3", 1000.0}, {"1e", 1.0}, {"2,5e-1m", 0.25}, {"1.2.3", 1.2}, {",5", 0.5}, {"-", 0.0},
        {"- 5", 0.0}, {"x12", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(readPrefix(QString::fromUtf8(c.text)), c.expected);
    }
}

TEST(NumberText, FixedTextReadsBackAsTheRoundedValue)
{
    for (double v : {0.0, 1.0, -1.0, 0.0006, 1.0004, -1.0006, 2.6751, 123.4564, 123.4569, -0.0004, 98765.4321, 1e9 + 0.123}) {
        SCOPED_TRACE(testing::Message() << v);
        const auto back = readLocale(fixed(v, 3));
        ASSERT_TRUE(back.has_value()) << fixed(v, 3).toStdString();
        EXPECT_NEAR(*back, std::round(v * 1000.0) / 1000.0, 1e-9);
    }
}

} // namespace
