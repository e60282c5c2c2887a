#include "platform/bo/generic_list.h"

#include "platform/bo/access.h"
#include "platform/bo/list_queries.h"
#include "platform/bo/object_types.h"
#include "platform/bo/record_store.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

namespace bo {

GenericList::GenericList(SessionPtr session, QString typeId)
    : PlainObjectList(typeId), session_(std::move(session)), typeId_(std::move(typeId))
{
}

QString GenericList::OName() const
{
    const ObjectType* type = objectType(typeId_);
    if (!type && typeId_ == QLatin1String("O4000600"))
        return QStringLiteral("Žinynai"); // the module's catalogues, kept in the host's catalogue table
    return type ? type->caption : QString();
}

vx::RecordsetPtr GenericList::GetVxObjectList(const QString& parentId, const QString&, const QString&)
{
    try {
        return listRows(*session_, typeId_, parentId);
    } catch (const StorageError& e) {
        session_->reportError(e.message());
        return listRowsEmpty(typeId_);
    }
}

vx::VxObjectUIOPtr GenericList::GetVxObject(const QString& id)
{
    vx::VxObjectUIOPtr editor = session_->createEditor(typeId_);
    editor->setOIDR(id.isEmpty() ? typeId_ : id);
    if (editor->Read().Code != 0)
        return nullptr;
    return editor;
}

int GenericList::DeleteVxObject(const QString& id)
{
    const ObjectType* type = objectType(vx::oid::typeId(id));
    const qint64 number = vx::oid::recordNumber(id);
    if (!type || number <= 0) {
        session_->reportError(QStringLiteral("Netinkamas objekto identifikatorius: %1").arg(id));
        return 1;
    }
    try {
        Transaction t(storeOf(*session_));
        access::requireDelete(*session_, *type);
        access::requireCredentialDelete(*session_, *type, number);
        records::remove(*session_, *type, number);
        t.commit();
        return 0;
    } catch (const StorageError& e) {
        session_->reportError(e.message());
        return 1;
    }
}

} // namespace bo
