#pragma once

#include <QStringList>
#include <QTextStream>

namespace ctl {

// Runs a report of the host's catalogue by key or name with the words of what
// it asks (bo::reports::argumentsFromWords) and prints its rows as the named
// call gives them; with a .csv path it writes the file the report's
// "Išsaugoti CSV..." writes.
int runReport(const QString& location, const QString& name, const QStringList& words, const QString& csvPath,
              QTextStream& out, QTextStream& err);

} // namespace ctl
