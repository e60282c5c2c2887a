// The main text of a template: placeholders the editor split over runs are
// still found, every occurrence is replaced, values keep their special
// characters, and tables are put in at their placeholder with the layout the
// printed tables have.

#include "documents/document_body.h"

#include <QDomDocument>
#include <QFont>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                        "xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\"><w:body>";
const QByteArray tail = "</w:body></w:document>";

documents::DocumentBody body(const QByteArray& paragraphs)
{
    documents::DocumentBody b;
    documents::DocumentError error;
    EXPECT_TRUE(b.load(head + paragraphs + tail, &error)) << error.text.toStdString();
    return b;
}

// Written out and read back, as the next program to open it would.
QString reread(const documents::DocumentBody& b)
{
    documents::DocumentBody again;
    documents::DocumentError error;
    EXPECT_TRUE(again.load(b.save(), &error)) << error.text.toStdString();
    return again.plainText();
}

TEST(DocumentBody, ReplacesPlaceholdersSplitOverRunsEverywhere)
{
    // The editor split "{Numeris}" over two runs with different formatting; a
    // run of a single space sits between the two occurrences.
    documents::DocumentBody b = body("<w:p><w:r><w:t>Nr. {Num</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>eris}</w:t></w:r>"
                                     "<w:r><w:t xml:space=\"preserve\"> </w:t></w:r><w:r><w:t>ir {Numeris}.</w:t></w:r></w:p>"
                                     "<w:p><w:r><w:t>{Data</w:t></w:r><w:r><w:t>}</w:t></w:r></w:p>");
    EXPECT_EQ(b.replaceAll(QStringLiteral("{Numeris}"), QStringLiteral("KL-7")), 2);
    EXPECT_EQ(b.replaceAll(QStringLiteral("{Data}"), QStringLiteral("2026.11.03")), 1);
    EXPECT_EQ(b.replaceAll(QStringLiteral("{Kodas}"), QStringLiteral("x")), 0);
    EXPECT_EQ(reread(b), QStringLiteral("Nr. KL-7 ir KL-7.\n2026.11.03"));
    // The value took the formatting of the run the placeholder began in.
    EXPECT_TRUE(b.save().contains("<w:r><w:t xml:space=\"preserve\">Nr. KL-7</w:t></w:r>"));
    // Declarations the parser does not use stay as they were.
    EXPECT_TRUE(b.save().contains("xmlns:w14="));
}

TEST(DocumentBody, ValuesKeepSpecialCharactersAndNeverLoop)
{
    documents::DocumentBody b = body("<w:p><w:r><w:t>{Kodas} / {Vairuotojas}</w:t></w:r></w:p>");
    b.replaceAll(QStringLiteral("{Kodas}"), QStringLiteral("A&B <7> \"x\""));
    // A value holding its own placeholder is put in once, not searched again.
    EXPECT_EQ(b.replaceAll(QStringLiteral("{Vairuotojas}"), QStringLiteral("Žukauskienė {Vairuotojas}")), 1);
    EXPECT_EQ(reread(b), QStringLiteral("A&B <7> \"x\" / Žukauskienė {Vairuotojas}"));
    EXPECT_TRUE(b.save().contains("A&amp;B &lt;7>"));
}

QList<QDomElement> children(const QDomElement& parent, const QString& tag)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        list << e;
    return list;
}

// The `w:val` (or other) attribute of the first `tag` inside `e`; empty when there is none.
QString first(const QDomElement& e, const char* tag, const char* attribute = "w:val")
{
    return e.elementsByTagName(QString::fromLatin1(tag)).at(0).toElement().attribute(QString::fromLatin1(attribute));
}

bool has(const QDomElement& e, const char* tag)
{
    return !e.elementsByTagName(QString::fromLatin1(tag)).isEmpty();
}

// A written table: the grid widths, then a line per row, its cells as
// "text|bold|alignment|size|span|vertical alignment|font|bordered".
QStringList tableOf(const QDomElement& tbl)
{
    QStringList grid;
    for (const QDomElement& col : children(tbl.firstChildElement(QStringLiteral("w:tblGrid")), QStringLiteral("w:gridCol")))
        grid << col.attribute(QStringLiteral("w:w"));
    QStringList lines{grid.join(u' ')};
    for (const QDomElement& row : children(tbl, QStringLiteral("w:tr"))) {
        QStringList cells;
        for (const QDomElement& tc : children(row, QStringLiteral("w:tc")))
            cells << QStringList{tc.text(), has(tc, "w:b") ? QStringLiteral("b") : QString(), first(tc, "w:jc"), first(tc, "w:sz"),
                                 first(tc, "w:gridSpan"), first(tc, "w:vAlign"), first(tc, "w:rFonts", "w:ascii"),
                                 has(tc, "w:tcBorders") ? QStringLiteral("borders") : QString()}
                         .join(u'|');
        lines << cells.join(QStringLiteral(" ; "));
    }
    return lines;
}

