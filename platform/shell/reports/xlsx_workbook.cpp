#include "platform/shell/reports/xlsx_workbook.h"

#include "documents/docx_package.h"

#include <QDateTime>
#include <QLocale>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace shell::xlsx {
namespace {

const QString mainNs = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString relNs = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString docRelNs = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

// Built-in number formats, and where the workbook's own begin.
constexpr int generalFormat = 0;
constexpr int wholeFormat = 1;   // "0"
constexpr int twoDigitFormat = 2; // "0.00"
constexpr int firstOwnFormat = 164;

// The cell formats a workbook uses, collected while its sheet is written.
class Styles {
public:
    int cell(int numberFormat, bool bold, bool wrap = false)
    {
        const Xf xf{numberFormat, bold, wrap};
        const auto found = std::find(xfs_.cbegin(), xfs_.cend(), xf);
        if (found != xfs_.cend())
            return int(found - xfs_.cbegin());
        xfs_.append(xf);
        return int(xfs_.size()) - 1;
    }

    int numberFormat(int decimals)
    {
        if (decimals < 0)
            return generalFormat;
        if (decimals == 0)
            return wholeFormat;
        if (decimals == 2)
            return twoDigitFormat;
        return own(QStringLiteral("0.") + QString(decimals, QLatin1Char('0')));
    }

    int dateFormat(bool withTime)
    {
        return own(withTime ? QStringLiteral("yyyy.mm.dd hh:mm") : QStringLiteral("yyyy.mm.dd"));
    }

    QByteArray xml() const
    {
        QByteArray out;
        QXmlStreamWriter w(&out);
        w.writeStartDocument(QStringLiteral("1.0"), true);
        w.writeDefaultNamespace(mainNs);
        w.writeStartElement(QStringLiteral("styleSheet"));
        if (!own_.isEmpty()) {
            w.writeStartElement(QStringLiteral("numFmts"));
            w.writeAttribute(QStringLiteral("count"), QString::number(own_.size()));
            for (int i = 0; i < own_.size(); ++i) {
                w.writeEmptyElement(QStringLiteral("numFmt"));
                w.writeAttribute(QStringLiteral("numFmtId"), QString::number(firstOwnFormat + i));
                w.writeAttribute(QStringLiteral("formatCode"), own_.at(i));
            }
            w.writeEndElement();
        }
        w.writeStartElement(QStringLiteral("fonts"));
        w.writeAttribute(QStringLiteral("count"), QStringLiteral("2"));
        for (const bool bold : {false, true}) {
            w.writeStartElement(QStringLiteral("font"));
            if (bold)
                w.writeEmptyElement(QStringLiteral("b"));
            w.writeEmptyElement(QStringLiteral("sz"));
            w.writeAttribute(QStringLiteral("val"), QStringLiteral("10"));
            w.writeEmptyElement(QStringLiteral("name"));
            w.writeAttribute(QStringLiteral("val"), QStringLiteral("Arial"));
            w.writeEndElement();
        }
        w.writeEndElement();
        // Two fills every reader expects, one empty border.
        w.writeStartElement(QStringLiteral("fills"));
        w.writeAttribute(QStringLiteral("count"), QStringLiteral("2"));
        for (const char* pattern : {"none", "gray125"}) {
            w.writeStartElement(QStringLiteral("fill"));
            w.writeEmptyElement(QStringLiteral("patternFill"));
            w.writeAttribute(QStringLiteral("patternType"), QString::fromLatin1(pattern));
            w.writeEndElement();
        }
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("borders"));
        w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
        w.writeEmptyElement(QStringLiteral("border"));
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("cellStyleXfs"));
        w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
        w.writeEmptyElement(QStringLiteral("xf"));
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("cellXfs"));
        w.writeAttribute(QStringLiteral("count"), QString::number(xfs_.size()));
        for (const Xf& xf : xfs_) {
            w.writeStartElement(QStringLiteral("xf"));
            w.writeAttribute(QStringLiteral("numFmtId"), QString::number(xf.numberFormat));
            w.writeAttribute(QStringLiteral("fontId"), xf.bold ? QStringLiteral("1") : QStringLiteral("0"));
            w.writeAttribute(QStringLiteral("xfId"), QStringLiteral("0"));
            if (xf.numberFormat != generalFormat)
                w.writeAttribute(QStringLiteral("applyNumberFormat"), QStringLiteral("1"));
            if (xf.bold)
                w.writeAttribute(QStringLiteral("applyFont"), QStringLiteral("1"));
            if (xf.wrap) {
                w.writeAttribute(QStringLiteral("applyAlignment"), QStringLiteral("1"));
                w.writeEmptyElement(QStringLiteral("alignment"));
                w.writeAttribute(QStringLiteral("wrapText"), QStringLiteral("1"));
                w.writeAttribute(QStringLiteral("vertical"), QStringLiteral("top"));
            }
            w.writeEndElement();
        }
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndDocument();
        return out;
    }

