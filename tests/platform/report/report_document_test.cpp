// The host's report document written to PDF: the text survives with its
// Lithuanian letters, in reading order, and a file that cannot be written is
// reported rather than left half made.

#include "platform/shell/report_document.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The PDF's text as poppler reads it; empty when pdftotext is not installed.
QString pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void fill(vx::VxReportDocument& document)
{
    document.setBaseFont(QStringLiteral("Microsoft Sans Serif"), 8);
    document.addLine(QStringLiteral("Kelionės lapas"), 12, 2);
    document.addLine(QString());
    document.addLine(QStringLiteral("Vairuotojas: Rūta Žukauskienė"));
    document.addTable({{QStringLiteral("Atkarpa"), 3.7, 0}, {QStringLiteral("Atstumas"), 2.5, 1},
                       {QStringLiteral("Grynais"), 2.5, 2}});
    document.addRow({QStringLiteral("Vilnius – Šiauliai"), QStringLiteral("214"), QStringLiteral("1")});
    document.addRow({QStringLiteral("Viso:"), QStringLiteral("214"), QString()}, true);
    document.addLine(QStringLiteral("Čekiai"), 12, 2);
}

} // namespace

TEST(ReportDocument, WritesItsLinesAndTablesToPdfInOrder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lapas.pdf"));
    const vx::VxReportDocumentPtr document = shell::createReportDocument();
    ASSERT_TRUE(document);
    fill(*document);
    QString error;
    ASSERT_TRUE(document->writePdf(path, &error)) << error.toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));

    const QString text = pdfText(path);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text was not checked";
    const QStringList expected = {QStringLiteral("Kelionės lapas"), QStringLiteral("Rūta Žukauskienė"),
                                  QStringLiteral("Atkarpa"), QStringLiteral("Atstumas"),
                                  QStringLiteral("Vilnius – Šiauliai"), QStringLiteral("Viso:"), QStringLiteral("Čekiai")};
    qsizetype at = 0;
    for (const QString& piece : expected) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, at) << piece.toStdString() << " missing or out of order in:\n" << text.toStdString();
        if (found >= 0)
            at = found;
    }
}

// A number too long for its column is set smaller rather than broken over two
// lines: each stays whole on one line of the printed text.
TEST(ReportDocument, NumbersInNarrowColumnsStayOnOneLine)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("skaiciai.pdf"));
    const vx::VxReportDocumentPtr document = shell::createReportDocument();
    document->setBaseFont(QStringLiteral("Microsoft Sans Serif"), 8);
    document->addTable({{QStringLiteral("Kiekis"), 1, 1}, {QStringLiteral("Kursas"), 1.2, 1}});
    const QStringList numbers = {QStringLiteral("1234,56"), QStringLiteral("389,7"), QStringLiteral("3,4528"),
                                 QStringLiteral("-12345,67"), QStringLiteral("123456,789")};
    for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
        document->addRow({numbers.at(i), numbers.at(i + 1)});
    document->addRow({numbers.last(), QString()}, true);
    QString error;
    ASSERT_TRUE(document->writePdf(path, &error)) << error.toStdString();
    const QString text = pdfText(path);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text was not checked";
    for (const QString& number : numbers)
        EXPECT_TRUE(text.contains(number)) << number.toStdString() << " broken in:\n" << text.toStdString();
}

TEST(ReportDocument, ReportsAFileItCannotWrite)
{
    QTemporaryDir folder;
    const vx::VxReportDocumentPtr document = shell::createReportDocument();
    fill(*document);
    QString error;
    EXPECT_FALSE(document->writePdf(folder.filePath(QStringLiteral("nėra/aplanko/lapas.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("lapas.pdf"))) << error.toStdString();
}
