// Reports saved as spreadsheets: the workbook's cells carry numbers as
// numbers with the report's decimals, dates as dates and bold captions and
// totals; a real spreadsheet program (LibreOffice, headless) reads the same
// values back.

#include "platform/shell/reports/xlsx_workbook.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

shell::xlsx::Sheet fuelSheet()
{
    return {QStringLiteral("Kuro balansas"),
            {{QStringLiteral("Automobilis"), -1},
             {QStringLiteral("Lapų"), 0},
             {QStringLiteral("Nuokrypis, l"), 3},
             {QStringLiteral("Rida, km"), -1},
             {QStringLiteral("Data"), -1}},
            {{{QStringLiteral("Škoda Octavia"), 12, -2.25, 30.5, QDate(2024, 5, 2)}},
             {{QStringLiteral("Iš viso"), 12, -2.25, 30.5, QVariant()}, true}}};
}

QByteArray partOf(const shell::xlsx::Sheet& sheet, const QString& name)
{
    for (const auto& [part, data] : shell::xlsx::parts(sheet))
        if (part == name)
            return data;
    return {};
}

QString attribute(const QXmlStreamReader& r, const char* name)
{
    return r.attributes().value(QLatin1String(name)).toString();
}

struct Cell {
    QString type, value;
    int style = 0;
};

// The cells of the sheet by reference, inline texts read as their value.
QMap<QString, Cell> cellsOf(const QByteArray& xml)
{
    QMap<QString, Cell> cells;
    QXmlStreamReader r(xml);
    QString ref;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (r.name() == u"c") {
            ref = attribute(r, "r");
            cells[ref] = {attribute(r, "t"), QString(), attribute(r, "s").toInt()};
        } else if (r.name() == u"v" || r.name() == u"t") {
            cells[ref].value = r.readElementText();
        }
    }
    return cells;
}

// Per cell format: its number format's code and whether its font is bold.
QList<QPair<QString, bool>> formatsOf(const QByteArray& xml)
{
    QMap<int, QString> codes = {{0, QStringLiteral("General")}, {1, QStringLiteral("0")}, {2, QStringLiteral("0.00")}};
    QList<QPair<QString, bool>> formats;
    QXmlStreamReader r(xml);
    bool inXfs = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"numFmt")
            codes[attribute(r, "numFmtId").toInt()] = attribute(r, "formatCode");
        if (r.name() == u"cellXfs")
            inXfs = r.isStartElement();
        if (inXfs && r.isStartElement() && r.name() == u"xf")
            formats.append({codes.value(attribute(r, "numFmtId").toInt()), attribute(r, "fontId").toInt() == 1});
    }
    return formats;
}

TEST(ReportXlsx, CellsKeepTheirKindFormatAndWeight)
{
    const shell::xlsx::Sheet sheet = fuelSheet();
    const QMap<QString, Cell> cells = cellsOf(partOf(sheet, QStringLiteral("xl/worksheets/sheet1.xml")));
    const QList<QPair<QString, bool>> formats = formatsOf(partOf(sheet, QStringLiteral("xl/styles.xml")));
    // Each cell as "reference kind value format", "bold" added for a bold one.
    QStringList shown;
    for (const char* ref : {"A1", "C1", "A2", "B2", "C2", "D2", "E2", "A3", "B3", "C3"}) {
        const Cell cell = cells.value(QLatin1String(ref), Cell{QStringLiteral("none"), {}, -1});
        const QPair<QString, bool> format = formats.value(cell.style, {QStringLiteral("no format"), false});
        shown << QStringList{QLatin1String(ref), cell.type, cell.value, format.first, format.second ? QStringLiteral("bold") : QString()}
                     .join(QLatin1Char(' ')).trimmed();
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("A1 inlineStr Automobilis General bold"), QStringLiteral("C1 inlineStr Nuokrypis, l General bold"),
                                  QStringLiteral("A2 inlineStr Škoda Octavia General"), QStringLiteral("B2  12 0"),
                                  QStringLiteral("C2  -2.25 0.000"), QStringLiteral("D2  30.5 General"), QStringLiteral("E2  45414 yyyy.mm.dd"),
                                  QStringLiteral("A3 inlineStr Iš viso General bold"), QStringLiteral("B3  12 0 bold"),
                                  QStringLiteral("C3  -2.25 0.000 bold")}));
    EXPECT_FALSE(cells.contains(QStringLiteral("E3"))) << "an empty value leaves no cell";
    EXPECT_TRUE(partOf(sheet, QStringLiteral("xl/workbook.xml")).contains("name=\"Kuro balansas\""));
}

TEST(ReportXlsx, SheetNamesAreOnesASpreadsheetTakes)
{
    const struct { const char *wanted, *name; } cases[] = {
        {"Kuro balansas", "Kuro balansas"},
        {"Automobilių kuro sąnaudos pagal vairuotojus ir mėnesius", "Automobilių kuro sąnaudos pagal"},
        {"Rida [km]: 2024/05", "Rida km 2024 05"},
        {"'?*'", "Lapas1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::xlsx::sheetName(QString::fromUtf8(c.wanted)), QString::fromUtf8(c.name)) << c.wanted;
}

TEST(ReportXlsx, AFileThatCannotBeWrittenIsReported)
{
    QTemporaryDir folder;
    QString error;
    EXPECT_FALSE(shell::xlsx::write(folder.filePath(QStringLiteral("nėra/kuras.xlsx")), fuelSheet(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("kuras.xlsx"))) << error.toStdString();
}

// The workbook opened by a spreadsheet program and saved as .csv (";",
// UTF-8, cells as shown): the values come back with their formats applied.
TEST(OfficeXlsx, ASpreadsheetProgramReadsTheValuesBack)
{
    if (qEnvironmentVariableIsEmpty("KELMIRA_OFFICE_TESTS"))
        GTEST_SKIP() << "runs under the label office (ctest -L office)";
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty() || !QFile::exists(QFileInfo(soffice).canonicalPath() + QStringLiteral("/libsclo.so")))
        GTEST_SKIP() << "LibreOffice Calc is not installed: install libreoffice-calc-nogui";
    QTemporaryDir folder;
    const QString xlsx = folder.filePath(QStringLiteral("kuras.xlsx"));
    QString error;
    ASSERT_TRUE(shell::xlsx::write(xlsx, fuelSheet(), &error)) << error.toStdString();
    QProcess office;
    office.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(folder.filePath(QStringLiteral("profile"))).toString(),
                           QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                           QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1"), QStringLiteral("--outdir"),
                           folder.path(), xlsx});
    ASSERT_TRUE(office.waitForFinished(240000));
    QFile csv(folder.filePath(QStringLiteral("kuras.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << office.readAllStandardError().toStdString();
    // The program may quote text cells; the values are what count.
    const QString lines = QString::fromUtf8(csv.readAll()).remove(QLatin1Char('"')).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(lines.trimmed(), QStringLiteral("Automobilis;Lapų;Nuokrypis, l;Rida, km;Data\n"
                                              "Škoda Octavia;12;-2.250;30.5;2024.05.02\n"
                                              "Iš viso;12;-2.250;30.5;"))
        << lines.toStdString();
}

} // namespace
