#pragma once

#include "module/live_objects.h"
#include "platform/contract/vx_header.h"

// Registers the module's navigation tree, object types and icons with the host.
class DLLHeader final : public vx::VxHeader {
public:
    QString className() const override { return QStringLiteral("DLLHeader"); }
    void DllInicialize() override;

private:
    LiveObject live_;
};
