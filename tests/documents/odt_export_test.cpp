// Export into OpenDocument templates: the shipped .odt is filled like the
// .docx, its four tables look cell by cell as the .docx export's do, every
// kind of template is offered to choose from (or cancel), an .ott makes an
// .odt, and kelmiractl takes them too.

#include "documents/catalogue_print_document.h"
#include "documents/sheet_export.h"
#include "tests/documents/sheet_fixture.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

#include <cmath>

namespace {

const QString shippedOdt = QStringLiteral(KELMIRA_SHIPPED_TEMPLATES "/Transport_kelionės_lapas.odt");

QDomDocument partOf(const QString& path, const QString& part)
{
    documents::DocxPackage package;
    EXPECT_TRUE(package.read(path, nullptr)) << path.toStdString();
    QDomDocument xml;
    EXPECT_TRUE(xml.setContent(package.part(part)));
    return xml;
}

QList<QDomElement> all(const QDomNode& root, const char* tag)
{
    QList<QDomElement> list;
    const QString name = QString::fromLatin1(tag);
    const QDomNodeList found =
        root.isDocument() ? root.toDocument().elementsByTagName(name) : root.toElement().elementsByTagName(name);
    for (int i = 0; i < found.size(); ++i)
        list << found.at(i).toElement();
    return list;
}

// An attribute of the first `tag` in `e` (of `e` itself when `tag` is null).
QString value(const QDomElement& e, const char* tag, const char* attribute)
{
    return (tag ? all(e, tag).value(0) : e).attribute(QString::fromLatin1(attribute));
}

QString cell(const QString& text, bool bold, const QString& align, const QString& size, const QString& span,
             const QString& border)
{
    return QStringList{text, bold ? QStringLiteral("bold") : QString(), align, size, span.isEmpty() ? QStringLiteral("1") : span,
                       border}
        .join(QLatin1Char('|'));
}

// A table as both kinds can tell it: the column widths in twips, then per row
// its cells as "text|bold|alignment|size|span|border".
QStringList docxTable(const QDomElement& tbl)
{
    QStringList lines;
    for (const QDomElement& col : all(tbl, "w:gridCol"))
        lines << value(col, nullptr, "w:w");
    for (const QDomElement& tr : all(tbl, "w:tr")) {
        QStringList cells;
        for (const QDomElement& tc : all(tr, "w:tc")) {
            const QString border = value(tc, "w:top", "w:val") == QLatin1String("double") ? QStringLiteral("double")
                                   : value(tc, "w:top", "w:sz") == QLatin1String("8")     ? QStringLiteral("heavy")
                                                                                          : QString();
            cells << cell(tc.text(), !all(tc, "w:b").isEmpty(), value(tc, "w:jc", "w:val"),
                          QString::number(value(tc, "w:sz", "w:val").toInt() / 2), value(tc, "w:gridSpan", "w:val"), border);
        }
        lines << cells.join(QStringLiteral(" ; "));
    }
    return lines;
}

QStringList odtTable(const QDomElement& table, const QDomDocument& content)
{
    QHash<QString, QDomElement> styles;
    for (const QDomElement& s : all(content, "style:style"))
        styles.insert(value(s, nullptr, "style:name"), s);
    QStringList lines;
    for (const QDomElement& col : all(table, "table:table-column")) {
        const QString width = value(styles.value(value(col, nullptr, "table:style-name")), "style:table-column-properties",
                                    "style:column-width");
        lines << QString::number(std::lround(width.chopped(2).toDouble() * 20));
    }
    for (const QDomElement& tr : all(table, "table:table-row")) {
        QStringList cells;
        for (const QDomElement& tc : all(tr, "table:table-cell")) {
            const QDomElement p = styles.value(value(tc, "text:p", "text:style-name"));
            const QDomElement edges = styles.value(value(tc, nullptr, "table:style-name"));
            const QString border = value(edges, "style:table-cell-properties", "fo:border-top").contains(u"double")
                                       ? QStringLiteral("double")
                                   : value(edges, "style:table-cell-properties", "fo:border-left").startsWith(u"1pt")
                                       ? QStringLiteral("heavy")
                                       : QString();
            const QString align = value(p, "style:paragraph-properties", "fo:text-align");
            cells << cell(tc.text(), value(p, "style:text-properties", "fo:font-weight") == QLatin1String("bold"),
                          align == QLatin1String("end") ? QStringLiteral("right") : align,
                          value(p, "style:text-properties", "fo:font-size").chopped(2),
                          value(tc, nullptr, "table:number-columns-spanned"), border);
        }
        lines << cells.join(QStringLiteral(" ; "));
    }
    return lines;
}

class OdtExport : public SheetFixture {
protected:
    // The shipped .odt in the Templates folder made an .ott, as `name`.
    QString installOtt(const QString& name)
    {
        documents::DocxPackage package;
        EXPECT_TRUE(package.read(shippedOdt, nullptr));
        package.setPart(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text-template");
        package.setPart(QStringLiteral("META-INF/manifest.xml"), package.part(QStringLiteral("META-INF/manifest.xml"))
                                                                     .replace("opendocument.text\"", "opendocument.text-template\""));
        EXPECT_TRUE(package.write(templatesFolder() + name, nullptr));
        return templatesFolder() + name;
    }

    testhost::ScriptedDialogs dialogs;
};

TEST_F(OdtExport, ShippedTemplateGetsTheDataAndTheTablesOfTheDocx)
{
    installShippedTemplate(QStringLiteral("Transport_kelionės_lapas.odt"));
    const vx::CallResult odt = exportToWord();
    ASSERT_EQ(odt.Code, 0) << odt.Message.toStdString();
    EXPECT_EQ(messages.messages.size(), 1) << "where the document is";
    ASSERT_EQ(exported(), QStringList{QStringLiteral("Kelionės lapas KL-0007.odt")});

    CataloguePrintDocument::Document document;
    ASSERT_TRUE(CataloguePrintDocument::createDocument(odt.Value.toString(), document));
    const QString text = CataloguePrintDocument::plainText(document);
    for (const char16_t* value : {u"Nr. KL-0007", u"Pabaigos data: 2026.11.05", u"Kodas: A&B <7>", u"KLM 214",
                                  u"Vairuotojas: Jonas Jonaitis", u"pradžioje: 1000 km", u"sąskaita: 30 km"})
        EXPECT_TRUE(text.contains(QString::fromUtf16(value))) << QString::fromUtf16(value).toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('{'))) << text.toStdString();

