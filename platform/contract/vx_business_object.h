#pragma once

#include "platform/contract/host_records.h"

#include <memory>

namespace vx {

// The business object: named calls into the business-object layer. Flags is
// always 0 from the module.
class VxBusinessObject {
public:
    virtual ~VxBusinessObject();
    virtual CallResult GetProperty(const QString& name, const QString& param, int flags = 0) = 0;
    virtual Status RunMethod(const QString& name, const QString& param, int flags = 0) = 0;
    virtual CallResult CallDataObject(const QString& name, const QString& param, int flags = 0) = 0;
};

using VxBusinessObjectPtr = std::shared_ptr<VxBusinessObject>;

} // namespace vx
