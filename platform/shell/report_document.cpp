#include "platform/shell/report_document.h"

#include "platform/contract/message_door.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {
namespace {

// Fixed lengths of a text document are laid out in the pixels of the
// screen's logical resolution and scaled from there to the printer's.
double pixelsPerCm()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi / 2.54;
}

constexpr double cellPadding = 2;
// The smallest size a number is shrunk to; below it a number would be hard to read.
constexpr double smallestNumberSize = 5;

// A number in a cell too narrow for it is set smaller, half a point at a
// time down to the smallest size, rather than broken over two lines. The
// width is measured on the screen's resolution, which the document is laid out in.
QFont fittingFont(QFont font, const QString& text, double widthPx)
{
    while (font.pointSizeF() > smallestNumberSize && QFontMetricsF(font).horizontalAdvance(text) > widthPx)
        font.setPointSizeF(std::max(smallestNumberSize, font.pointSizeF() - 0.5));
    return font;
}

// The preview is as large as the program's main window, as the user sized it
// for the screen; without one, a page's proportions that fit the screen.
QSize previewSize()
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<const QMainWindow*>(window))
            return window->size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? QSize(900, 1000).boundedTo(screen->availableSize()) : QSize(900, 1000);
}

// Lines and tables go into a QTextDocument, always appended at its end.
class TextReport final : public vx::VxReportDocument, public ReportPictures, public ReportRowsPage {
public:
    TextReport() : cursor_(&document_)
    {
        document_.setDocumentMargin(0);
        setBaseFont(QStringLiteral("Sans Serif"), 8);
    }

    void setBaseFont(const QString& family, double pointSize) override
    {
        base_ = QFont(family);
        // Where the named family is missing, a narrow one of the same build
        // keeps the columns' text on one line more often.
        base_.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                           QStringLiteral("DejaVu Sans Condensed")});
        base_.setPointSizeF(pointSize > 0 ? pointSize : 8);
        document_.setDefaultFont(base_);
    }

    void addLine(const QString& text, double pointSize, int style) override
    {
        table_ = nullptr;
        QTextCharFormat format;
        format.setFont(base_);
        format.setFontPointSize(pointSize > 0 ? pointSize : base_.pointSizeF());
        format.setFontWeight(style == 2 ? QFont::Bold : QFont::Normal);
        format.setFontItalic(style == 1);
        startBlock(format);
        cursor_.insertText(text, format);
    }

    void addTable(const QList<Column>& columns) override
    {
        columns_ = columns;
        if (columns.isEmpty()) {
            table_ = nullptr;
            return;
        }
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderBrush(Qt::black);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(cellPadding);
        format.setCellSpacing(0);
        format.setHeaderRowCount(1);
        QList<QTextLength> widths;
        for (const Column& c : columns)
            widths << QTextLength(QTextLength::FixedLength, c.widthCm * pixelsPerCm());
        format.setColumnWidthConstraints(widths);
        format.setAlignment(Qt::AlignLeft);
        // The table goes between the last line and a new block, which the next line takes.
        cursor_.movePosition(QTextCursor::End);
        if (started_)
            cursor_.insertBlock();
        started_ = true;
        table_ = cursor_.insertTable(1, int(columns.size()), format);
        reuseBlock_ = true;
        QStringList captions;
        for (const Column& c : columns)
            captions << c.caption;
        fillRow(0, captions, false, true);
        cursor_.movePosition(QTextCursor::End);
    }

    void addRow(const QStringList& cells, bool bold) override
    {
        if (!table_)
            return;
        table_->appendRows(1);
        fillRow(table_->rows() - 1, cells, bold, false);
        cursor_.movePosition(QTextCursor::End);
    }

    void addImage(const QImage& image, double widthCm, double heightCm) override
    {
        table_ = nullptr;
        const QString name = QStringLiteral("kelmira-image:%1").arg(++images_);
        document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(widthCm * pixelsPerCm());
        format.setHeight(heightCm * pixelsPerCm());
        startBlock(QTextCharFormat());
        cursor_.insertImage(format);
    }

    void setRowsPage(std::function<QWidget*(QWidget*)> make) override { makeRowsPage_ = std::move(make); }

    void show(const QString& title) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(reportPageLayout());
        printer.setDocName(title);
        fitToPage();
        QPrintPreviewDialog preview(&printer);
        preview.setObjectName(QStringLiteral("dlgPrintPreview"));
        preview.setWindowTitle(title);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [this](QPrinter* target) { document_.print(target); });
        if (QToolBar* bar = preview.findChild<QToolBar*>()) {
            QAction* save = bar->addAction(QStringLiteral("Išsaugoti PDF..."));
            save->setObjectName(QStringLiteral("actSavePdf"));
            // A tool button drops a caption's "..." unless its icon text keeps it.
            save->setIconText(save->text());
            if (QWidget* button = bar->widgetForAction(save))
                button->setObjectName(QStringLiteral("cmdSavePdf"));
            QObject::connect(save, &QAction::triggered, &preview, [this, &preview, title] { askAndSavePdf(preview, title); });
        }
        if (makeRowsPage_)
            addRowsPage(preview);
        preview.resize(previewSize());
        vx::dialogs::run(preview);
    }

    bool writePdf(const QString& path, QString* error) override
    {
        {
            QFile probe(path);
            if (!probe.open(QIODevice::WriteOnly)) {
                if (error)
                    *error = QStringLiteral("Nepavyko įrašyti %1: %2").arg(path, probe.errorString());
                return false;
            }
        }
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Kelmira"));
        writer.setTitle(document_.metaInformation(QTextDocument::DocumentTitle));
        writer.setPageLayout(reportPageLayout());
        fitToPage();
        document_.print(&writer);
        return true;
    }

