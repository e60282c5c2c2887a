#pragma once

#include "platform/contract/vx_report_document.h"

#include <QPageLayout>

#include <functional>

class QImage;
class QWidget;

namespace shell {

// What the host's report document holds besides text and tables.
class ReportPictures {
public:
    virtual ~ReportPictures() = default;
    // A picture (a chart) on a line of its own, set `widthCm` by `heightCm`.
    virtual void addImage(const QImage& image, double widthCm, double heightCm) = 0;
};

// A page the host's report document shows before its printed pages ("Eilutės"),
// for reports whose rows open the records they refer to.
class ReportRowsPage {
public:
    virtual ~ReportRowsPage() = default;
    // `make` builds the page, a child of the widget it is given, when the
    // document is shown.
    virtual void setRowsPage(std::function<QWidget*(QWidget* parent)> make) = 0;
};

// The host's report document (print preview, printing, PDF); it is also a
// ReportPictures and a ReportRowsPage.
vx::VxReportDocumentPtr createReportDocument();

// The page every report is laid out on: A4 portrait with narrow margins, so
// the widest printed table (19,1 cm) fits.
QPageLayout reportPageLayout();

} // namespace shell
