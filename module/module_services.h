#pragma once

#include "platform/contract/vx_services.h"

// The host's services as the module keeps them: the first VxS any list
// controller receives stays while its host lives (the module does not keep a
// host alive; the host owns its services).
namespace module {

// Stores `services` unless some are stored already; returns the stored ones.
vx::VxSPtr adoptServices(const vx::VxSPtr& services);
vx::VxSPtr services();
// Forgets the stored services (the host unloads the module, or a test starts afresh).
void forgetServices();

} // namespace module
