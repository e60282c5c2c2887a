#pragma once

#include "platform/contract/vx_report_document.h"

#include <QPageLayout>

class QImage;

namespace shell {

// What the host's report document holds besides text and tables.
class ReportPictures {
public:
    virtual ~ReportPictures() = default;
    // A picture (a chart) on a line of its own, set `widthCm` by `heightCm`.
    virtual void addImage(const QImage& image, double widthCm, double heightCm) = 0;
};

// The host's report document (print preview, printing, PDF); it is also a
// ReportPictures.
vx::VxReportDocumentPtr createReportDocument();

// The page every report is laid out on: A4 portrait with narrow margins, so
// the widest printed table (19,1 cm) fits.
QPageLayout reportPageLayout();

} // namespace shell
