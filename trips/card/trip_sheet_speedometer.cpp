// The trip sheet card's speedometer: the start and end readings S and E, the
// route distance D and the own-expense distance X, kept at E = S + D + X.

#include "platform/contract/number_text.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/speedometer.h"
#include "trips/trip_numbers.h"

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
