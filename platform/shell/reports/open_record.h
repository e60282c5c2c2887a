#pragma once

#include <QString>

class QWidget;

namespace vx {
class VxS;
}

namespace shell {

// Opens a stored record the way its list does (its list controller's "open"
// item, so the user's rights hold and the type's own card shows), in the
// host's modal card window over `parent`: from a modal window such as a
// report, a card on the desktop behind it could not be used. A record the
// user may not open, or that is gone, is said in a message.
void openRecordOver(vx::VxS& services, const QString& oidr, QWidget* parent);

} // namespace shell
