// Template export of a trip sheet: the only template is taken, what the new
// document holds, that the template stays as it was, and what the user is
// told when a template cannot be used (choosing among several is the
// OpenDocument export's test); in its tables a row is set in bold
// exactly when its first cell is empty (the routes' "Viso:" row is not). A
// negative own-account distance is the printed sheet's test: both read the
// same sheet content.

#include "documents/catalogue_print_document.h"
#include "documents/sheet_export.h"
#include "tests/documents/sheet_fixture.h"
#include "tests/support/shown_state.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QFile>

namespace {

using testhost::takeShown;

class TemplateExport : public SheetFixture {
protected:
    // The written document's main part, and its text.
    static QByteArray mainPart(const QString& path)
    {
        documents::DocxPackage package;
        documents::DocumentError error;
        EXPECT_TRUE(package.read(path, &error)) << error.text.toStdString();
        return package.part(QStringLiteral("word/document.xml"));
    }
    static QString textOf(const QString& path)
    {
        documents::DocumentBody body;
        documents::DocumentError error;
        EXPECT_TRUE(body.load(mainPart(path), &error)) << error.text.toStdString();
        return body.plainText();
    }

    static QByteArray digest(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    void TearDown() override
    {
        qputenv("PATH", savedPath);
        SheetFixture::TearDown();
    }

    // The desktop's answer to which program opens a document: `program`, or none when empty.
    void desktopNames(const QString& program)
    {
        QFile query(bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(query.open(QIODevice::WriteOnly));
        query.write("#!/bin/sh\necho '" + program.toUtf8() + "'\n");
        query.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!qEnvironmentVariable("PATH").startsWith(bin.path()))
            qputenv("PATH", bin.path().toLocal8Bit() + ':' + savedPath);
    }

    QTemporaryDir bin;
    QByteArray savedPath = qgetenv("PATH");
    testhost::ScriptedDialogs dialogs;
};

TEST_F(TemplateExport, WithoutATemplateTheUserIsToldAndNothingIsWritten)
{
    ASSERT_TRUE(QFile(templatesFolder() + QStringLiteral("Sutartis.docx")).open(QIODevice::WriteOnly));
    EXPECT_EQ(exportToWord().Code, 0);
    EXPECT_EQ(takeShown(messages), "Warning|Larvendo|Nėra dokumento šablono!|Ok");
    EXPECT_TRUE(exported().isEmpty());
}

TEST_F(TemplateExport, TheOnlyTemplateIsTakenWithoutAskingAndStaysAsItWas)
{
    const QString path = installShippedTemplate();
    const QByteArray before = digest(path);
    desktopNames(QString());
    const vx::CallResult result = exportToWord();
    ASSERT_EQ(result.Code, 0) << result.Message.toStdString();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(digest(path), before);
    // The user is told where the document is, and that no program here opens it.
    EXPECT_EQ(takeShown(messages), "Information|Larvendo|Dokumentas įrašytas:\r\n" + result.Value.toString().toStdString() +
                                       "\r\n\r\nŠiame kompiuteryje nėra programos, kuri atvertų .docx dokumentus, todėl "
                                       "dokumentas neatvertas.|Ok Open");

    ASSERT_EQ(exported(), QStringList{QStringLiteral("Kelionės lapas KL-0007.docx")});
    const QString text = textOf(result.Value.toString());
    for (const char16_t* value : {u"2026.11.03", u"2026.11.05", u"KL-0007", u"A&B <7>", u"Volvo FH 500", u"KLM 214",
                                  u"Jonas Jonaitis", u"1000", u"120", u"30", u"1150", u"Vilnius – Šiauliai",
                                  u"Rūta Žukauskienė", u"Viso:", u"Kuro likutis pabaigoje"})
        EXPECT_TRUE(text.contains(QString::fromUtf16(value))) << QString::fromUtf16(value).toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('{'))) << text.toStdString();

    // A second export of the same sheet does not overwrite the first; a desktop that has a program is not warned.
    desktopNames(QStringLiteral("writer.desktop"));
    const vx::CallResult second = exportToWord();
    EXPECT_EQ(exported().size(), 2);
    EXPECT_EQ(takeShown(messages),
              "Information|Larvendo|Dokumentas įrašytas:\r\n" + second.Value.toString().toStdString() + "|Ok Open");
}

TEST_F(TemplateExport, ATemplateThatCannotBeOpenedIsReported)
{
    QFile broken(templatesFolder() + QStringLiteral("Transport_blogas.docx"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("tai ne dokumentas");
    broken.close();
    EXPECT_EQ(exportToWord().Code, 0);
    EXPECT_EQ(takeShown(messages), "Warning|Larvendo|Sukurti dokumentą pagal šabloną Transport_blogas.docx nepavyko!\r\n"
                                   "Situacija: 19 failas nėra dokumentas (.docx, .dotx, .odt arba .ott).|Ok");
    EXPECT_TRUE(exported().isEmpty());
}

TEST_F(TemplateExport, OnlyRowsWithAnEmptyFirstCellAreBold)
{
    // A line without a fuel norm gives a norm summary row without a name.
    record("O4000200", fields({{"TransportTripID", sheet}, {"Distance", 10.0}, {"FuelNormByDistance", 12.0},
                               {"Date", QDateTime(QDate(2026, 11, 5), QTime(7, 0))}}));
    installShippedTemplate();
    const vx::CallResult result = exportToWord();
    ASSERT_EQ(result.Code, 0) << result.Message.toStdString();
    QDomDocument xml;
    ASSERT_TRUE(xml.setContent(mainPart(result.Value.toString())));
    QStringList bold, plain; // the first cells' texts
    const QDomNodeList rows = xml.elementsByTagName(QStringLiteral("w:tr"));
    for (int r = 0; r < rows.size(); ++r) {
        const QDomElement row = rows.at(r).toElement();
        if (!row.elementsByTagName(QStringLiteral("w:tblHeader")).isEmpty())
            continue;
        const QDomElement first = row.firstChildElement(QStringLiteral("w:tc"));
        // A merged first cell stands for an empty one and shows the second.
        const bool merged = !first.elementsByTagName(QStringLiteral("w:gridSpan")).isEmpty();
        (row.elementsByTagName(QStringLiteral("w:b")).isEmpty() ? plain : bold)
            << (merged ? QStringLiteral("(merged) ") : QString()) + first.text();
    }
    EXPECT_EQ(bold, QStringList{QStringLiteral("(merged) 12")});
    EXPECT_TRUE(plain.contains(QStringLiteral("Viso:"))) << plain.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(plain.contains(QStringLiteral("Vasara")));
}

} // namespace
