#pragma once

#include "platform/contract/class_object.h"
#include "platform/contract/host_records.h"
#include "platform/contract/recordset.h"
#include "platform/contract/vx_business_object.h"

#include <memory>

namespace vx {

class VxObjectUIO;
class VxS;
using VxObjectUIOPtr = std::shared_ptr<VxObjectUIO>;
using VxSPtr = std::shared_ptr<VxS>;

// A list controller: what the host asks of an object type's lists. Members in
// slot order.
class VxObjectUI : public ClassObject {
public:
    ~VxObjectUI() override;

    virtual QString OID() const = 0;
    virtual void setOID(const QString& oid) = 0;
    virtual QString OName() const = 0;
    virtual MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) = 0;
    virtual ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                                  const QString& context) = 0;
    virtual bool DragOK(const QString& source, const QString& target, const QString& data) = 0;
    virtual bool DropOK(const QString& data) = 0;
    virtual RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) = 0;
    virtual bool AddToDeskTopVxObject(const QString& id) = 0;
    virtual VxObjectUIOPtr GetVxObject(const QString& id) = 0;
    virtual IconTable GetIconsTable() const = 0;
    virtual int DeleteVxObject(const QString& id) = 0;
    virtual void setVxS(const VxSPtr& services) = 0;
    virtual void setBO(const VxBusinessObjectPtr& bo) = 0;
    virtual VxBusinessObjectPtr BO() const = 0;
};

using VxObjectUIPtr = std::shared_ptr<VxObjectUI>;

} // namespace vx

Q_DECLARE_METATYPE(vx::VxObjectUIPtr)
