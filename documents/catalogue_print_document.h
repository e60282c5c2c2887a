#pragma once

#include "documents/document_body.h"
#include "documents/docx_package.h"
#include "documents/odf_body.h"

#include <QList>
#include <QPair>
#include <QString>

#include <variant>

// The shared routines of template documents: finding the templates, making
// a document from one and filling it. Our own generator stands in for a word
// processor: it reads .docx and .dotx templates and writes a new .docx,
// leaving the template as it was.
namespace CataloguePrintDocument {

// The caption of every message of template export.
QString messageTitle();

// The host's program path + "Templates/".
QString templatesFolder();

// The names (not paths) of the templates whose names contain `namePart`, sorted.
QStringList templateNames(const QString& namePart);

// Chooses a template for `namePart`: none → "Nėra dokumento šablono!" and an
// empty result; one → its name; several → the list dialog's answer (empty
// when cancelled).
QString chooseTemplate(const QString& namePart);

// A document made from a template file: its container with the main text
// loaded, the part that text came from and the suffix of the document written.
struct Document {
    documents::DocxPackage package;
    std::variant<documents::DocumentBody, documents::OdfBody> body;
    QString mainPart;
    QString suffix;
};

// Opens a template; on failure shows "Sukurti dokumentą pagal šabloną <name>
// nepavyko!" with the situation and returns false.
bool createDocument(const QString& templatePath, Document& document);

// Replaces the scalar placeholders in order, then puts each table at its
// placeholder (a table whose placeholder is missing is left out).
void fillDocument(Document& document, const QList<QPair<QString, QString>>& values,
                  const QList<QPair<QString, documents::WordTable>>& tables);

// The filled document's main text, paragraphs separated by line breaks.
QString plainText(const Document& document);

// Writes the filled document; on failure shows the same message as
// createDocument for `templateName` and returns false.
bool saveDocument(Document& document, const QString& path, const QString& templateName);

// Hands a written document, or a folder, to the desktop's default application
// (not on the offscreen platform, where nobody would see it).
void openDocument(const QString& path);

} // namespace CataloguePrintDocument