    // The same sheet into the .docx: every table alike, cell by cell.
    const QString docx = programPath.filePath(QStringLiteral("lapas.docx"));
    ASSERT_EQ(documents::exportSheet(*open(), installShippedTemplate(), docx).Code, 0);
    const QDomDocument word = partOf(docx, QStringLiteral("word/document.xml"));
    const QDomDocument content = partOf(odt.Value.toString(), QStringLiteral("content.xml"));
    const QList<QDomElement> wordTables = all(word, "w:tbl");
    const QList<QDomElement> odtTables = all(content, "table:table");
    ASSERT_EQ(wordTables.size(), 4);
    ASSERT_EQ(odtTables.size(), 4);
    const QStringList names{QStringLiteral("Atkarpos"), QStringLiteral("Čekiai"), QStringLiteral("Normos"),
                            QStringLiteral("Kuro bakai")};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(value(odtTables.at(t), nullptr, "table:name"), names.at(t));
        const QStringList expected = docxTable(wordTables.at(t));
        const QStringList actual = odtTable(odtTables.at(t), content);
        ASSERT_EQ(actual.size(), expected.size()) << t;
        for (qsizetype line = 0; line < expected.size(); ++line) {
            if (line < all(wordTables.at(t), "w:gridCol").size()) // widths: rounding of points to twips
                EXPECT_NEAR(actual.at(line).toInt(), expected.at(line).toInt(), 1) << t;
            else
                EXPECT_EQ(actual.at(line), expected.at(line)) << t;
        }
    }
    // What the comparison relies on: bold, a heavy-bordered header, a right-aligned column exist.
    const QString all4 = odtTable(odtTables.at(0), content).join(u'\n') + odtTable(odtTables.at(1), content).join(u'\n');
    EXPECT_TRUE(all4.contains(u"|center|9|1|heavy") && all4.contains(u"|right|9|1|")) << all4.toStdString();
}

TEST_F(OdtExport, EveryKindIsOfferedAndTheChosenTemplateMakesItsKindOfDocument)
{
    installShippedTemplate(QStringLiteral("Transport_a.docx"));
    installShippedTemplate(QStringLiteral("Transport_b.dotx"));
    const QString ott = installOtt(QStringLiteral("Transport_c.ott"));
    // The user picks a row (-1: cancels) of the offered templates, the first one selected at the start.
    const auto choose = [&](int row) {
        dialogs.answer([row](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstTemplates"));
            QStringList offered;
            for (int i = 0; i < list->count(); ++i)
                offered << list->item(i)->text();
            EXPECT_EQ(offered.join(u' '), QStringLiteral("Transport_a.docx Transport_b.dotx Transport_c.ott"));
            EXPECT_EQ(list->currentRow(), 0);
            list->setCurrentRow(row);
            dialog.findChild<QPushButton*>(row < 0 ? QStringLiteral("cmdCancel") : QStringLiteral("cmdOK"))->click();
            return dialog.result();
        });
        return exportToWord();
    };
    EXPECT_EQ(choose(-1).Code, 0);
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("frmWordTemplateList")});
    EXPECT_TRUE(exported().isEmpty());

    // A document made from a .dotx template is a document.
    const vx::CallResult fromDotx = choose(1);
    ASSERT_EQ(exported(), QStringList{QStringLiteral("B KL-0007.docx")});
    documents::DocxPackage package;
    ASSERT_TRUE(package.read(fromDotx.Value.toString(), nullptr));
    EXPECT_TRUE(package.part(QStringLiteral("[Content_Types].xml")).contains("wordprocessingml.document.main+xml"));

    const vx::CallResult result = choose(2);
    ASSERT_EQ(result.Code, 0) << result.Message.toStdString();
    EXPECT_EQ(dialogs.shown.size(), 3);
    ASSERT_TRUE(exported().contains(QStringLiteral("C KL-0007.odt")));

    // The media type stands first in the container, uncompressed, and says "document".
    QFile written(result.Value.toString());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(30 + 8 + 39).mid(30), QByteArray("mimetypeapplication/vnd.oasis.opendocument.text"));
    EXPECT_EQ(partOf(result.Value.toString(), QStringLiteral("META-INF/manifest.xml")).toString().count(u"text-template"), 0);

    // kelmiractl takes the .ott too; the document it writes has the template's kind.
    const QString ctl = QCoreApplication::applicationDirPath() + QStringLiteral("/kelmiractl");
    for (const auto& [out, code] : {std::pair{QStringLiteral("lapas.odt"), 0}, std::pair{QStringLiteral("lapas.docx"), 1}}) {
        QProcess process;
        process.start(ctl, {QStringLiteral("export"), sheetId, QStringLiteral("--template"), ott, QStringLiteral("--out"),
                            programPath.filePath(out), QStringLiteral("--db"), store->location()});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), code) << process.readAllStandardError().toStdString();
        EXPECT_EQ(QFileInfo::exists(programPath.filePath(out)), code == 0);
    }
}

} // namespace
