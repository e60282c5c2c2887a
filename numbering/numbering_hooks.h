#pragma once

namespace numbering {

// Installs the trip sheet editor's numbering methods and the auto-number step of its saves.
void installSheetMethods();

} // namespace numbering
