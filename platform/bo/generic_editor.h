#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"
#include "platform/contract/vx_object_uio.h"

namespace bo {

// The host's editor for one record of any stored type. Read loads the record
// named by OIDR (a bare type id gives a new record with its defaults); Save
// inserts or updates it in one transaction after the layer's own checks.
class GenericEditor final : public vx::VxObjectUIO {
public:
    GenericEditor(SessionPtr session, QString typeId);

    // Read answers a record that is not there with Code 1, a read the store
    // could not make (the connection was lost) with this Code and the reason.
    static constexpr int storeFailureCode = 2;

    QString className() const override { return QStringLiteral("GenericEditor"); }

    QString GetGUID() override { return QString(); }
    QString OID() const override { return oid_; }
    void setOID(const QString& oid) override { oid_ = oid; }
    QString OIDR() const override { return oidr_; }
    void setOIDR(const QString& oidr) override { oidr_ = oidr; }
    QString OName() const override;
    QString OType() const override;
    void setOType(const QString& type) override;
    QString Preview() const override;
    void setPreview(const QString& preview) override;
    vx::RecordFields Fields() override;
    vx::RecordsetPtr RsFields() override { return rs_; }
    vx::CallResult Properties(const QString& name, const QString& param) override;
    vx::CallResult Methods(const QString& name, const QString& param) override;
    vx::Status Read() override;
    vx::Status Save(const vx::RecordsetPtr& rs2 = {}, const vx::RecordsetPtr& rs3 = {}) override;
    void setUI(const vx::VxObjectUIPtr& ui) override { ui_ = ui; }
    vx::VxObjectUIPtr UI() const override { return ui_; }
    vx::VxBusinessObjectPtr BO() const override { return session_->businessObject(); }
    void CancelUpdate() override;

private:
    const ObjectType* recordType() const; // the type of the record OIDR names
    void newRecord(const ObjectType& type);
    bool loadRecord(const ObjectType& type, qint64 id);
    qint64 store(const ObjectType& type);

    SessionPtr session_;
    QString oid_;
    QString oidr_;
    QString otype_;
    QString preview_;
    bool previewSet_ = false;
    vx::RecordsetPtr rs_;
    vx::RecordsetPtr lastRead_;
    vx::VxObjectUIPtr ui_;
};

} // namespace bo