private:
    // Laid out on pages of the printable area, the document is printed as it
    // is, scaled to the printer, without the margins of its own a document
    // without pages would get.
    void fitToPage()
    {
        const QSizeF area = reportPageLayout().paintRect(QPageLayout::Millimeter).size() / 10.0;
        document_.setPageSize(QSizeF(area.width() * pixelsPerCm(), area.height() * pixelsPerCm()));
    }

    // The rows in a tab of their own before the printed pages, which keep
    // the window's own content (their tool bar and pages) in theirs; the
    // rows' tab is the one the window opens on.
    void addRowsPage(QPrintPreviewDialog& preview)
    {
        QLayout* layout = preview.layout();
        if (!layout)
            return;
        auto* tabs = new QTabWidget(&preview);
        tabs->setObjectName(QStringLiteral("tabReport"));
        tabs->setDocumentMode(true);
        auto* printed = new QWidget(tabs);
        auto* printedLayout = new QVBoxLayout(printed);
        printedLayout->setContentsMargins(0, 0, 0, 0);
        while (QLayoutItem* item = layout->takeAt(0)) {
            if (QWidget* widget = item->widget())
                printedLayout->addWidget(widget, 1);
            delete item;
        }
        QWidget* rows = makeRowsPage_(tabs);
        tabs->addTab(rows, QStringLiteral("&Eilutės"));
        tabs->addTab(printed, QStringLiteral("&Peržiūra"));
        layout->addWidget(tabs);
        rows->setFocus();
    }

    void startBlock(const QTextCharFormat& format)
    {
        cursor_.movePosition(QTextCursor::End);
        if (!started_ || reuseBlock_) {
            started_ = true;
            reuseBlock_ = false;
            cursor_.setBlockCharFormat(format);
            return;
        }
        cursor_.insertBlock(QTextBlockFormat(), format);
    }

    void fillRow(int row, const QStringList& cells, bool bold, bool header)
    {
        for (int column = 0; column < table_->columns(); ++column) {
            QTextCursor cell = table_->cellAt(row, column).firstCursorPosition();
            QTextBlockFormat block;
            const int alignment = columns_.value(column).alignment;
            block.setAlignment(header || alignment == 2 ? Qt::AlignHCenter
                               : alignment == 1         ? Qt::AlignRight
                                                        : Qt::AlignLeft);
            QFont font = base_;
            font.setWeight(bold ? QFont::Bold : QFont::Normal);
            const QString text = cells.value(column);
            if (!header && alignment == 1) {
                // Padding on both sides and the borders take their share of the column.
                const double room = columns_.value(column).widthCm * pixelsPerCm() - 2 * cellPadding - 2;
                font = fittingFont(font, text, room);
                block.setNonBreakableLines(true);
            }
            cell.setBlockFormat(block);
            QTextCharFormat format;
            format.setFont(font);
            cell.insertText(text, format);
        }
    }

    void askAndSavePdf(QWidget& parent, const QString& title)
    {
        QFileDialog dialog(&parent, QStringLiteral("Išsaugoti PDF"),
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
                               title + QStringLiteral(".pdf"),
                           QStringLiteral("PDF (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (vx::dialogs::run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        QString error;
        if (!writePdf(dialog.selectedFiles().first(), &error))
            vx::messages::show(error, title, QMessageBox::Critical, QMessageBox::Ok);
    }

    QTextDocument document_;
    QTextCursor cursor_;
    QFont base_;
    QList<Column> columns_;
    QTextTable* table_ = nullptr;
    std::function<QWidget*(QWidget*)> makeRowsPage_;
    bool started_ = false;
    bool reuseBlock_ = false; // the block after a table waits for the next line
    int images_ = 0;
};

} // namespace

vx::VxReportDocumentPtr createReportDocument()
{
    return std::make_shared<TextReport>();
}

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(8, 12, 8, 12),
                       QPageLayout::Millimeter);
}

} // namespace shell
