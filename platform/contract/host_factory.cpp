#include "platform/contract/host_factory.h"

#include "platform/contract/vx_grid_control.h"

namespace vx {
namespace {
std::shared_ptr<HostFactory>& installed()
{
    static std::shared_ptr<HostFactory> factory = std::make_shared<HostFactory>();
    return factory;
}
} // namespace

HostFactory::~HostFactory() = default;

VxRegistrationPtr HostFactory::createRegistration()
{
    return nullptr;
}

VxObjectUIPtr HostFactory::createGenericList(const QString&)
{
    return nullptr;
}

VxObjectUIOPtr HostFactory::createGenericEditor(const QString&)
{
    return nullptr;
}

std::unique_ptr<VxObjectSelector> HostFactory::createObjectSelector()
{
    return nullptr;
}

std::unique_ptr<VxFilterDialog> HostFactory::createFilterDialog()
{
    return nullptr;
}

VxReportDocumentPtr HostFactory::createReportDocument()
{
    return nullptr;
}

VxGridControl* HostFactory::createGridControl(QWidget*)
{
    return nullptr;
}

HostFactory& hostFactory()
{
    return *installed();
}

void setHostFactory(std::shared_ptr<HostFactory> factory)
{
    installed() = factory ? std::move(factory) : std::make_shared<HostFactory>();
}

} // namespace vx
