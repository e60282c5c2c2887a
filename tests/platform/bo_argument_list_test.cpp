// The typed check each named call makes of its parameter text: counts, types,
// empty and missing items.

#include "platform/bo/argument_list.h"

#include <gtest/gtest.h>

namespace {

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
    struct Case {
        const char* text;
        const char* mentions;
    };
    for (const Case& c : {Case{"'O4000100123'", "2"}, Case{"'O4000100123','2026.11.03','x'", "2"},
                          Case{"'O4000100123','2026.13.45'", "2026.13.45"}, Case{"'X1','2026.11.03'", "X1"},
                          Case{"'O4000100123','2026.11.03' OR 1=1", "GetTrip"}, Case{"'unclosed", "GetTrip"}}) {
        SCOPED_TRACE(c.text);
        const bo::TypedArguments args = bo::checkArguments(QStringLiteral("GetTrip"), QString::fromUtf8(c.text), expected);
        EXPECT_FALSE(args.ok());
        EXPECT_TRUE(args.error.contains(QStringLiteral("GetTrip"))) << args.error.toStdString();
        EXPECT_TRUE(args.error.contains(QString::fromUtf8(c.mentions))) << args.error.toStdString();
    }
}

} // namespace
