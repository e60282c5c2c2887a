// Record sets: typed columns found by name without regard to case, a cursor with
// BOF/EOF, values converted to the column type on write, a modified state per row,
// the "send modified rows only" marshalling, and the command-line text of a set
// (a header of field names, one tab-separated line per row, the app's own forms).

#include "platform/bo/recordset_text.h"
#include "platform/contract/recordset.h"
#include "tests/support/store_fixture.h"

#include <QDate>
#include <QDateTime>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using vx::FieldType;
using vx::Recordset;
using vx::RowState;

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

vx::RecordsetPtr trips()
{
    auto rs = Recordset::create(
        {{s("TransportCarID"), FieldType::Integer}, {s("Būsena"), FieldType::Text}, {s("Kelias"), FieldType::Double}});
    rs->appendRow({1, s("a"), 10.5});
    rs->appendRow({2, s("b"), 20.0});
    rs->appendRow({3, s("c"), 30.0});
    return rs;
}

TEST(RecordsetCursor, WalksForwardAndBackAndHasNoRecordPastEitherEndNorInAnEmptySet)
{
    auto empty = Recordset::create({{s("Id"), FieldType::Integer}});
    for (auto move : {&Recordset::MoveFirst, &Recordset::MoveLast, &Recordset::MoveNext, &Recordset::MovePrevious}) {
        ((*empty).*move)();
        EXPECT_TRUE(empty->RecordCount() == 0 && empty->isBOF() && empty->isEOF());
    }
    EXPECT_THROW(empty->value(u"Id"), vx::NoCurrentRecordError);
    EXPECT_THROW(empty->setValue(u"Id", 1), vx::NoCurrentRecordError);

    auto rs = trips();
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->value(u"TransportCarID").toInt(), 1) << "appending to an empty set puts the cursor on the first row";

    std::vector<int> forward;
    for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
        forward.push_back(rs->value(u"TransportCarID").toInt());
    EXPECT_EQ(forward, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(rs->isBOF());
    rs->MoveNext();
    EXPECT_TRUE(rs->isEOF());
    EXPECT_THROW(rs->value(u"TransportCarID"), vx::NoCurrentRecordError);
    EXPECT_THROW(rs->setValue(u"Kelias", 1.0), vx::NoCurrentRecordError);
    rs->MovePrevious();
    EXPECT_EQ(rs->value(u"TransportCarID").toInt(), 3) << "one step back from EOF is the last row";

    std::vector<int> backward;
    for (rs->MoveLast(); !rs->isBOF(); rs->MovePrevious())
        backward.push_back(rs->value(u"TransportCarID").toInt());
    EXPECT_EQ(backward, (std::vector<int>{3, 2, 1}));
    EXPECT_FALSE(rs->isEOF());
    EXPECT_THROW(rs->value(u"TransportCarID"), vx::NoCurrentRecordError);
    rs->MovePrevious();
    rs->MoveNext();
    EXPECT_EQ(rs->value(u"TransportCarID").toInt(), 1) << "moving back at BOF stays at BOF";
}

TEST(RecordsetFields, NamesMatchWithoutRegardToCaseAndUnknownNamesAreErrors)
{
    auto rs = trips();
    const std::pair<const char*, const char*> names[] = {{"transportcarid", "1"}, {"TRANSPORTCARID", "1"}, {"TransportCarId", "1"},
                                                         {"būsena", "a"}, {"BŪSENA", "a"}, {"bŪsEnA", "a"}};
    for (const auto& [name, value] : names)
        EXPECT_EQ(rs->value(s(name)).toString(), s(value)) << name;
    rs->setValue(s("BŪSENA"), s("z"));
    EXPECT_EQ(rs->value(s("Būsena")).toString(), s("z"));
    EXPECT_TRUE(rs->Fields().contains(s("KELIAS")));
    EXPECT_FALSE(rs->Fields().contains(s("Busena"))) << "u and ū are different letters";

    EXPECT_THROW(rs->value(u"CarID"), vx::UnknownFieldError);
    EXPECT_THROW(rs->setValue(u"CarID", 1), vx::UnknownFieldError);
    EXPECT_THROW(rs->Fields().value(s("CarID")), vx::UnknownFieldError);
    EXPECT_THROW(rs->Fields()[s("CarID")] = QVariant(1), vx::UnknownFieldError);
}

