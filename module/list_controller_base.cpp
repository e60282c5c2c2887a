#include "module/list_controller_base.h"

#include "module/card_factory.h"
#include "module/catalogue_dialogs.h"
#include "module/class_factory.h"
#include "module/module_services.h"
#include "module/registration_tables.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/vx_object_uio.h"

#include <QApplication>

ListController::ListController(QString typeId, vx::IconTable icons)
    : typeId_(std::move(typeId)),
      ownOid_(typeId_),
      icons_(std::move(icons)),
      generic_(vx::hostFactory().createGenericList(typeId_))
{
}

QString ListController::OID() const
{
    return generic_ ? generic_->OID() : ownOid_;
}

void ListController::setOID(const QString& oid)
{
    if (generic_)
        generic_->setOID(oid);
    else
        ownOid_ = oid;
}

QString ListController::OName() const
{
    return generic_ ? generic_->OName() : QString();
}

vx::MenuItems ListController::GetMenu(const QString&, const QString&, const QString&)
{
    return {};
}

vx::ClickResult ListController::ClickMenu(const QString&, const QString&, const QString&, const QString&)
{
    return {};
}

bool ListController::DragOK(const QString&, const QString&, const QString&)
{
    return true;
}

bool ListController::DropOK(const QString&)
{
    return false;
}

QString ListController::listParameter(const QString& parentId, const QString&, const QString&)
{
    return parentId;
}

vx::RecordsetPtr ListController::GetVxObjectList(const QString& parentId, const QString& context,
                                                 const QString& command)
{
    if (!generic_)
        return nullptr;
    return generic_->GetVxObjectList(listParameter(parentId, context, command), QString(), QString());
}

bool ListController::AddToDeskTopVxObject(const QString&)
{
    return false;
}

vx::VxObjectUIOPtr ListController::GetVxObject(const QString& id)
{
    auto editor = std::dynamic_pointer_cast<vx::VxObjectUIO>(module::createClassObject(module::editorClass(typeId_)));
    if (!editor)
        return nullptr;
    editor->setUI(sharedAs<vx::VxObjectUI>());
    editor->setOIDR(id);
    readFailure_ = editor->Read();
    if (readFailure_.Code != 0)
        return nullptr;
    if (marshalsModifiedOnly())
        if (vx::RecordsetPtr rs = editor->RsFields())
            rs->setMarshalOptions(vx::MarshalOptions::ModifiedRecordsOnly);
    return editor;
}

vx::IconTable ListController::GetIconsTable() const
{
    return icons_;
}

int ListController::DeleteVxObject(const QString& id)
{
    return generic_ ? generic_->DeleteVxObject(id) : -1;
}

void ListController::setVxS(const vx::VxSPtr& services)
{
    const vx::VxSPtr stored = module::adoptServices(services);
    if (readsTitle() && stored)
        title_ = stored->Environment().Application().ProductName;
}

void ListController::setBO(const vx::VxBusinessObjectPtr& bo)
{
    bo_ = bo;
    if (generic_)
        generic_->setBO(bo);
}

vx::VxBusinessObjectPtr ListController::BO() const
{
    return generic_ ? generic_->BO() : bo_;
}

Catalogue::AccessRights ListController::rights() const
{
    const QString key = componentKey();
    return key.isEmpty() ? Catalogue::AccessRights() : Catalogue::GetAccess(key);
}

void ListController::reportMissing() const
{
    // The layer answers a record that is not there with Code 1, a read the
    // store could not make with another Code and its reason.
    if (readFailure_.Code > 1 && !readFailure_.Message.isEmpty()) {
        Catalogue::ShowError(readFailure_.Message, title_);
        return;
    }
    Catalogue::ShowError(QStringLiteral("Elementas panaikintas!"), title_);
}

vx::ClickResult ListController::showCard(const vx::CardRef& card)
{
    if (card.isNull())
        return {};
    return {vx::ActionShowCard, QVariant::fromValue(card)};
}

vx::ClickResult ListController::clickOpen(const QString& id, const QString& cardClass)
{
    const vx::VxObjectUIOPtr editor = GetVxObject(id);
    if (!editor) {
        reportMissing();
        return {};
    }
    return showCard(module::createCard(cardClass, editor));
}

vx::ClickResult ListController::clickDelete(const QString& id)
{
    const auto answer = Catalogue::ShowMessage(QStringLiteral("Ar tikrai norite panaikinti?"), title_,
                                               QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok || DeleteVxObject(id) != 0)
        return {};
    return {vx::ActionDeleted, QVariant()};
}

vx::ClickResult ListController::clickShowAll()
{
    const QVariantList list{QVariant::fromValue(GetVxObjectList(QString(), QString(), QString())), QString()};
    return {vx::ActionShowList, list};
}

vx::ClickResult ListController::clickFilter()
{
    const std::unique_ptr<vx::VxFilterDialog> dialog = vx::hostFactory().createFilterDialog();
    if (!dialog)
        return {};
    dialog->setOID(OID());
    const QString filter = dialog->askFilter(QApplication::activeWindow());
    filterChosen(filter);
    if (filter.isEmpty())
        return {};
    const QVariantList list{QVariant::fromValue(filteredList(filter)), filter};
    return {vx::ActionShowList, list};
}

vx::RecordsetPtr ListController::filteredList(const QString& filter)
{
    return GetVxObjectList(QString(), filter, QString());
}

vx::CardRef ListController::openCard(const QString& id, const QString& cardClass)
{
    const vx::VxObjectUIOPtr editor = GetVxObject(id);
    if (!editor)
        return {};
    if (!componentKey().isEmpty() && !rights().Open)
        return {};
    return module::createCard(cardClass, editor);
}

bool ListController::addToDesktop(const vx::CardRef& card)
{
    if (card.isNull())
        return false;
    const vx::VxSPtr services = module::services();
    if (!services) {
        delete card.widget.data(); // nobody to hand it to
        return false;
    }
    services->Desktop().AddForm(card);
    return true;
}
