#include "documents/document_body.h"

#include "documents/number_fit.h"
#include "documents/split_text.h"
#include "documents/table_rows.h"

#include <QRegularExpression>

#include <cmath>

namespace documents {
namespace {

const QString paragraphTag = QStringLiteral("w:p");
const QString textTag = QStringLiteral("w:t");
// A cell's margins (a point on each side) and a share of its borders.
constexpr double cellRoomLoss = 3;

// Runs whose text is only spaces keep them.
const QRegularExpression spaceOnlyRun(QStringLiteral("(<w:t(?:\\s[^>]*)?>)([ \\t]+)(</w:t>)"));

void writeText(TextPiece& piece, const QString& text)
{
    QDomElement t = piece.node.toElement();
    while (t.hasChildNodes())
        t.removeChild(t.firstChild());
    t.appendChild(t.ownerDocument().createTextNode(text));
    t.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
}

// The text elements of a paragraph in reading order, without those of
// paragraphs nested in it (text boxes).
SplitText textOf(const QDomElement& paragraph)
{
    QList<TextPiece> pieces;
    const QDomNodeList texts = paragraph.elementsByTagName(textTag);
    for (int i = 0; i < texts.size(); ++i) {
        const QDomElement t = texts.at(i).toElement();
        if (enclosing(t, {paragraphTag}) == paragraph)
            pieces.append({t, spacesBack(t.text())});
    }
    return SplitText(pieces, writeText);
}

QList<QDomElement> paragraphs(const QDomDocument& xml)
{
    return elementsNamed(xml, {paragraphTag});
}

// Builders of the table's markup.
class TableWriter {
public:
    TableWriter(QDomDocument& xml, const WordTable& table) : xml_(xml), table_(table) {}

    QDomElement build()
    {
        QDomElement tbl = element(u"w:tbl");
        QDomElement properties = child(tbl, u"w:tblPr");
        int total = 0;
        for (const WordColumn& c : table_.columns)
            total += twips(c.widthPt);
        QDomElement width = child(properties, u"w:tblW");
        width.setAttribute(QStringLiteral("w:w"), total);
        width.setAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        borders(child(properties, u"w:tblBorders"), {u"w:top", u"w:left", u"w:bottom", u"w:right", u"w:insideH", u"w:insideV"},
                QStringLiteral("single"), 4);
        child(properties, u"w:tblLayout").setAttribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
        QDomElement margins = child(properties, u"w:tblCellMar");
        for (const char16_t* side : {u"w:left", u"w:right"}) {
            QDomElement m = child(margins, side);
            m.setAttribute(QStringLiteral("w:w"), 20); // 1 point
            m.setAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        }
        QDomElement grid = child(tbl, u"w:tblGrid");
        for (const WordColumn& c : table_.columns)
            child(grid, u"w:gridCol").setAttribute(QStringLiteral("w:w"), twips(c.widthPt));

        addHeader(tbl);
        for (qsizetype r = 0; r < table_.rows.size(); ++r)
            addRow(tbl, r);
        return tbl;
    }

private:
    static int twips(double points) { return int(std::lround(points * 20.0)); }

    QDomElement element(QStringView tag) { return xml_.createElement(tag.toString()); }
    QDomElement child(QDomElement parent, QStringView tag)
    {
        QDomElement e = element(tag);
        parent.appendChild(e);
        return e;
    }

    void borders(QDomElement parent, std::initializer_list<const char16_t*> sides, const QString& style, int size)
    {
        for (const char16_t* side : sides) {
            QDomElement b = child(parent, side);
            b.setAttribute(QStringLiteral("w:val"), style);
            b.setAttribute(QStringLiteral("w:sz"), size);
            b.setAttribute(QStringLiteral("w:space"), 0);
            b.setAttribute(QStringLiteral("w:color"), QStringLiteral("000000"));
        }
    }

    struct CellLook {
        int span = 1;
        int alignment = 0; // 0 none, 1 centred, 2 right
        bool bold = false;
        int halfPoints = 18;
        bool header = false;
        bool totalsLine = false; // a double line above
        bool number = false;     // shrinks rather than wraps
    };

