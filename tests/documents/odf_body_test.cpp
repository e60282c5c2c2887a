// The main text of an OpenDocument template: placeholders the editor split
// over spans, spaces and elements are still found and replaced, the value
// keeps the formatting of where the placeholder began, and nothing else moves.

#include "documents/odf_body.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                        "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\"><office:body><office:text>";
const QByteArray tail = "</office:text></office:body></office:document-content>";

documents::OdfBody body(const QByteArray& paragraphs)
{
    documents::OdfBody b;
    documents::DocumentError error;
    EXPECT_TRUE(b.load(head + paragraphs + tail, &error)) << error.text.toStdString();
    return b;
}

TEST(OdfBody, ReplacesPlaceholdersWhereverTheEditorSplitThem)
{
    // How many were replaced, the text read back after writing and a piece of the written markup.
    struct Case {
        const char* name;
        QByteArray paragraphs;
        const char16_t *placeholder, *value;
        int count;
        const char16_t* text;
        QByteArray markup;
    };
    const Case cases[] = {
        {"split over spans, twice, value takes the first span's look",
         "<text:p>Nr. <text:span text:style-name=\"T1\">{Num</text:span>eris}<text:span> </text:span>ir {Numeris}.</text:p>",
         u"{Numeris}", u"KL-7", 2, u"Nr. KL-7 ir KL-7.", "<text:span text:style-name=\"T1\">KL-7</text:span>"},
        {"a space element and a heading", "<text:h>{Pabaigos<text:s/>data}</text:h>", u"{Pabaigos data}",
         u"2026.11.05", 1, u"2026.11.05", "<text:h>2026.11.05"},
        {"special characters, a value holding its placeholder is not searched again",
         "<text:p><text:span>{Vai</text:span><text:span>ruotojas}</text:span> / {Vairuotojas}</text:p>", u"{Vairuotojas}",
         u"A&B <7> {Vairuotojas}", 2, u"A&B <7> {Vairuotojas} / A&B <7> {Vairuotojas}", "A&amp;B &lt;7>"},
        {"text in a drawing is not the paragraph's",
         "<text:p>{Kodas}<draw:frame><draw:text-box><text:p>{Kodas}</text:p></draw:text-box></draw:frame></text:p>",
         u"{Kodas}", u"X", 2, u"X\nX", "<draw:text-box><text:p>X</text:p>"},
        {"missing placeholder", "<text:p>{Kod</text:p><text:p>as}</text:p>", u"{Kodas}", u"X", 0, u"{Kod\nas}", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        documents::OdfBody b = body(c.paragraphs);
        EXPECT_EQ(b.replaceAll(QString::fromUtf16(c.placeholder), QString::fromUtf16(c.value)), c.count);
        documents::OdfBody again;
        ASSERT_TRUE(again.load(b.save(), nullptr));
        EXPECT_EQ(again.plainText(), QString::fromUtf16(c.text));
        EXPECT_TRUE(b.save().contains(c.markup)) << b.save().toStdString();
    }
}

TEST(OdfBody, TableTakesThePlaceOfAWholeWordPlaceholderOnly)
{
    documents::OdfBody b = body("<text:p>{Atkarposx}</text:p><text:p>Lentelė: <text:span>{ATKAR</text:span>POS}</text:p>");
    documents::WordTable table;
    table.columns = {{50, 0}, {100, 2}};
    table.header = {QStringLiteral("Data"), QStringLiteral("Suma")};
    table.rows = {{QStringLiteral("2026.11.03"), QStringLiteral("1  2")}};
    EXPECT_FALSE(b.insertTable(QStringLiteral("{Čekiai}"), table));
    ASSERT_TRUE(b.insertTable(QStringLiteral("{Atkarpos}"), table));
    // Text before the placeholder stays above the table, an empty paragraph follows it.
    EXPECT_EQ(b.plainText(), QStringLiteral("{Atkarposx}\nLentelė: \nData\nSuma\n2026.11.03\n1  2\n"));
    EXPECT_TRUE(b.save().contains("table:name=\"Atkarpos\""));
    EXPECT_TRUE(b.save().contains("1<text:s text:c=\"2\"/>2")) << b.save().toStdString();
}

// A number too wide for its narrow column is set smaller than the table's 9 points.
TEST(OdfBody, ANumberTooWideForItsColumnIsSetSmaller)
{
    documents::OdfBody b = body("<text:p>{Čekiai}</text:p>");
    documents::WordTable table;
    table.columns = {{28.35, 1}};
    table.header = {QStringLiteral("Kiekis")};
    table.rows = {{QStringLiteral("389,7")}, {QStringLiteral("123456,789")}};
    ASSERT_TRUE(b.insertTable(QStringLiteral("{Čekiai}"), table));
    const QString saved = QString::fromUtf8(b.save());
    static const QRegularExpression smaller(QStringLiteral("fo:font-size=\"[5-8]pt\""));
    EXPECT_TRUE(saved.contains(smaller)) << saved.toStdString();
}

TEST(OdfBody, BrokenTextIsRefusedWithAReason)
{
    documents::OdfBody b;
    documents::DocumentError error;
    EXPECT_FALSE(b.load(head + "<text:p>{Data}</text:span>" + tail, &error));
    EXPECT_FALSE(error.text.isEmpty());
}

} // namespace
