#include "documents/sheet_export.h"

#include "documents/catalogue_print_document.h"
#include "documents/export_notice.h"
#include "trips/trip_sheet_editor.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace documents {
namespace {

constexpr double pointsPerCm = 28.35;

QString tablePlaceholder(const QString& tableKey)
{
    if (tableKey == tables::routes)
        return QStringLiteral("{Atkarpos}");
    if (tableKey == tables::cheques)
        return QStringLiteral("{Čekiai}");
    if (tableKey == tables::norms)
        return QStringLiteral("{Normos}");
    return QStringLiteral("{Kuro bakai}");
}

// Characters no file name may hold on any desktop.
QString fileNamePart(QString text)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return text.replace(unsafe, QStringLiteral("_")).trimmed();
}

} // namespace

QList<QPair<QString, QString>> placeholderValues(const SheetHeader& h)
{
    return {{QStringLiteral("{Data}"), h.date},
            {QStringLiteral("{Pabaigos data}"), h.dateTo},
            {QStringLiteral("{Numeris}"), h.number},
            {QStringLiteral("{Kodas}"), h.code},
            {QStringLiteral("{Automobilis}"), h.vehicle},
            {QStringLiteral("{Automobilio numeris}"), h.plate},
            {QStringLiteral("{Vairuotojas}"), h.driver},
            {QStringLiteral("{Spidometro parodymai pradžioje}"), h.start},
            {QStringLiteral("{Nuvažiuotas atstumas}"), h.distance},
            {QStringLiteral("{Nuvažiuota savo sąskaita}"), h.ownExpense},
            {QStringLiteral("{Spidometro parodymai pabaigoje}"), h.end}};
}

WordTable wordTable(const SheetTable& table)
{
    WordTable word;
    for (const PrintColumn& c : table.table.columns) {
        word.columns.append({c.cm * pointsPerCm, int(c.kind)});
        word.header << c.caption;
    }
    word.rows = table.rows;
    if (table.table.key == tables::routes) {
        const QStringList totals = templateTotalsRow(table);
        if (!totals.isEmpty())
            word.rows << totals;
    }
    return word;
}

QList<QPair<QString, WordTable>> placeholderTables(const SheetContent& content)
{
    QList<QPair<QString, WordTable>> result;
    for (const SheetTable& table : content.tables)
        result.append({tablePlaceholder(table.table.key), wordTable(table)});
    return result;
}

QString exportPath(const QString& templateName, const QString& number, const QString& suffix)
{
    QString base = QFileInfo(templateName).completeBaseName();
    base.remove(QStringLiteral("Transport_"));
    base.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!base.isEmpty())
        base[0] = base.at(0).toUpper();
    QString name = fileNamePart(base + QLatin1Char(' ') + number);
    if (name.isEmpty())
        name = QStringLiteral("Kelionės lapas");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/');
    QString path = folder + name + QLatin1Char('.') + suffix;
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder + name + QStringLiteral(" (%1).").arg(copy) + suffix;
    return path;
}

vx::CallResult exportSheet(UIO4000100& editor, const QString& templatePath, const QString& outputPath)
{
    QString path = templatePath;
    if (path.isEmpty()) {
        const QString chosen = CataloguePrintDocument::chooseTemplate(QStringLiteral("Transport_"));
        if (chosen.isEmpty())
            return vx::CallResult::failure(QStringLiteral("Šablonas nepasirinktas."));
        path = CataloguePrintDocument::templatesFolder() + chosen;
    }
    const QString templateName = QFileInfo(path).fileName();
    CataloguePrintDocument::Document document;
    if (!CataloguePrintDocument::createDocument(path, document))
        return vx::CallResult::failure(QStringLiteral("Šablono %1 nepavyko atidaryti.").arg(templateName));
    if (!outputPath.isEmpty() && QFileInfo(outputPath).suffix().compare(document.suffix, Qt::CaseInsensitive) != 0)
        return vx::CallResult::failure(
            QStringLiteral("Pagal šabloną %1 rašomas .%2 dokumentas: %3").arg(templateName, document.suffix, outputPath));

    const SheetContent content = readSheet(editor, CataloguePrintDocument::messageTitle());
    CataloguePrintDocument::fillDocument(document, placeholderValues(content.header), placeholderTables(content));

    const QString target = outputPath.isEmpty() ? exportPath(templateName, content.header.number, document.suffix) : outputPath;
    if (!CataloguePrintDocument::saveDocument(document, target, templateName))
        return vx::CallResult::failure(QStringLiteral("Dokumento %1 nepavyko įrašyti.").arg(target));
    if (outputPath.isEmpty())
        tellWritten(target, CataloguePrintDocument::messageTitle());
    return vx::CallResult::success(target);
}

} // namespace documents
