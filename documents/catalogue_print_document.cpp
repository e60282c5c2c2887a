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

const QString mainText = QStringLiteral("word/document.xml");
const QString contentTypes = QStringLiteral("[Content_Types].xml");

void warn(const QString& text)
{
    Catalogue::ShowMessage(text, messageTitle(), QMessageBox::Warning, QMessageBox::Ok);
}

void reportFailure(const QString& templateName, const documents::DocumentError& error)
{
    warn(QStringLiteral("Sukurti dokumentą pagal šabloną ") + templateName + QStringLiteral(" nepavyko!\r\nSituacija: ") +
         QString::number(error.number) + QLatin1Char(' ') + error.text);
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
    if (!document.package.read(templatePath, &error)) {
        reportFailure(name, error);
        return false;
    }
    if (!document.package.contains(mainText)) {
        reportFailure(name, {1, QStringLiteral("šablone nėra dokumento teksto (word/document.xml).")});
        return false;
    }
    if (!document.body.load(document.package.part(mainText), &error)) {
        reportFailure(name, error);
        return false;
    }
    // A document made from a template is a document, not another template.
    QByteArray types = document.package.part(contentTypes);
    types.replace("wordprocessingml.template.main+xml", "wordprocessingml.document.main+xml");
    document.package.setPart(contentTypes, types);
    return true;
}

void fillDocument(Document& document, const QList<QPair<QString, QString>>& values,
                  const QList<QPair<QString, documents::WordTable>>& tables)
{
    for (const auto& [placeholder, value] : values)
        document.body.replaceAll(placeholder, value);
    for (const auto& [placeholder, table] : tables)
        document.body.insertTable(placeholder, table);
}

bool saveDocument(Document& document, const QString& path, const QString& templateName)
{
    document.package.setPart(mainText, document.body.save());
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
