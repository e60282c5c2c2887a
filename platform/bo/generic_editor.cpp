#include "platform/bo/generic_editor.h"

#include "platform/bo/access.h"
#include "platform/bo/record_store.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

namespace bo {

GenericEditor::GenericEditor(SessionPtr session, QString typeId) : session_(std::move(session)), oid_(std::move(typeId))
{
}

const ObjectType* GenericEditor::recordType() const
{
    const QString id = oidr_.isEmpty() ? oid_ : oidr_;
    if (const ObjectType* type = objectType(vx::oid::typeId(id)))
        return type;
    return objectType(oid_);
}

QString GenericEditor::OName() const
{
    const ObjectType* type = recordType();
    return type ? type->caption : QString();
}

QString GenericEditor::OType() const
{
    return otype_;
}

void GenericEditor::setOType(const QString& type)
{
    otype_ = type;
    if (rs_ && rs_->hasField(QStringLiteral("OType")) && !rs_->isEOF())
        rs_->setValue(QStringLiteral("OType"), type);
}

QString GenericEditor::Preview() const
{
    if (previewSet_)
        return preview_;
    if (rs_ && !rs_->isEOF() && !rs_->isBOF())
        return rs_->value(QStringLiteral("Preview")).toString();
    return QString();
}

void GenericEditor::setPreview(const QString& preview)
{
    preview_ = preview;
    previewSet_ = true;
}

vx::RecordFields GenericEditor::Fields()
{
    return rs_ ? rs_->Fields() : vx::RecordFields();
}

vx::CallResult GenericEditor::Properties(const QString& name, const QString& param)
{
    return session_->call(name, param);
}

vx::CallResult GenericEditor::Methods(const QString& name, const QString& param)
{
    return session_->call(name, param);
}

void GenericEditor::newRecord(const ObjectType& type)
{
    rs_ = vx::Recordset::create(type.recordFields());
    rs_->AddNew();
    if (type.grouped) {
        rs_->setValue(QStringLiteral("ParentID"), 0);
        rs_->setValue(QStringLiteral("GroupFlag"), 0);
    }
    if (type.hasColumn(QStringLiteral("OType")))
        rs_->setValue(QStringLiteral("OType"), type.recordKind);
    if (type.typeId == QLatin1String("O4000100")) {
        for (const char* field : {"ParentID", "GroupFlag", "FinalRest1Indication", "FinalRest2Indication"})
            rs_->setValue(QString::fromLatin1(field), 0);
        rs_->setValue(QStringLiteral("FinalRest1"), 0.0);
        rs_->setValue(QStringLiteral("FinalRest2"), 0.0);
    }
    rs_->setValue(QStringLiteral("OIDR"), type.typeId);
    otype_ = type.recordKind;
}

bool GenericEditor::loadRecord(const ObjectType& type, qint64 id)
{
    vx::RecordsetPtr rs = records::read(*session_, type, id);
    if (!rs)
        return false;
    // Refill the same record set, so field handles a card holds stay valid.
    if (rs_ && rs_->fieldDefs().size() == rs->fieldDefs().size())
        *rs_ = *rs;
    else
        rs_ = rs;
    if (type.hasColumn(QStringLiteral("OType")) && !rs_->value(QStringLiteral("OType")).toString().isEmpty())
        otype_ = rs_->value(QStringLiteral("OType")).toString();
    else if (type.grouped && rs_->value(QStringLiteral("GroupFlag")).toInt() != 0)
        otype_ = QStringLiteral("Group");
    else
        otype_ = type.recordKind;
    return true;
}

vx::Status GenericEditor::Read()
{
    const ObjectType* type = recordType();
    const QString id = oidr_.isEmpty() ? oid_ : oidr_;
    if (!type)
        return vx::Status::failure(QStringLiteral("Nežinomas objekto tipas: %1").arg(vx::oid::typeId(id)));
    if (!vx::oid::isWellFormed(id))
        return vx::Status::failure(QStringLiteral("Netinkamas objekto identifikatorius: %1").arg(id));
    previewSet_ = false;
    try {
        const qint64 number = vx::oid::recordNumber(id);
        if (number <= 0) {
            newRecord(*type);
        } else if (!loadRecord(*type, number)) {
            return vx::Status::failure(QStringLiteral("Įrašas %1 nerastas.").arg(id));
        }
    } catch (const StorageError& e) {
        return vx::Status::failure(e.message(), storeFailureCode);
    }
    lastRead_ = rs_->clone();
    return vx::Status::success();
}

qint64 GenericEditor::store(const ObjectType& type)
{
    const qint64 current = rs_->value(QStringLiteral("ID")).toLongLong();
    if (type.hasColumn(QStringLiteral("OType")) && rs_->value(QStringLiteral("OType")).isNull() && !otype_.isEmpty())
        rs_->setValue(QStringLiteral("OType"), otype_);
    Transaction t(storeOf(*session_));
    access::requireRecordSave(*session_, type, *rs_, current);
    records::checkBeforeSave(*session_, type, *rs_, current);
    const qint64 id = records::write(*session_, type, *rs_, current);
    t.commit();
    return id;
}

vx::Status GenericEditor::Save(const vx::RecordsetPtr&, const vx::RecordsetPtr&)
{
    const ObjectType* type = recordType();
    if (!type || !rs_ || rs_->isEOF() || rs_->isBOF())
        return vx::Status::failure(QStringLiteral("Nėra ką išsaugoti: įrašas neperskaitytas."));
    try {
        const qint64 id = store(*type);
        oidr_ = vx::oid::make(type->typeId, id);
        if (!loadRecord(*type, id))
            return vx::Status::failure(QStringLiteral("Įrašas %1 išsaugotas, bet neperskaitomas.").arg(oidr_));
        lastRead_ = rs_->clone();
        return vx::Status::success();
    } catch (const StorageError& e) {
        return vx::Status::failure(e.message());
    } catch (const vx::RecordsetError& e) {
        return vx::Status::failure(e.message());
    }
}

void GenericEditor::CancelUpdate()
{
    if (lastRead_ && rs_)
        *rs_ = *lastRead_;
}

} // namespace bo
