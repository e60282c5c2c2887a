// Record sets as command-line text: a header of field names, one tab-separated
// line per row, dates and numbers in the app's own forms, every row on one line.

#include "platform/bo/recordset_text.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

TEST(RecordsetText, ValuesAreWrittenInTheAppsDateAndNumberForms)
{
    const struct {
        QVariant value;
        const char* expected;
    } cases[] = {
        {QVariant(), ""},
        {QVariant(QDate(2026, 3, 5)), "2026.03.05"},
        {QVariant(QDateTime(QDate(2026, 3, 5), QTime(0, 0))), "2026.03.05"},
        {QVariant(QDateTime(QDate(2026, 3, 5), QTime(7, 45, 30))), "2026.03.05 07:45"},
        {QVariant(0.1 + 0.2), "0,3"},
        {QVariant(-1234567.5), "-1234567,5"},
        {QVariant(102.0), "102"},
        {QVariant(qint32(-42)), "-42"},
        {QVariant(true), "1"},
        {QVariant(QStringLiteral("Vilnius – Kaunas")), "Vilnius – Kaunas"},
        {QVariant(QStringLiteral("a\tb\r\nc\\d")), "a\\tb\\r\\nc\\\\d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toString().toStdString());
        EXPECT_EQ(bo::valueText(c.value), QString::fromUtf8(c.expected));
    }
}

TEST(RecordsetText, AHeaderLineThenOneLinePerRowWhereverTheCursorIs)
{
    auto rs = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                     {QStringLiteral("Date"), vx::FieldType::DateTime},
                                     {QStringLiteral("Distance"), vx::FieldType::Double},
                                     {QStringLiteral("Note"), vx::FieldType::Text}});
    EXPECT_EQ(bo::describeRecordset(*rs), QStringList{QStringLiteral("OIDR\tDate\tDistance\tNote")})
        << "an empty set still names its fields";
    rs->appendRow({QStringLiteral("O40002001"), QDateTime(QDate(2026, 11, 2), QTime(0, 0)), 212.5, QVariant()});
    rs->appendRow({QStringLiteral("O40002002"), QVariant(), 25, QStringLiteral("Per\npasienį")});
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_EQ(bo::describeRecordset(*rs), (QStringList{QStringLiteral("OIDR\tDate\tDistance\tNote"),
                                                       QStringLiteral("O40002001\t2026.11.02\t212,5\t"),
                                                       QStringLiteral("O40002002\t\t25\tPer\\npasienį")}));
}

} // namespace
