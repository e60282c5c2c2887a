#include "documents/catalogue_print_document.h"

#include "documents/word_template_list.h"
#include "module/catalogue_dialogs.h"
#include "module/module_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace CataloguePrintDocument {
namespace {

const QString wordText = QStringLiteral("word/document.xml");
const QString contentTypes = QStringLiteral("[Content_Types].xml");
const QString odfText = QStringLiteral("content.xml");
const QString odfMimetype = QStringLiteral("mimetype");
const QString odfManifest = QStringLiteral("META-INF/manifest.xml");
const QByteArray odfTextType = "application/vnd.oasis.opendocument.text";

void warn(const QString& text)
{
    Catalogue::ShowMessage(text, messageTitle(), QMessageBox::Warning, QMessageBox::Ok);
}

void reportFailure(const QString& templateName, const documents::DocumentError& error)
{
    warn(QStringLiteral("Sukurti dokumentą pagal šabloną ") + templateName + QStringLiteral(" nepavyko!\r\nSituacija: ") +
         QString::number(error.number) + QLatin1Char(' ') + error.text);
}

// Tells the template's kind by what its container holds; a document made
// from a template is a document, not another template.
bool takeKind(Document& document, documents::DocumentError* error)
{
    documents::DocxPackage& package = document.package;
    if (package.contains(odfText)) {
        const QByteArray type = package.part(odfMimetype).trimmed();
        if (!type.isEmpty() && type != odfTextType && type != odfTextType + "-template") {
            *error = {1, QStringLiteral("šablonas nėra teksto dokumentas (%1).").arg(QString::fromLatin1(type))};
            return false;
        }
        package.setPart(odfMimetype, odfTextType);
        QByteArray manifest = package.part(odfManifest);
        manifest.replace(odfTextType + "-template\"", odfTextType + '"');
        if (package.contains(odfManifest))
            package.setPart(odfManifest, manifest);
        document.body.emplace<documents::OdfBody>();
        document.mainPart = odfText;
        document.suffix = QStringLiteral("odt");
        return true;
    }
    if (package.contains(wordText)) {
        QByteArray types = package.part(contentTypes);
        types.replace("wordprocessingml.template.main+xml", "wordprocessingml.document.main+xml");
        package.setPart(contentTypes, types);
        document.body.emplace<documents::DocumentBody>();
        document.mainPart = wordText;
        document.suffix = QStringLiteral("docx");
        return true;
    }
    *error = {1, QStringLiteral("šablone nėra dokumento teksto (word/document.xml arba content.xml).")};
    return false;
}

} // namespace

QString messageTitle()
{
    return QStringLiteral("Larvendo");
}

QString templatesFolder()
{
    const vx::VxSPtr services = module::services();
    const QString programPath = services ? services->Environment().Application().ProgramPath : QString();
    return programPath + QStringLiteral("Templates/");
}

QStringList templateNames(const QString& namePart)
{
    const QDir folder(templatesFolder());
    return folder.entryList({QLatin1Char('*') + namePart + QLatin1Char('*')}, QDir::Files, QDir::Name);
}

QString chooseTemplate(const QString& namePart)
{
    const QStringList names = templateNames(namePart);
    if (names.isEmpty()) {
        warn(QStringLiteral("Nėra dokumento šablono!"));
        return {};
    }
    if (names.size() == 1)
        return names.first();
    frmWordTemplateList list(names.join(QLatin1Char('#')));
    Catalogue::RunModal(list);
    return list.chosen();
}

bool createDocument(const QString& templatePath, Document& document)
{
    const QString name = QFileInfo(templatePath).fileName();
    documents::DocumentError error;
    const bool loaded = document.package.read(templatePath, &error) && takeKind(document, &error) &&
                        std::visit([&](auto& body) { return body.load(document.package.part(document.mainPart), &error); },
                                   document.body);
    if (!loaded)
        reportFailure(name, error);
    return loaded;
}

void fillDocument(Document& document, const QList<QPair<QString, QString>>& values,
                  const QList<QPair<QString, documents::WordTable>>& tables)
{
    std::visit(
        [&](auto& body) {
            for (const auto& [placeholder, value] : values)
                body.replaceAll(placeholder, value);
            for (const auto& [placeholder, table] : tables)
                body.insertTable(placeholder, table);
        },
        document.body);
}

QString plainText(const Document& document)
{
    return std::visit([](const auto& body) { return body.plainText(); }, document.body);
}

bool saveDocument(Document& document, const QString& path, const QString& templateName)
{
    document.package.setPart(document.mainPart, std::visit([](const auto& body) { return body.save(); }, document.body));
    documents::DocumentError error;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!document.package.write(path, &error)) {
        reportFailure(templateName, error);
        return false;
    }
    return true;
}

void openDocument(const QString& path)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace CataloguePrintDocument