    void addCell(QDomElement row, const QString& text, double widthPt, const CellLook& look)
    {
        QDomElement tc = child(row, u"w:tc");
        QDomElement tcPr = child(tc, u"w:tcPr");
        QDomElement w = child(tcPr, u"w:tcW");
        w.setAttribute(QStringLiteral("w:w"), twips(widthPt));
        w.setAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        if (look.span > 1)
            child(tcPr, u"w:gridSpan").setAttribute(QStringLiteral("w:val"), look.span);
        if (look.header)
            borders(child(tcPr, u"w:tcBorders"), {u"w:top", u"w:left", u"w:bottom", u"w:right"}, QStringLiteral("single"), 8);
        else if (look.totalsLine)
            borders(child(tcPr, u"w:tcBorders"), {u"w:top"}, QStringLiteral("double"), 4);
        if (look.header)
            child(tcPr, u"w:vAlign").setAttribute(QStringLiteral("w:val"), QStringLiteral("center"));

        QDomElement p = child(tc, u"w:p");
        QDomElement pPr = child(p, u"w:pPr");
        QDomElement spacing = child(pPr, u"w:spacing");
        spacing.setAttribute(QStringLiteral("w:before"), 0);
        spacing.setAttribute(QStringLiteral("w:after"), 0);
        if (look.alignment == 1)
            child(pPr, u"w:jc").setAttribute(QStringLiteral("w:val"), QStringLiteral("center"));
        else if (look.alignment == 2)
            child(pPr, u"w:jc").setAttribute(QStringLiteral("w:val"), QStringLiteral("right"));
        QDomElement r = child(p, u"w:r");
        QDomElement rPr = child(r, u"w:rPr");
        QDomElement fonts = child(rPr, u"w:rFonts");
        for (const QString& slot : {QStringLiteral("w:ascii"), QStringLiteral("w:hAnsi"), QStringLiteral("w:cs")})
            fonts.setAttribute(slot, QStringLiteral("Arial"));
        if (look.bold) {
            child(rPr, u"w:b");
            child(rPr, u"w:bCs");
        }
        int halfPoints = look.halfPoints;
        if (look.number) {
            // Numbers shrink rather than wrap; the cell's margins take a point on each side.
            halfPoints = int(std::lround(2 * fittingPoints(text, halfPoints / 2.0, 0.5, look.bold, widthPt - cellRoomLoss)));
            child(tcPr, u"w:noWrap");
        }
        child(rPr, u"w:sz").setAttribute(QStringLiteral("w:val"), halfPoints);
        child(rPr, u"w:szCs").setAttribute(QStringLiteral("w:val"), halfPoints);
        QDomElement t = child(r, u"w:t");
        t.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        t.appendChild(xml_.createTextNode(text));
    }

    void addHeader(QDomElement tbl)
    {
        QDomElement tr = child(tbl, u"w:tr");
        child(child(tr, u"w:trPr"), u"w:tblHeader");
        for (qsizetype c = 0; c < table_.columns.size(); ++c)
            addCell(tr, table_.header.value(c), table_.columns.at(c).widthPt, {1, 1, false, 18, true, false, false});
    }

    void addRow(QDomElement tbl, qsizetype row)
    {
        QDomElement tr = child(tbl, u"w:tr");
        const QStringList& cells = table_.rows.at(row);
        const RowLook rowSet = rowLook(table_, row);
        for (qsizetype c = 0; c < table_.columns.size(); ++c) {
            CellLook look;
            look.alignment = table_.columns.at(c).alignment;
            look.bold = rowSet.bold;
            look.totalsLine = rowSet.totalsLine;
            // Number columns are the centred ones.
            look.number = look.alignment == 1 && !rowSet.joinFirstTwo;
            double width = table_.columns.at(c).widthPt;
            QString text = cells.value(c);
            if (rowSet.joinFirstTwo) {
                look.alignment = 1;
                look.halfPoints = 20;
                if (c == 0) {
                    look.span = 2;
                    width += table_.columns.at(1).widthPt;
                    text = cells.value(1);
                    ++c;
                }
            }
            addCell(tr, text, width, look);
        }
    }

    QDomDocument& xml_;
    const WordTable& table_;
};

} // namespace

bool DocumentBody::load(const QByteArray& xml, DocumentError* error)
{
    return readPart(xml_, xml, spaceOnlyRun, error);
}

QByteArray DocumentBody::save() const
{
    return writtenPart(xml_);
}

int DocumentBody::replaceAll(const QString& placeholder, const QString& value)
{
    int count = 0;
    for (const QDomElement& paragraph : paragraphs(xml_))
        count += textOf(paragraph).replaceAll(placeholder, value);
    return count;
}

bool DocumentBody::insertTable(const QString& placeholder, const WordTable& table)
{
    for (QDomElement paragraph : paragraphs(xml_)) {
        SplitText text = textOf(paragraph);
        const qsizetype at = text.findWord(placeholder);
        if (at < 0)
            continue;
        const bool atStart = text.text().left(at).trimmed().isEmpty();
        text.replace(at, placeholder.size(), QString());
        const QDomElement made = TableWriter(xml_, table).build();
        QDomNode parent = paragraph.parentNode();
        if (atStart) {
            // The paragraph that held the placeholder follows the table.
            parent.insertBefore(made, paragraph);
        } else {
            parent.insertAfter(made, paragraph);
            parent.insertAfter(xml_.createElement(paragraphTag), made);
        }
        return true;
    }
    return false;
}

QString DocumentBody::plainText() const
{
    QStringList lines;
    for (const QDomElement& paragraph : paragraphs(xml_))
        lines << textOf(paragraph).text();
    return lines.join(QLatin1Char('\n'));
}

} // namespace documents
