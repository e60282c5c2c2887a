#include "platform/bo/reports/report_catalogue.h"

#include "platform/bo/business_object.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

#include <QSaveFile>

namespace bo::reports {
namespace {

const QString reportType = QStringLiteral("O0001900");

ReportColumn column(const char* field, const char* caption, ColumnKind kind, double widthCm)
{
    return {QString::fromLatin1(field), QString::fromUtf8(caption), kind, widthCm};
}

QString csvCell(QString text)
{
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

} // namespace

QString rightsComponent()
{
    return QStringLiteral("CTransportReports");
}

const QList<ReportDefinition>& catalogue()
{
    static const QList<ReportDefinition> all = {
        {QStringLiteral("FuelBalance"),
         QStringLiteral("Kuro balansas"),
         QStringLiteral("Kiekvieno automobilio rida ir kuras per laikotarpį: pagal normas, gauta, likučiai ir nuokrypis."),
         QStringLiteral("O4000100"),
         Period | Vehicles | Driver,
         QStringLiteral("ReportFuelBalance"),
         {column("GroupName", "Grupė", ColumnKind::Text, 2.4), column("CarName", "Automobilis", ColumnKind::Text, 3.4),
          column("Sheets", "Lapų", ColumnKind::Whole, 1.0), column("Distance", "Rida, km", ColumnKind::Plain, 1.6),
          column("OwnDistance", "Savo sąskaita, km", ColumnKind::Plain, 1.6),
          column("FuelByNorms", "Pagal normas, l", ColumnKind::Fuel, 1.7),
          column("FuelReceived", "Gauta, l", ColumnKind::Fuel, 1.6),
          column("FuelStartRest", "Likutis pradžioje, l", ColumnKind::Fuel, 1.7),
          column("FuelEndRest", "Likutis pabaigoje, l", ColumnKind::Fuel, 1.7),
          column("FuelDeviation", "Nuokrypis, l", ColumnKind::Fuel, 1.6)}},
    };
    return all;
}

QList<ReportDefinition> reportsFor(const QString& objectType)
{
    QList<ReportDefinition> found;
    for (const ReportDefinition& report : catalogue())
        if (report.objectType == objectType)
            found << report;
    return found;
}

const ReportDefinition* findReport(const QString& keyOrName)
{
    for (const ReportDefinition& report : catalogue())
        if (report.key.compare(keyOrName, Qt::CaseInsensitive) == 0
            || report.name.compare(keyOrName, Qt::CaseInsensitive) == 0)
            return &report;
    return nullptr;
}

QString idOf(const ReportDefinition& report)
{
    qint64 position = 0;
    while (position < catalogue().size() && catalogue().at(int(position)).key != report.key)
        ++position;
    return vx::oid::make(reportType, position + 1);
}

const ReportDefinition* reportOfId(const QString& oidr)
{
    if (!vx::oid::isOfType(oidr, reportType) || !vx::oid::hasRecord(oidr))
        return nullptr;
    const qint64 position = vx::oid::recordNumber(oidr) - 1;
    return position >= 0 && position < catalogue().size() ? &catalogue().at(int(position)) : nullptr;
}

QString parameterText(const ReportArguments& args)
{
    return vx::arguments::write({args.from, args.to, args.vehicles.join(QLatin1Char(',')), args.driver});
}

vx::CallResult run(Session& session, const ReportDefinition& report, const ReportArguments& args)
{
    return session.businessObject()->GetProperty(report.call, parameterText(args));
}

QString cellText(const ReportColumn& column, const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (column.kind) {
    case ColumnKind::Text:
        return value.toString();
    case ColumnKind::Whole:
        return QString::number(value.toLongLong());
    case ColumnKind::Plain:
        return vx::numbers::plain(value.toDouble());
    case ColumnKind::Fuel:
        return vx::numbers::fixed(value.toDouble(), 3);
    }
    return QString();
}

bool isTotal(const vx::Recordset& rows, int row)
{
    const int kind = rows.fieldIndex(u"RowKind");
    return kind >= 0 && rows.valueAt(row, kind).toInt() != 0;
}

QStringList rowTexts(const ReportDefinition& report, const vx::Recordset& rows, int row)
{
    QStringList cells;
    for (const ReportColumn& column : report.columns) {
        const int field = rows.fieldIndex(column.field);
        cells << (field >= 0 ? cellText(column, rows.valueAt(row, field)) : QString());
    }
    // A total names itself where a vehicle's name would be.
    if (isTotal(rows, row) && cells.size() > 1) {
        const bool grand = rows.valueAt(row, rows.fieldIndex(u"RowKind")).toInt() == 2;
        cells[1] = grand ? QStringLiteral("Iš viso") : QStringLiteral("Grupės suma");
    }
    return cells;
}

QByteArray csv(const ReportDefinition& report, const vx::Recordset& rows)
{
    QStringList lines;
    QStringList captions;
    for (const ReportColumn& column : report.columns)
        captions << csvCell(column.caption);
    lines << captions.join(QLatin1Char(';'));
    for (int row = 0; row < rows.readCount(); ++row) {
        QStringList cells;
        for (const QString& cell : rowTexts(report, rows, row))
            cells << csvCell(cell);
        lines << cells.join(QLatin1Char(';'));
    }
    return QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + QByteArray("\r\n");
}

bool writeCsv(const QString& path, const ReportDefinition& report, const vx::Recordset& rows, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv(report, rows)) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Nepavyko įrašyti failo %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace bo::reports