TEST(RecordsetFields, CurrentRowIsReadAndWrittenThroughEveryAccessor)
{
    auto rs = trips();
    rs->MoveNext();
    (*rs)[s("kelias")] = QVariant(s("7,5"));
    EXPECT_EQ(typedText(rs->value(u"Kelias")), typedText(7.5));

    vx::RecordFields fields = rs->Fields();
    fields.setValue(s("būsena"), s("x"));
    EXPECT_EQ(fields.value(s("Būsena")).toString(), s("x"));
    fields[s("Kelias")] = fields[s("TransportCarID")];
    EXPECT_EQ(typedText(rs->value(u"Kelias")), typedText(2.0)) << "the copied value takes the target column's type";
    EXPECT_EQ(QVariant((*rs)[s("TransportCarID")]).toInt(), 2);
    EXPECT_EQ(rs->valueAt(0, 2).toDouble(), 10.5) << "only the current row changes";

    EXPECT_THROW(vx::RecordFields().value(s("Kelias")), vx::NoCurrentRecordError) << "fields of no record set";
}

const QDate nov3(2026, 11, 3);
const QDateTime nov3At1405(nov3, QTime(14, 5));
const char* const typeNames[] = {"Integer", "SmallInt", "BigInt", "Double", "Currency",
                                 "Boolean", "Text", "Date", "DateTime", "Variant"};

// A one-column record set of the given type holding one unchanged row.
vx::RecordsetPtr oneValue(FieldType type)
{
    auto rs = Recordset::create({{s("Reikšmė"), type}});
    switch (type) {
    case FieldType::Boolean: rs->appendRow({true}); break;
    case FieldType::Text: rs->appendRow({s("ankstesnė")}); break;
    case FieldType::Date: rs->appendRow({QDate(2020, 1, 2)}); break;
    case FieldType::DateTime: rs->appendRow({QDateTime(QDate(2020, 1, 2), QTime(8, 0))}); break;
    default: rs->appendRow({7}); break;
    }
    return rs;
}

struct Conversion { FieldType type; QVariant input; QVariant expected; bool rejected; };
Conversion ok(FieldType type, QVariant in, QVariant out) { return {type, std::move(in), std::move(out), false}; }
Conversion bad(FieldType type, QVariant in) { return {type, std::move(in), QVariant(), true}; }

