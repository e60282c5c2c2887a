#include "documents/sheet_content.h"

#include "documents/column_states.h"
#include "module/catalogue_conversions.h"
#include "module/catalogue_dialogs.h"
#include "module/catalogue_host.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/speedometer.h"
#include "trips/trip_balance.h"
#include "trips/trip_sheet_editor.h"

#include <algorithm>
#include <cmath>

namespace documents {
namespace {

QString field(const vx::RecordFields& fields, const QString& name)
{
    return fields.contains(name) ? Catalogue::TextOrEmpty(fields.value(name)) : QString();
}

QString dateField(const vx::RecordFields& fields, const QString& name)
{
    return fields.contains(name) ? vx::dates::toText(Catalogue::DateOrDefault(fields.value(name), QDate()))
                                 : QString();
}

vx::RecordFields recordOf(const QString& typeId, qint64 number)
{
    if (number <= 0)
        return {};
    const vx::VxObjectUIOPtr editor = Catalogue::GetEditor(vx::oid::make(typeId, number));
    return editor ? editor->Fields() : vx::RecordFields();
}

// A cell as the printed table shows it: route dates with their time, cheque
// dates without, everything else the value as text.
QString cellText(const QString& tableKey, const QString& fieldName, const QVariant& value)
{
    if (fieldName == QLatin1String("Date")) {
        if (tableKey == tables::routes) {
            const QDateTime moment = Catalogue::DateTimeOrDefault(value, QDateTime());
            return moment.isValid() ? vx::dates::toText(moment, false) : QString();
        }
        return vx::dates::toText(Catalogue::DateOrDefault(value, QDate()));
    }
    return Catalogue::TextOrEmpty(value);
}

SheetTable readTable(UIO4000100& editor, const QString& tableKey)
{
    SheetTable result;
    result.table = printedColumns(tableKey);
    const vx::CallResult answer = editor.Properties(result.table.property, editor.OIDR());
    const vx::RecordsetPtr rows = answer.Code == 0 ? answer.Value.value<vx::RecordsetPtr>() : nullptr;
    if (!rows)
        return result;
    for (int row = 0; row < rows->RecordCount(); ++row) {
        QStringList cells;
        for (const PrintColumn& c : result.table.columns) {
            const int index = rows->fieldIndex(c.field);
            cells << (index < 0 ? QString() : cellText(tableKey, c.field, rows->valueAt(row, index)));
        }
        result.rows << cells;
    }
    if (tableKey == tables::routes) {
        const trips::RouteTotals totals = trips::routeTotals(rows);
        result.distanceTotal = totals.distance;
        result.durationTotal = totals.duration;
    }
    return result;
}

int columnOf(const PrintTable& table, QStringView fieldName)
{
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        if (table.columns.at(i).field == fieldName)
            return int(i);
    return -1;
}

} // namespace

QString negativeOwnExpenseMessage()
{
    return QStringLiteral("Įrašykite kelionės lapą bendro nuvažiuoto atstumo atnaujinimui!");
}

SheetContent readSheet(UIO4000100& editor, const QString& messageTitle)
{
    SheetContent content;
    const vx::RecordFields sheet = editor.Fields();
    if (sheet.isNull())
        return content;

    const QVariantList totals = editor.Properties(QStringLiteral("ReCalculate"), QString()).Value.toList();
    const double distance = totals.value(0).toDouble();
    const double start = Catalogue::DoubleOrZero(sheet.value(QStringLiteral("DistanceRest")));
    double end = Catalogue::DoubleOrZero(sheet.value(QStringLiteral("DistanceEnd")));
    // Taken to the digits the readings carry, so binary noise never makes X negative.
    const double magnitude = std::max({std::fabs(start), std::fabs(distance), std::fabs(end)});
    const double ownExpense = trips::roundHalfEven(end - start - distance, 3, magnitude);

    SheetHeader& h = content.header;
    if (ownExpense < 0) {
        content.ownExpenseNegative = true;
        end = start + distance;
        sheet.setValue(QStringLiteral("DistanceEnd"), end);
        Catalogue::ShowError(negativeOwnExpenseMessage(), messageTitle);
    } else {
        h.ownExpense = vx::numbers::plain(ownExpense);
    }

    h.date = dateField(sheet, QStringLiteral("Date"));
    h.dateTo = dateField(sheet, QStringLiteral("DateTo"));
    h.number = field(sheet, QStringLiteral("Name"));
    h.code = field(sheet, QStringLiteral("Code"));
    const vx::RecordFields vehicle =
        recordOf(QStringLiteral("O4000400"), Catalogue::LongOrZero(sheet.value(QStringLiteral("TransportCarID"))));
    if (!vehicle.isNull()) {
        h.vehicle = field(vehicle, QStringLiteral("Name"));
        h.plate = field(vehicle, QStringLiteral("Code"));
    }
    const vx::RecordFields driver =
        recordOf(QStringLiteral("O0001401"), Catalogue::LongOrZero(sheet.value(QStringLiteral("UserID"))));
    if (!driver.isNull())
        h.driver = field(driver, QStringLiteral("Name")) + QLatin1Char(' ') + field(driver, QStringLiteral("LastName"));
    h.start = vx::numbers::plain(start);
    h.distance = vx::numbers::plain(distance);
    h.end = vx::numbers::plain(end);

    for (const PrintTable& table : printedOrder())
        content.tables << readTable(editor, table.key);
    return content;
}

QStringList printedTotalsRow(const SheetTable& routes)
{
    QStringList cells(routes.table.columns.size());
    if (cells.isEmpty())
        return cells;
    cells[0] = QStringLiteral("Viso:");
    const int distance = columnOf(routes.table, u"TransportRouteDistance");
    const int duration = columnOf(routes.table, u"TransportRouteDuration");
    if (distance >= 0)
        cells[distance] = vx::numbers::plain(routes.distanceTotal);
    if (duration >= 0)
        cells[duration] = vx::numbers::plain(routes.durationTotal);
    return cells;
}

QStringList templateTotalsRow(const SheetTable& routes)
{
    const int distance = columnOf(routes.table, u"TransportRouteDistance");
    if (distance < 0 || routes.table.columns.isEmpty())
        return {};
    QStringList cells(routes.table.columns.size());
    cells[0] = QStringLiteral("Viso:");
    cells[distance] = vx::numbers::plain(routes.distanceTotal);
    return cells;
}

} // namespace documents
