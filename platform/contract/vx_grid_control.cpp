#include "platform/contract/vx_grid_control.h"

namespace vx {

VxGridControl::~VxGridControl() = default;

} // namespace vx
