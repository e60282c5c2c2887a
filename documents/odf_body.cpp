#include "documents/odf_body.h"

#include "documents/number_fit.h"
#include "documents/split_text.h"
#include "documents/table_rows.h"

#include <QRegularExpression>
#include <QSet>

namespace documents {
namespace {

const QStringList paragraphTags = {QStringLiteral("text:p"), QStringLiteral("text:h")};

// Elements that stand for characters inside a paragraph.
QString charactersOf(const QDomElement& e)
{
    const QString tag = e.tagName();
    if (tag == QLatin1String("text:s"))
        return QString(std::max(1, e.attribute(QStringLiteral("text:c"), QStringLiteral("1")).toInt()), QLatin1Char(' '));
    if (tag == QLatin1String("text:tab"))
        return QStringLiteral("\t");
    if (tag == QLatin1String("text:line-break"))
        return QStringLiteral("\n");
    return {};
}

// Text of drawings, comments and nested paragraphs (text boxes, notes) is
// not the paragraph's own.
bool ownText(const QDomElement& e)
{
    const QString tag = e.tagName();
    return !paragraphTags.contains(tag) && !tag.startsWith(QLatin1String("draw:")) &&
           !tag.startsWith(QLatin1String("svg:")) && tag != QLatin1String("office:annotation");
}

void collectPieces(const QDomNode& parent, QList<TextPiece>& pieces)
{
    for (QDomNode n = parent.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            pieces.append({n, spacesBack(n.toText().data())});
        } else if (n.isElement()) {
            const QDomElement e = n.toElement();
            const QString characters = charactersOf(e);
            if (!characters.isEmpty())
                pieces.append({n, characters});
            else if (ownText(e))
                collectPieces(e, pieces);
        }
    }
}

// A text node takes the new text; a space, tab or line-break element whose
// character changed becomes a text node.
void writeText(TextPiece& piece, const QString& text)
{
    if (piece.node.isText()) {
        piece.node.toText().setData(text);
        return;
    }
    QDomNode replacement = piece.node.ownerDocument().createTextNode(text);
    piece.node.parentNode().replaceChild(replacement, piece.node);
    piece.node = replacement;
}

SplitText textOf(const QDomElement& paragraph)
{
    QList<TextPiece> pieces;
    collectPieces(paragraph, pieces);
    return SplitText(pieces, writeText);
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

// The table's markup and the automatic styles it uses. Widths, alignment,
// font, bold rows and borders are those of the Word table.
class TableWriter {
public:
    TableWriter(QDomDocument& xml, const WordTable& table, int serial) :
        xml_(xml), table_(table), prefix_(QStringLiteral("Kelmira_Table%1").arg(serial))
    {
        QDomElement root = xml_.documentElement();
        styles_ = root.firstChildElement(QStringLiteral("office:automatic-styles"));
        if (styles_.isNull()) {
            styles_ = xml_.createElement(QStringLiteral("office:automatic-styles"));
            root.insertBefore(styles_, root.firstChildElement(QStringLiteral("office:body")));
        }
        for (QDomElement s = styles_.firstChildElement(); !s.isNull(); s = s.nextSiblingElement())
            styleNames_.insert(s.attribute(QStringLiteral("style:name")));
    }

    QDomElement build(const QString& name)
    {
        double total = 0;
        for (const WordColumn& c : table_.columns)
            total += c.widthPt;
        QDomElement tableProperties = style(prefix_, QStringLiteral("table"), QStringLiteral("style:table-properties"));
        tableProperties.setAttribute(QStringLiteral("style:width"), number(total) + QStringLiteral("pt"));
        tableProperties.setAttribute(QStringLiteral("table:align"), QStringLiteral("left"));

        QDomElement table = element(u"table:table");
        table.setAttribute(QStringLiteral("table:name"), name);
        table.setAttribute(QStringLiteral("table:style-name"), prefix_);
        for (qsizetype c = 0; c < table_.columns.size(); ++c) {
            const QString columnStyle = prefix_ + QStringLiteral(".C%1").arg(c + 1);
            style(columnStyle, QStringLiteral("table-column"), QStringLiteral("style:table-column-properties"))
                .setAttribute(QStringLiteral("style:column-width"), number(table_.columns.at(c).widthPt) + QStringLiteral("pt"));
            child(table, u"table:table-column").setAttribute(QStringLiteral("table:style-name"), columnStyle);
        }

        addHeader(child(child(table, u"table:table-header-rows"), u"table:table-row"));
        for (qsizetype r = 0; r < table_.rows.size(); ++r)
            addRow(child(table, u"table:table-row"), r);
        return table;
    }

private:
    // The lines around cells: thin everywhere, heavy around the header, double above a totals row.
    enum class Line : char16_t { None = u'n', Thin = u't', Heavy = u'h', Double = u'd' };
    struct Edges {
        Line top = Line::Thin;
        Line left = Line::Thin;
        Line right = Line::None;
        Line bottom = Line::None;
    };
    struct TextLook {
        int alignment = 1; // 0 none, 1 centred, 2 right
        bool bold = false;
        int points = 9;
    };

    QDomElement element(QStringView tag) { return xml_.createElement(tag.toString()); }
    QDomElement child(QDomElement parent, QStringView tag)
    {
        QDomElement e = element(tag);
        parent.appendChild(e);
        return e;
    }

    // A new automatic style and its properties element.
    QDomElement style(const QString& name, const QString& family, const QString& propertiesTag)
    {
        QDomElement s = child(styles_, u"style:style");
        s.setAttribute(QStringLiteral("style:name"), name);
        s.setAttribute(QStringLiteral("style:family"), family);
        styleNames_.insert(name);
        QDomElement properties = xml_.createElement(propertiesTag);
        s.appendChild(properties);
        return properties;
    }

    // A cell's style by its four edges. Each line is drawn by one cell only
    // (the left and top edges, the right one in the last column, the bottom
    // one in the last row), so neighbours do not draw it twice.
    QString cellStyle(const Edges& edges, bool middle)
    {
        const QString name = QStringLiteral("Kelmira_Cell_%1%2%3%4%5")
                                 .arg(QChar(char16_t(edges.top)), QChar(char16_t(edges.left)), QChar(char16_t(edges.right)),
                                      QChar(char16_t(edges.bottom)), middle ? QStringLiteral("M") : QString());
        if (styleNames_.contains(name))
            return name;
        QDomElement p = style(name, QStringLiteral("table-cell"), QStringLiteral("style:table-cell-properties"));
        const std::pair<const char*, Line> sides[] = {
            {"top", edges.top}, {"left", edges.left}, {"right", edges.right}, {"bottom", edges.bottom}};
        for (const auto& [side, line] : sides) {
            const QString attribute = QStringLiteral("fo:border-") + QLatin1String(side);
            p.setAttribute(attribute, line == Line::Thin    ? QStringLiteral("0.5pt solid #000000")
                                      : line == Line::Heavy  ? QStringLiteral("1pt solid #000000")
                                      : line == Line::Double ? QStringLiteral("1.5pt double #000000")
                                                             : QStringLiteral("none"));
            if (line == Line::Double)
                p.setAttribute(QStringLiteral("style:border-line-width-") + QLatin1String(side),
                               QStringLiteral("0.5pt 0.5pt 0.5pt"));
        }
        if (middle)
            p.setAttribute(QStringLiteral("style:vertical-align"), QStringLiteral("middle"));
        p.setAttribute(QStringLiteral("fo:padding-left"), QStringLiteral("1pt"));
        p.setAttribute(QStringLiteral("fo:padding-right"), QStringLiteral("1pt"));
        p.setAttribute(QStringLiteral("fo:padding-top"), QStringLiteral("0pt"));
        p.setAttribute(QStringLiteral("fo:padding-bottom"), QStringLiteral("0pt"));
        return name;
    }

    QString paragraphStyle(const TextLook& look)
    {
        const QString name = QStringLiteral("Kelmira_P%1%2%3").arg(look.alignment).arg(look.bold ? QLatin1String("B") : QLatin1String("")).arg(look.points);
        if (styleNames_.contains(name))
            return name;
        QDomElement p = style(name, QStringLiteral("paragraph"), QStringLiteral("style:paragraph-properties"));
        p.setAttribute(QStringLiteral("fo:margin-top"), QStringLiteral("0pt"));
        p.setAttribute(QStringLiteral("fo:margin-bottom"), QStringLiteral("0pt"));
        if (look.alignment == 1)
            p.setAttribute(QStringLiteral("fo:text-align"), QStringLiteral("center"));
        else if (look.alignment == 2)
            p.setAttribute(QStringLiteral("fo:text-align"), QStringLiteral("end"));
        QDomElement t = xml_.createElement(QStringLiteral("style:text-properties"));
        p.parentNode().appendChild(t);
        const QString size = QStringLiteral("%1pt").arg(look.points);
        for (const QString& script : {QString(), QStringLiteral("-asian"), QStringLiteral("-complex")}) {
            const QString prefix = script.isEmpty() ? QStringLiteral("fo:") : QStringLiteral("style:");
            t.setAttribute(prefix + QStringLiteral("font-family") + script, QStringLiteral("Arial"));
            t.setAttribute(prefix + QStringLiteral("font-size") + script, size);
            if (look.bold)
                t.setAttribute(prefix + QStringLiteral("font-weight") + script, QStringLiteral("bold"));
        }
        return name;
    }

    // Text as ODF keeps it: runs of spaces, tabs and line breaks as elements.
    void appendText(QDomElement p, const QString& text)
    {
        QString plain;
        const auto flush = [&] {
            if (!plain.isEmpty())
                p.appendChild(xml_.createTextNode(plain));
            plain.clear();
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
                flush();
                child(p, c == QLatin1Char('\n') ? u"text:line-break" : u"text:tab");
            } else if (c == QLatin1Char(' ') && (i == 0 || i + 1 == text.size() || text.at(i + 1) == QLatin1Char(' '))) {
                qsizetype run = 1;
                while (i + run < text.size() && text.at(i + run) == QLatin1Char(' '))
                    ++run;
                flush();
                QDomElement s = child(p, u"text:s");
                if (run > 1)
                    s.setAttribute(QStringLiteral("text:c"), int(run));
                i += run - 1;
            } else {
                plain += c;
            }
        }
        flush();
    }

    void addCell(QDomElement row, const QString& text, const TextLook& look, const Edges& edges, int span = 1)
    {
        const bool header = edges.left == Line::Heavy;
        QDomElement cell = child(row, u"table:table-cell");
        cell.setAttribute(QStringLiteral("table:style-name"), cellStyle(edges, header));
        cell.setAttribute(QStringLiteral("office:value-type"), QStringLiteral("string"));
        if (span > 1)
            cell.setAttribute(QStringLiteral("table:number-columns-spanned"), span);
        QDomElement p = child(cell, u"text:p");
        p.setAttribute(QStringLiteral("text:style-name"), paragraphStyle(look));
        appendText(p, text);
    }

    void addHeader(QDomElement tr)
    {
        const qsizetype last = table_.columns.size() - 1;
        const Line bottom = table_.rows.isEmpty() ? Line::Heavy : Line::None;
        for (qsizetype c = 0; c <= last; ++c)
            addCell(tr, table_.header.value(c), {}, {Line::Heavy, Line::Heavy, c == last ? Line::Heavy : Line::None, bottom});
    }

    void addRow(QDomElement tr, qsizetype row)
    {
        const QStringList& cells = table_.rows.at(row);
        const RowLook set = rowLook(table_, row);
        Edges edges;
        edges.top = set.totalsLine ? Line::Double : row == 0 ? Line::Heavy : Line::Thin;
        edges.bottom = row + 1 == table_.rows.size() ? Line::Thin : Line::None;
        const qsizetype columns = table_.columns.size();
        for (qsizetype c = 0; c < columns; ++c) {
            TextLook look{table_.columns.at(c).alignment, set.bold, 9};
            if (look.alignment == 1) // number columns, centred, shrink rather than wrap; padding and borders take 3 points
                look.points = int(fittingPoints(cells.value(c), look.points, 1, look.bold, table_.columns.at(c).widthPt - 3));
            const int span = set.joinFirstTwo && c == 0 ? 2 : 1;
            edges.right = c + span == columns ? Line::Thin : Line::None;
            if (set.joinFirstTwo)
                look = {1, set.bold, 10};
            addCell(tr, cells.value(span == 2 ? 1 : c), look, edges, span);
            if (span == 2) {
                child(tr, u"table:covered-table-cell");
                ++c;
            }
        }
    }

    QDomDocument& xml_;
    const WordTable& table_;
    const QString prefix_;
    QDomElement styles_;
    QSet<QString> styleNames_;
};

// The placeholder's words as the table's name, numbered when the template has one so named.
QString tableName(const QDomDocument& xml, const QString& placeholder)
{
    QSet<QString> taken;
    for (const QDomElement& t : elementsNamed(xml, {QStringLiteral("table:table")}))
        taken.insert(t.attribute(QStringLiteral("table:name")));
    QString base = placeholder;
    base.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    base = base.trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Lentelė");
    QString name = base;
    for (int n = 2; taken.contains(name); ++n)
        name = base + QLatin1Char(' ') + QString::number(n);
    return name;
}

} // namespace

