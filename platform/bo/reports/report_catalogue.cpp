#include "platform/bo/reports/report_catalogue.h"

#include "platform/bo/business_object.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

#include <QSaveFile>

namespace bo::reports {
namespace {

const QString reportType = QStringLiteral("O0001900");

ReportColumn column(const char* field, const char* caption, ColumnKind kind, double widthCm, const char* opens = "")
{
    return {QString::fromLatin1(field), QString::fromUtf8(caption), kind, widthCm, QString::fromLatin1(opens)};
}

ReportLink link(const char* field, const char* caption)
{
    return {QString::fromLatin1(field), QString::fromUtf8(caption)};
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
         {column("GroupName", "Grupė", ColumnKind::Text, 2.9),
          column("CarName", "Automobilis", ColumnKind::Text, 3.4, "CarOIDR"),
          column("Sheets", "Lapų", ColumnKind::Whole, 1.0), column("Distance", "Rida, km", ColumnKind::Plain, 1.6),
          column("OwnDistance", "Savo sąskaita, km", ColumnKind::Plain, 1.6),
          column("FuelByNorms", "Pagal normas, l", ColumnKind::Fuel, 1.7),
          column("FuelReceived", "Gauta, l", ColumnKind::Fuel, 1.6),
          column("FuelStartRest", "Likutis pradžioje, l", ColumnKind::Fuel, 1.7),
          column("FuelEndRest", "Likutis pabaigoje, l", ColumnKind::Fuel, 1.7),
          column("FuelDeviation", "Nuokrypis, l", ColumnKind::Fuel, 1.6)},
         {},
         QStringLiteral("Per laikotarpį kelionės lapų nėra."),
         QStringLiteral("Grupės suma"),
         {link("CarOIDR", "Atverti &automobilį")}},
        {QStringLiteral("FuelCheques"),
         QStringLiteral("Kuro čekiai"),
         QStringLiteral("Per laikotarpį pirktas kuras pagal pardavėjus ir kuro tipus: kiekis, suma čekio valiuta ir "
                        "bazine valiuta pagal čekio dienos kursą."),
         QStringLiteral("O4000100"),
         Period | Vehicles,
         QStringLiteral("ReportFuelCheques"),
         {column("FirmName", "Pardavėjas", ColumnKind::Text, 4.2), column("FuelName", "Kuro tipas", ColumnKind::Text, 2.8),
          column("Cheques", "Čekių", ColumnKind::Whole, 1.2), column("FuelAmount", "Kiekis, l", ColumnKind::Fuel, 2.0),
          column("SumCurr", "Suma", ColumnKind::Money, 2.0), column("CurrCode", "Valiuta", ColumnKind::Text, 1.4),
          column("SumBase", "Suma bazine valiuta", ColumnKind::Money, 2.4),
          column("NoRate", "Be dienos kurso", ColumnKind::Whole, 1.8)},
         {},
         QStringLiteral("Per laikotarpį čekių nėra."),
         QStringLiteral("Pardavėjo suma")},
        {QStringLiteral("OdometerGaps"),
         QStringLiteral("Spidometro neatitikimai"),
         QStringLiteral("Iš eilės einantys automobilio kelionės lapai, kurių pradžios rodmuo nesutampa su ankstesnio "
                        "lapo pabaigos rodmeniu."),
         QStringLiteral("O4000100"),
         Period | Vehicles,
         QStringLiteral("ReportOdometerGaps"),
         // The previous sheet's columns open that sheet, the others the row's own.
         {column("CarName", "Automobilis", ColumnKind::Text, 3.8, "TripOIDR"),
          column("PrevName", "Ankstesnis lapas", ColumnKind::Text, 2.2, "PrevOIDR"),
          column("PrevDate", "Data", ColumnKind::Date, 1.8, "PrevOIDR"),
          column("PrevEnd", "Rodmuo pabaigoje", ColumnKind::Plain, 2.0, "PrevOIDR"),
          column("TripName", "Lapas", ColumnKind::Text, 2.2, "TripOIDR"),
          column("TripDate", "Data", ColumnKind::Date, 1.8, "TripOIDR"),
          column("TripStart", "Rodmuo pradžioje", ColumnKind::Plain, 2.0, "TripOIDR"),
          column("Difference", "Skirtumas, km", ColumnKind::Plain, 1.8, "TripOIDR")},
         {},
         QStringLiteral("Per laikotarpį neatitikimų nėra."),
         QStringLiteral("Grupės suma"),
         {link("PrevOIDR", "Atverti &ankstesnį lapą"), link("TripOIDR", "Atverti &lapą")}},
        {QStringLiteral("ExpiringDocuments"),
         QStringLiteral("Baigiantys galioti dokumentai"),
         QStringLiteral("Automobilių dokumentai, kurių galiojimas baigiasi per nurodytą dienų skaičių nuo datos."),
         QStringLiteral("O4000100"),
         Day | Number | Vehicles,
         QStringLiteral("ReportExpiringDocuments"),
         // A vehicle's documents are kept on its card: every column opens the vehicle.
         {column("CarName", "Automobilis", ColumnKind::Text, 4.0, "CarOIDR"),
          column("DocName", "Dokumentas", ColumnKind::Text, 4.4, "CarOIDR"),
          column("DocShape", "Tipas", ColumnKind::Text, 2.8, "CarOIDR"),
          column("DocNumber", "Numeris", ColumnKind::Text, 2.8, "CarOIDR"),
          column("DateTo", "Galioja iki", ColumnKind::Date, 2.0, "CarOIDR"),
          column("DaysLeft", "Liko dienų", ColumnKind::Whole, 1.6, "CarOIDR")},
         {QStringLiteral("Dienų skaičius"), QString(), 30, 0, 3650},
         QStringLiteral("Per šį laikotarpį baigiančių galioti dokumentų nėra."),
         QStringLiteral("Grupės suma"),
         {link("CarOIDR", "Atverti &automobilį")}},
        {QStringLiteral("TyreRuns"),
         QStringLiteral("Padangų rida"),
         QStringLiteral("Naudojamos padangos, kurių rida pasiekė nurodytą didžiausios ridos dalį."),
         QStringLiteral("O4000100"),
         Number | Vehicles,
         QStringLiteral("ReportTyreRuns"),
         // The vehicle's column opens the vehicle the tyre is on, the others the tyre.
         {column("TyreName", "Padanga", ColumnKind::Text, 4.8, "TyreOIDR"),
          column("CarName", "Sumontuota ant", ColumnKind::Text, 4.4, "CarOIDR"),
          column("Run", "Rida, km", ColumnKind::Whole, 2.0, "TyreOIDR"),
          column("MaxRun", "Didžiausia rida, km", ColumnKind::Whole, 2.4, "TyreOIDR"),
          column("Share", "Dalis, %", ColumnKind::Share, 1.6, "TyreOIDR")},
         {QStringLiteral("Ridos dalis"), QStringLiteral("%"), 80, 0, 1000},
         QStringLiteral("Padangų, pasiekusių šią ridos dalį, nėra."),
         QStringLiteral("Grupės suma"),
         {link("TyreOIDR", "Atverti pa&dangą"), link("CarOIDR", "Atverti &automobilį")}},
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

vx::CallResult run(Session& session, const ReportDefinition& report, const ReportArguments& args)
{
    return session.businessObject()->GetProperty(report.call, parameterText(report, args));
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
    case ColumnKind::Money:
        return vx::numbers::fixed(value.toDouble(), 2);
    case ColumnKind::Share:
        return vx::numbers::fixed(value.toDouble(), 1);
    case ColumnKind::Date:
        return vx::dates::toText(value.toDate());
    }
    return QString();
}

bool isTotal(const vx::Recordset& rows, int row)
{
    const int kind = rows.fieldIndex(u"RowKind");
    return kind >= 0 && rows.valueAt(row, kind).toInt() != 0;
}

QString objectOf(const vx::Recordset& rows, int row, const QString& field)
{
    const int index = rows.fieldIndex(field);
    if (field.isEmpty() || index < 0 || row < 0 || row >= rows.readCount())
        return QString();
    const QString id = rows.valueAt(row, index).toString();
    return vx::oid::hasRecord(id) ? id : QString();
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
        cells[1] = grand ? QStringLiteral("Iš viso") : report.groupTotal;
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
