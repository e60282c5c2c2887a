#pragma once

#include "module/live_objects.h"
#include "platform/contract/vx_object_uio.h"

// What every object editor shares: it wraps the host's generic editor of its
// type and passes every operation it does not handle itself to it unchanged.
class ObjectEditor : public vx::VxObjectUIO {
public:
    QString GetGUID() override;
    QString OID() const override;
    void setOID(const QString& oid) override;
    QString OIDR() const override;
    void setOIDR(const QString& oidr) override;
    QString OName() const override;
    QString OType() const override;
    void setOType(const QString& type) override;
    QString Preview() const override;
    void setPreview(const QString& preview) override;
    vx::RecordFields Fields() override;
    vx::RecordsetPtr RsFields() override;
    vx::CallResult Properties(const QString& name, const QString& param) override;
    vx::CallResult Methods(const QString& name, const QString& param) override;
    vx::Status Read() override;
    vx::Status Save(const vx::RecordsetPtr& rs2 = {}, const vx::RecordsetPtr& rs3 = {}) override;
    void setUI(const vx::VxObjectUIPtr& ui) override;
    vx::VxObjectUIPtr UI() const override;
    vx::VxBusinessObjectPtr BO() const override;
    void CancelUpdate() override;

    // The editor's default interface: Save under the name the host uses there.
    vx::Status VxObjectUIO_Save(const vx::RecordsetPtr& rs2 = {}, const vx::RecordsetPtr& rs3 = {})
    {
        return Save(rs2, rs3);
    }

    const QString& typeId() const { return typeId_; }
    const vx::VxObjectUIOPtr& genericEditor() const { return generic_; }

protected:
    explicit ObjectEditor(QString typeId);

    // A named call of the business object (GetProperty with flags 0). A failure
    // keeps its Code and Message and is shown with the exclamation icon under
    // `title`; otherwise Value is what the call returned.
    vx::CallResult businessProperty(const QString& callName, const QString& param, const QString& title);
    // "Parent": the editor of the record's parent group, from the editor's list controller.
    vx::CallResult parentGroup();

private:
    QString typeId_;
    vx::VxObjectUIOPtr generic_;
    vx::VxObjectUIPtr ui_; // kept only when the host offers no generic editor
    LiveObject live_;
};
