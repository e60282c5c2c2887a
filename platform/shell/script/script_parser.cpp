#include "platform/shell/script/script_parser.h"

namespace shell::script {
namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

// The character an escape stands for; a null QChar for an unknown one.
QChar escaped(QChar c)
{
    switch (c.unicode()) {
    case '"':
        return QLatin1Char('"');
    case '\\':
        return QLatin1Char('\\');
    case 'n':
        return QLatin1Char('\n');
    case 'r':
        return QLatin1Char('\r');
    case 't':
        return QLatin1Char('\t');
    default:
        return QChar();
    }
}

} // namespace

Line readLine(const QString& text, int number)
{
    Line line;
    line.number = number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && isSpace(text.at(i)))
            ++i;
        if (i >= n || text.at(i) == QLatin1Char('#'))
            break;
        QString word;
        if (text.at(i) != QLatin1Char('"')) {
            while (i < n && !isSpace(text.at(i)))
                word += text.at(i++);
            line.words << word;
            continue;
        }
        ++i;
        bool closed = false;
        while (i < n && !closed) {
            const QChar c = text.at(i++);
            if (c == QLatin1Char('"')) {
                closed = true;
            } else if (c == QLatin1Char('\\')) {
                const QChar meant = i < n ? escaped(text.at(i)) : QChar();
                if (meant.isNull()) {
                    line.error = QStringLiteral("unknown escape \\%1").arg(i < n ? text.at(i) : QChar());
                    return line;
                }
                word += meant;
                ++i;
            } else {
                word += c;
            }
        }
        if (!closed) {
            line.error = QStringLiteral("unterminated quote");
            return line;
        }
        line.words << word;
    }
    return line;
}

QList<Line> readScript(const QString& text)
{
    QList<Line> lines;
    const QStringList rows = text.split(QLatin1Char('\n'));
    for (int i = 0; i < rows.size(); ++i) {
        Line line = readLine(rows.at(i), i + 1);
        if (!line.words.isEmpty() || !line.error.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace shell::script
