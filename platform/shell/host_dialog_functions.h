#pragma once

#include "platform/contract/host_records.h"
#include "platform/contract/vx_object_uio.h"

#include <QString>

#include <optional>

namespace shell {

class HostServices;

// Registers the host functions that open dialogs:
//   "GetNewPeriod"       the period dialog; the chosen period is stored for the
//                        user and returned; cancelled: the stored one, Code 0
//   "ShowVxObjectModal"  a new record of the type in the parameter in a modal
//                        card (the record's own card when its editor offers
//                        one that lets the window go, newObjectInItsCard,
//                        else the host's plain card); saved: a one-row record
//                        set with OIDR and Preview
//   "VxGroupSelect"      "QUERY(PARAM);;TITLE": the rows of the named call, one
//                        of which the user picks; the record set comes back
//                        positioned on it
// A cancelled dialog gives Code 0 and no record set.
void addDialogFunctions(HostServices& services);

// A new record in the card its editor offers ("GetObjectForm"), shown in the
// host's modal window until the card lets it go: a one-row record set with
// OIDR and Preview when it was saved, none when not. Nothing (no result) when
// the editor offers no card that would let the window go.
std::optional<vx::CallResult> newObjectInItsCard(const vx::VxObjectUIOPtr& editor);

// The parts of a "VxGroupSelect" parameter. The title starts after the first
// ";;" outside quotes; the call's parameter is what its parentheses hold.
struct GroupSelectRequest {
    QString query;
    QString param;
    QString title;
    bool ok = false;
};
GroupSelectRequest readGroupSelectRequest(const QString& text);

} // namespace shell
