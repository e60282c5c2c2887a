#include "documents/column_states.h"

#include "module/module_services.h"
#include "platform/contract/vx_services.h"

#include <QStringList>

#include <cmath>

namespace documents {
namespace {

const QString sheetType = QStringLiteral("O4000100");
const QChar separator = QLatin1Char('#');

double roundTo2(double value)
{
    return std::round(value * 100.0) / 100.0;
}

// Widths freed by the columns switched off go to the table's wide text columns.
void giveFreedWidth(PrintTable& table, double freed)
{
    if (freed <= 0)
        return;
    auto find = [&table](QStringView field) -> PrintColumn* {
        for (PrintColumn& c : table.columns)
            if (c.field == field)
                return &c;
        return nullptr;
    };
    if (table.key == tables::routes) {
        PrintColumn* name = find(u"TransportRouteName");
        PrintColumn* driver = find(u"TransportRouteUserName");
        if (name && driver) {
            const double half = roundTo2(freed / 2.0);
            name->cm = 3.3 + half;
            driver->cm = 2.0 + half;
        } else if (name) {
            name->cm = 2.3 + freed;
        } else if (driver) {
            driver->cm = 2.0 + freed;
        }
    } else if (table.key == tables::cheques) {
        if (PrintColumn* firm = find(u"FirmName"))
            firm->cm = 3.5 + freed;
    }
}

} // namespace

QString settingKey(const QString& tableKey)
{
    return QStringLiteral("TransportTripPrintParameters") + tableKey;
}

ColumnStates parseStates(const QString& stored)
{
    ColumnStates states;
    const QStringList parts = stored.split(separator);
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& code = parts.at(i + 1);
        if (code == QLatin1String("0"))
            states.insert(parts.at(i), ColumnState::Always);
        else if (code == QLatin1String("1"))
            states.insert(parts.at(i), ColumnState::Printed);
        else if (code == QLatin1String("2"))
            states.insert(parts.at(i), ColumnState::Hidden);
    }
    return states;
}

QString joinStates(const PrintTable& table, const ColumnStates& states)
{
    QStringList parts;
    for (const PrintColumn& c : table.columns)
        parts << c.field << QString::number(int(stateOf(c, states)));
    return parts.join(separator);
}

ColumnState stateOf(const PrintColumn& column, const ColumnStates& states)
{
    const auto found = states.constFind(column.field);
    if (found != states.constEnd())
        return *found;
    return column.alwaysPrinted ? ColumnState::Always : ColumnState::Printed;
}

ColumnStates readStates(vx::VxEnvironment& environment, const QString& tableKey)
{
    return parseStates(environment.GetSetting(sheetType, settingKey(tableKey), QString(), QString()));
}

void writeStates(vx::VxEnvironment& environment, const QString& tableKey, const QString& value)
{
    environment.SaveSetting(sheetType, settingKey(tableKey), value, QString());
}

PrintTable printedColumns(const PrintTable& table, const ColumnStates& states)
{
    PrintTable printed = table;
    printed.columns.clear();
    double freed = 0;
    for (const PrintColumn& c : table.columns) {
        if (stateOf(c, states) == ColumnState::Hidden)
            freed += c.cm;
        else
            printed.columns << c;
    }
    giveFreedWidth(printed, freed);
    return printed;
}

PrintTable printedColumns(const QString& tableKey)
{
    const vx::VxSPtr services = module::services();
    const ColumnStates states = services ? readStates(services->Environment(), tableKey) : ColumnStates();
    return printedColumns(printTable(tableKey), states);
}

} // namespace documents
