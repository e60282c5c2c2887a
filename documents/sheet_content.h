#pragma once

#include "documents/print_tables.h"

#include <QList>
#include <QString>
#include <QStringList>

class UIO4000100;

// What a printed trip sheet and a filled template show, read once from the
// trip sheet editor: the header values and the four tables with the columns
// the user chose to print and the rows as cell texts.
namespace documents {

struct SheetHeader {
    QString date;       // `Date`, short date
    QString dateTo;     // `DateTo`, short date, empty when null
    QString number;     // `Name`
    QString code;       // `Code`
    QString vehicle;    // the vehicle's `Name`
    QString plate;      // the vehicle's `Code`
    QString driver;     // the driver's `Name` + " " + `LastName`
    QString start;      // `DistanceRest`
    QString distance;   // route distance D
    QString ownExpense; // X, empty when it came out negative
    QString end;        // the end reading, raised to start + D when X was negative
};

struct SheetTable {
    PrintTable table; // the printed columns, widths redistributed
    QList<QStringList> rows;
    // Route table only: the sums of distance and duration.
    double distanceTotal = 0;
    double durationTotal = 0;
};

struct SheetContent {
    SheetHeader header;
    bool ownExpenseNegative = false;
    QList<SheetTable> tables; // routes, cheques, norms, fuel tanks
};

// The message shown when the end reading is below start + route distance.
QString negativeOwnExpenseMessage();

// Reads the sheet through its editor. When the own-account distance
// X = `DistanceEnd` - `DistanceRest` - D is negative, the editor's
// `DistanceEnd` becomes `DistanceRest` + D (not saved) and the message is shown
// with the critical icon under `messageTitle`.
SheetContent readSheet(UIO4000100& editor, const QString& messageTitle);


// The "Viso:" row of the printed route table: sums under distance and duration.
QStringList printedTotalsRow(const SheetTable& routes);
// The "Viso:" row of a template's route table: the distance sum only, under its column;
// none when the distance column is not printed.
QStringList templateTotalsRow(const SheetTable& routes);

} // namespace documents
