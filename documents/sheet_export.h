#pragma once

#include "documents/document_body.h"
#include "documents/sheet_content.h"
#include "platform/contract/host_records.h"

#include <QList>
#include <QPair>

class UIO4000100;

// Template export of a trip sheet ("ExportToWord"): a template from the
// templates folder filled with the sheet's values and tables, written as a
// new document in the user's documents folder, opened for the user, who is
// told where it is.
namespace documents {

// The eleven scalar placeholders with the sheet's values, in order.
QList<QPair<QString, QString>> placeholderValues(const SheetHeader& header);
// The four table placeholders with their tables, in order.
QList<QPair<QString, WordTable>> placeholderTables(const SheetContent& content);
// One printed table as a template table: widths in points, alignment codes.
WordTable wordTable(const SheetTable& table);

// Where a document made from `templateName` for sheet `number` is written:
// the user's documents folder, a name that tells both, never overwriting;
// `suffix` is the kind of document written ("docx", "odt").
QString exportPath(const QString& templateName, const QString& number, const QString& suffix);

// Exports the sheet. `templatePath` empty: the template is chosen from the
// templates folder; `outputPath` empty: written to exportPath() and opened,
// else its suffix must be that of the template's kind (.docx, .odt).
// Code != 0 when nothing was written (the user was told why).
vx::CallResult exportSheet(UIO4000100& editor, const QString& templatePath = QString(),
                           const QString& outputPath = QString());

} // namespace documents
