#include "module/object_editor_base.h"

#include "module/catalogue_conversions.h"
#include "module/catalogue_dialogs.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/vx_object_ui.h"

namespace {
vx::Status noStorage()
{
    return vx::Status::failure(QStringLiteral("Nepasiekiamas verslo objektų sluoksnis."));
}
} // namespace

ObjectEditor::ObjectEditor(QString typeId)
    : typeId_(std::move(typeId)), generic_(vx::hostFactory().createGenericEditor(typeId_))
{
}

QString ObjectEditor::GetGUID()
{
    return QString();
}

QString ObjectEditor::OID() const
{
    return generic_ ? generic_->OID() : typeId_;
}

void ObjectEditor::setOID(const QString& oid)
{
    if (generic_)
        generic_->setOID(oid);
}

QString ObjectEditor::OIDR() const
{
    return generic_ ? generic_->OIDR() : QString();
}

void ObjectEditor::setOIDR(const QString& oidr)
{
    if (generic_)
        generic_->setOIDR(oidr);
}

QString ObjectEditor::OName() const
{
    return generic_ ? generic_->OName() : QString();
}

QString ObjectEditor::OType() const
{
    return generic_ ? generic_->OType() : QString();
}

void ObjectEditor::setOType(const QString& type)
{
    if (generic_)
        generic_->setOType(type);
}

QString ObjectEditor::Preview() const
{
    return generic_ ? generic_->Preview() : QString();
}

void ObjectEditor::setPreview(const QString& preview)
{
    if (generic_)
        generic_->setPreview(preview);
}

vx::RecordFields ObjectEditor::Fields()
{
    return generic_ ? generic_->Fields() : vx::RecordFields();
}

vx::RecordsetPtr ObjectEditor::RsFields()
{
    return generic_ ? generic_->RsFields() : nullptr;
}

vx::CallResult ObjectEditor::Properties(const QString&, const QString&)
{
    return {};
}

vx::CallResult ObjectEditor::Methods(const QString&, const QString&)
{
    return {};
}

vx::Status ObjectEditor::Read()
{
    return generic_ ? generic_->Read() : noStorage();
}

vx::Status ObjectEditor::Save(const vx::RecordsetPtr& rs2, const vx::RecordsetPtr& rs3)
{
    return generic_ ? generic_->Save(rs2, rs3) : noStorage();
}

void ObjectEditor::setUI(const vx::VxObjectUIPtr& ui)
{
    if (generic_)
        generic_->setUI(ui);
    else
        ui_ = ui;
}

vx::VxObjectUIPtr ObjectEditor::UI() const
{
    return generic_ ? generic_->UI() : ui_;
}

vx::VxBusinessObjectPtr ObjectEditor::BO() const
{
    return generic_ ? generic_->BO() : nullptr;
}

void ObjectEditor::CancelUpdate()
{
    if (generic_)
        generic_->CancelUpdate();
}

vx::CallResult ObjectEditor::businessProperty(const QString& callName, const QString& param, const QString& title)
{
    const vx::VxBusinessObjectPtr bo = BO();
    vx::CallResult result = bo ? bo->GetProperty(callName, param, 0)
                               : vx::CallResult::failure(noStorage().Message);
    if (result.Code != 0) {
        Catalogue::ShowMessage(result.Message, title, QMessageBox::Warning, QMessageBox::Ok);
        result.Value = QVariant();
    }
    return result;
}

vx::CallResult ObjectEditor::parentGroup()
{
    const vx::VxObjectUIPtr list = UI();
    if (!list)
        return {};
    const QString parentId = OID() + Catalogue::TextOrEmpty(Fields().value(QStringLiteral("ParentID")));
    return vx::CallResult::success(QVariant::fromValue(list->GetVxObject(parentId)));
}