TEST(DocumentBody, TableGoesInAtItsPlaceholderWithTheColumnsLayout)
{
    documents::DocumentBody b = body("<w:p><w:r><w:t>{Atkarposx}</w:t></w:r></w:p>"
                                     "<w:p><w:r><w:t>{ATKAR</w:t></w:r><w:r><w:t>POS}</w:t></w:r></w:p>"
                                     "<w:p><w:r><w:t>Pabaiga</w:t></w:r></w:p>");
    documents::WordTable table;
    table.columns = {{1.9 * 28.35, 0}, {3.7 * 28.35, 0}, {1.3 * 28.35, 1}};
    table.header = {QStringLiteral("Data"), QStringLiteral("Atkarpa"), QStringLiteral("Atstumas")};
    table.rows = {{QStringLiteral("2026.11.03 08:30"), QStringLiteral("Vilnius – Šiauliai"), QStringLiteral("100")},
                  {QString(), QStringLiteral("Tarpinė suma"), QStringLiteral("100")},
                  {QString(), QString(), QStringLiteral("7")},
                  {QStringLiteral("Viso:"), QString(), QStringLiteral("100")}};
    ASSERT_TRUE(b.insertTable(QStringLiteral("{Atkarpos}"), table));
    EXPECT_FALSE(b.insertTable(QStringLiteral("{Čekiai}"), table));

    // A placeholder glued to a word is not the table's; the found one is gone.
    EXPECT_EQ(reread(b).split(QLatin1Char('\n')).first(), QStringLiteral("{Atkarposx}"));
    EXPECT_FALSE(reread(b).contains(QStringLiteral("ATKAR")));

    QDomDocument written;
    written.setContent(b.save());
    const QDomElement tbl = written.elementsByTagName(QStringLiteral("w:tbl")).at(0).toElement();
    ASSERT_FALSE(tbl.isNull());
    // The table stands where the placeholder's paragraph began, that paragraph after it.
    EXPECT_EQ(tbl.previousSiblingElement().text(), QStringLiteral("{Atkarposx}"));
    EXPECT_EQ(tbl.nextSiblingElement().tagName(), QStringLiteral("w:p"));
    // The header bordered, centred both ways, Arial 9 points; in data rows
    // only the number column centred; a first cell empty and the second with
    // text become one, bold, 10 points; the first two empty: bold with the
    // totals line; the "Viso:" row is not bold.
    EXPECT_EQ(tableOf(tbl).join(u'\n'),
              QStringLiteral("1077 2098 737\n"
                             "Data||center|18||center|Arial|borders ; Atkarpa||center|18||center|Arial|borders ; "
                             "Atstumas||center|18||center|Arial|borders\n"
                             "2026.11.03 08:30|||18|||Arial| ; Vilnius – Šiauliai|||18|||Arial| ; 100||center|18|||Arial|\n"
                             "Tarpinė suma|b|center|20|2||Arial| ; 100|b|center|20|||Arial|\n"
                             "|b||18|||Arial|borders ; |b||18|||Arial|borders ; 7|b|center|18|||Arial|borders\n"
                             "Viso:|||18|||Arial| ; |||18|||Arial| ; 100||center|18|||Arial|"));
}

// A number too wide for its cell at 9 points is set smaller so that it fits
// the cell less its margins, and is kept from wrapping.
TEST(DocumentBody, NumbersTooWideForTheirCellAreSetSmallerNotWrapped)
{
    documents::DocumentBody b = body("<w:p><w:r><w:t>{Čekiai}</w:t></w:r></w:p>");
    const double widthPt = 1.0 * 28.35; // the cheques' amount column
    documents::WordTable table;
    table.columns = {{widthPt, 1}};
    table.header = {QStringLiteral("Kiekis")};
    // Demo amounts and sums, the longest ones in the narrowest number column.
    table.rows = {{QStringLiteral("389,7")}, {QStringLiteral("612,45")}, {QStringLiteral("-1234,56")}};
    ASSERT_TRUE(b.insertTable(QStringLiteral("{Čekiai}"), table));
    QDomDocument written;
    written.setContent(b.save());
    const QList<QDomElement> rows = children(written.elementsByTagName(QStringLiteral("w:tbl")).at(0).toElement(),
                                             QStringLiteral("w:tr"));
    ASSERT_EQ(rows.size(), 4);
    for (int r = 1; r < rows.size(); ++r) {
        const QString text = rows.at(r).text();
        const double points = first(rows.at(r), "w:sz").toDouble() / 2;
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(1000);
        const double widthAtSize = QFontMetricsF(arial).horizontalAdvance(text) / 1000 * points;
        EXPECT_LE(widthAtSize, widthPt - 2) << text.toStdString() << " at " << points << " pt";
        EXPECT_GE(points, 5) << text.toStdString();
        EXPECT_TRUE(has(rows.at(r), "w:noWrap")) << text.toStdString();
    }
    EXPECT_LT(first(rows.at(3), "w:sz").toInt(), 18);
}

TEST(DocumentBody, BrokenTextIsRefusedWithAReason)
{
    documents::DocumentBody b;
    documents::DocumentError error;
    EXPECT_FALSE(b.load(head + "<w:p><w:r><w:t>{Data}</w:r></w:p>" + tail, &error));
    EXPECT_FALSE(error.text.isEmpty());
}

} // namespace
