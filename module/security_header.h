#pragma once

#include "module/live_objects.h"
#include "platform/contract/vx_header.h"

// Lists the module's access-controlled components for the host.
class SecurityHeader final : public vx::VxHeaderSecurity {
public:
    QString className() const override { return QStringLiteral("SecurityHeader"); }
    vx::ComponentEntries GetComponentList() override;

private:
    LiveObject live_;
};
