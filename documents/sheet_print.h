#pragma once

#include "documents/sheet_content.h"
#include "platform/contract/host_records.h"
#include "platform/contract/vx_report_document.h"

class UIO4000100;

// The printed trip sheet ("Print"): the header lines, then the four sections,
// each a title and a table of the printed columns.
namespace documents {

// Fills a report document with the sheet's content, in print order.
void fillReport(vx::VxReportDocument& document, const SheetContent& content);

// Reads the sheet, builds the document and shows it in the host's preview;
// with `pdfPath` it writes the PDF instead, without a window.
vx::CallResult printSheet(UIO4000100& editor, const QString& pdfPath = QString());

} // namespace documents
