#pragma once

#include <QList>
#include <QString>

// The four tables of a printed trip sheet, also poured into templates. Each
// column carries its field name (its key), caption, width in twips, printed
// width in centimetres and kind mark, which is also its alignment code.
namespace documents {

enum class ColumnKind { Plain = 0, Number = 1, YesNo = 2 };

struct PrintColumn {
    QString field;
    QString caption;
    int twips = 0;
    double cm = 0;
    ColumnKind kind = ColumnKind::Plain;
    bool alwaysPrinted = false; // printed unless the stored state says otherwise
};

struct PrintTable {
    QString key;      // "TripRoutes", "Cheques", "TripNorms", "TripFuelTanks"
    QString section;  // the title printed above the table
    QString property; // the editor property that gives the rows
    QList<PrintColumn> columns;
};

namespace tables {
inline const QString routes = QStringLiteral("TripRoutes");
inline const QString cheques = QStringLiteral("Cheques");
inline const QString norms = QStringLiteral("TripNorms");
inline const QString fuelTanks = QStringLiteral("TripFuelTanks");
} // namespace tables

// One table by key; an empty table (no key) for an unknown one.
PrintTable printTable(const QString& key);

// In the order the sheet prints them: routes, cheques, norms, fuel tanks.
QList<PrintTable> printedOrder();
// In the order the print parameters dialog shows them: routes, cheques, fuel tanks, norms.
QList<PrintTable> parametersOrder();

} // namespace documents
