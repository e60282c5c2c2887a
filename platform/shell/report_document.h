#pragma once

#include "platform/contract/vx_report_document.h"

namespace shell {

// The host's report document (print preview, printing, PDF).
vx::VxReportDocumentPtr createReportDocument();

} // namespace shell
