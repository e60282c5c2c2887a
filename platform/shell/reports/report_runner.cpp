#include "platform/shell/reports/report_runner.h"

#include "platform/contract/host_factory.h"
#include "platform/contract/message_door.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/host_services.h"
#include "platform/shell/reports/report_parameters_dialog.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace shell {
namespace {

void saveCsv(const bo::reports::ReportDefinition& report, const vx::Recordset& rows, QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Išsaugoti CSV"),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
                           + report.name + QStringLiteral(".csv"),
                       QStringLiteral("CSV (*.csv)"));
    dialog.setObjectName(QStringLiteral("dlgSaveCsv"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!bo::reports::writeCsv(dialog.selectedFiles().first(), report, rows, &error))
        vx::messages::show(error, HostServices::productName, QMessageBox::Critical, QMessageBox::Ok);
}

} // namespace

void fillReportDocument(vx::VxReportDocument& document, const bo::reports::ReportDefinition& report,
                        const bo::reports::ReportArguments& args, const vx::Recordset& rows)
{
    document.setBaseFont(QStringLiteral("Arial"), 8);
    document.addLine(report.name, 14, 2);
    for (const QString& line : bo::reports::headingLines(report, args))
        document.addLine(line);
    QList<vx::VxReportDocument::Column> columns;
    for (const bo::reports::ReportColumn& column : report.columns)
        columns.append({column.caption, column.widthCm,
                        column.kind == bo::reports::ColumnKind::Text   ? 0
                        : column.kind == bo::reports::ColumnKind::Date ? 2
                                                                       : 1});
    document.addTable(columns);
    for (int row = 0; row < rows.readCount(); ++row)
        document.addRow(bo::reports::rowTexts(report, rows, row), bo::reports::isTotal(rows, row));
    if (rows.readCount() == 0)
        document.addLine(report.noRows, 0, 1);
}

void runReport(bo::Session& session, const bo::reports::ReportDefinition& report, const vx::PeriodRecord& period,
               QWidget* parent)
{
    ReportParametersDialog dialog(report, period);
    const int outcome = runDialogOver(dialog, parent);
    if (outcome != ReportParametersDialog::Preview && outcome != ReportParametersDialog::SaveCsv)
        return;
    const bo::reports::ReportArguments args = dialog.arguments();
    const vx::CallResult result = bo::reports::run(session, report, args);
    const vx::RecordsetPtr rows = result.Value.value<vx::RecordsetPtr>();
    if (result.Code != 0 || !rows) {
        vx::messages::show(result.Message, HostServices::productName, QMessageBox::Critical, QMessageBox::Ok);
        return;
    }
    if (outcome == ReportParametersDialog::SaveCsv) {
        saveCsv(report, *rows, parent);
        return;
    }
    vx::VxReportDocumentPtr document = vx::hostFactory().createReportDocument();
    if (!document)
        return;
    fillReportDocument(*document, report, args, *rows);
    document->show(report.name);
}

} // namespace shell
