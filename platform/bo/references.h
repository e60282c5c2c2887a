#pragma once

#include <QList>
#include <QString>

namespace bo {

class Database;

// One column that names a record of another table, as the object types
// describe it (ColumnDef::refType). A record that belongs to the one it names
// (a trip sheet's route lines, a vehicle's drivers) goes with it; any other
// reference keeps the named record from being deleted.
struct Reference {
    QString table;
    QString column;
    QString targetTable;
    bool owned = false;
    // The group tree (ParentID, 0 for the top): the layer keeps it whole
    // itself, the store holds no key for it.
    bool tree = false;

    QString constraintName() const;
    QString describe() const; // "table.Column"
};

// Every reference of the stored object types, the group trees included.
QList<Reference> references();

// Rows whose reference names no record: up to `shown` of their ids, and how many there are.
struct Orphans {
    Reference reference;
    QList<qint64> ids;
    qint64 count = 0;

    QString describe() const; // "transport_trip.UserID → employee: įrašai 4, 9 (iš viso 2)"
};
QList<Orphans> findOrphans(Database& db, int shown = 10);

// The schema step that turns every reference but the group trees into a
// foreign key: a reference of 0 or less ("none") becomes null, and the step is
// refused, naming the rows, when a reference names a record that is not there.
// On SQLite the tables are rebuilt (foreign keys must be off while it runs).
void addForeignKeys(Database& db);

} // namespace bo
