#include "platform/contract/vx_card.h"
#include "platform/contract/vx_host_dialogs.h"
#include "platform/contract/vx_registration.h"
#include "platform/contract/vx_services.h"

// Out-of-line destructors anchor the type information of the interfaces that
// carry widgets or icons in the contract's UI library, as the core library
// does for the rest.
namespace vx {
VxShowVxObject::~VxShowVxObject() = default;
VxCard::~VxCard() = default;
VxRegistrationNode::~VxRegistrationNode() = default;
VxRegistration::~VxRegistration() = default;
VxMainWindow::~VxMainWindow() = default;
VxDesktop::~VxDesktop() = default;
VxS::~VxS() = default;
VxObjectSelector::~VxObjectSelector() = default;
VxFilterDialog::~VxFilterDialog() = default;
} // namespace vx
