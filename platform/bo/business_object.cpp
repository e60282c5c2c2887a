#include "platform/bo/business_object.h"

#include "platform/bo/session.h"

namespace bo {

vx::CallResult BusinessObject::run(const QString& name, const QString& param)
{
    const SessionPtr session = session_.lock();
    if (!session)
        return vx::CallResult::failure(QStringLiteral("Duomenų bazė uždaryta."));
    return session->call(name, param);
}

vx::CallResult BusinessObject::GetProperty(const QString& name, const QString& param, int)
{
    return run(name, param);
}

vx::Status BusinessObject::RunMethod(const QString& name, const QString& param, int)
{
    const vx::CallResult result = run(name, param);
    return {result.Code, result.Message};
}

vx::CallResult BusinessObject::CallDataObject(const QString& name, const QString& param, int)
{
    return run(name, param);
}

} // namespace bo
