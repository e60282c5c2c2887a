#pragma once

#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"
#include "tests/support/module_host.h"
#include "platform/contract/argument_text.h"
#include "trips/trip_sheet_editor.h"

#include <QLineEdit>

// A small fleet on a real store for the trip sheet editor: two fuel tank types
// with one fuel type and one norm each, and trip sheets opened as the host
// opens them, through the trip sheet list controller.
class TripFleet : public testhost::ModuleFixture {
protected:
    void SetUp() override;

    qint64 vehicle(const QVariant& tankType1, const QVariant& tankType2);
    qint64 employee(const char* name, const char* lastName);

    // The editor the host gets for an id (the bare "O4000100" for a new sheet).
    std::shared_ptr<UIO4000100> open(const QString& id);
    // A new sheet of the vehicle on a date, opened but not saved.
    std::shared_ptr<UIO4000100> newSheet(qint64 car, const QDate& date);
    // A route line on `norm` (l/100 km, l/h copied onto the line) and a cheque of `fuel`.
    void line(qint64 sheet, qint64 norm, double km, double hours, double perHundredKm, double perHour);
    void cheque(qint64 sheet, qint64 fuel, double litres);
    // Runs a named method with its arguments written as the editor reads them.
    vx::CallResult method(UIO4000100& editor, const QString& name, const QVariantList& arguments);
    static void save(UIO4000100& editor);

    static QString carId(qint64 id) { return vx::oid::make(QStringLiteral("O4000400"), id); }
    static QString sheetId(qint64 id) { return vx::oid::make(QStringLiteral("O4000100"), id); }

    qint64 diesel = 0, petrol = 0;          // fuel tank types
    qint64 dieselFuel = 0, petrolFuel = 0;  // fuel types
    qint64 truckNorm = 0, generatorNorm = 0;
    qint64 segment = 0;
};
