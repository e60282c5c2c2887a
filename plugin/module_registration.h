#pragma once

// Which classes, cards and trip sheet methods the module has. The registries
// live in the module frame and the feature folders; these fill them, once,
// when the module's code is loaded (module_registration.cpp).
namespace plugin {

void registerClasses();      // class_registrations.cpp
void registerCards();        // card_registrations.cpp
void registerSheetMethods(); // sheet_method_registrations.cpp

} // namespace plugin
