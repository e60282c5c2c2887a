#pragma once

#include "platform/contract/class_object.h"

// The four entry points every component library exports with C linkage. Host
// and libraries are built by one compiler, so C++ types may cross them.
namespace vx::plugin {

// Writes the library's name and file path into the host's library registry.
// Returns 0 on success.
using RegisterFunction = int (*)();
// Removes the library from the registry. Returns 0 on success.
using UnregisterFunction = int (*)();
// Creates a public class by name. On success the caller owns the object (and
// wraps it in a shared pointer at once); an unknown name gives nullptr and, when
// `error` is given, a text saying why.
using GetClassObjectFunction = vx::ClassObject* (*)(const char* className, QString* error);
// True when no object created by the library is alive, so it may be unloaded.
using CanUnloadFunction = bool (*)();

inline constexpr const char* registerSymbol = "vxRegisterLibrary";
inline constexpr const char* unregisterSymbol = "vxUnregisterLibrary";
inline constexpr const char* getClassObjectSymbol = "vxGetClassObject";
inline constexpr const char* canUnloadSymbol = "vxCanUnloadNow";

} // namespace vx::plugin
