#include "platform/shell/reports/report_runner.h"

#include "platform/bo/reports/report_run.h"
#include "platform/contract/date_text.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/message_door.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/host_services.h"
#include "platform/shell/report_document.h"
#include "platform/shell/reports/fuel_balance_chart.h"
#include "platform/shell/reports/open_record.h"
#include "platform/shell/reports/report_parameters_dialog.h"
#include "platform/shell/reports/report_rows_view.h"
#include "platform/shell/reports/report_xlsx.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

namespace shell {
namespace {

bool progressShown = true;

// How long a report computes before its progress dialog shows.
constexpr int progressDelayMs = 500;

// Computes the report's rows on a thread of their own while the user's window
// waits; one that takes longer than half a second shows a progress dialog
// whose "Atšaukti" stops it. `stopped` tells that the user stopped it.
vx::CallResult compute(bo::Session& session, const bo::reports::ReportDefinition& report,
                       const bo::reports::ReportArguments& args, QWidget* parent, bool* stopped)
{
    const std::unique_ptr<bo::reports::StoppableRun> background =
        progressShown ? bo::reports::StoppableRun::prepare(session) : nullptr;
    if (!background)
        return bo::reports::run(session, report, args);
    vx::CallResult result;
    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create([&] { result = background->run(report, args); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    // The first half second keeps the user's clicks for later, so nothing
    // else starts meanwhile; then the modal progress dialog holds them off.
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &loop, &QEventLoop::quit);
    delay.start(progressDelayMs);
    if (!worker->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!worker->isFinished()) {
        QProgressDialog progress(QStringLiteral("Skaičiuojama ataskaita „%1“...").arg(report.name),
                                 QStringLiteral("Atšaukti"), 0, 0, parent);
        progress.setObjectName(QStringLiteral("dlgReportProgress"));
        progress.setWindowTitle(report.name);
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(0);
        QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] { background->stop(); });
        progress.show();
        if (!worker->isFinished())
            loop.exec();
    }
    worker->wait();
    *stopped = background->stopped();
    return result;
}

// Asks where to save the rows and writes them as a .csv or an .xlsx file.
void saveRows(const bo::reports::ReportDefinition& report, const vx::Recordset& rows, bool spreadsheet, QWidget* parent)
{
    const QString suffix = spreadsheet ? QStringLiteral("xlsx") : QStringLiteral("csv");
    QFileDialog dialog(parent, spreadsheet ? QStringLiteral("Išsaugoti XLSX") : QStringLiteral("Išsaugoti CSV"),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
                           + report.name + QLatin1Char('.') + suffix,
                       spreadsheet ? QStringLiteral("XLSX (*.xlsx)") : QStringLiteral("CSV (*.csv)"));
    dialog.setObjectName(spreadsheet ? QStringLiteral("dlgSaveXlsx") : QStringLiteral("dlgSaveCsv"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    QString error;
    const bool written = spreadsheet ? writeReportXlsx(path, report, rows, &error)
                                     : bo::reports::writeCsv(path, report, rows, &error);
    if (!written)
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
    if (rows.readCount() == 0) {
        document.addLine(report.noRows, 0, 1);
        return;
    }
    auto* pictures = dynamic_cast<ReportPictures*>(&document);
    if (pictures && report.key == QLatin1String("FuelBalance")) {
        // The chart as wide as the table, drawn at print resolution.
        double widthCm = 0;
        for (const bo::reports::ReportColumn& column : report.columns)
            widthCm += column.widthCm;
        constexpr double heightCm = 8;
        constexpr int dotsPerInch = 300;
        const QSize size(int(widthCm / 2.54 * dotsPerInch), int(heightCm / 2.54 * dotsPerInch));
        document.addLine(QString());
        pictures->addImage(fuelChartImage(fuelBars(rows), size, dotsPerInch), widthCm, heightCm);
    }
}

void runReport(bo::Session& session, const std::shared_ptr<vx::VxS>& services,
               const bo::reports::ReportDefinition& report, const vx::PeriodRecord& period, QWidget* parent)
{
    ReportParametersDialog dialog(report, period);
    const int outcome = runDialogOver(dialog, parent);
    if (outcome != ReportParametersDialog::Preview && outcome != ReportParametersDialog::SaveCsv
        && outcome != ReportParametersDialog::SaveXlsx)
        return;
    const bo::reports::ReportArguments args = dialog.arguments();
    bool stopped = false;
    const vx::CallResult result = compute(session, report, args, parent, &stopped);
    if (stopped)
        return;
    const vx::RecordsetPtr rows = result.Value.value<vx::RecordsetPtr>();
    if (result.Code != 0 || !rows) {
        vx::messages::show(result.Message, HostServices::productName, QMessageBox::Critical, QMessageBox::Ok);
        return;
    }
    if (outcome != ReportParametersDialog::Preview) {
        saveRows(report, *rows, outcome == ReportParametersDialog::SaveXlsx, parent);
        return;
    }
    vx::VxReportDocumentPtr document = vx::hostFactory().createReportDocument();
    if (!document)
        return;
    fillReportDocument(*document, report, args, *rows);
    if (auto* page = dynamic_cast<ReportRowsPage*>(document.get()); page && services && !report.links.isEmpty())
        page->setRowsPage([report, rows, services](QWidget* parent) {
            auto* view = new ReportRowsView(report, rows, parent);
            QObject::connect(view, &ReportRowsView::openRequested, view,
                             [view, services](const QString& oidr) { openRecordOver(*services, oidr, view); });
            return view;
        });
    document->show(report.name);
}

void setReportProgress(bool shown)
{
    progressShown = shown;
}

} // namespace shell
