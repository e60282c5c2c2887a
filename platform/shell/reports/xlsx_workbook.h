#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// A spreadsheet workbook of one sheet in the Office Open XML form (.xlsx),
// written through the project's own zip container. Numbers are stored as
// numbers with their column's number format, dates as dates, texts inline;
// the captions row and bold rows are bold, the captions row stays in view.
namespace shell::xlsx {

struct Column {
    QString caption;
    // Digits after the decimal separator; -1 for the shortest form.
    int decimals = -1;
};

struct Row {
    // One value per column: a number, a QDate/QDateTime, a text; null leaves the cell empty.
    QVariantList cells;
    bool bold = false;
};

struct Sheet {
    QString name;
    QList<Column> columns;
    QList<Row> rows;
};

// The sheet name a spreadsheet accepts: without []:*?/\, at most 31 characters, never empty.
QString sheetName(const QString& wanted);

// The workbook's parts by name, in the order they are written.
QList<QPair<QString, QByteArray>> parts(const Sheet& sheet);

// Writes the workbook; false with a readable `error` when the file cannot be written.
bool write(const QString& path, const Sheet& sheet, QString* error);

} // namespace shell::xlsx