TEST(RecordsetConversion, WritingConvertsToTheColumnTypeOrNullOrLeavesThePreviousValue)
{
    using T = FieldType;
    std::vector<Conversion> cases = {
        ok(T::Integer, 12, 12), ok(T::Integer, 2.5, 2), ok(T::Integer, 3.5, 4), ok(T::Integer, -2.5, -2),
        ok(T::Integer, s("12"), 12), ok(T::Integer, s("12,5"), 12), bad(T::Integer, 3000000000.0),
        bad(T::Integer, qint64(3000000000LL)), bad(T::Integer, s("3000000000")), bad(T::Integer, s("abc")),
        bad(T::Integer, s("")), bad(T::Integer, nov3),
        ok(T::SmallInt, 32767, 32767), ok(T::SmallInt, -32768, -32768), bad(T::SmallInt, 32768),
        bad(T::SmallInt, -32769), bad(T::SmallInt, 40000), bad(T::SmallInt, s("40000")),
        ok(T::Double, s("12,5"), 12.5), ok(T::Double, s("12.5"), 12.5), ok(T::Double, s("-0,25"), -0.25),
        ok(T::Double, s(" 7 "), 7.0), ok(T::Double, 3, 3.0), bad(T::Double, s("1,2,3")), bad(T::Double, s("12a")),
        bad(T::Double, s("")), bad(T::Double, nov3),
        ok(T::Currency, 1.23456, 1.2346), ok(T::Currency, -1.23454, -1.2345), ok(T::Currency, s("12,34567"), 12.3457),
        // Currency rounds halves of the number as written away from zero.
        ok(T::Currency, s("1,23455"), 1.2346), ok(T::Currency, s("12,34565"), 12.3457),
        ok(T::Currency, -12.34565, -12.3457), ok(T::Currency, 0.00005, 0.0001),
        ok(T::Boolean, s("true"), true), ok(T::Boolean, s("False"), false), ok(T::Boolean, 0, false),
        ok(T::Boolean, 2, true), ok(T::Boolean, 0.0, false), bad(T::Boolean, s("abc")),
        ok(T::Text, 12.5, s("12,5")), ok(T::Text, 0.1 + 0.2, s("0,3")), ok(T::Text, 42, s("42")),
        ok(T::Text, nov3, s("2026.11.03")), ok(T::Text, nov3At1405, s("2026.11.03 14:05")),
        ok(T::Date, s("2026.11.03"), nov3), ok(T::Date, s("2026-11-03"), nov3), ok(T::Date, nov3At1405, nov3),
        bad(T::Date, s("03/11/2026")), bad(T::Date, s("abc")), bad(T::Date, s("2026.13.01")),
        bad(T::Date, QDate()), bad(T::Date, 5),
        ok(T::DateTime, s("2026.11.03 14:05"), nov3At1405), ok(T::DateTime, nov3, QDateTime(nov3, QTime(0, 0))),
        bad(T::DateTime, s("abc")),
        ok(T::Variant, nov3, nov3), ok(T::Variant, 12.5, 12.5), ok(T::Variant, s("abc"), s("abc")),
    };
    for (int type = 0; type <= int(T::Variant); ++type) // null goes into every column type as null
        cases.push_back(ok(T(type), {}, {}));
    for (const Conversion& c : cases) {
        SCOPED_TRACE(typedText(c.input) + " into " + typeNames[int(c.type)]);
        auto rs = oneValue(c.type);
        const std::string before = typedText(rs->value(u"reikšmė"));
        if (c.rejected) {
            EXPECT_THROW(rs->setValue(u"reikšmė", c.input), vx::ConversionError);
            EXPECT_EQ(typedText(rs->value(u"reikšmė")), before);
            EXPECT_EQ(rs->rowState(0), RowState::Unchanged);
        } else {
            EXPECT_NO_THROW(rs->setValue(u"reikšmė", c.input));
            EXPECT_EQ(typedText(rs->value(u"reikšmė")), typedText(c.expected));
        }
    }
}

TEST(RecordsetRows, RowStatesFollowAppendWriteAddNewAndAccept)
{
    auto rs = trips();
    EXPECT_THROW(rs->appendRow({s("ketvirtas"), s("d"), 1.0}), vx::ConversionError);
    EXPECT_EQ(rs->RecordCount(), 3) << "a row with an unconvertible value is not appended";
    rs->appendRow({4, s("d"), 1.0}, RowState::Added);
    EXPECT_EQ(rs->rowState(0), RowState::Unchanged);
    EXPECT_FALSE(rs->isRowModified(1));

    rs->MoveNext();
    rs->setValue(u"Kelias", 21.0);
    EXPECT_EQ(rs->rowState(1), RowState::Modified);
    rs->MoveLast();
    rs->setValue(u"Kelias", 2.0);
    EXPECT_EQ(rs->rowState(3), RowState::Added) << "writing into an added row keeps it added";

    rs->AddNew();
    EXPECT_EQ(std::tuple(rs->RecordCount(), rs->position(), rs->rowState(4), rs->value(u"TransportCarID").isValid()),
              std::tuple(5, 4, RowState::Added, false)) << "a new empty row, current and added";

    rs->acceptChanges();
    for (int row = 0; row < rs->RecordCount(); ++row)
        EXPECT_FALSE(rs->isRowModified(row)) << row;
}

