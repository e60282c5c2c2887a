#pragma once

#include <QString>
#include <QTextStream>

// Printing and template export of a trip sheet from the command line, the
// same documents the application makes, without a window: messages the
// module would show go to `err`.
namespace ctl {

// Writes the printed trip sheet `oid` as a PDF file.
int printSheet(const QString& location, const QString& oid, const QString& pdfPath, QTextStream& out,
               QTextStream& err);

// Fills `templatePath` with trip sheet `oid` and writes the document to `outputPath`.
int exportSheet(const QString& location, const QString& oid, const QString& templatePath, const QString& outputPath,
                QTextStream& out, QTextStream& err);

} // namespace ctl
