#pragma once

#include "documents/docx_package.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A paragraph's text as an editor stores it: in pieces (the text of a run, of
// a span), split wherever the formatting changed, even inside a word. A
// placeholder is looked for in the joined text and replaced piece by piece,
// so one typed in two goes and formatted halfway is still found. Shared by
// the Word and the OpenDocument bodies.
namespace documents {

struct TextPiece {
    QDomNode node;
    QString text;
};

class SplitText {
public:
    // Writes a piece's new text into the document (the piece's node may change).
    using Writer = void (*)(TextPiece& piece, const QString& text);

    SplitText(QList<TextPiece> pieces, Writer writer) : pieces_(std::move(pieces)), writer_(writer) {}

    QString text() const;

    // Replaces every occurrence, left to right; the value goes into the piece
    // the placeholder starts in, so it takes that piece's formatting. A value
    // is never searched again. Returns the count.
    int replaceAll(const QString& placeholder, const QString& value);

    // Where the placeholder first stands as a whole word, case ignored; -1 when nowhere.
    qsizetype findWord(const QString& placeholder) const;

    // Puts `value` in place of text()[at, at + length): the first piece touched
    // gets the value, the others lose their share.
    void replace(qsizetype at, qsizetype length, const QString& value);

private:
    QList<TextPiece> pieces_;
    Writer writer_;
};

// QtXml drops text nodes made of white space only, which in a document can be
// real spaces between two pieces. Before parsing, the spaces and tabs that
// `spaceOnly` captures (its second group, between the first and the third)
// become a private-use character; spacesBack() turns them into spaces again.
QByteArray protectSpaces(const QByteArray& xml, const QRegularExpression& spaceOnly);
QString spacesBack(QString text);

// Reads a document part with its spaces protected; a part that is not well
// formed gives its line and "dokumento tekstas sugadintas: ...".
bool readPart(QDomDocument& xml, const QByteArray& bytes, const QRegularExpression& spaceOnly, DocumentError* error);
// The part as it is written back, the protected spaces real spaces again.
QByteArray writtenPart(const QDomDocument& xml);

// The elements named one of `tags` under `root`, in reading order.
QList<QDomElement> elementsNamed(const QDomNode& root, const QStringList& tags);
// The nearest element around `node` named one of `tags`.
QDomElement enclosing(QDomNode node, const QStringList& tags);

} // namespace documents
