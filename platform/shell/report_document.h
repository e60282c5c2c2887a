#pragma once

#include "platform/contract/vx_report_document.h"

#include <QPageLayout>

namespace shell {

// The host's report document (print preview, printing, PDF).
vx::VxReportDocumentPtr createReportDocument();

// The page every report is laid out on: A4 portrait with narrow margins, so
// the widest printed table (19,1 cm) fits.
QPageLayout reportPageLayout();

} // namespace shell
