#include "platform/contract/class_object.h"

#include "platform/contract/vx_business_object.h"
#include "platform/contract/vx_card.h"
#include "platform/contract/vx_header.h"
#include "platform/contract/vx_host_dialogs.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"
#include "platform/contract/vx_registration.h"
#include "platform/contract/vx_services.h"

// Out-of-line destructors anchor each interface's type information in this
// library, so dynamic casts agree between the host and the loaded module.
namespace vx {
ClassObject::~ClassObject() = default;
VxHeader::~VxHeader() = default;
VxHeaderSecurity::~VxHeaderSecurity() = default;
VxObjectUI::~VxObjectUI() = default;
VxObjectUIO::~VxObjectUIO() = default;
VxBusinessObject::~VxBusinessObject() = default;
VxCard::~VxCard() = default;
VxRegistrationNode::~VxRegistrationNode() = default;
VxRegistration::~VxRegistration() = default;
VxMainWindow::~VxMainWindow() = default;
VxObjects::~VxObjects() = default;
VxDesktop::~VxDesktop() = default;
VxSecurity::~VxSecurity() = default;
VxEnvironment::~VxEnvironment() = default;
VxS::~VxS() = default;
VxObjectSelector::~VxObjectSelector() = default;
VxFilterDialog::~VxFilterDialog() = default;
} // namespace vx
