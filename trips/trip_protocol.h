#pragma once

#include "platform/contract/recordset.h"

#include <QDateTime>
#include <QString>

#include <functional>

// The creation/modification text a saved trip sheet shows as its tooltip:
// "Sukūrė: <who> (<when>)" and, once modified, ", koregavo: <who> (<when>)".
namespace trips {

// The person's name for an employee record number ("O0001401" + id).
using PersonName = std::function<QString(qint64 personId)>;

// Short date, then a blank and the long time unless the time is midnight.
QString protocolDateTime(const QDateTime& moment);

// Who is "Sistemos Administratorius" when the user field is empty (null or 0).
QString protocolText(const vx::RecordFields& sheet, const PersonName& personName);

// Name + " " + LastName of the employee, read through the host's objects;
// empty when the host cannot give the record.
QString employeeName(qint64 personId);

} // namespace trips
