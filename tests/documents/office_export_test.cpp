// The documents checked by the programs people open them with: a trip sheet
// exported into both kinds of template converted to PDF by a real word
// processor (LibreOffice, headless, with a profile of its own), and the PDF
// kelmiractl prints, both read back as text with poppler.

#include "documents/sheet_export.h"
#include "tests/documents/sheet_fixture.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

struct Ran { int code = -1; QString out, err; };

Ran run(const QString& program, const QStringList& arguments, int seconds = 60)
{
    QProcess process;
    process.start(program, arguments);
    Ran ran;
    if (!process.waitForFinished(seconds * 1000)) {
        process.kill();
        process.waitForFinished();
        ran.err = QStringLiteral("timed out");
        return ran;
    }
    ran.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = QString::fromUtf8(process.readAllStandardOutput());
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// The left edge of the first word `word` on the PDF's first page, in points.
double leftOf(const QString& pdf, const QString& word)
{
    const Ran bbox = run(tool("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                             QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression line(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = line.globalMatch(bbox.out); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(2) == word)
            return m.captured(1).toDouble();
    }
    return -1;
}

class OfficeExport : public SheetFixture {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("KELMIRA_OFFICE_TESTS"))
            GTEST_SKIP() << "runs under the label office (ctest -L office)";
        if (tool("soffice").isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed: install libreoffice-writer-nogui";
        if (tool("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is not installed: install poppler-utils";
        SheetFixture::SetUp();
    }

    // Exports the sheet to the shipped template of a kind and lets LibreOffice make a PDF of it.
    QString exportAndConvert(const QString& name, const QString& kind = QStringLiteral("docx"))
    {
        const QString docx = programPath.filePath(name + QLatin1Char('.') + kind);
        const vx::CallResult result = documents::exportSheet(
            *open(), installShippedTemplate(QStringLiteral("Transport_kelionės_lapas.") + kind), docx);
        EXPECT_EQ(result.Code, 0) << result.Message.toStdString();
        const QString profile = QUrl::fromLocalFile(programPath.filePath(QStringLiteral("office-profile"))).toString();
        const Ran converted =
            run(tool("soffice"), {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                                  QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                                  programPath.path(), docx},
                240);
        EXPECT_EQ(converted.code, 0) << converted.err.toStdString();
        return programPath.filePath(name + QStringLiteral(".pdf"));
    }
};

TEST_F(OfficeExport, WordProcessorShowsTheSheetsDataAndTablesOfBothKinds)
{
    for (const QString& kind : {QStringLiteral("docx"), QStringLiteral("odt")}) {
        SCOPED_TRACE(kind.toStdString());
        const QString pdf = exportAndConvert(QStringLiteral("lapas"), kind);
        const QString text = run(tool("pdftotext"), {pdf, QStringLiteral("-")}).out;
        ASSERT_FALSE(text.isEmpty()) << "no text in " << pdf.toStdString();
        for (const char16_t* value : {u"2026.11.03", u"2026.11.05", u"KL-0007", u"A&B <7>", u"Volvo FH 500", u"KLM 214",
                                      u"Jonas Jonaitis", u"1000", u"120", u"30", u"1150", u"Atkarpa", u"Atstumas",
                                      u"Trukmė", u"Vairuotojas", u"Viso:", u"Šiauliai", u"Krovinys", u"Rūta", u"215000",
                                      u"pabaigoje"})
            EXPECT_TRUE(text.contains(QString::fromUtf16(value))) << QString::fromUtf16(value).toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('{'))) << text.toStdString();
    }
}

TEST_F(OfficeExport, DriverColumnSwitchedOffGivesTheRouteNameItsWidth)
{
    // The first route line's distance, "100", stands in the column right of the route name.
    const double withDriver = leftOf(exportAndConvert(QStringLiteral("su_vairuotoju")), QStringLiteral("100"));
    storeStates(documents::tables::routes, QStringLiteral("TransportRouteUserName#2"));
    const QString pdf = exportAndConvert(QStringLiteral("be_vairuotojo"));
    const QString text = run(tool("pdftotext"), {pdf, QStringLiteral("-")}).out;
    EXPECT_FALSE(text.contains(QStringLiteral("Rūta"))) << text.toStdString();
    const double withoutDriver = leftOf(pdf, QStringLiteral("100"));
    ASSERT_GT(withDriver, 0);
    // The route name column grew from 3,7 to 4,3 cm: 0,6 cm is 17 points.
    EXPECT_NEAR(withoutDriver - withDriver, 0.6 * 28.35, 3.0);
}

// kelmiractl needs no word processor, so this runs with every test.
class CtlDocuments : public SheetFixture {
protected:
    void SetUp() override
    {
        if (tool("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is not installed: install poppler-utils";
        SheetFixture::SetUp();
    }
};

// Its export is the OpenDocument export test's.
TEST_F(CtlDocuments, KelmiractlPrintsWithoutAWindow)
{
    const QString ctl = QCoreApplication::applicationDirPath() + QStringLiteral("/kelmiractl");
    const QString pdf = programPath.filePath(QStringLiteral("spausdinta.pdf"));
    const Ran printed = run(ctl, {QStringLiteral("print"), sheetId, QStringLiteral("--pdf"), pdf,
                                  QStringLiteral("--db"), store->location()});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    const QString text = run(tool("pdftotext"), {pdf, QStringLiteral("-")}).out;
    for (const char16_t* piece : {u"Kelionės lapas", u"Numeris: KL-0007", u"Vairuotojas: Jonas Jonaitis",
                                  u"Nuvažiuota savo sąskaita: 30", u"Vilnius – Šiauliai", u"Žukauskienė", u"Viso:",
                                  u"Kuro sunaudojimo normų suvestinė", u"Kuro bakai"})
        EXPECT_TRUE(text.contains(QString::fromUtf16(piece))) << QString::fromUtf16(piece).toStdString();

    const Ran refused = run(ctl, {QStringLiteral("print"), QStringLiteral("O4000400001"), QStringLiteral("--pdf"), pdf,
                                  QStringLiteral("--db"), store->location()});
    EXPECT_NE(refused.code, 0);
}

} // namespace
