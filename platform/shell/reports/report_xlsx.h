#pragma once

#include "platform/bo/reports/report_catalogue.h"
#include "platform/shell/reports/xlsx_workbook.h"

namespace shell {

// A report's rows as a spreadsheet sheet named after the report: the captions
// first, numbers as numbers with the decimals the report shows them with, the
// totals bold and named as in the report.
xlsx::Sheet reportSheet(const bo::reports::ReportDefinition& report, const vx::Recordset& rows);

bool writeReportXlsx(const QString& path, const bo::reports::ReportDefinition& report, const vx::Recordset& rows,
                     QString* error);

} // namespace shell
