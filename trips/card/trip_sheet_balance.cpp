// The trip sheet card's numbers: the speedometer fields (S, E, the route
// distance D and the own-expense distance X) and the fuel panel of the two tanks.

#include "module/card_pattern/choice_field.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/speedometer.h"
#include "trips/trip_numbers.h"

#include <QCheckBox>

namespace {

double distanceOf(const QLineEdit* field)
{
    return trips::numbers::readDistance(field->text());
}

} // namespace

// E := S + D + X. Writing E does not derive X again.
void frmTransportTripsSV::recomputeEnd()
{
    const double end = trips::endReading(distanceOf(c_.txtSpidometrFrom), distanceOf(c_.txtDistance),
                                         distanceOf(c_.txtExternalDistance));
    LoadingGuard quiet(*this);
    c_.txtSpidometrTo->setText(vx::numbers::plain(end));
}

// X := E - S - D, never negative. Writing X does not recompute E.
void frmTransportTripsSV::deriveOwnExpense()
{
    const double own = trips::ownExpenseDistance(distanceOf(c_.txtSpidometrFrom), distanceOf(c_.txtDistance),
                                                 distanceOf(c_.txtSpidometrTo));
    LoadingGuard quiet(*this);
    c_.txtExternalDistance->setText(vx::numbers::plain(own));
}

void frmTransportTripsSV::leaveSpeedometerField(TripNumberField* field)
{
    if (field != c_.txtSpidometrTo) {
        recomputeEnd();
        return;
    }
    const double start = distanceOf(c_.txtSpidometrFrom);
    const double route = distanceOf(c_.txtDistance);
    const double end = distanceOf(c_.txtSpidometrTo);
    const double raised = trips::endReadingOnLeave(start, route, end);
    if (raised != end)
        c_.txtSpidometrTo->setText(vx::numbers::plain(raised));
    deriveOwnExpense();
}

void frmTransportTripsSV::leaveNumberField(TripNumberField* field)
{
    const QString form = field->leftForm(field->text());
    if (form != field->text())
        field->setText(form);
}

// Both tanks' received and used fuel first, then both tanks' rest by norms.
void frmTransportTripsSV::recomputeFuelPanel()
{
    LoadingGuard quiet(*this);
    std::array<bool, 2> typed{};
    for (int i = 0; i < 2; ++i) {
        TripSheetControls::Tank& tank = c_.tanks[i];
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
        TripSheetControls::Tank& tank = c_.tanks[i];
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

// "Likutis faktiškas": unticked shows 0, ticked brings back the rest last
// typed or loaded.
void frmTransportTripsSV::finalRestClicked(int i)
{
    if (isLoading())
        return;
    TripSheetControls::Tank& tank = c_.tanks[i];
    tank.txtFinalRest->setText(tank.chkFinalRest->isChecked() ? rememberedRest_.at(i) : QStringLiteral("0"));
    markChangedAndApply();
}
