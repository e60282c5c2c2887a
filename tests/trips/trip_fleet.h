#pragma once

#include "module/type_list_controllers.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/object_id.h"
#include "tests/support/module_host.h"
#include "trips/trip_balance.h"
#include "trips/trip_sheet_editor.h"

#include <QLineEdit>

// A small fleet on a real store: two fuel tank types with one fuel type and
// one norm each, a route segment, a vehicle with a diesel and a petrol tank,
// its driver and another employee. The user may open, write and delete trip
// sheets; sheets are opened as the host opens them, through the trip sheet
// list controller.
class TripFleet : public testhost::ModuleFixture {
protected:
    void SetUp() override;

    qint64 vehicle(const QVariant& tankType1, const QVariant& tankType2);
    // A saved sheet of the vehicle from `start`: KL-1, the driver, diesel in
    // tank 1 with 40 l, S = E = 1000; `extra` adds or replaces fields.
    qint64 savedSheet(const QVariantMap& extra = {});

    // The editor the host gets for an id (the bare "O4000100" for a new sheet).
    std::shared_ptr<UIO4000100> open(const QString& id);
    // A new sheet of the vehicle on a date, opened but not saved.
    std::shared_ptr<UIO4000100> newSheet(qint64 vehicleId, const QDate& date);
    // A route line on `norm` (l/100 km, l/h copied onto the line) and a cheque of `fuel`.
    void line(qint64 sheet, qint64 norm, double km, double hours, double perHundredKm, double perHour);
    void cheque(qint64 sheet, qint64 fuel, double litres);
    // Each field of the stored record holds the value, compared as text; a null value expects null.
    void expectStored(const QString& id, std::initializer_list<std::pair<const char*, QVariant>> values);
    // Runs a named method with its arguments written as the editor reads them.
    static vx::CallResult method(UIO4000100& editor, const char* name, const QVariantList& arguments)
    {
        return editor.Methods(QString::fromLatin1(name), vx::arguments::write(arguments));
    }
    static void save(UIO4000100& editor);
    // The record set a named property of the editor gives (Code 0 expected).
    static vx::RecordsetPtr rows(UIO4000100& sheet, const char* name);
    // The balance the card shows for a sheet, from the rows the editor gives.
    static trips::SheetBalance balanceOf(UIO4000100& sheet)
    {
        return trips::sheetBalance(sheet.Fields(), rows(sheet, "GetTransportTripRoutes"),
                                   rows(sheet, "GetTransportCheques"));
    }

    static QString carId(qint64 id) { return vx::oid::make(u"O4000400", id); }
    static QString sheetId(qint64 id) { return vx::oid::make(u"O4000100", id); }
    static QString employeeId(qint64 id) { return vx::oid::make(u"O0001401", id); }

    qint64 diesel = 0, petrol = 0;          // fuel tank types
    qint64 dieselFuel = 0, petrolFuel = 0;  // fuel types
    qint64 truckNorm = 0, generatorNorm = 0;
    qint64 segment = 0;
    qint64 car = 0, driver = 0, otherDriver = 0;
    const QDate start{2026, 11, 2};
};
