// Object ids: an eight-character type id ("O" and seven digits) followed by the
// record number.

#include "platform/contract/object_id.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QRegularExpression>

#include <limits>

namespace {

using namespace vx::oid;

QString id(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(ObjectId, TypeIdShapeIsTheLetterOAndSevenDigits)
{
    const struct { const char* text; bool isType; } cases[] = {
        {"O4000100", true}, {"O0000100", true}, {"O400010", false}, {"X4000100", false}, {"o4000100", false},
        {"O40001000", false}, {"O40001a0", false}, {"", false}, {"04000100", false}, {"O4000 00", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isTypeId(id(c.text)), c.isType) << c.text;
}

TEST(ObjectId, RecordNumberIsReadFromTheNinthCharacter)
{
    const struct { const char* text; bool hasRec; qint64 number; } cases[] = {
        {"O40001001", true, 1}, {"O4000100123", true, 123}, {"O4000100", false, 0}, {"O400010", false, 0},
        {"", false, 0}, {"O4000100abc", true, 0}, {"O400010012x", true, 0}, {"O4000100-5", true, 0},
        {"O4000100007", true, 7}, {"O4000100123456789012", true, 123456789012}, {"O40004002 OR 1=1", true, 0},
        {"O40004002junk", true, 0}, {" O40004002", true, 0}, {"O4000400-2", true, 0}, {"O4000400+2", true, 0},
        {"O40004002 ", true, 0}, {"X40004002", true, 0}, {"O4000400\xd9\xa3", true, 0}, // a non-ASCII digit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(hasRecord(id(c.text)), c.hasRec);
        EXPECT_EQ(recordNumber(id(c.text)), c.number);
    }
}

TEST(ObjectId, OverlongRecordNumberDoesNotWrapAround)
{
    for (const char* text : {"O400010099999999999999999999", "O400010018446744073709551617",
                             "O4000100123456789012345678901234567890"}) {
        const qint64 n = recordNumber(id(text));
        EXPECT_TRUE(n == 0 || n == std::numeric_limits<qint64>::max()) << text << " gave " << n;
    }
}

TEST(ObjectId, TypeIdIsTheFirstEightCharactersAndMakeJoinsTypeAndNumber)
{
    EXPECT_EQ(typeId(id("O4000100123")), id("O4000100"));
    EXPECT_EQ(typeId(id("O4000100")), id("O4000100"));
    EXPECT_EQ(typeId(id("O40001")), id("O40001"));
    EXPECT_EQ(make(u"O4000100", 123), id("O4000100123"));
    EXPECT_EQ(make(u"O4000400", 1), id("O40004001"));
    EXPECT_EQ(make(u"O4000100", 0), id("O4000100"));
    EXPECT_EQ(make(u"O4000100", -5), id("O4000100"));
    const QString made = make(u"O4000600", 4567);
    EXPECT_EQ(typeId(made), id("O4000600"));
    EXPECT_EQ(recordNumber(made), 4567);
}

TEST(ObjectId, IsOfTypeComparesTheTypePart)
{
    const struct { const char *id, *type; bool is; } cases[] = {
        {"O4000100123", "O4000100", true}, {"O4000100", "O4000100", true}, {"O4000101123", "O4000100", false},
        {"O40001001", "O4000101", false},  {"O400010", "O4000100", false}, {"", "O4000100", false},
        {"O4000100123", "O40001", false}, // a part of a type id is no type
        {"O40001001x", "O4000100", false}, {"O4000100 ", "O4000100", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOfType(id(c.id), id(c.type)), c.is) << c.id << " " << c.type;
}

// Thousands of texts near and far from ids, from a fixed seed: the parser never
// crashes and names a record exactly when the text is a type id followed by
// ASCII digits only, compared with an independent pattern.
TEST(ObjectId, RandomTextsNameARecordOnlyWhenWellFormed)
{
    const QString alphabet = QStringLiteral("O0123456789 -+x'=,;R\t\u0663\u00a0o");
    const QRegularExpression shape(QStringLiteral("^O[0-9]{7}([0-9]{1,18})$"));
    QRandomGenerator random(20261206);
    int named = 0;
    for (int i = 0; i < 20000; ++i) {
        QString text = make(u"O4000400", random.bounded(1, 100000));
        for (int edits = random.bounded(0, 4); edits > 0; --edits) {
            const qsizetype at = random.bounded(int(text.size()) + 1);
            const QChar c = alphabet.at(random.bounded(int(alphabet.size())));
            switch (random.bounded(3)) {
            case 0: text.insert(at, c); break;
            case 1: if (at < text.size()) text.remove(at, 1); break;
            default: if (at < text.size()) text[at] = c;
            }
        }
        const QRegularExpressionMatch match = shape.match(text);
        const qint64 expected = match.hasMatch() ? match.captured(1).toLongLong() : 0;
        SCOPED_TRACE(text.toStdString());
        ASSERT_EQ(recordNumber(text), expected);
        ASSERT_EQ(isOfType(text, typeId(text)), expected > 0 || isTypeId(text));
        named += expected > 0;
    }
    EXPECT_GT(named, 1000) << "the texts must also include well-formed ids";
}

} // namespace
