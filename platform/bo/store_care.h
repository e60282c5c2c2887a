#pragma once

#include <QString>
#include <QStringList>

namespace bo {

// An administrator's care of a store, without touching its schema: a store
// that cannot be opened for work (a failed upgrade) can still be copied and
// checked. A missing SQLite file is refused, never made.

// Writes a consistent copy of an SQLite store to `file` while programs may be
// working in it: what was committed when the copy began, nothing half saved.
// An existing `file` is kept unless `overwrite`. A PostgreSQL store is refused
// with the engine's own tool to use. Throws StorageError.
void backupStore(const QString& location, const QString& file, bool overwrite);

// What a check of the store found: a line per check, and the problems.
struct StoreCheck {
    QStringList lines;
    QStringList problems;
    bool ok() const { return problems.isEmpty(); }
};

// The schema version, the engine's own integrity and key checks (SQLite) and
// references naming records that are not there. Throws StorageError only when
// the store cannot be reached.
StoreCheck checkStore(const QString& location);

} // namespace bo
