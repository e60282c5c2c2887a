#include "documents/document_body.h"

#include <QRegularExpression>

#include <cmath>

namespace documents {
namespace {

// QtXml drops text nodes made of white space only, which in a document are
// real spaces between runs. They are kept through the parser as this
// private-use character and turned back into spaces when written.
constexpr char16_t keptSpace = u'\uE000';

const QString paragraphTag = QStringLiteral("w:p");
const QString textTag = QStringLiteral("w:t");

QByteArray protectSpaces(const QByteArray& xml)
{
    static const QRegularExpression spaceOnly(QStringLiteral("(<w:t(?:\\s[^>]*)?>)([ \\t]+)(</w:t>)"));
    QString text = QString::fromUtf8(xml);
    QString result;
    result.reserve(text.size());
    qsizetype last = 0;
    auto it = spaceOnly.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        result += QStringView(text).mid(last, m.capturedStart() - last);
        result += m.captured(1) + QString(m.capturedLength(2), QChar(keptSpace)) + m.captured(3);
        last = m.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result.toUtf8();
}

QString spacesBack(QString text)
{
    return text.replace(QChar(keptSpace), QLatin1Char(' '));
}

// The nearest paragraph around a node.
QDomElement paragraphOf(QDomNode node)
{
    for (node = node.parentNode(); !node.isNull(); node = node.parentNode())
        if (node.isElement() && node.toElement().tagName() == paragraphTag)
            return node.toElement();
    return {};
}

struct Segment {
    QDomElement element;
    QString text;
};

// The text elements of a paragraph in reading order, without those of
// paragraphs nested in it (text boxes).
QList<Segment> segmentsOf(const QDomElement& paragraph)
{
    QList<Segment> segments;
    const QDomNodeList texts = paragraph.elementsByTagName(textTag);
    for (int i = 0; i < texts.size(); ++i) {
        const QDomElement t = texts.at(i).toElement();
        if (paragraphOf(t) == paragraph)
            segments.append({t, spacesBack(t.text())});
    }
    return segments;
}

void setText(Segment& segment, const QString& text)
{
    segment.text = text;
    QDomElement& t = segment.element;
    while (t.hasChildNodes())
        t.removeChild(t.firstChild());
    t.appendChild(t.ownerDocument().createTextNode(text));
    t.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
}

QString joined(const QList<Segment>& segments)
{
    QString text;
    for (const Segment& s : segments)
        text += s.text;
    return text;
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool standsAlone(const QString& text, qsizetype at, qsizetype length)
{
    return (at == 0 || !isWordCharacter(text.at(at - 1))) &&
           (at + length >= text.size() || !isWordCharacter(text.at(at + length)));
}

// Puts `value` in place of text[at, at + length) spread over the segments:
// the first segment touched gets the value, the others lose their share.
void replaceRange(QList<Segment>& segments, qsizetype at, qsizetype length, const QString& value)
{
    qsizetype start = 0;
    bool placed = false;
    for (Segment& s : segments) {
        const qsizetype end = start + s.text.size();
        const qsizetype from = std::max(at, start);
        const qsizetype to = std::min(at + length, end);
        if (from < to || (!placed && length == 0 && at >= start && at <= end)) {
            QString text = s.text;
            text.remove(from - start, to - from);
            if (!placed) {
                text.insert(from - start, value);
                placed = true;
            }
            setText(s, text);
        }
        start = end;
    }
}

QList<QDomElement> paragraphs(const QDomDocument& xml)
{
    QList<QDomElement> list;
    const QDomNodeList all = xml.elementsByTagName(paragraphTag);
    for (int i = 0; i < all.size(); ++i)
        list << all.at(i).toElement();
    return list;
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
        for (const QStringList& row : table_.rows)
            addRow(tbl, row);
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
        child(rPr, u"w:sz").setAttribute(QStringLiteral("w:val"), look.halfPoints);
        child(rPr, u"w:szCs").setAttribute(QStringLiteral("w:val"), look.halfPoints);
        QDomElement t = child(r, u"w:t");
        t.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        t.appendChild(xml_.createTextNode(text));
    }

    void addHeader(QDomElement tbl)
    {
        QDomElement tr = child(tbl, u"w:tr");
        child(child(tr, u"w:trPr"), u"w:tblHeader");
        for (qsizetype c = 0; c < table_.columns.size(); ++c)
            addCell(tr, table_.header.value(c), table_.columns.at(c).widthPt, {1, 1, false, 18, true, false});
    }

    // A row whose first cell is empty is a totals row: bold; when its second
    // cell holds text the first two cells become one, centred, at 10 points;
    // otherwise it gets a double line above.
    void addRow(QDomElement tbl, const QStringList& cells)
    {
        QDomElement tr = child(tbl, u"w:tr");
        const bool firstEmpty = cells.value(0).isEmpty();
        const bool merge = firstEmpty && table_.columns.size() > 1 && !cells.value(1).isEmpty();
        for (qsizetype c = 0; c < table_.columns.size(); ++c) {
            CellLook look;
            look.alignment = table_.columns.at(c).alignment;
            look.bold = firstEmpty;
            look.totalsLine = firstEmpty && !merge;
            double width = table_.columns.at(c).widthPt;
            QString text = cells.value(c);
            if (merge) {
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
    QString message;
    int line = 0;
    if (!xml_.setContent(protectSpaces(xml), false, &message, &line)) {
        if (error)
            *error = {line, QStringLiteral("dokumento tekstas sugadintas: %1.").arg(message)};
        return false;
    }
    return true;
}

QByteArray DocumentBody::save() const
{
    return spacesBack(xml_.toString(-1)).toUtf8();
}

int DocumentBody::replaceAll(const QString& placeholder, const QString& value)
{
    if (placeholder.isEmpty())
        return 0;
    int count = 0;
    for (const QDomElement& paragraph : paragraphs(xml_)) {
        QList<Segment> segments = segmentsOf(paragraph);
        qsizetype from = 0;
        for (;;) {
            const QString text = joined(segments);
            const qsizetype at = text.indexOf(placeholder, from);
            if (at < 0)
                break;
            replaceRange(segments, at, placeholder.size(), value);
            from = at + value.size();
            ++count;
        }
    }
    return count;
}

bool DocumentBody::insertTable(const QString& placeholder, const WordTable& table)
{
    for (QDomElement paragraph : paragraphs(xml_)) {
        QList<Segment> segments = segmentsOf(paragraph);
        const QString text = joined(segments);
        qsizetype at = -1;
        for (qsizetype from = 0;; from = at + 1) {
            at = text.indexOf(placeholder, from, Qt::CaseInsensitive);
            if (at < 0 || standsAlone(text, at, placeholder.size()))
                break;
        }
        if (at < 0)
            continue;
        replaceRange(segments, at, placeholder.size(), QString());
        const QDomElement made = TableWriter(xml_, table).build();
        QDomNode parent = paragraph.parentNode();
        if (text.left(at).trimmed().isEmpty()) {
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
        lines << joined(segmentsOf(paragraph));
    return lines.join(QLatin1Char('\n'));
}

} // namespace documents
