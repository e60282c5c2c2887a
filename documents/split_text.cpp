#include "documents/split_text.h"

namespace documents {
namespace {

constexpr char16_t keptSpace = u'\uE000';

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool standsAlone(const QString& text, qsizetype at, qsizetype length)
{
    return (at == 0 || !isWordCharacter(text.at(at - 1))) &&
           (at + length >= text.size() || !isWordCharacter(text.at(at + length)));
}

} // namespace

QString SplitText::text() const
{
    QString text;
    for (const TextPiece& piece : pieces_)
        text += piece.text;
    return text;
}

int SplitText::replaceAll(const QString& placeholder, const QString& value)
{
    if (placeholder.isEmpty())
        return 0;
    int count = 0;
    for (qsizetype from = 0;;) {
        const qsizetype at = text().indexOf(placeholder, from);
        if (at < 0)
            return count;
        replace(at, placeholder.size(), value);
        from = at + value.size();
        ++count;
    }
}

qsizetype SplitText::findWord(const QString& placeholder) const
{
    const QString joined = text();
    for (qsizetype from = 0;; ++from) {
        from = joined.indexOf(placeholder, from, Qt::CaseInsensitive);
        if (from < 0 || standsAlone(joined, from, placeholder.size()))
            return from;
    }
}

void SplitText::replace(qsizetype at, qsizetype length, const QString& value)
{
    qsizetype start = 0;
    bool placed = false;
    for (TextPiece& piece : pieces_) {
        const qsizetype end = start + piece.text.size();
        const qsizetype from = std::max(at, start);
        const qsizetype to = std::min(at + length, end);
        if (from < to || (!placed && length == 0 && at >= start && at <= end)) {
            QString text = piece.text;
            text.remove(from - start, to - from);
            if (!placed) {
                text.insert(from - start, value);
                placed = true;
            }
            piece.text = text;
            writer_(piece, text);
        }
        start = end;
    }
}

QByteArray protectSpaces(const QByteArray& xml, const QRegularExpression& spaceOnly)
{
    const QString text = QString::fromUtf8(xml);
    QString result;
    result.reserve(text.size());
    qsizetype last = 0;
    for (auto it = spaceOnly.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result += QStringView(text).mid(last, m.capturedStart() - last);
        result += m.captured(1) + QString(m.capturedLength(2), QChar(keptSpace)) + m.captured(3);
        last = m.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result.toUtf8();
}

QString spacesBack(QString text)
{
    return text.replace(QChar(keptSpace), QLatin1Char(' '));
}

QList<QDomElement> elementsNamed(const QDomNode& root, const QStringList& tags)
{
    QList<QDomElement> found;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (tags.contains(e.tagName()))
            found << e;
        found << elementsNamed(e, tags);
    }
    return found;
}

QDomElement enclosing(QDomNode node, const QStringList& tags)
{
    for (node = node.parentNode(); !node.isNull(); node = node.parentNode())
        if (node.isElement() && tags.contains(node.toElement().tagName()))
            return node.toElement();
    return {};
}

bool readPart(QDomDocument& xml, const QByteArray& bytes, const QRegularExpression& spaceOnly, DocumentError* error)
{
    QString message;
    int line = 0;
    if (xml.setContent(protectSpaces(bytes, spaceOnly), false, &message, &line))
        return true;
    if (error)
        *error = {line, QStringLiteral("dokumento tekstas sugadintas: %1.").arg(message)};
    return false;
}

QByteArray writtenPart(const QDomDocument& xml)
{
    return spacesBack(xml.toString(-1)).toUtf8();
}

} // namespace documents
