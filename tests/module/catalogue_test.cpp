// The shared routines that need no host: conversions of field values, number
// texts, the key filter, text box and list routines.

#include "module/catalogue.h"
#include "platform/contract/recordset.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(CatalogueConversions, EmptyValuesGiveTheDefaults)
{
    auto rs = vx::Recordset::create({{QStringLiteral("Run"), vx::FieldType::Integer}});
    rs->AddNew();
    const QDate fallback(2026, 11, 16);
    const QList<QVariant> empties = {QVariant(), QVariant(QString()), QVariant(QStringLiteral("  ")),
                                     rs->value(u"Run")};
    for (const QVariant& value : empties) {
        SCOPED_TRACE(value.typeName() ? value.typeName() : "invalid");
        EXPECT_EQ(Catalogue::LongOrZero(value), 0);
        EXPECT_EQ(Catalogue::IntegerOrZero(value), 0);
        EXPECT_EQ(Catalogue::DoubleOrZero(value), 0.0);
        EXPECT_EQ(Catalogue::DateOrDefault(value, fallback), fallback);
    }
    for (const QVariant& value : {QVariant(), QVariant(QString()), rs->value(u"Run")})
        EXPECT_EQ(Catalogue::TextOrEmpty(value), QString());
    EXPECT_EQ(Catalogue::DateOrDefault(QVariant(QDate()), fallback), fallback);
}

TEST(CatalogueConversions, NumbersConvertAsAFieldWriteDoes)
{
    struct Case { QVariant value; double expected; };
    const Case wholes[] = {{42, 42}, {QStringLiteral("12"), 12}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {true, 1}};
    for (const Case& c : wholes) {
        SCOPED_TRACE(c.value.toString().toStdString());
        EXPECT_EQ(Catalogue::LongOrZero(c.value), qint32(c.expected));
        EXPECT_EQ(Catalogue::IntegerOrZero(c.value), qint16(c.expected));
    }
    const Case doubles[] = {{QStringLiteral("12,5"), 12.5}, {QStringLiteral("1.5"), 1.5}, {7, 7}, {-0.25, -0.25}};
    for (const Case& c : doubles)
        EXPECT_EQ(Catalogue::DoubleOrZero(c.value), c.expected) << c.value.toString().toStdString();

    EXPECT_EQ(Catalogue::LongOrZero(qint64(2147483647)), 2147483647);
    EXPECT_THROW(Catalogue::LongOrZero(qint64(3000000000)), vx::ConversionError);
    EXPECT_THROW(Catalogue::IntegerOrZero(40000), vx::ConversionError);
    for (const QVariant& notNumber : {QVariant(QStringLiteral("12a")), QVariant(QDate(2010, 11, 3))}) {
        EXPECT_THROW(Catalogue::LongOrZero(notNumber), vx::ConversionError);
        EXPECT_THROW(Catalogue::IntegerOrZero(notNumber), vx::ConversionError);
        EXPECT_THROW(Catalogue::DoubleOrZero(notNumber), vx::ConversionError);
    }
}

