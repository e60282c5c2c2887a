#include "trips/card/fuel_panel.h"

#include "module/card_pattern/card_base.h"
#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "platform/contract/argument_text.h"
#include "trips/trip_numbers.h"
#include "trips/trip_sheet_fields.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QToolButton>

namespace {

const QString tankTypeObject = QStringLiteral("O4000604");

void normaliseLeft(TripNumberField* field)
{
    const QString form = field->leftForm(field->text());
    if (form != field->text())
        field->setText(form);
}

} // namespace

FuelPanel::FuelPanel(CardBase& card, const std::array<TripSheetControls::Tank, 2>& tanks, const ChoiceField* vehicle,
                     const QDateEdit* start)
    : card_(card), tanks_(tanks), vehicle_(vehicle), start_(start)
{
    for (int i = 0; i < 2; ++i)
        connectTank(i);
}

void FuelPanel::connectTank(int i)
{
    const TripSheetControls::Tank& tank = tanks_[i];
    const auto handle = [this, i](void (FuelPanel::*action)(int)) {
        return [this, i, action] { card_.runHandler([this, i, action] { (this->*action)(i); }); };
    };
    connect(tank.cmdFuelType, &QToolButton::clicked, this, handle(&FuelPanel::chooseType));
    connect(tank.cmdCleanFuelType, &QToolButton::clicked, this, handle(&FuelPanel::clearTank));
    connect(tank.chkFinalRest, &QCheckBox::clicked, this, handle(&FuelPanel::finalRestClicked));
    for (QLineEdit* f : {static_cast<QLineEdit*>(tank.txtFuelRest), static_cast<QLineEdit*>(tank.txtFinalRest)})
        connect(f, &QLineEdit::textChanged, this, &FuelPanel::edited);
    connect(tank.txtFuelRest, &TripNumberField::left, this, [this, f = tank.txtFuelRest] {
        card_.runHandler([this, f] {
            normaliseLeft(f);
            recompute();
        });
    });
    connect(tank.txtFinalRest, &TripNumberField::left, this, [this, i, f = tank.txtFinalRest] {
        card_.runHandler([this, i, f] {
            normaliseLeft(f);
            rememberedRest_[i] = f->text();
        });
    });
}

void FuelPanel::load(const vx::RecordFields& sheet)
{
    for (int i = 0; i < 2; ++i) {
        const TripSheetControls::Tank& tank = tanks_[i];
        const int n = i + 1;
        tank.txtFuelType->showObject(
            vx::oid::make(tankTypeObject, Catalogue::LongOrZero(sheet.value(trips::fields::fuelTankTypeId(n)))));
        tank.txtFuelRest->setText(
            trips::numbers::fuel(Catalogue::DoubleOrZero(sheet.value(trips::fields::fuelRest(n)))));
        const bool given = Catalogue::LongOrZero(sheet.value(trips::fields::finalRestIndication(n))) != 0;
        tank.chkFinalRest->setChecked(given);
        tank.txtFinalRest->setText(
            given ? trips::numbers::fuel(Catalogue::DoubleOrZero(sheet.value(trips::fields::finalRest(n))))
                  : QStringLiteral("0"));
        rememberedRest_[i] = tank.txtFinalRest->text();
    }
}

void FuelPanel::write(const vx::RecordFields& sheet) const
{
    for (int n = 1; n <= 2; ++n) {
        const TripSheetControls::Tank& tank = tanks_[n - 1];
        const qint64 type = tank.txtFuelType->recordNumber();
        if (type <= 0) {
            sheet.setValue(trips::fields::fuelTankTypeId(n), QVariant());
            sheet.setValue(trips::fields::fuelRest(n), QVariant());
            sheet.setValue(trips::fields::finalRestIndication(n), 0);
            sheet.setValue(trips::fields::finalRest(n), 0);
            continue;
        }
        sheet.setValue(trips::fields::fuelTankTypeId(n), type);
        sheet.setValue(trips::fields::fuelRest(n),
                       trips::numbers::readFuel(tank.txtFuelRest->text(), tank.txtFuelRest->objectName()));
        const bool given = tank.chkFinalRest->isChecked();
        sheet.setValue(trips::fields::finalRestIndication(n), given ? 1 : 0);
        sheet.setValue(trips::fields::finalRest(n),
                       given ? trips::numbers::readFuel(tank.txtFinalRest->text(), tank.txtFinalRest->objectName())
                             : 0.0);
    }
}

void FuelPanel::takeVehicleTanks(const vx::RecordFields& sheet, const QString& vehicleId)
{
    for (int i = 0; i < 2; ++i) {
        const QVariant type = sheet.value(trips::fields::fuelTankTypeId(i + 1));
        qint64 typeId = 0;
        double rest = 0.0;
        if (!type.isNull()) {
            typeId = Catalogue::LongOrZero(type);
            rest = lastTripRest(vehicleId, typeId, start_->date());
        }
        tanks_[i].txtFuelType->showObject(vx::oid::make(tankTypeObject, typeId));
        tanks_[i].txtFuelRest->setText(trips::numbers::fuel(rest));
    }
}

void FuelPanel::clear()
{
    clearTank(0);
    clearTank(1);
}

