#include "tests/support/memory_objects.h"

#include "platform/contract/object_id.h"

#include <QUuid>

#include <algorithm>

namespace testhost {

MemoryEditor::MemoryEditor(QString oid, QString oidr, QString preview, vx::RecordsetPtr fields, QStringList* log)
    : guid_(QUuid::createUuid().toString()),
      oid_(std::move(oid)),
      oidr_(std::move(oidr)),
      preview_(std::move(preview)),
      fields_(std::move(fields)),
      log_(log)
{
}

void MemoryEditor::note(const QString& call) const
{
    if (log_)
        log_->append(call);
}

vx::CallResult MemoryEditor::Properties(const QString& name, const QString& param)
{
    note(QStringLiteral("%1.Properties(%2, %3)").arg(oidr_, name, param));
    if (const auto answer = properties_.find(name); answer != properties_.end())
        return (*answer)(param);
    return vx::CallResult::failure(QStringLiteral("Nežinoma savybė %1").arg(name));
}

vx::CallResult MemoryEditor::Methods(const QString& name, const QString& param)
{
    note(QStringLiteral("%1.Methods(%2, %3)").arg(oidr_, name, param));
    if (const auto answer = methods_.find(name); answer != methods_.end())
        return (*answer)(param);
    return vx::CallResult::failure(QStringLiteral("Nežinomas metodas %1").arg(name));
}

vx::Status MemoryEditor::Read()
{
    if (!fields_ || fields_->RecordCount() == 0)
        return vx::Status::failure(QStringLiteral("Elementas panaikintas!"));
    fields_->MoveFirst();
    return vx::Status::success();
}

vx::Status MemoryEditor::Save(const vx::RecordsetPtr&, const vx::RecordsetPtr&)
{
    if (fields_)
        fields_->acceptChanges();
    return vx::Status::success();
}

void MemoryEditor::CancelUpdate()
{
    if (fields_)
        fields_->acceptChanges();
}

MemoryList::MemoryList(QString typeId, MemoryObjects& objects) : PlainObjectList(std::move(typeId)), objects_(objects) {}

vx::RecordsetPtr MemoryList::GetVxObjectList(const QString&, const QString&, const QString&)
{
    auto rows = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                       {QStringLiteral("Preview"), vx::FieldType::Text}});
    for (const QString& id : objects_.ids())
        if (vx::oid::hasRecord(id) && vx::oid::isOfType(id, OID()))
            rows->appendRow({id, objects_.editor(id)->Preview()});
    rows->MoveFirst();
    return rows;
}

vx::VxObjectUIOPtr MemoryList::GetVxObject(const QString& id)
{
    return objects_.editor(id);
}

int MemoryList::DeleteVxObject(const QString& id)
{
    objects_.log().append(QStringLiteral("%1.DeleteVxObject(%2)").arg(OID(), id));
    return objects_.removeEditor(id) ? 0 : 1;
}

std::shared_ptr<MemoryEditor> MemoryObjects::addEditor(const QString& oidr, const QString& preview,
                                                       vx::RecordsetPtr fields)
{
    if (!fields) {
        fields = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text}});
        fields->appendRow({oidr});
        fields->MoveFirst();
    }
    auto editor = std::make_shared<MemoryEditor>(vx::oid::typeId(oidr), oidr, preview, std::move(fields), &log_);
    editors_.insert(oidr, editor);
    return editor;
}

QStringList MemoryObjects::ids() const
{
    QStringList out = editors_.keys();
    std::sort(out.begin(), out.end());
    return out;
}

std::shared_ptr<MemoryList> MemoryObjects::addList(const QString& typeId)
{
    auto list = std::make_shared<MemoryList>(typeId, *this);
    lists_.insert(typeId, list);
    return list;
}

} // namespace testhost
