#pragma once

#include "platform/bo/session.h"
#include "platform/contract/vx_grid_control.h"

namespace shell {

// The host's property grid over the session's store, owned by `parent`.
vx::VxGridControl* createPropertyGrid(const bo::SessionPtr& session, QWidget* parent);

} // namespace shell
