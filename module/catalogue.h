#pragma once

// The module's shared routines, as one include for cards: message boxes and
// modal dialogs, the bridge to host objects and access rights, null-safe
// conversions, text box and list routines, the currency list and the parts of
// an automatic number. They keep no state besides the module-wide services.

#include "module/catalogue_controls.h"
#include "module/catalogue_conversions.h"
#include "module/catalogue_currency.h"
#include "module/catalogue_dialogs.h"
#include "module/catalogue_host.h"
#include "module/catalogue_numbering.h"
#include "module/list_item_roles.h"
