#pragma once

#include "platform/bo/rights.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// Record and user commands of kelmiractl, on the same terms as the store
// commands: output to `out`, complaints to `err`, exit code 0 or 1, and a
// refused command writes nothing.
namespace ctl {

// Creates (OID is a bare type id) or updates a record through the generic
// editor from FIELD=VALUE assignments and prints its OIDR. Values are read
// as the field's type: dates yyyy.MM.dd (or yyyy.MM.dd HH:mm), numbers with
// "." or ",", NULL for a null.
int putRecord(const QString& location, const QString& oid, const QStringList& assignments, QTextStream& out,
              QTextStream& err);

// Prints a record's fields, one FIELD<TAB>VALUE a line (NULL for a null).
int getRecord(const QString& location, const QString& oid, QTextStream& out, QTextStream& err);

// Creates or changes a user: its password (when given) and, per component,
// the four rights written as four digits in the order open, delete, write, new.
int putUser(const QString& location, const QString& name, const QString* password,
            const QList<bo::ComponentRights>& rights, QTextStream& out, QTextStream& err);

// Reads "COMPONENT=RRRR"; false when it is not of that form.
bool readRights(const QString& text, bo::ComponentRights* rights);

} // namespace ctl
