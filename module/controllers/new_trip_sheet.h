#pragma once

#include "platform/contract/vx_object_uio.h"

// A new trip sheet as the lists start it: dated today, open-ended, without a
// vehicle or a driver yet. The caller fills in what the clicked row tells.
namespace NewTripSheet {

void startBlank(vx::VxObjectUIO& sheet);
// The record kind of a trip sheet, written last.
void finish(vx::VxObjectUIO& sheet);

} // namespace NewTripSheet
