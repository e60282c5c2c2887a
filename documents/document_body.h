#pragma once

#include "documents/docx_package.h"

#include <QDomDocument>
#include <QList>
#include <QString>
#include <QStringList>

// The main text of a word-processing document (word/document.xml): text
// placeholders replaced wherever they stand, also when the editor split one
// over several runs, and tables put in at a placeholder.
namespace documents {

struct WordColumn {
    double widthPt = 0;
    int alignment = 0; // 0 none, 1 centred, 2 right
};

struct WordTable {
    QList<WordColumn> columns;
    QStringList header;
    QList<QStringList> rows; // a row whose first cell is empty is set in bold
};

class DocumentBody {
public:
    bool load(const QByteArray& xml, DocumentError* error);
    QByteArray save() const;

    // Replaces every occurrence, left to right; the value takes the formatting
    // of the run the placeholder starts in. A value is never searched again,
    // so a value that holds the placeholder does not loop. Returns the count.
    int replaceAll(const QString& placeholder, const QString& value);

    // Finds the placeholder as a whole word, ignoring case, removes it and puts
    // the table there, followed by a paragraph. False when it is not found.
    bool insertTable(const QString& placeholder, const WordTable& table);

    // The document's text, paragraphs separated by line breaks (for checks).
    QString plainText() const;

private:
    QDomDocument xml_;
};

} // namespace documents
