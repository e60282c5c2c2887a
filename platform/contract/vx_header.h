#pragma once

#include "platform/contract/class_object.h"
#include "platform/contract/host_records.h"

namespace vx {

// Called once per load: the module registers its navigation tree, object types
// and icons on a registration object it obtains from the host factory.
class VxHeader : public ClassObject {
public:
    ~VxHeader() override;
    virtual void DllInicialize() = 0;
};

// Called once per load: the module's access-controlled components.
class VxHeaderSecurity : public ClassObject {
public:
    ~VxHeaderSecurity() override;
    virtual ComponentEntries GetComponentList() = 0;
};

} // namespace vx
