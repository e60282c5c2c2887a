#pragma once

#include "platform/contract/vx_business_object.h"

#include <memory>

namespace bo {

class Session;

// The business object handed to list controllers and editors: its three
// operations all run the layer's named calls.
class BusinessObject final : public vx::VxBusinessObject {
public:
    explicit BusinessObject(std::weak_ptr<Session> session) : session_(std::move(session)) {}

    vx::CallResult GetProperty(const QString& name, const QString& param, int flags = 0) override;
    vx::Status RunMethod(const QString& name, const QString& param, int flags = 0) override;
    vx::CallResult CallDataObject(const QString& name, const QString& param, int flags = 0) override;

private:
    vx::CallResult run(const QString& name, const QString& param);
    std::weak_ptr<Session> session_;
};

} // namespace bo
