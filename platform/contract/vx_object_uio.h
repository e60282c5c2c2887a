#pragma once

#include "platform/contract/class_object.h"
#include "platform/contract/host_records.h"
#include "platform/contract/recordset.h"
#include "platform/contract/vx_business_object.h"

#include <memory>

namespace vx {

class VxObjectUI;
using VxObjectUIPtr = std::shared_ptr<VxObjectUI>;

// An object editor: one record of one object type while a card shows it.
// Members in slot order.
class VxObjectUIO : public ClassObject {
public:
    ~VxObjectUIO() override;

    virtual QString GetGUID() = 0;
    virtual QString OID() const = 0;
    virtual void setOID(const QString& oid) = 0;
    virtual QString OIDR() const = 0;
    virtual void setOIDR(const QString& oidr) = 0;
    virtual QString OName() const = 0;
    virtual QString OType() const = 0;
    virtual void setOType(const QString& type) = 0;
    virtual QString Preview() const = 0;
    virtual void setPreview(const QString& preview) = 0;
    virtual RecordFields Fields() = 0;
    virtual RecordsetPtr RsFields() = 0;
    virtual CallResult Properties(const QString& name, const QString& param) = 0;
    virtual CallResult Methods(const QString& name, const QString& param) = 0;
    virtual Status Read() = 0;
    virtual Status Save(const RecordsetPtr& rs2 = {}, const RecordsetPtr& rs3 = {}) = 0;
    virtual void setUI(const VxObjectUIPtr& ui) = 0;
    virtual VxObjectUIPtr UI() const = 0;
    virtual VxBusinessObjectPtr BO() const = 0;
    virtual void CancelUpdate() = 0;
};

using VxObjectUIOPtr = std::shared_ptr<VxObjectUIO>;

} // namespace vx

Q_DECLARE_METATYPE(vx::VxObjectUIOPtr)
