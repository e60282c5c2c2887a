// The trip sheet card's choices: the vehicle (with what a new sheet takes
// from it: start reading, tanks, start rests, the driver of the start date)
// and the driver. The tanks' types are the fuel panel's.

#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"
#include "platform/contract/argument_text.h"

qint64 frmTransportTripsSV::setVehicle(const QString& vehicleId, bool keepDriver)
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    c_.txtCar->clearObject();
    c_.txtCarNumber->clear();
    if (!keepDriver)
        c_.txtDriver->clearObject();
    if (!vx::oid::hasRecord(vehicleId)) {
        c_.txtSpidometrFrom->setText(QStringLiteral("0"));
        fuel_->clear();
        return 0;
    }
    if (isNew_) {
        const QString argument = vx::arguments::write({vehicleId});
        editor->Methods(QStringLiteral("FillDistanceRest"), argument);
        editor->Methods(QStringLiteral("FillCarFuelTanks"), argument);
    }
    c_.txtSpidometrFrom->setText(
        vx::numbers::plain(Catalogue::DoubleOrZero(editor->Fields().value(QStringLiteral("DistanceRest")))));

    const vx::VxObjectUIOPtr vehicle = Catalogue::GetEditor(vehicleId);
    if (!vehicle)
        return 0;
    // The vehicle's name alone: its plate has a box of its own beside it.
    c_.txtCar->showObject(vehicleId);
    c_.txtCar->setText(Catalogue::TextOrEmpty(vehicle->Fields().value(QStringLiteral("Name"))));
    c_.txtCarNumber->setText(Catalogue::TextOrEmpty(vehicle->Fields().value(QStringLiteral("Code"))));

    qint64 driverId = 0;
    if (!keepDriver)
        driverId = driverOnStartDate(vehicleId);

    if (isNew_)
        fuel_->takeVehicleTanks(editor->Fields(), vehicleId);
    return driverId;
}

// The vehicle's driver on the start date: an open assignment that has begun
// wins (the latest such); otherwise the first one still running then.
qint64 frmTransportTripsSV::driverOnStartDate(const QString& vehicleId) const
{
    const vx::VxObjectUIOPtr vehicle = Catalogue::GetEditor(vehicleId);
    if (!vehicle)
        return 0;
    const vx::CallResult answer =
        vehicle->Properties(QStringLiteral("CarDrivers"), QString::number(vx::oid::recordNumber(vehicleId)));
    const auto drivers = answer.Value.value<vx::RecordsetPtr>();
    if (answer.Code != 0 || !drivers)
        return 0;
    const QDate start = period_->start();
    qint64 driverId = 0;
    for (int row = 0; row < drivers->RecordCount(); ++row) {
        const auto value = [&](const char* name) {
            return drivers->valueAt(row, drivers->fieldIndex(QString::fromLatin1(name)));
        };
        if (Catalogue::DateOrDefault(value("DateFrom"), start) > start)
            continue;
        const QVariant dateTo = value("DateTo");
        const qint64 user = Catalogue::LongOrZero(value("UserID"));
        if (Catalogue::TextOrEmpty(dateTo).trimmed().isEmpty())
            driverId = user;
        else if (driverId == 0 && Catalogue::DateOrDefault(dateTo, start) >= start)
            driverId = user;
    }
    return driverId;
}

void frmTransportTripsSV::chooseVehicle()
{
    const QString before = c_.txtCar->objectId();
    const QString shownBefore = c_.txtCar->text();
    const QString chosen = c_.txtCar->choose();
    if (!vx::oid::hasRecord(chosen)) {
        if (chosen.isEmpty())
            return;
        // A type node empties the choice; the vehicle shown before stays.
        c_.txtCar->showObject(before);
        c_.txtCar->setText(shownBefore);
        return;
    }
    if (chosen == before) {
        c_.txtCar->setText(shownBefore);
        return;
    }
    markChangedAndApply();
    const qint64 driverId = setVehicle(chosen, false);
    if (driverId > 0)
        c_.txtDriver->showObject(vx::oid::make(u"O0001401", driverId));
    fuel_->recompute();
    fillNormList();
    applyEnablingRules();
}

void frmTransportTripsSV::chooseDriver()
{
    if (!c_.txtDriver->choose().isEmpty())
        markChangedAndApply();
}