TEST(RecordsetRows, AddedFieldIsNullInExistingRowsAndWritable)
{
    auto rs = trips();
    rs->addField({s("Data"), FieldType::Date});
    EXPECT_EQ(rowsText(rs, {"Data"}), (QStringList{s("NULL"), s("NULL"), s("NULL")}));
    rs->setValue(u"data", s("2026.11.03"));
    EXPECT_EQ(std::pair(rs->value(u"Data"), rs->value(u"TransportCarID")), std::pair(QVariant(nov3), QVariant(1)));
}

TEST(RecordsetMarshal, ModifiedRecordsOnlySendsAddedAndModifiedRowsInOrder)
{
    auto rs = trips();
    rs->appendRow({4, s("d"), 40.0});
    rs->MoveNext();
    rs->setValue(s("Būsena"), s("pakeista"));
    rs->AddNew();
    rs->setValue(u"TransportCarID", 5);

    EXPECT_EQ(rs->rowsToMarshal(), (QList<int>{0, 1, 2, 3, 4})) << "all rows by default";
    EXPECT_EQ(rs->marshal()->RecordCount(), 5);

    rs->setMarshalOptions(vx::MarshalOptions::ModifiedRecordsOnly);
    EXPECT_EQ(rs->rowsToMarshal(), (QList<int>{1, 4}));
    const auto sent = rs->marshal();
    ASSERT_EQ(sent->RecordCount(), 2);
    EXPECT_EQ(sent->marshalOptions(), vx::MarshalOptions::ModifiedRecordsOnly);
    EXPECT_EQ(rowsText(sent, {"TransportCarID", "Būsena", "Kelias"}), (QStringList{s("2|pakeista|20"), s("5|NULL|NULL")}));
    EXPECT_EQ(QList({sent->rowState(0), sent->rowState(1)}), QList({RowState::Modified, RowState::Added}));

    rs->acceptChanges();
    EXPECT_EQ(rs->marshal()->RecordCount(), 0) << "nothing is modified after accepting";
}

TEST(RecordsetClone, CloneIsIndependentOfTheOriginal)
{
    auto original = trips();
    original->MoveNext();
    original->setValue(u"Kelias", 22.0);
    auto copy = original->clone();
    EXPECT_EQ(std::pair(copy->position(), copy->rowState(1)), std::pair(1, RowState::Modified));

    copy->setValue(u"Kelias", 99.0);
    copy->Fields()[s("Būsena")] = QVariant(s("kopija"));
    copy->AddNew();
    copy->addField({s("Pastaba"), FieldType::Text});
    EXPECT_EQ(std::tuple(rowText(original, {"Kelias", "Būsena"}), original->RecordCount(), original->hasField(u"Pastaba")),
              std::tuple(s("22|b"), 3, false));

    original->setValue(u"TransportCarID", 77);
    EXPECT_EQ(copy->valueAt(1, 0).toInt(), 2);
}

// Rows numbered from 0 with the number as text, given in pages as asked.
class NumberedRows final : public vx::RowSource {
public:
    explicit NumberedRows(int count) : count_(count) {}
    QList<QVariantList> next(int count) override
    {
        QList<QVariantList> rows;
        for (; given_ < count_ && rows.size() < count; ++given_)
            rows << QVariantList{given_, QString::number(given_)};
        return rows;
    }
    int expectedCount() const override { return count_; }

private:
    int count_;
    int given_ = 0;
};

vx::RecordsetPtr numbered(int count)
{
    return Recordset::create({{s("N"), FieldType::Integer}, {s("Text"), FieldType::Integer}},
                             std::make_shared<NumberedRows>(count));
}