bool OdfBody::load(const QByteArray& xml, DocumentError* error)
{
    static const QRegularExpression spaceOnly(QStringLiteral("(>)([ \\t]+)(<)"));
    tables_ = 0;
    return readPart(xml_, xml, spaceOnly, error);
}

QByteArray OdfBody::save() const
{
    return writtenPart(xml_);
}

int OdfBody::replaceAll(const QString& placeholder, const QString& value)
{
    int count = 0;
    for (const QDomElement& paragraph : elementsNamed(xml_, paragraphTags))
        count += textOf(paragraph).replaceAll(placeholder, value);
    return count;
}

bool OdfBody::insertTable(const QString& placeholder, const WordTable& table)
{
    for (QDomElement paragraph : elementsNamed(xml_, paragraphTags)) {
        SplitText text = textOf(paragraph);
        const qsizetype at = text.findWord(placeholder);
        if (at < 0)
            continue;
        const bool atStart = text.text().left(at).trimmed().isEmpty();
        text.replace(at, placeholder.size(), QString());
        const QString name = tableName(xml_, placeholder);
        const QDomElement made = TableWriter(xml_, table, ++tables_).build(name);
        QDomNode parent = paragraph.parentNode();
        if (atStart) {
            // The paragraph that held the placeholder follows the table.
            parent.insertBefore(made, paragraph);
        } else {
            parent.insertAfter(made, paragraph);
            parent.insertAfter(xml_.createElement(QStringLiteral("text:p")), made);
        }
        return true;
    }
    return false;
}

QString OdfBody::plainText() const
{
    QStringList lines;
    for (const QDomElement& paragraph : elementsNamed(xml_, paragraphTags))
        lines << textOf(paragraph).text();
    return lines.join(QLatin1Char('\n'));
}

} // namespace documents
