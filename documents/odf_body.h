#pragma once

#include "documents/document_body.h"

#include <QDomDocument>

// The main text of an OpenDocument text (content.xml): text placeholders
// replaced wherever they stand, also when the editor split one over spans,
// and tables put in at a placeholder, looking as they do in a .docx.
namespace documents {

class OdfBody {
public:
    bool load(const QByteArray& xml, DocumentError* error);
    QByteArray save() const;

    // Replaces every occurrence, left to right; the value takes the formatting
    // of the span the placeholder starts in and is never searched again.
    // Returns the count.
    int replaceAll(const QString& placeholder, const QString& value);

    // Finds the placeholder as a whole word, ignoring case, removes it and puts
    // the table there, followed by a paragraph. False when it is not found.
    bool insertTable(const QString& placeholder, const WordTable& table);

    // The document's text, paragraphs separated by line breaks (for checks).
    QString plainText() const;

private:
    QDomDocument xml_;
    int tables_ = 0;
};

} // namespace documents
