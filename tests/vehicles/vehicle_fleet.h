#pragma once

#include "tests/support/shown_state.h"
#include "vehicles/dialogs/vehicle_dialogs.h"

// Two vehicles, an employee, a document kind and two tyres on a real store,
// for the editors the vehicle card opens. Today is 2026.11.16.
class VehicleFleet : public testhost::ModuleFixture {
protected:
    void SetUp() override;

    // A new record of the type with this name (a tyre's is its number) and more fields.
    qint64 named(const char* typeId, const char* name, std::initializer_list<std::pair<const char*, QVariant>> more = {});
    QVariant storedField(const QString& id, const char* field) { return stored(id)->Fields().value(QString::fromLatin1(field)); }
    // The host object selector answers the next choice with this record.
    void selectorPicksRecord(const char* typeId, qint64 number);
    // The title of every message box: the host's product name.
    QString productName() const { return host->Environment().Application().ProductName; }

    qint64 car = 0, otherCar = 0, driver = 0, inspection = 0, tyre = 0, spare = 0;
    const QDate today{2026, 11, 16};
};
