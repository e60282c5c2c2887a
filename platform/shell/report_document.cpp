#include "platform/shell/report_document.h"

namespace shell {

// Not built yet: the host offers no report document.
vx::VxReportDocumentPtr createReportDocument()
{
    return nullptr;
}

} // namespace shell