private:
    struct Xf {
        int numberFormat;
        bool bold;
        bool wrap;
        bool operator==(const Xf&) const = default;
    };

    int own(const QString& code)
    {
        qsizetype at = own_.indexOf(code);
        if (at < 0) {
            own_.append(code);
            at = own_.size() - 1;
        }
        return firstOwnFormat + int(at);
    }

    QList<Xf> xfs_ = {{generalFormat, false, false}}; // the first is every unformatted cell's
    QStringList own_;
};

// "A", "B", ... "Z", "AA", ...
QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// Days since the spreadsheets' day zero, 1899-12-30, with the time as the fraction.
double serialDate(const QVariant& value)
{
    static const QDate dayZero(1899, 12, 30);
    if (value.typeId() == QMetaType::QDate)
        return double(dayZero.daysTo(value.toDate()));
    const QDateTime moment = value.toDateTime();
    return double(dayZero.daysTo(moment.date())) + moment.time().msecsSinceStartOfDay() / 86400000.0;
}

// How many characters a cell shows, for the column's width.
int shownLength(const QVariant& value, int decimals)
{
    if (value.typeId() == QMetaType::QDate)
        return 10;
    if (value.typeId() == QMetaType::QDateTime)
        return 16;
    if (isNumber(value))
        return int((decimals < 0 ? QString::number(value.toDouble(), 'g', 15)
                                 : QString::number(value.toDouble(), 'f', decimals)).size());
    int longest = 0;
    for (const QString& line : value.toString().split(QLatin1Char('\n')))
        longest = std::max(longest, int(line.size()));
    return longest;
}

// Wide enough for the longest value and for the caption on at most two lines.
double columnWidth(const Sheet& sheet, int column)
{
    const Column& c = sheet.columns.at(column);
    int longest = int(c.caption.size() + 1) / 2;
    for (const QString& word : c.caption.split(QLatin1Char(' ')))
        longest = std::max(longest, int(word.size()));
    for (const Row& row : sheet.rows)
        longest = std::max(longest, shownLength(row.cells.value(column), c.decimals));
    return std::clamp(longest + 2, 6, 60);
}