TEST(CatalogueConversions, TextsUseTheApplicationsNumberAndDateForms)
{
    const QList<std::pair<QVariant, QString>> cases = {
        {0.1 + 0.2, QStringLiteral("0,3")},
        {-1234567.5, QStringLiteral("-1234567,5")},
        {42, QStringLiteral("42")},
        {true, QStringLiteral("True")},
        {QDate(2010, 11, 3), QStringLiteral("2010.11.03")},
        {QDateTime(QDate(2010, 11, 3), QTime(14, 5, 30)), QStringLiteral("2010.11.03 14:05")},
        {QDateTime(QDate(2010, 11, 3), QTime(0, 0)), QStringLiteral("2010.11.03")},
        {text("Vilnius–Kaunas"), text("Vilnius–Kaunas")},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(Catalogue::TextOrEmpty(value), expected) << expected.toStdString();
}

TEST(CatalogueConversions, DatesComeFromDatesDateTimesAndText)
{
    const QDate day(2010, 11, 3);
    const QDate fallback(1900, 1, 1);
    for (const QVariant& value : {QVariant(day), QVariant(QDateTime(day, QTime(14, 5))),
                                  QVariant(QStringLiteral("2010.11.03")), QVariant(QStringLiteral("2010-11-03")),
                                  QVariant(QStringLiteral(" 2010.11.03 14:05 "))})
        EXPECT_EQ(Catalogue::DateOrDefault(value, fallback), day) << value.toString().toStdString();
    EXPECT_THROW(Catalogue::DateOrDefault(QStringLiteral("rytoj"), fallback), vx::ConversionError);
    EXPECT_THROW(Catalogue::DateOrDefault(12, fallback), vx::ConversionError);

    const QDateTime moment(day, QTime(14, 5));
    EXPECT_EQ(Catalogue::DateTimeOrDefault(QStringLiteral("2010.11.03 14:05"), {}), moment);
    EXPECT_EQ(Catalogue::DateTimeOrDefault(day, {}), QDateTime(day, QTime(0, 0)));
    EXPECT_EQ(Catalogue::DateTimeOrDefault(QVariant(), moment), moment);
}

// Which texts are numbers, and how a number is written, is NumberText's test.
TEST(CatalogueNumberTexts, ReadingGivesZeroForAnythingNotNumericAndFormattingFixesTheDecimals)
{
    EXPECT_EQ(Catalogue::TextToNumber(QStringLiteral("-12,5")), -12.5);
    for (const QString& notNumber : {QString(), QStringLiteral("12a"), QStringLiteral("1 000")})
        EXPECT_EQ(Catalogue::TextToNumber(notNumber), 0) << notNumber.toStdString();

    struct Case { const char* input; int decimals; bool zeroWhenEmpty; const char* expected; };
    const Case cases[] = {
        {"12,345", 2, false, "12,35"}, {"1234567", 2, false, "1234567,00"}, {"-12,5", 1, true, "-12,5"},
        {"abc", 2, true, "0,00"},      {"abc", 2, false, ""},               {"", 0, true, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Catalogue::FormatNumberText(text(c.input), c.decimals, c.zeroWhenEmpty), text(c.expected))
            << c.input << " / " << c.decimals;
}

TEST(CatalogueKeyFilter, LetsThroughDigitsBackspaceAndOneComma)
{
    struct Case { int key; const char* text; bool allowMinus; bool allowDecimal; int expected; };
    const Case cases[] = {
        {'0', "", false, false, '0'},  {'9', "12", false, false, '9'}, {8, "12", false, false, 8},
        {'.', "12", false, true, ','}, {',', "12", false, true, ','},  {'.', "1,2", false, true, 0},
        {',', "1,2", true, true, 0},   {'.', "12", true, false, 0},    {',', "", false, false, 0},
        {'-', "12", false, true, 0},   {'-', "12", true, false, '-'},  {'+', "", true, true, 0},
        {'/', "", true, true, 0},      {':', "", true, true, 0},       {'a', "", true, true, 0},
        {13, "", true, true, 0},       {0x0105, "", true, true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Catalogue::FilterNumberKey(c.key, text(c.text), c.allowMinus, c.allowDecimal), c.expected)
            << "key " << c.key << " on \"" << c.text << "\"";
}

TEST(CatalogueTextBoxes, SelectAllTextSelectsTheWholeText)
{
    QLineEdit box(text("12,5 ą"));
    box.setCursorPosition(2);
    Catalogue::SelectAllText(&box);
    EXPECT_TRUE(box.selectionStart() == 0 && box.selectedText() == text("12,5 ą"));

    box.deselect();
    Catalogue::SelectAllTextAlways(&box);
    EXPECT_EQ(box.selectedText(), text("12,5 ą"));
}

class CatalogueLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.setColumnCount(2);
        for (int i = 1; i <= 40; ++i) {
            auto* item = new QTreeWidgetItem(&list, {QStringLiteral("Atkarpa %1").arg(i), QString::number(i)});
            ListItem::setKey(item, QStringLiteral("O40002%1").arg(i, 5, 10, QLatin1Char('0')));
        }
        ListItem::setKey(list.topLevelItem(39), QStringLiteral("O4000200"));
    }

    QStringList selectedKeys() const
    {
        QStringList keys;
        for (const QTreeWidgetItem* item : list.selectedItems())
            keys << ListItem::keyOf(item);
        return keys;
    }

    QTreeWidget list;
};

TEST_F(CatalogueLists, HasSelectedItemNeedsASelectionAndSelectListItemIgnoresTypeIdsAndUnknownKeys)
{
    QTreeWidget empty;
    EXPECT_FALSE(Catalogue::HasSelectedItem(&empty));
    EXPECT_FALSE(Catalogue::HasSelectedItem(&list));
    list.topLevelItem(3)->setSelected(true);
    EXPECT_TRUE(Catalogue::HasSelectedItem(&list));
    list.clearSelection();
    list.setCurrentItem(list.topLevelItem(3), 0, QItemSelectionModel::NoUpdate);
    EXPECT_FALSE(Catalogue::HasSelectedItem(&list));

    list.topLevelItem(1)->setSelected(true);
    for (const QString& key : {QStringLiteral("O4000200"), QStringLiteral("O4000200999"), QString()}) {
        Catalogue::SelectListItem(&list, key);
        EXPECT_EQ(selectedKeys(), QStringList{QStringLiteral("O4000200002")}) << key.toStdString();
    }
}

TEST_F(CatalogueLists, SelectListItemSelectsAndShowsTheRowWithTheKey)
{
    list.setAutoScroll(false); // scrolling must not depend on the current item following the view
    list.resize(240, 120);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    list.topLevelItem(0)->setSelected(true);

    Catalogue::SelectListItem(&list, QStringLiteral("O4000200035"));
    EXPECT_EQ(selectedKeys(), QStringList{QStringLiteral("O4000200035")});
    EXPECT_EQ(list.currentItem(), list.topLevelItem(34));
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.topLevelItem(34))));
}

} // namespace
