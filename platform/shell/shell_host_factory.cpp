#include "platform/shell/shell_host_factory.h"

#include "platform/shell/filter_dialog.h"
#include "platform/shell/object_selector_dialog.h"
#include "platform/shell/property_grid.h"
#include "platform/shell/report_document.h"

namespace shell {

vx::VxRegistrationPtr ShellHostFactory::createRegistration()
{
    if (!target_)
        target_ = std::make_shared<RegisteredTables>();
    return std::make_shared<RegistrationRecorder>(target_);
}

vx::VxObjectUIPtr ShellHostFactory::createGenericList(const QString& objectType)
{
    return session_ ? session_->createList(objectType) : nullptr;
}

vx::VxObjectUIOPtr ShellHostFactory::createGenericEditor(const QString& objectType)
{
    return session_ ? session_->createEditor(objectType) : nullptr;
}

std::unique_ptr<vx::VxObjectSelector> ShellHostFactory::createObjectSelector()
{
    return session_ ? std::make_unique<ObjectSelectorDialog>(session_) : nullptr;
}

std::unique_ptr<vx::VxFilterDialog> ShellHostFactory::createFilterDialog()
{
    return std::make_unique<FilterDialog>();
}

vx::VxReportDocumentPtr ShellHostFactory::createReportDocument()
{
    return shell::createReportDocument();
}

vx::VxGridControl* ShellHostFactory::createGridControl(QWidget* parent)
{
    return session_ ? createPropertyGrid(session_, parent) : nullptr;
}

} // namespace shell