bool FuelPanel::refreshStartRests(const vx::RecordFields& sheet)
{
    const qint64 vehicle = Catalogue::LongOrZero(sheet.value(QStringLiteral("TransportCarID")));
    if (vehicle == 0)
        return false;
    const QDate date = Catalogue::DateOrDefault(sheet.value(QStringLiteral("Date")), QDate());
    bool changed = false;
    for (int n = 1; n <= 2; ++n) {
        const qint64 type = Catalogue::LongOrZero(sheet.value(trips::fields::fuelTankTypeId(n)));
        if (type <= 0)
            continue;
        const double rest = lastTripRest(vx::oid::make(u"O4000400", vehicle), type, date);
        TripNumberField* field = tanks_[n - 1].txtFuelRest;
        if (rest != Catalogue::TextToNumber(field->text())) {
            field->setText(vx::numbers::plain(rest));
            changed = true;
        }
    }
    if (changed)
        recompute();
    return changed;
}

qint64 FuelPanel::tankType(int tank) const
{
    return tanks_.at(tank).txtFuelType->recordNumber();
}

// Both tanks' received and used fuel first, then both tanks' rest by norms.
void FuelPanel::recompute()
{
    CardBase::LoadingGuard quiet(card_);
    std::array<bool, 2> typed{};
    for (int i = 0; i < 2; ++i) {
        const TripSheetControls::Tank& tank = tanks_[i];
        const QString typeId = tank.txtFuelType->objectId();
        typed[i] = vx::oid::hasRecord(typeId);
        const QString key = typed[i] ? trips::tankTypeKey(vx::oid::recordNumber(typeId)) : QString();
        tank.txtFuelUsed->setText(typed[i] && fuelUsed_.contains(key) ? trips::numbers::fuel(fuelUsed_.value(key))
                                                                      : QStringLiteral("0"));
        tank.txtFuelTaken->setText(typed[i] && fuelReceived_.contains(key)
                                       ? trips::numbers::plain(fuelReceived_.value(key))
                                       : QStringLiteral("0"));
    }
    for (int i = 0; i < 2; ++i) {
        const TripSheetControls::Tank& tank = tanks_[i];
        if (!typed[i]) {
            for (QLineEdit* f : {static_cast<QLineEdit*>(tank.txtFuelRest), tank.txtFuelTaken, tank.txtFuelUsed,
                                 tank.txtFuelFinal})
                f->setText(QStringLiteral("0"));
            continue;
        }
        const double rest = trips::numbers::readFuel(tank.txtFuelRest->text(), QStringLiteral("txtFuelRest"))
                            + trips::numbers::readFuel(tank.txtFuelTaken->text(), QStringLiteral("txtFuelTaken"))
                            - trips::numbers::readFuel(tank.txtFuelUsed->text(), QStringLiteral("txtFuelUsed"));
        tank.txtFuelFinal->setText(trips::numbers::fuel(rest));
    }
}

void FuelPanel::applyEnablingRules()
{
    for (const TripSheetControls::Tank& tank : tanks_) {
        const bool typed = vx::oid::hasRecord(tank.txtFuelType->objectId());
        for (QWidget* row : std::initializer_list<QWidget*>{tank.txtFuelRest, tank.txtFuelTaken, tank.txtFuelUsed,
                                                            tank.txtFuelFinal, tank.txtFinalRest})
            tank.form->setRowVisible(row, typed);
        tank.chkFinalRest->setEnabled(typed);
        tank.txtFinalRest->setEnabled(tank.chkFinalRest->isChecked());
    }
}

// A type already in the other tank leaves this one empty; a type the sheet
// stored with a rest takes that rest, any other the previous sheet's.
void FuelPanel::chooseType(int i)
{
    if (!vx::oid::hasRecord(vehicle_->objectId()))
        return;
    ChoiceField* type = tanks_[i].txtFuelType;
    const QString before = type->objectId();
    if (!type->choose().isEmpty())
        emit edited();
    const QString now = type->objectId();
    if (now == before)
        return;
    if (!vx::oid::hasRecord(now) || now == tanks_[1 - i].txtFuelType->objectId()) {
        clearTank(i);
        return;
    }
    const vx::RecordFields sheet = card_.vxObjectUIO()->Fields();
    bool taken = false;
    for (int n = 1; n <= 2 && !taken; ++n) {
        const double storedRest = Catalogue::DoubleOrZero(sheet.value(trips::fields::fuelRest(n)));
        const QString storedType =
            vx::oid::make(tankTypeObject, Catalogue::LongOrZero(sheet.value(trips::fields::fuelTankTypeId(n))));
        if (now == storedType && storedRest > 0) {
            tanks_[i].txtFuelRest->setText(vx::numbers::plain(storedRest));
            taken = true;
        }
    }
    if (!taken)
        tanks_[i].txtFuelRest->setText(
            vx::numbers::plain(lastTripRest(vehicle_->objectId(), vx::oid::recordNumber(now), start_->date())));
    recompute();
    emit edited();
}

void FuelPanel::clearTank(int i)
{
    tanks_[i].txtFuelType->clearObject();
    recompute();
    emit edited();
}

// "Likutis faktiškas": unticked shows 0, ticked brings back the rest last
// typed or loaded.
void FuelPanel::finalRestClicked(int i)
{
    if (card_.isLoading())
        return;
    const TripSheetControls::Tank& tank = tanks_[i];
    tank.txtFinalRest->setText(tank.chkFinalRest->isChecked() ? rememberedRest_.at(i) : QStringLiteral("0"));
    emit edited();
}

double FuelPanel::lastTripRest(const QString& vehicleId, qint64 tankTypeId, const QDate& date) const
{
    const vx::CallResult rest = card_.vxObjectUIO()->Methods(QStringLiteral("GetLastTripFuelRest"),
                                                             vx::arguments::write({vehicleId, tankTypeId, date}));
    return rest.Code == 0 ? Catalogue::DoubleOrZero(rest.Value) : 0.0;
}
