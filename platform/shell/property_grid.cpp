#include "platform/shell/property_grid.h"

namespace shell {

// Not built yet: the host offers no property grid.
vx::VxGridControl* createPropertyGrid(const bo::SessionPtr&, QWidget*)
{
    return nullptr;
}

} // namespace shell
