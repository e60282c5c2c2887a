#pragma once

#include <QString>
#include <QTextStream>

// The store commands of kelmiractl. Each writes its output to `out`, its
// complaints to `err`, and returns the exit code: 0 done, 1 refused or failed.
// Storage failures end as a message, never as a crash.
namespace ctl {

// The store to work on: the --db value, else KELMIRA_DB, else the default file.
QString storeLocation(const QString& option);

// Creates the store or brings its schema up to date; prints the schema version.
int initStore(const QString& location, QTextStream& out, QTextStream& err);

// Copies a live SQLite store into `file` (an existing file only with `force`);
// a PostgreSQL store is refused with the engine's own tool to use.
int backupStore(const QString& location, const QString& file, bool force, QTextStream& out, QTextStream& err);

// Checks the store and prints a line per check, then each problem; 0 only when
// all is well.
int checkStore(const QString& location, QTextStream& out, QTextStream& err);

// Seeds the demo fleet into an empty store; prints what it holds afterwards.
int seedDemoStore(const QString& location, QTextStream& out, QTextStream& err);

// Fills an empty store with the demo fleet and a generated fleet of `vehicles`
// vehicles driving for `years` years up to today; progress goes to `err`.
int generateStore(const QString& location, int vehicles, int years, QTextStream& out, QTextStream& err);

// Runs one named call through the business object, as the module does, and
// prints its record set (nothing when it returns none).
int runCall(const QString& location, const QString& name, const QString& param, QTextStream& out, QTextStream& err);

// Prints the rows a generic list object gives for the parameter text.
int printList(const QString& location, const QString& typeId, const QString& param, QTextStream& out, QTextStream& err);

} // namespace ctl
