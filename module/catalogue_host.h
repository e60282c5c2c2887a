#pragma once

#include "platform/contract/vx_object_uio.h"

#include <QString>

class QLineEdit;

// The bridge from cards to host objects, through the module-wide services
// (module::services()) and the host factory. Without services or without the
// host object asked for, each routine ends quietly with nothing.
namespace Catalogue {

// The four rights of a security component.
struct AccessRights {
    bool Open = false;   // right 1
    bool Delete = false; // right 2
    bool Write = false;  // right 3
    bool New = false;    // right 4, a new record

    // Right 1..4 by number; false for any other number.
    bool right(int number) const;
};

// The host's editor of an id (a bare type id asks for a new record), or none.
vx::VxObjectUIOPtr GetEditor(const QString& id);

// Asks the security service's checks with (key, 0) in the order first, third,
// second, fourth, giving rights 1, 2, 3, 4.
AccessRights GetAccess(const QString& componentKey);

// Shows the object an id names in a text box: its preview as the text and its
// id as the tag (Catalogue::TagOf). An id without a record, or one the host
// cannot read, clears the box; an id of eight characters or fewer never asks
// the host.
void ShowObjectName(const QString& id, QLineEdit* textBox);
// Empties the text and the tag.
void ClearObjectName(QLineEdit* textBox);

// Lets the user pick an object of `objectType` in the host's object selector,
// titled `caption`; `kind` (for example "Group", "Tyre", "T", "C") limits what
// may be chosen. Returns the chosen id (from the last "O" of the selected key);
// with a text box the text shows the selection's caption and the tag holds the
// id; without one the result is the id, "_" and the caption. Choosing a type
// node (a key of eight characters or fewer) gives the type id and clears the
// text box. A cancelled selector, a key without "O" or no selector at all give
// an empty result and leave the text box as it was.
QString SelectObject(const QString& objectType, const QString& caption, QLineEdit* textBox,
                     const QString& kind = QString());

// Opens the host's modal object card ("ShowVxObjectModal" with `param`). When it
// answers with a record, its OIDR and Preview go into the text box's tag and
// text and the OIDR is returned; without a text box the result is OIDR, "_" and
// Preview. No record gives an empty result and leaves the text box as it was.
QString ShowVxObjectModal(const QString& param, QLineEdit* textBox);

} // namespace Catalogue
