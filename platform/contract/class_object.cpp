#include "platform/contract/class_object.h"

#include "platform/contract/vx_business_object.h"
#include "platform/contract/vx_core_services.h"
#include "platform/contract/vx_header.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"

// Out-of-line destructors anchor each interface's type information in this
// library, so dynamic casts agree between the host and the loaded module.
namespace vx {
ClassObject::~ClassObject() = default;
VxHeader::~VxHeader() = default;
VxHeaderSecurity::~VxHeaderSecurity() = default;
VxObjectUI::~VxObjectUI() = default;
VxObjectUIO::~VxObjectUIO() = default;
VxBusinessObject::~VxBusinessObject() = default;
VxObjects::~VxObjects() = default;
VxSecurity::~VxSecurity() = default;
VxEnvironment::~VxEnvironment() = default;
} // namespace vx
