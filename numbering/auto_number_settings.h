#pragma once

#include "platform/contract/recordset.h"

#include <QString>
#include <QStringList>

#include <optional>

// The one auto-number settings record of trip sheets, as the trip sheet
// editor's "AutoNumberSettings" gives it and "AddUpdateAutoNumber" stores it.
namespace numbering {

// The parts a number can be made of, in the order the settings card offers them.
const QStringList& partNames();
// What the settings card shows for a part ("Data", "Darbuotojo kodas", ...).
QString partLabel(const QString& partName);

struct AutoNumberSettings {
    qint64 id = 0;
    QString mask;           // part names joined by "_"; empty: no numbers are made
    QString prefix;
    int cycle = 0;          // 0 day, 1 month, 2 quarter, 3 year
    qint64 minimal = 0;
    QString numberTemplate; // "0" characters, one per digit of the counter
    int groupBy = 0;        // 0 one counter for everybody, 1 one per user
    bool allowDuplicated = false;

    // The mask split at "_"; no parts for an empty mask.
    QStringList parts() const;
};

// The first record of a settings record set; nothing when it has no record.
std::optional<AutoNumberSettings> settingsFrom(const vx::RecordsetPtr& rows);

// The text "AddUpdateAutoNumber" stores, texts put in as they are:
// ID,'mask','prefix',cycle,minimal,'template',groupBy,allowDuplicated
// e.g. 0,'Prefix_Date_AutoNumber','KL',3,1,'0000',0,0. `minimal` is given as
// digits so a number too large for the store reaches it and is refused there.
QString settingsText(const AutoNumberSettings& settings, const QString& minimalDigits);

} // namespace numbering
