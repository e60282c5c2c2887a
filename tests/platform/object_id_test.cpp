// Object ids: an eight-character type id ("O" and seven digits) followed by the
// record number.

#include "platform/contract/object_id.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace vx::oid;

QString id(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(ObjectId, TypeIdShapeIsTheLetterOAndSevenDigits)
{
    const struct {
        const char* text;
        bool isType;
    } cases[] = {
        {"O4000100", true}, {"O0000100", true}, {"O400010", false}, {"X4000100", false}, {"o4000100", false},
        {"O40001000", false}, {"O40001a0", false}, {"", false}, {"04000100", false}, {"O4000 00", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isTypeId(id(c.text)), c.isType) << c.text;
}

TEST(ObjectId, RecordNumberIsReadFromTheNinthCharacter)
{
    const struct {
        const char* text;
        bool hasRec;
        qint64 number;
    } cases[] = {
        {"O40001001", true, 1}, {"O4000100123", true, 123}, {"O4000100", false, 0}, {"O400010", false, 0},
        {"", false, 0}, {"O4000100abc", true, 0}, {"O400010012x", true, 12}, {"O4000100-5", true, 0},
        {"O4000100007", true, 7}, {"O4000100123456789012", true, 123456789012},
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
    const struct {
        const char *id, *type;
        bool is;
    } cases[] = {
        {"O4000100123", "O4000100", true}, {"O4000100", "O4000100", true}, {"O4000101123", "O4000100", false},
        {"O40001001", "O4000101", false},  {"O400010", "O4000100", false}, {"", "O4000100", false},
        {"O4000100123", "O40001", false}, // a part of a type id is no type
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOfType(id(c.id), id(c.type)), c.is) << c.id << " " << c.type;
}

} // namespace
