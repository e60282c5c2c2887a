// Dates as text: the user's short date form (yyyy.MM.dd by default), short time
// HH:mm; readers for the short form and ISO; "no date" and "open end" markers.

#include "platform/contract/date_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace vx::dates;

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
    const struct {
        const char* text;
        QDate expected; // invalid: rejected
    } cases[] = {
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
    const struct {
        const char* text;
        QDateTime expected; // invalid: rejected
    } cases[] = {
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
    EXPECT_EQ(text(shortDateFormat()), "dd.MM.yyyy");
    EXPECT_EQ(text(toText(nov3)), "03.11.2026");
    EXPECT_EQ(text(toText(QDateTime(nov3, QTime(8, 15)))), "03.11.2026 08:15");
    EXPECT_EQ(readDate(QStringLiteral("03.11.2026")), nov3);
    EXPECT_EQ(readDateTime(QStringLiteral("03.11.2026 08:15")), QDateTime(nov3, QTime(8, 15)));
    EXPECT_EQ(readDate(QStringLiteral("2026-11-03")), nov3) << "ISO is always read";
}

} // namespace
