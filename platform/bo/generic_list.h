#pragma once

#include "platform/bo/session.h"
#include "platform/contract/plain_object_list.h"

namespace bo {

// The host's list object for any stored type: the rows of a list (see
// list_queries.h for their layout), the editor of a record, and deletes.
class GenericList final : public vx::PlainObjectList {
public:
    GenericList(SessionPtr session, QString typeId);

    QString className() const override { return QStringLiteral("GenericList"); }

    QString OName() const override;
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    // 0 when deleted; otherwise the refusal is reported through the session.
    int DeleteVxObject(const QString& id) override;
    void setBO(const vx::VxBusinessObjectPtr& bo) override { bo_ = bo; }
    vx::VxBusinessObjectPtr BO() const override { return bo_ ? bo_ : session_->businessObject(); }

private:
    SessionPtr session_;
    QString typeId_;
    vx::VxBusinessObjectPtr bo_;
};

} // namespace bo