QByteArray worksheet(const Sheet& sheet, Styles& styles)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeDefaultNamespace(mainNs);
    w.writeStartElement(QStringLiteral("worksheet"));
    // The captions stay in view while the rows scroll.
    w.writeStartElement(QStringLiteral("sheetViews"));
    w.writeStartElement(QStringLiteral("sheetView"));
    w.writeAttribute(QStringLiteral("workbookViewId"), QStringLiteral("0"));
    w.writeEmptyElement(QStringLiteral("pane"));
    w.writeAttribute(QStringLiteral("ySplit"), QStringLiteral("1"));
    w.writeAttribute(QStringLiteral("topLeftCell"), QStringLiteral("A2"));
    w.writeAttribute(QStringLiteral("activePane"), QStringLiteral("bottomLeft"));
    w.writeAttribute(QStringLiteral("state"), QStringLiteral("frozen"));
    w.writeEndElement();
    w.writeEndElement();
    if (!sheet.columns.isEmpty()) {
        w.writeStartElement(QStringLiteral("cols"));
        for (int c = 0; c < sheet.columns.size(); ++c) {
            w.writeEmptyElement(QStringLiteral("col"));
            w.writeAttribute(QStringLiteral("min"), QString::number(c + 1));
            w.writeAttribute(QStringLiteral("max"), QString::number(c + 1));
            w.writeAttribute(QStringLiteral("width"), QString::number(columnWidth(sheet, c)));
            w.writeAttribute(QStringLiteral("customWidth"), QStringLiteral("1"));
        }
        w.writeEndElement();
    }
    w.writeStartElement(QStringLiteral("sheetData"));
    auto textCell = [&w](const QString& ref, const QString& text, int style) {
        w.writeStartElement(QStringLiteral("c"));
        w.writeAttribute(QStringLiteral("r"), ref);
        w.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
        if (style)
            w.writeAttribute(QStringLiteral("s"), QString::number(style));
        w.writeStartElement(QStringLiteral("is"));
        w.writeStartElement(QStringLiteral("t"));
        if (text.trimmed() != text)
            w.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        w.writeCharacters(text);
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
    };
    auto startRow = [&w](int number) {
        w.writeStartElement(QStringLiteral("row"));
        w.writeAttribute(QStringLiteral("r"), QString::number(number));
    };
    startRow(1);
    const int caption = styles.cell(generalFormat, true, true);
    for (int c = 0; c < sheet.columns.size(); ++c)
        textCell(columnName(c) + QLatin1Char('1'), sheet.columns.at(c).caption, caption);
    w.writeEndElement();
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const Row& row = sheet.rows.at(r);
        startRow(r + 2);
        for (int c = 0; c < sheet.columns.size(); ++c) {
            const QVariant value = row.cells.value(c);
            const QString ref = columnName(c) + QString::number(r + 2);
            const bool date = value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime;
            if (value.isNull() || (date && !serialDate(value)) || (isNumber(value) && !std::isfinite(value.toDouble())))
                continue;
            if (!date && !isNumber(value)) {
                textCell(ref, value.toString(), row.bold ? styles.cell(generalFormat, true) : 0);
                continue;
            }
            const int format = date ? styles.dateFormat(value.typeId() == QMetaType::QDateTime)
                                    : styles.numberFormat(sheet.columns.at(c).decimals);
            w.writeStartElement(QStringLiteral("c"));
            w.writeAttribute(QStringLiteral("r"), ref);
            if (const int style = styles.cell(format, row.bold))
                w.writeAttribute(QStringLiteral("s"), QString::number(style));
            const double number = date ? serialDate(value) : value.toDouble();
            w.writeTextElement(QStringLiteral("v"), QString::number(number, 'g', QLocale::FloatingPointShortest));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

QByteArray contentTypes()
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    const QString ns = QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");
    const QString office = QStringLiteral("application/vnd.openxmlformats-");
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeDefaultNamespace(ns);
    w.writeStartElement(QStringLiteral("Types"));
    for (const auto& [extension, type] : {std::pair{"rels", "package.relationships+xml"}, std::pair{"xml", ""}}) {
        w.writeEmptyElement(QStringLiteral("Default"));
        w.writeAttribute(QStringLiteral("Extension"), QString::fromLatin1(extension));
        w.writeAttribute(QStringLiteral("ContentType"),
                         *type ? office + QString::fromLatin1(type) : QStringLiteral("application/xml"));
    }
    for (const auto& [part, type] :
         {std::pair{"/xl/workbook.xml", "officedocument.spreadsheetml.sheet.main+xml"},
          std::pair{"/xl/worksheets/sheet1.xml", "officedocument.spreadsheetml.worksheet+xml"},
          std::pair{"/xl/styles.xml", "officedocument.spreadsheetml.styles+xml"}}) {
        w.writeEmptyElement(QStringLiteral("Override"));
        w.writeAttribute(QStringLiteral("PartName"), QString::fromLatin1(part));
        w.writeAttribute(QStringLiteral("ContentType"), office + QString::fromLatin1(type));
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

QByteArray relationships(const QList<QPair<const char*, const char*>>& targets)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeDefaultNamespace(relNs);
    w.writeStartElement(QStringLiteral("Relationships"));
    for (int i = 0; i < targets.size(); ++i) {
        w.writeEmptyElement(QStringLiteral("Relationship"));
        w.writeAttribute(QStringLiteral("Id"), QStringLiteral("rId%1").arg(i + 1));
        w.writeAttribute(QStringLiteral("Type"), docRelNs + QLatin1Char('/') + QString::fromLatin1(targets.at(i).first));
        w.writeAttribute(QStringLiteral("Target"), QString::fromLatin1(targets.at(i).second));
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

QByteArray workbook(const QString& name)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeDefaultNamespace(mainNs);
    w.writeNamespace(docRelNs, QStringLiteral("r"));
    w.writeStartElement(QStringLiteral("workbook"));
    w.writeStartElement(QStringLiteral("sheets"));
    w.writeEmptyElement(QStringLiteral("sheet"));
    w.writeAttribute(QStringLiteral("name"), sheetName(name));
    w.writeAttribute(QStringLiteral("sheetId"), QStringLiteral("1"));
    w.writeAttribute(docRelNs, QStringLiteral("id"), QStringLiteral("rId1"));
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

} // namespace

QString sheetName(const QString& wanted)
{
    QString name = wanted.simplified();
    for (const QChar c : {u'[', u']', u':', u'*', u'?', u'/', u'\\'})
        name.replace(c, QLatin1Char(' '));
    name = name.simplified().left(31).trimmed();
    // A name may not start or end with an apostrophe either.
    while (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        name = (name.startsWith(QLatin1Char('\'')) ? name.mid(1) : name.chopped(1)).trimmed();
    return name.isEmpty() ? QStringLiteral("Lapas1") : name;
}

QList<QPair<QString, QByteArray>> parts(const Sheet& sheet)
{
    Styles styles;
    const QByteArray cells = worksheet(sheet, styles);
    return {
        {QStringLiteral("[Content_Types].xml"), contentTypes()},
        {QStringLiteral("_rels/.rels"), relationships({{"officeDocument", "xl/workbook.xml"}})},
        {QStringLiteral("xl/workbook.xml"), workbook(sheet.name)},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         relationships({{"worksheet", "worksheets/sheet1.xml"}, {"styles", "styles.xml"}})},
        {QStringLiteral("xl/styles.xml"), styles.xml()},
        {QStringLiteral("xl/worksheets/sheet1.xml"), cells},
    };
}

bool write(const QString& path, const Sheet& sheet, QString* error)
{
    documents::DocxPackage package;
    for (const auto& [name, data] : parts(sheet))
        package.setPart(name, data);
    documents::DocumentError failure;
    if (package.write(path, &failure))
        return true;
    if (error)
        *error = QStringLiteral("Nepavyko įrašyti failo %1: %2").arg(path, failure.text);
    return false;
}

} // namespace shell::xlsx
