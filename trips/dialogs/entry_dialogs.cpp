#include "trips/dialogs/entry_dialogs.h"

// The dialogs are not built yet: every request ends as cancelled.
namespace trips {

EntryResult editRouteLine(QWidget*, const RouteLineRequest&)
{
    return {};
}

EntryResult editFuelCheque(QWidget*, const ChequeRequest&)
{
    return {};
}

EntryResult editTripFuelTank(QWidget*, const FuelTankRequest&)
{
    return {};
}

} // namespace trips
