#pragma once

#include "platform/contract/host_records.h"
#include "platform/contract/argument_text.h"

#include <QString>

#include <functional>

class UIO4000100;

// The trip sheet editor's methods that other parts of the module answer:
// printing ("Print", "PrintParameters"), template export ("ExportToWord") and
// auto-numbering ("GetAutoNumber", "Validate"), plus the auto-number step of
// every save. Those parts install their handlers here when the module's code is
// loaded (plugin/sheet_method_registrations.cpp); until one does, the
// method fails with a message saying the feature is not available yet, and a
// save leaves `AutoNumber` as it is.
namespace trips {

using SheetMethod = std::function<vx::CallResult(UIO4000100& editor, const vx::arguments::ItemList& args)>;
using AutoNumberDerivation = std::function<void(UIO4000100& editor)>;

// The names a handler may be installed for.
bool isHookedMethod(const QString& name);

// Installs (or with an empty handler removes) the handler of a hooked method;
// returns the one it replaces. Other names are refused with an empty result.
SheetMethod setSheetMethod(const QString& name, SheetMethod handler);
// The installed handler; empty when none.
SheetMethod sheetMethod(const QString& name);

// Installs the derivation of `AutoNumber` from `Name` run by every save;
// returns the one it replaces.
AutoNumberDerivation setAutoNumberDerivation(AutoNumberDerivation derivation);
const AutoNumberDerivation& autoNumberDerivation();

// What a hooked method without a handler answers: Code 1 and
// "Ši galimybė dar neprieinama: <name>."
vx::CallResult notAvailable(const QString& name);

} // namespace trips
