#include "platform/bo/session.h"

#include "platform/bo/business_object.h"
#include "platform/bo/generic_editor.h"
#include "platform/bo/generic_list.h"
#include "platform/bo/named_calls.h"

namespace bo {

std::shared_ptr<Session> Session::open(const QString& location, Database::Creation creation)
{
    return std::make_shared<Session>(Database::open(location, creation));
}

Session::Session(std::unique_ptr<Database> db) : db_(std::move(db)) {}

vx::VxBusinessObjectPtr Session::businessObject()
{
    if (!bo_)
        bo_ = std::make_shared<BusinessObject>(weak_from_this());
    return bo_;
}

vx::VxObjectUIOPtr Session::createEditor(const QString& typeId)
{
    return std::make_shared<GenericEditor>(shared_from_this(), typeId);
}

vx::VxObjectUIPtr Session::createList(const QString& typeId)
{
    return std::make_shared<GenericList>(shared_from_this(), typeId);
}

vx::CallResult Session::call(const QString& name, const QString& param)
{
    return namedCalls().call(*this, name, param);
}

void Session::reportError(const QString& message)
{
    lastError_ = message;
    if (reporter_)
        reporter_(message);
}

} // namespace bo