// A set with a row source reads only as far as it is asked, in pages, and
// whatever needs every row reads the rest first.
TEST(RecordsetRowSource, ReadsAsFarAsItIsAskedAndAllForWhatNeedsAllRows)
{
    const struct { const char* what; std::function<void(Recordset&)> ask; int read; } cases[] = {
        {"nothing", [](Recordset&) {}, 0},
        {"the first row", [](Recordset& rs) { rs.value(u"N"); }, 500},
        {"walking past the first page",
         [](Recordset& rs) {
             for (int i = 0; i < 500; ++i)
                 rs.MoveNext();
             EXPECT_FALSE(rs.isEOF());
         },
         1000},
        {"a row by index", [](Recordset& rs) { EXPECT_EQ(rs.valueAt(700, 0).toInt(), 700); }, 1000},
        {"the count", [](Recordset& rs) { EXPECT_EQ(rs.RecordCount(), 1234); }, 1234},
        {"the last row", [](Recordset& rs) { rs.MoveLast(); }, 1234},
        {"a copy", [](Recordset& rs) { EXPECT_EQ(rs.clone()->RecordCount(), 1234); }, 1234},
        {"a new row", [](Recordset& rs) { rs.AddNew(); EXPECT_EQ(rs.position(), 1234) << "after every row"; }, 1235},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto rs = numbered(1234);
        c.ask(*rs);
        EXPECT_EQ(rs->readCount(), c.read);
        EXPECT_EQ(rs->hasUnreadRows(), c.read < 1234);
    }
}

TEST(RecordsetRowSource, WalkingGivesEveryRowOnceConvertedAndTakingTheSourceKeepsTheRowsRead)
{
    auto rs = numbered(1234);
    int expected = 0;
    for (; !rs->isEOF(); rs->MoveNext(), ++expected)
        ASSERT_EQ(rs->value(u"Text"), QVariant(expected)) << "the text converted to the column's number";
    EXPECT_EQ(expected, 1234);
    EXPECT_TRUE(numbered(0)->isBOF() && numbered(0)->isEOF());

    auto partly = numbered(1234);
    partly->valueAt(10, 0);
    vx::RowSourcePtr rest = partly->takeRowSource();
    ASSERT_TRUE(rest);
    EXPECT_EQ(partly->RecordCount(), 500);
    EXPECT_EQ(rest->next(1).value(0).value(0).toInt(), 500) << "the source goes on after the rows read";
    EXPECT_FALSE(numbered(3)->clone()->takeRowSource()) << "a copy has all its rows";
}


// Every kind of value in the app's forms; the forms themselves are NumberText's and DateText's tests.
TEST(RecordsetText, AHeaderLineThenOneLinePerRowInTheAppsFormsWhereverTheCursorIs)
{
    auto rs = Recordset::create({{s("OIDR"), FieldType::Text}, {s("Date"), FieldType::DateTime}, {s("Day"), FieldType::Date},
                                 {s("Distance"), FieldType::Double}, {s("Count"), FieldType::Integer},
                                 {s("Flag"), FieldType::Boolean}, {s("Note"), FieldType::Text}});
    EXPECT_EQ(bo::describeRecordset(*rs), QStringList{s("OIDR\tDate\tDay\tDistance\tCount\tFlag\tNote")})
        << "an empty set still names its fields";
    rs->appendRow({s("O40002001"), QDateTime(QDate(2026, 11, 2), QTime(0, 0)), QDate(2026, 3, 5), 212.5, -42, true, QVariant()});
    rs->appendRow({s("Vilnius – Kaunas"), QDateTime(QDate(2026, 3, 5), QTime(7, 45, 30)), QVariant(), 0.1 + 0.2, QVariant(),
                   false, s("a\tb\r\nc\\d")});
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_EQ(bo::describeRecordset(*rs), (QStringList{s("OIDR\tDate\tDay\tDistance\tCount\tFlag\tNote"),
                                                       s("O40002001\t2026.11.02\t2026.03.05\t212,5\t-42\t1\t"),
                                                       s("Vilnius – Kaunas\t2026.03.05 07:45\t\t0,3\t\t0\ta\\tb\\r\\nc\\\\d")}));
}

} // namespace
