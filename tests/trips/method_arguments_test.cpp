// How the trip sheet editor's methods receive an array of values in their one
// Params text, and how callers write it.

#include "trips/method_arguments.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

TEST(MethodArguments, ItemsAreQuotedTextsBareNumbersOrEmpty)
{
    struct Case {
        QString params;
        QStringList items;
    };
    const QList<Case> cases = {
        {QStringLiteral("'O4000400123',4,'2026.11.03'"),
         {QStringLiteral("O4000400123"), QStringLiteral("4"), QStringLiteral("2026.11.03")}},
        {QStringLiteral(" 'O''Brien' , -12.5 "), {QStringLiteral("O'Brien"), QStringLiteral("-12.5")}},
        {QStringLiteral("'a,b',,''"), {QStringLiteral("a,b"), QString(), QString()}},
        {QStringLiteral("O4000400123"), {QStringLiteral("O4000400123")}},
        {QStringLiteral("1,"), {QStringLiteral("1"), QString()}},
        {QString(), {}},
    };
    for (const Case& c : cases) {
        const trips::MethodArguments args = trips::MethodArguments::parse(c.params);
        EXPECT_TRUE(args.ok()) << c.params.toStdString() << ": " << args.error.toStdString();
        EXPECT_EQ(args.items, c.items) << c.params.toStdString();
    }
}

TEST(MethodArguments, MalformedTextsAreRefusedWithAReason)
{
    for (const char* params : {"'O4000400123", "'a'b", "a'b", "'a' 'b'"}) {
        const trips::MethodArguments args = trips::MethodArguments::parse(QString::fromLatin1(params));
        EXPECT_FALSE(args.ok()) << params;
        EXPECT_FALSE(args.error.isEmpty()) << params;
    }
}

TEST(MethodArguments, WrittenValuesReadBackAsTheyWere)
{
    const QString settings = QStringLiteral("0,'Prefix_Date_AutoNumber','KL',3,1,'0000',0,0");
    const QString params = trips::argumentList(
        {QStringLiteral("O'Brien"), 4, QDate(2026, 11, 3), QVariant(), 0.1 + 0.2, settings, QString()});
    EXPECT_EQ(params, QStringLiteral("'O''Brien',4,'2026.11.03',,0.30000000000000004,"
                                     "'0,''Prefix_Date_AutoNumber'',''KL'',3,1,''0000'',0,0',''"));
    const trips::MethodArguments args = trips::MethodArguments::parse(params);
    ASSERT_TRUE(args.ok()) << args.error.toStdString();
    EXPECT_EQ(args.items, QStringList({QStringLiteral("O'Brien"), QStringLiteral("4"), QStringLiteral("2026.11.03"),
                                       QString(), QStringLiteral("0.30000000000000004"), settings, QString()}));
    EXPECT_EQ(args.text(4).toDouble(), 0.1 + 0.2) << "numbers travel exactly";
}

} // namespace
