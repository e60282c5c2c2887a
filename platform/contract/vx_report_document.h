#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace vx {

// The host's report document: a module fills it with text lines and tables in
// reading order and then shows it (a preview window from which the user prints
// or saves a PDF) or writes it straight to a PDF file. Page layout, margins and
// the preview window are the host's.
class VxReportDocument {
public:
    struct Column {
        QString caption;
        double widthCm = 0;
        // 0 plain text (left), 1 number (right), 2 yes/no (centred).
        int alignment = 0;
    };

    virtual ~VxReportDocument() = default;

    // The font of every line and cell that does not give its own size.
    virtual void setBaseFont(const QString& family, double pointSize) = 0;
    // One line of text; size 0 means the base size. Style code 0 plain, 1 italic, 2 bold.
    virtual void addLine(const QString& text, double pointSize = 0, int style = 0) = 0;
    // Starts a table; the rows added next belong to it until another line or table.
    virtual void addTable(const QList<Column>& columns) = 0;
    // One row of the current table, one text per column; a bold row for totals.
    virtual void addRow(const QStringList& cells, bool bold = false) = 0;

    // Shows the document in the host's preview window (modal).
    virtual void show(const QString& title) = 0;
    // Writes the document as a PDF without a window; false with `error` set on failure.
    virtual bool writePdf(const QString& path, QString* error = nullptr) = 0;
};

using VxReportDocumentPtr = std::shared_ptr<VxReportDocument>;

} // namespace vx
