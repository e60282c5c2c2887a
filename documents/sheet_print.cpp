#include "documents/sheet_print.h"

#include "platform/contract/host_factory.h"
#include "trips/trip_sheet_editor.h"

namespace documents {
namespace {

constexpr double titleSize = 12;
constexpr int titleStyle = 2;

QList<vx::VxReportDocument::Column> reportColumns(const PrintTable& table)
{
    QList<vx::VxReportDocument::Column> columns;
    for (const PrintColumn& c : table.columns)
        columns.append({c.caption, c.cm, int(c.kind)});
    return columns;
}

} // namespace

void fillReport(vx::VxReportDocument& document, const SheetContent& content)
{
    const SheetHeader& h = content.header;
    document.setBaseFont(QStringLiteral("Microsoft Sans Serif"), 8);
    document.addLine(QStringLiteral("Kelionės lapas"), titleSize, titleStyle);
    document.addLine(QString());
    document.addLine(QStringLiteral("Pradžios data: ") + h.date);
    document.addLine(QStringLiteral("Pabaigos data: ") + h.dateTo);
    document.addLine(QStringLiteral("Numeris: ") + h.number);
    document.addLine(QStringLiteral("Kodas: ") + h.code);
    document.addLine(QStringLiteral("Automobilis: ") + h.vehicle);
    document.addLine(QStringLiteral("Automobilio numeris: ") + h.plate);
    document.addLine(QStringLiteral("Vairuotojas: ") + h.driver);
    document.addLine(QString());
    document.addLine(QStringLiteral("Spidometro parodymai pradžioje: ") + h.start);
    document.addLine(QStringLiteral("Nuvažiuotas atstumas: ") + h.distance);
    document.addLine(QStringLiteral("Nuvažiuota savo sąskaita: ") + h.ownExpense);
    document.addLine(QStringLiteral("Spidometro parodymai pabaigoje: ") + h.end);
    document.addLine(QString());

    for (const SheetTable& table : content.tables) {
        document.addLine(table.table.section, titleSize, titleStyle);
        document.addLine(QString());
        document.addTable(reportColumns(table.table));
        for (const QStringList& row : table.rows)
            document.addRow(row);
        if (table.table.key == tables::routes)
            document.addRow(printedTotalsRow(table), true);
    }
}

vx::CallResult printSheet(UIO4000100& editor, const QString& pdfPath)
{
    const vx::VxReportDocumentPtr document = vx::hostFactory().createReportDocument();
    if (!document)
        return vx::CallResult::failure(QStringLiteral("Programa neturi spausdinimo dokumento."));
    const SheetContent content = readSheet(editor, editor.title());
    fillReport(*document, content);
    if (pdfPath.isEmpty()) {
        document->show(QStringLiteral("Kelionės lapas ") + content.header.number);
        return {};
    }
    QString error;
    if (!document->writePdf(pdfPath, &error))
        return vx::CallResult::failure(error);
    return {};
}

} // namespace documents
