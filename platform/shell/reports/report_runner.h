#pragma once

#include "platform/bo/reports/report_catalogue.h"
#include "platform/contract/vx_report_document.h"

class QWidget;

namespace vx {
class VxS;
}

namespace shell {

// Lays the report's rows out in a report document: a title, the chosen
// period, vehicles and driver, then the table with totals in bold.
void fillReportDocument(vx::VxReportDocument& document, const bo::reports::ReportDefinition& report,
                        const bo::reports::ReportArguments& args, const vx::Recordset& rows);

// Asks the report's parameters in its dialog, computes it and shows it in the
// host's report document or saves it as a .csv or .xlsx file. A failed
// computation is shown as a critical message with the store's reason; one the
// user stopped from its progress dialog ends without a message. The rows of a
// report that refer to records show on a page of their own, from which the
// records open through `services`.
void runReport(bo::Session& session, const std::shared_ptr<vx::VxS>& services,
               const bo::reports::ReportDefinition& report, const vx::PeriodRecord& period, QWidget* parent);

// Whether a report computes on a thread of its own with a progress dialog
// (the default) or in place without one, as unattended runs need.
void setReportProgress(bool shown);

} // namespace shell
