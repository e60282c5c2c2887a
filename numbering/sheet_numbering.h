#pragma once

#include "platform/contract/host_records.h"
#include "platform/contract/argument_text.h"

class UIO4000100;

// What auto-numbering adds to the trip sheet editor: making a number
// ("GetAutoNumber"), checking that it is not repeated ("Validate") and
// reading the counter back out of the number on every save. The settings
// record is read afresh each time.
namespace numbering {

// Params: (0) the next flag, non-zero for the value after the one this editor
// handed out last; (1) an editor variable, not used. Writes `AutoNumber` and
// `Name` and gives the number as Value; an empty Value when the settings make
// no numbers or nobody is logged in. The editor keeps its counter in 16 bits:
// a counter above 32767 makes no number, and the user is told so.
vx::CallResult getAutoNumber(UIO4000100& sheet, const vx::arguments::ItemList& args);

// Value true when no other trip sheet has this sheet's `Name`; otherwise the
// Message "Dokumento numeris kartojasi!". A failed check gives neither.
vx::CallResult validate(UIO4000100& sheet, const vx::arguments::ItemList& args);

// `AutoNumber` := the counter `Name` holds under the layout; left as it is
// when there are no settings or the layout is empty.
void deriveAutoNumber(UIO4000100& sheet);

} // namespace numbering
