#pragma once

#include "platform/bo/session.h"
#include "platform/contract/host_records.h"
#include "platform/contract/recordset.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <optional>

// The host's reports: which exist for an object type, what each asks of the
// user, which named call computes its rows and how its columns read. A report's
// rows carry a "RowKind" (0 an ordinary row, anything else a total), so every
// view of them (the report document, a .csv file, the command line) shows the
// same rows with the same totals.
namespace bo::reports {

enum class ColumnKind {
    Text,
    Whole, // an integer
    Plain, // a number in its shortest form (distances)
    Fuel,  // litres with exactly 3 decimals
    Money, // a sum with exactly 2 decimals
    Share, // a percentage with 1 decimal
    Date,  // a day in the short date form
};

struct ReportColumn {
    QString field;
    QString caption;
    ColumnKind kind = ColumnKind::Text;
    double widthCm = 2.0;
    // The row's field holding the object id of the record a cell of this
    // column opens; empty when it opens none.
    QString opens{};
};

// A record every row refers to, which the user opens from the row with a
// command of its own.
struct ReportLink {
    QString field;   // the row's field holding the record's object id
    QString caption; // the command, with its mnemonic ("Atverti &lapą")
};

// What the parameter dialog asks. The named call takes them in this order:
// the period (from, to), the day, the number, the vehicles, the driver.
enum Parameter { Period = 0x1, Vehicles = 0x2, Driver = 0x4, Day = 0x8, Number = 0x10 };

// A whole number the report asks (days ahead, a share in per cent).
struct NumberParameter {
    QString caption;
    QString unit; // after the number, as "%"
    int defaultValue = 0;
    int minimum = 0;
    int maximum = 0;
};

struct ReportDefinition {
    QString key;         // short name for the command line
    QString name;        // "Pavadinimas" in the report list
    QString description; // "Aprašymas"
    QString objectType;  // the type whose reports node lists it
    int parameters = 0;  // Parameter flags
    QString call;        // the named call that computes the rows
    QList<ReportColumn> columns;
    NumberParameter number;    // when it asks Number
    QString noRows;            // shown instead of an empty table
    QString groupTotal = QStringLiteral("Grupės suma"); // what a total of RowKind 1 is called
    QList<ReportLink> links{}; // the records a row refers to, as the user opens them
};

// The security component every report and the reports node answer to.
QString rightsComponent();

const QList<ReportDefinition>& catalogue();
QList<ReportDefinition> reportsFor(const QString& objectType);
// By key or by name, ignoring case; null when there is none.
const ReportDefinition* findReport(const QString& keyOrName);
// The report of a row in the reports list ("O0001900" + its position + 1).
const ReportDefinition* reportOfId(const QString& oidr);
QString idOf(const ReportDefinition& report);

// What the user chose: an empty vehicle list means every vehicle; a chosen
// group takes in the vehicles below it.
struct ReportArguments {
    QDate from;
    QDate to;
    QStringList vehicles; // vehicle and group object ids
    QString driver;       // employee object id, empty for any
    // What the user saw chosen, for the report's heading.
    QStringList vehicleNames;
    QString driverName;
    QDate day;      // the day it counts from
    int number = 0; // the number it asks
};

// The argument text of the report's named call: what the report asks, in the
// order of Parameter.
QString parameterText(const ReportDefinition& report, const ReportArguments& args);
// What was asked, one line each, for the report's heading.
QStringList headingLines(const ReportDefinition& report, const ReportArguments& args);
// The arguments from command-line words in the order of Parameter (dates
// yyyy.MM.dd, ids separated by ","); the vehicles and the driver may be left
// out. Nothing and `error` set when a word does not fit.
std::optional<ReportArguments> argumentsFromWords(const ReportDefinition& report, const QStringList& words,
                                                  QString* error);
// The words the report takes, as "FROM TO [VEHICLES [DRIVER]]".
QString wordsUsage(const ReportDefinition& report);
// Runs the report's named call; Value holds the record set.
vx::CallResult run(Session& session, const ReportDefinition& report, const ReportArguments& args);

// A cell as the report shows it.
QString cellText(const ReportColumn& column, const QVariant& value);
// The shown cells of row `row`, and whether it is a total.
QStringList rowTexts(const ReportDefinition& report, const vx::Recordset& rows, int row);
bool isTotal(const vx::Recordset& rows, int row);
// The object id in the row's `field`; empty when the row has none there.
QString objectOf(const vx::Recordset& rows, int row, const QString& field);

// The rows as a .csv file: UTF-8 with a byte order mark, ";" between cells,
// the captions first; texts holding ";", '"' or a line break are quoted.
QByteArray csv(const ReportDefinition& report, const vx::Recordset& rows);
bool writeCsv(const QString& path, const ReportDefinition& report, const vx::Recordset& rows, QString* error);

} // namespace bo::reports
