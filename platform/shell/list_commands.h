#pragma once

#include <QString>

namespace shell {

// The host's own commands on a list, sent to the list's controller as menu
// keys that no menu of it carries.
namespace listCommands {
inline const QString filter = QStringLiteral("70S2");   // the host's filter dialog
inline const QString showAll = QStringLiteral("116S0"); // the whole list again
} // namespace listCommands

// Whether the controller of the list of `typeId` answers a host command. A
// controller cannot say so through the contract, so the host knows which do:
// the vehicle and tyre lists answer both, the reference catalogues "show all".
bool takesListCommand(const QString& typeId, const QString& command);

} // namespace shell
