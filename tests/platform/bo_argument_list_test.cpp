// Parameter texts of named calls: items, quotes, escapes, empty items, and the
// typed check each call makes.

#include "platform/bo/argument_list.h"

#include <gtest/gtest.h>

namespace {

using Kind = bo::Argument::Kind;

struct SplitCase {
    const char* text;
    std::vector<std::pair<Kind, const char*>> items;
};

class BoArgumentSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(BoArgumentSplit, ItemsComeOutInOrderWithTheirKind)
{
    const SplitCase& c = GetParam();
    const bo::ArgumentList list = bo::parseArguments(QString::fromUtf8(c.text));
    ASSERT_TRUE(list.ok()) << list.error.toStdString();
    ASSERT_EQ(list.items.size(), c.items.size());
    for (size_t i = 0; i < c.items.size(); ++i) {
        EXPECT_EQ(list.items.at(i).kind, c.items[i].first) << "item " << i;
        EXPECT_EQ(list.items.at(i).text, QString::fromUtf8(c.items[i].second)) << "item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BoArgumentSplit,
    ::testing::Values(
        SplitCase{"", {}},
        SplitCase{"   ", {}},
        SplitCase{"'O4000400123','2999.12.31',''",
                  {{Kind::Quoted, "O4000400123"}, {Kind::Quoted, "2999.12.31"}, {Kind::Quoted, ""}}},
        SplitCase{"12,2,1,2", {{Kind::Bare, "12"}, {Kind::Bare, "2"}, {Kind::Bare, "1"}, {Kind::Bare, "2"}}},
        SplitCase{"O4000400123", {{Kind::Bare, "O4000400123"}}},
        SplitCase{"'O4000600', ''", {{Kind::Quoted, "O4000600"}, {Kind::Quoted, ""}}},
        SplitCase{"'O''Brien'", {{Kind::Quoted, "O'Brien"}}},
        SplitCase{"''''", {{Kind::Quoted, "'"}}},
        SplitCase{"'a,b', 'c'", {{Kind::Quoted, "a,b"}, {Kind::Quoted, "c"}}},
        SplitCase{"1,,3", {{Kind::Bare, "1"}, {Kind::Empty, ""}, {Kind::Bare, "3"}}},
        SplitCase{"'a',", {{Kind::Quoted, "a"}, {Kind::Empty, ""}}},
        SplitCase{",", {{Kind::Empty, ""}, {Kind::Empty, ""}}},
        SplitCase{"'; DROP TABLE x; --'", {{Kind::Quoted, "; DROP TABLE x; --"}}},
        SplitCase{"'Šiauliai – Kaunas'", {{Kind::Quoted, "Šiauliai – Kaunas"}}}));

TEST(BoArgumentSplitErrors, MalformedTextsAreRefusedWithTheItemNamed)
{
    for (const char* text : {"'open", "'a'b", "'a' 'b'", "ab'c", "1,'x", "'it''s"}) {
        SCOPED_TRACE(text);
        const bo::ArgumentList list = bo::parseArguments(QString::fromUtf8(text));
        EXPECT_FALSE(list.ok());
        EXPECT_TRUE(list.error.contains(QLatin1Char('1')) || list.error.contains(QLatin1Char('2')));
    }
}

TEST(BoArgumentCheck, TypedValuesForAWellFormedList)
{
    const QList<bo::ArgumentSpec> specs = {{QStringLiteral("sheet"), bo::ArgumentType::ObjectId},
                                           {QStringLiteral("date"), bo::ArgumentType::Date},
                                           {QStringLiteral("count"), bo::ArgumentType::Whole},
                                           {QStringLiteral("rate"), bo::ArgumentType::Number},
                                           {QStringLiteral("flag"), bo::ArgumentType::Flag, true}};
    const bo::TypedArguments args =
        bo::checkArguments(QStringLiteral("GetX"), QStringLiteral("'O4000100123','2026.11.03',7,'3,5'"), specs);
    ASSERT_TRUE(args.ok()) << args.error.toStdString();
    EXPECT_EQ(args.text(0), QStringLiteral("O4000100123"));
    EXPECT_EQ(args.date(1), QDate(2026, 11, 3));
    EXPECT_EQ(args.whole(2), 7);
    EXPECT_DOUBLE_EQ(args.number(3), 3.5);
    EXPECT_TRUE(args.values.at(4).isNull()) << "a missing optional item is null";

    const bo::TypedArguments empties =
        bo::checkArguments(QStringLiteral("GetX"), QStringLiteral("'','','',''"), specs);
    ASSERT_TRUE(empties.ok()) << empties.error.toStdString();
    EXPECT_TRUE(empties.date(1).isNull());
    EXPECT_EQ(empties.whole(2), 0);
}

TEST(BoArgumentCheck, WrongCountsAndTypesNameTheCallAndTheItem)
{
    const QList<bo::ArgumentSpec> specs = {{QStringLiteral("sheet"), bo::ArgumentType::ObjectId},
                                           {QStringLiteral("date"), bo::ArgumentType::Date}};
    struct Case {
        const char* text;
        const char* mentions;
    };
    for (const Case& c : {Case{"'O4000100123'", "2"}, Case{"'O4000100123','2026.11.03','x'", "2"},
                          Case{"'O4000100123','2026.13.45'", "2026.13.45"}, Case{"'X1','2026.11.03'", "X1"},
                          Case{"'O4000100123','2026.11.03' OR 1=1", "GetTrip"}, Case{"'unclosed", "GetTrip"}}) {
        SCOPED_TRACE(c.text);
        const bo::TypedArguments args = bo::checkArguments(QStringLiteral("GetTrip"), QString::fromUtf8(c.text), specs);
        EXPECT_FALSE(args.ok());
        EXPECT_TRUE(args.error.contains(QStringLiteral("GetTrip"))) << args.error.toStdString();
        EXPECT_TRUE(args.error.contains(QString::fromUtf8(c.mentions))) << args.error.toStdString();
    }
}

} // namespace
