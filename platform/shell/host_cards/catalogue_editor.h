#pragma once

#include "platform/shell/host_cards/host_card.h"

namespace shell {

// The host's editor of the reference catalogues ("O0001601"): the generic
// editor of the catalogue table, which also answers "GetObjectForm" with an
// empty host card able to show any catalogue item; the caller hands the card
// the item's editor.
class CatalogueEditor final : public vx::VxObjectUIO {
public:
    CatalogueEditor(HostCardContext context, vx::VxObjectUIOPtr generic);

    QString className() const override { return QStringLiteral("CatalogueEditor"); }
    QString GetGUID() override { return generic_->GetGUID(); }
    QString OID() const override { return generic_->OID(); }
    void setOID(const QString& oid) override { generic_->setOID(oid); }
    QString OIDR() const override { return generic_->OIDR(); }
    void setOIDR(const QString& oidr) override { generic_->setOIDR(oidr); }
    QString OName() const override { return generic_->OName(); }
    QString OType() const override { return generic_->OType(); }
    void setOType(const QString& type) override { generic_->setOType(type); }
    QString Preview() const override { return generic_->Preview(); }
    void setPreview(const QString& preview) override { generic_->setPreview(preview); }
    vx::RecordFields Fields() override { return generic_->Fields(); }
    vx::RecordsetPtr RsFields() override { return generic_->RsFields(); }
    vx::CallResult Properties(const QString& name, const QString& param) override;
    vx::CallResult Methods(const QString& name, const QString& param) override { return generic_->Methods(name, param); }
    vx::Status Read() override { return generic_->Read(); }
    vx::Status Save(const vx::RecordsetPtr& rs2 = {}, const vx::RecordsetPtr& rs3 = {}) override
    {
        return generic_->Save(rs2, rs3);
    }
    void setUI(const vx::VxObjectUIPtr& ui) override { generic_->setUI(ui); }
    vx::VxObjectUIPtr UI() const override { return generic_->UI(); }
    vx::VxBusinessObjectPtr BO() const override { return generic_->BO(); }
    void CancelUpdate() override { generic_->CancelUpdate(); }

private:
    HostCardContext context_;
    vx::VxObjectUIOPtr generic_;
};

} // namespace shell
