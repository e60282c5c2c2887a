#pragma once

#include "module/object_editor_base.h"
#include "platform/contract/argument_text.h"

// The object editor of trip sheets ("O4000100"): the generic editor of the
// record, plus the named properties and methods that need the fuel and
// distance rules, the audit fields on save and the protocol text. It shows no
// messages itself; failures of the business object travel in Code and Message.
//
// Named properties (name compared exactly):
//   "ReCalculate"        [route distance, DistanceRest + route distance, route duration]
//   "GetProtocol"        the creation/modification text
//   "TripFuelRest", "LastTrip", "AutoNumberSettings"
//                        asked of the business object as "Get" + name ("AutoNumberSettings" with "None")
//   "CheckNumber"        asked as it is
//   any other name       asked as it is with the sheet's OIDR ("GetTransportTripRoutes", ...)
//
// Named methods; Params is an argument list (an argument text, vx::arguments):
//   "FillDistanceRest"     'vehicle id'                     -> bool
//   "FillCarFuelTanks"     'vehicle id'                     -> bool
//   "GetLastTripFuelRest"  'vehicle id',tank type,'date'    -> double
//   "AddUpdateAutoNumber"  'settings text'                  -> none
//   "Print", "PrintParameters", "ExportToWord", "GetAutoNumber", "Validate"
//                          answered by the installed handlers (trips/trip_sheet_hooks.h)
//   any other name         nothing: empty result, Code 0
// A malformed Params text gives Code != 0 and a Message naming the method.
class UIO4000100 final : public ObjectEditor {
public:
    UIO4000100();
    QString className() const override { return QStringLiteral("UIO4000100"); }

    vx::CallResult Properties(const QString& name, const QString& param) override;
    vx::CallResult Methods(const QString& name, const QString& param) override;
    // Stamps the audit fields, derives `AutoNumber`, then saves through the generic editor.
    vx::Status Save(const vx::RecordsetPtr& rs2 = {}, const vx::RecordsetPtr& rs3 = {}) override;

    // The title of the messages shown about this sheet: the host's product
    // name when the editor was made.
    const QString& title() const { return title_; }

    // The last counter value this editor handed out as an automatic number.
    qint16 lastAutoNumber() const { return lastAutoNumber_; }
    void setLastAutoNumber(qint16 value) { lastAutoNumber_ = value; }

    // The methods with typed arguments.
    vx::CallResult fillDistanceRest(const QString& vehicleId);
    vx::CallResult fillCarFuelTanks(const QString& vehicleId);
    vx::CallResult lastTripFuelRest(const QString& vehicleId, qint64 tankTypeId, const QString& dateText);

private:
    // A named call of the business object, failures kept quiet in the result.
    vx::CallResult ask(const QString& callName, const QString& param);
    vx::CallResult reCalculate();
    vx::CallResult addUpdateAutoNumber(const QString& settings);
    vx::CallResult runWithArguments(const QString& name, const vx::arguments::ItemList& args);
    void stampAudit();

    QString title_;
    qint16 lastAutoNumber_ = 0;
};
