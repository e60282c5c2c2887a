// An exported OpenDocument trip sheet opened by a real word processor
// (LibreOffice, headless, with a profile of its own): it converts the
// document to PDF and the PDF's text holds the sheet's data and tables.

#include "documents/sheet_export.h"
#include "tests/documents/sheet_fixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString ran(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
    }
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class OfficeOdt : public SheetFixture {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("KELMIRA_OFFICE_TESTS"))
            GTEST_SKIP() << "runs under the label office (ctest -L office)";
        if (tool("soffice").isEmpty() || tool("pdftotext").isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) or pdftotext is missing: install libreoffice-writer-nogui, poppler-utils";
        SheetFixture::SetUp();
    }
};

TEST_F(OfficeOdt, WordProcessorOpensTheExportedOdt)
{
    const QString odtTemplate = templatesFolder() + QStringLiteral("Transport_kelionės_lapas.odt");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELMIRA_SHIPPED_TEMPLATES "/Transport_kelionės_lapas.odt"), odtTemplate));
    const QString odt = programPath.filePath(QStringLiteral("lapas.odt"));
    const vx::CallResult result = documents::exportSheet(*open(), odtTemplate, odt);
    ASSERT_EQ(result.Code, 0) << result.Message.toStdString();

    const QString profile = QUrl::fromLocalFile(programPath.filePath(QStringLiteral("office-profile"))).toString();
    ran(tool("soffice"), {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                          QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                          programPath.path(), odt});
    const QString text = ran(tool("pdftotext"), {programPath.filePath(QStringLiteral("lapas.pdf")), QStringLiteral("-")});
    ASSERT_FALSE(text.isEmpty());
    for (const char16_t* value : {u"KL-0007", u"2026.11.03", u"2026.11.05", u"A&B <7>", u"Volvo FH 500", u"KLM 214",
                                  u"Jonas Jonaitis", u"1150", u"Atkarpa", u"Šiauliai", u"Krovinys", u"Rūta", u"Viso:",
                                  u"215000", u"pabaigoje"})
        EXPECT_TRUE(text.contains(QString::fromUtf16(value))) << QString::fromUtf16(value).toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('{'))) << text.toStdString();
}

} // namespace
