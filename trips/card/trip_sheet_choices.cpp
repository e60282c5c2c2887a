// The trip sheet card's choices: the vehicle (with what a new sheet takes
// from it: start reading, tanks, start rests, the driver of the start date),
// the driver and the two tanks' fuel tank types.

#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/method_arguments.h"
#include "trips/trip_numbers.h"
#include "trips/trip_sheet_fields.h"

#include <QDateEdit>

namespace {

const QString tankTypeObject = QStringLiteral("O4000604");

} // namespace

qint64 frmTransportTripsSV::setVehicle(const QString& vehicleId, bool keepDriver)
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    c_.txtCar->clearObject();
    c_.txtCarNumber->clear();
    if (!keepDriver)
        c_.txtDriver->clearObject();
    if (!vx::oid::hasRecord(vehicleId)) {
        c_.txtSpidometrFrom->setText(QStringLiteral("0"));
        clearTank(0);
        clearTank(1);
        return 0;
    }
    if (isNew_) {
        const QString argument = trips::argumentList({vehicleId});
        editor->Methods(QStringLiteral("FillDistanceRest"), argument);
        editor->Methods(QStringLiteral("FillCarFuelTanks"), argument);
    }
    c_.txtSpidometrFrom->setText(
        vx::numbers::plain(Catalogue::DoubleOrZero(editor->Fields().value(QStringLiteral("DistanceRest")))));

    const vx::VxObjectUIOPtr vehicle = Catalogue::GetEditor(vehicleId);
    if (!vehicle)
        return 0;
    c_.txtCar->showObject(vehicleId);
    c_.txtCarNumber->setText(Catalogue::TextOrEmpty(vehicle->Fields().value(QStringLiteral("Code"))));

    qint64 driverId = 0;
    if (!keepDriver)
        driverId = driverOnStartDate(vehicleId);

    if (isNew_) {
        const vx::RecordFields sheet = editor->Fields();
        for (int i = 0; i < 2; ++i) {
            const QVariant type = sheet.value(trips::fields::fuelTankTypeId(i + 1));
            qint64 typeId = 0;
            double rest = 0.0;
            if (!type.isNull()) {
                typeId = Catalogue::LongOrZero(type);
                rest = lastTripFuelRest(vehicleId, typeId, c_.dtpDateFrom->date());
            }
            c_.tanks[i].txtFuelType->showObject(vx::oid::make(tankTypeObject, typeId));
            c_.tanks[i].txtFuelRest->setText(trips::numbers::fuel(rest));
        }
    }
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
    const QDate start = c_.dtpDateFrom->date();
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
    const QString chosen = c_.txtCar->choose();
    if (!vx::oid::hasRecord(chosen)) {
        if (chosen.isEmpty())
            return;
        // A type node empties the choice; the sheet has no vehicle then.
        c_.txtCar->showObject(before);
        return;
    }
    if (chosen == before)
        return;
    markChangedAndApply();
    const qint64 driverId = setVehicle(chosen, false);
    if (driverId > 0)
        c_.txtDriver->showObject(vx::oid::make(u"O0001401", driverId));
    recomputeFuelPanel();
    fillNormList();
    applyEnablingRules();
}

void frmTransportTripsSV::chooseDriver()
{
    if (!c_.txtDriver->choose().isEmpty())
        markChangedAndApply();
}

void frmTransportTripsSV::chooseFuelType(int i)
{
    if (!vx::oid::hasRecord(c_.txtCar->objectId()))
        return;
    ChoiceField* type = c_.tanks[i].txtFuelType;
    const QString before = type->objectId();
    if (!type->choose().isEmpty())
        markChangedAndApply();
    const QString now = type->objectId();
    if (now == before)
        return;
    if (!vx::oid::hasRecord(now) || now == c_.tanks[1 - i].txtFuelType->objectId()) {
        clearTank(i);
        return;
    }
    const vx::RecordFields sheet = vxObjectUIO()->Fields();
    bool taken = false;
    for (int n = 1; n <= 2 && !taken; ++n) {
        const double storedRest = Catalogue::DoubleOrZero(sheet.value(trips::fields::fuelRest(n)));
        const QString storedType =
            vx::oid::make(tankTypeObject, Catalogue::LongOrZero(sheet.value(trips::fields::fuelTankTypeId(n))));
        if (now == storedType && storedRest > 0) {
            c_.tanks[i].txtFuelRest->setText(vx::numbers::plain(storedRest));
            taken = true;
        }
    }
    if (!taken)
        c_.tanks[i].txtFuelRest->setText(vx::numbers::plain(
            lastTripFuelRest(c_.txtCar->objectId(), vx::oid::recordNumber(now), c_.dtpDateFrom->date())));
    recomputeFuelPanel();
    markChangedAndApply();
}

void frmTransportTripsSV::clearTank(int i)
{
    c_.tanks[i].txtFuelType->clearObject();
    recomputeFuelPanel();
    markChangedAndApply();
}

double frmTransportTripsSV::lastTripFuelRest(const QString& vehicleId, qint64 tankTypeId, const QDate& date) const
{
    const vx::CallResult rest = vxObjectUIO()->Methods(QStringLiteral("GetLastTripFuelRest"),
                                                       trips::argumentList({vehicleId, tankTypeId, date}));
    return rest.Code == 0 ? Catalogue::DoubleOrZero(rest.Value) : 0.0;
}
