#pragma once

#include "platform/contract/vx_host_dialogs.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"
#include "platform/contract/vx_registration.h"
#include "platform/contract/vx_report_document.h"

#include <memory>

class QWidget;

namespace vx {

class VxGridControl;

// The host objects a module creates on its own: the registration object, the
// generic list object and generic editor its controllers and editors wrap, and
// the host dialogs it shows. The host installs one factory per process; every
// method may answer with nothing when the host does not offer the object.
class HostFactory {
public:
    virtual ~HostFactory();
    virtual VxRegistrationPtr createRegistration();
    virtual VxObjectUIPtr createGenericList(const QString& objectType);
    virtual VxObjectUIOPtr createGenericEditor(const QString& objectType);
    virtual std::unique_ptr<VxObjectSelector> createObjectSelector();
    virtual std::unique_ptr<VxFilterDialog> createFilterDialog();
    // A new report document to fill and show.
    virtual VxReportDocumentPtr createReportDocument();
    // A new property grid owned by `parent`.
    virtual VxGridControl* createGridControl(QWidget* parent);
};

// The process-wide factory; a default one that creates nothing until the host installs its own.
HostFactory& hostFactory();
void setHostFactory(std::shared_ptr<HostFactory> factory);

} // namespace vx
