#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The text of a script: UTF-8 lines of words. Words are separated by spaces or
// tabs; a word holding spaces is written in double quotes, inside which \",
// \\, \n, \r and \t stand for those characters; "#" outside quotes starts a
// comment that runs to the end of the line.
namespace shell::script {

struct Line {
    int number = 0;     // 1-based line in the file
    QStringList words;  // empty for a blank or comment line
    QString error;      // why the line could not be read; empty when it could
};

// The words of one line; `error` is set (and the words are unusable) on an
// unterminated quote or an unknown escape.
Line readLine(const QString& text, int number);

// Every line of a script that has words or an error, in file order.
QList<Line> readScript(const QString& text);

} // namespace shell::script
