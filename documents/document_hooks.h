#pragma once

namespace documents {

// Installs the trip sheet editor's printing and export methods.
void installSheetMethods();

} // namespace documents
