#include "platform/shell/reports/report_xlsx.h"

namespace shell {
namespace {

// The decimals a column's numbers are shown with; -1 for the shortest form.
int decimalsOf(bo::reports::ColumnKind kind)
{
    switch (kind) {
    case bo::reports::ColumnKind::Whole:
        return 0;
    case bo::reports::ColumnKind::Fuel:
        return 3;
    case bo::reports::ColumnKind::Money:
        return 2;
    case bo::reports::ColumnKind::Share:
        return 1;
    default:
        return -1;
    }
}

} // namespace

xlsx::Sheet reportSheet(const bo::reports::ReportDefinition& report, const vx::Recordset& rows)
{
    xlsx::Sheet sheet;
    sheet.name = report.name;
    for (const bo::reports::ReportColumn& column : report.columns)
        sheet.columns.append({column.caption, decimalsOf(column.kind)});
    for (int row = 0; row < rows.readCount(); ++row) {
        // Texts as the report shows them (a total names itself), numbers and dates as they are.
        const QStringList texts = bo::reports::rowTexts(report, rows, row);
        xlsx::Row out;
        out.bold = bo::reports::isTotal(rows, row);
        for (int c = 0; c < report.columns.size(); ++c) {
            const bo::reports::ReportColumn& column = report.columns.at(c);
            const int field = rows.fieldIndex(column.field);
            if (column.kind == bo::reports::ColumnKind::Text || field < 0)
                out.cells.append(texts.value(c).isEmpty() ? QVariant() : QVariant(texts.value(c)));
            else
                out.cells.append(rows.valueAt(row, field));
        }
        sheet.rows.append(out);
    }
    return sheet;
}

bool writeReportXlsx(const QString& path, const bo::reports::ReportDefinition& report, const vx::Recordset& rows,
                     QString* error)
{
    return xlsx::write(path, reportSheet(report, rows), error);
}

} // namespace shell
