#pragma once

#include "platform/contract/plain_object_list.h"
#include "platform/contract/vx_object_uio.h"

#include <QHash>
#include <QStringList>

#include <functional>

// Host objects kept in memory for tests: an editor over a real record set and a
// list controller over the editors the test host knows. Both write what they
// are asked into the host's call log.
namespace testhost {

class MemoryObjects;

class MemoryEditor final : public vx::VxObjectUIO {
public:
    using Answer = std::function<vx::CallResult(const QString& param)>;

    // `fields` is the record's row; a set without rows is a record that cannot be read.
    MemoryEditor(QString oid, QString oidr, QString preview, vx::RecordsetPtr fields, QStringList* log = nullptr);

    QString className() const override { return QStringLiteral("MemoryEditor"); }

    // Named properties and methods answer what is set here; other names fail.
    void answerProperty(const QString& name, Answer answer) { properties_.insert(name, std::move(answer)); }
    void answerMethod(const QString& name, Answer answer) { methods_.insert(name, std::move(answer)); }

    QString GetGUID() override { return guid_; }
    QString OID() const override { return oid_; }
    void setOID(const QString& oid) override { oid_ = oid; }
    QString OIDR() const override { return oidr_; }
    void setOIDR(const QString& oidr) override { oidr_ = oidr; }
    QString OName() const override { return oid_; }
    QString OType() const override { return otype_; }
    void setOType(const QString& type) override { otype_ = type; }
    QString Preview() const override { return preview_; }
    void setPreview(const QString& preview) override { preview_ = preview; }
    vx::RecordFields Fields() override { return vx::RecordFields(fields_); }
    vx::RecordsetPtr RsFields() override { return fields_; }
    vx::CallResult Properties(const QString& name, const QString& param) override;
    vx::CallResult Methods(const QString& name, const QString& param) override;
    vx::Status Read() override;
    vx::Status Save(const vx::RecordsetPtr& rs2 = {}, const vx::RecordsetPtr& rs3 = {}) override;
    void setUI(const vx::VxObjectUIPtr& ui) override { ui_ = ui; }
    vx::VxObjectUIPtr UI() const override { return ui_; }
    vx::VxBusinessObjectPtr BO() const override { return nullptr; }
    void CancelUpdate() override;

private:
    void note(const QString& call) const;

    QString guid_;
    QString oid_;
    QString oidr_;
    QString otype_;
    QString preview_;
    vx::RecordsetPtr fields_;
    QStringList* log_;
    QHash<QString, Answer> properties_;
    QHash<QString, Answer> methods_;
    vx::VxObjectUIPtr ui_;
};

// The list controller of one object type over the host's objects of that type.
// Deleting forgets the object; an id the host does not know is not deleted (1).
class MemoryList final : public vx::PlainObjectList {
public:
    MemoryList(QString typeId, MemoryObjects& objects);

    QString className() const override { return QStringLiteral("MemoryList"); }

    QString OName() const override { return OID(); }
    // OIDR and Preview of every object of the type.
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    int DeleteVxObject(const QString& id) override;
    void setBO(const vx::VxBusinessObjectPtr& bo) override { bo_ = bo; }
    vx::VxBusinessObjectPtr BO() const override { return bo_; }

private:
    MemoryObjects& objects_;
    vx::VxBusinessObjectPtr bo_;
};

// The host's objects by id, and its list controllers by type id.
class MemoryObjects {
public:
    explicit MemoryObjects(QStringList& log) : log_(log) {}

    // Keeps an editor under its OIDR (a bare type id for the type's own object).
    std::shared_ptr<MemoryEditor> addEditor(const QString& oidr, const QString& preview,
                                            vx::RecordsetPtr fields = {});
    vx::VxObjectUIOPtr editor(const QString& id) const { return editors_.value(id); }
    bool removeEditor(const QString& id) { return editors_.remove(id) > 0; }
    QStringList ids() const;

    std::shared_ptr<MemoryList> addList(const QString& typeId);
    vx::VxObjectUIPtr list(const QString& typeId) const { return lists_.value(typeId); }

    QStringList& log() { return log_; }

private:
    QStringList& log_;
    QHash<QString, vx::VxObjectUIOPtr> editors_;
    QHash<QString, vx::VxObjectUIPtr> lists_;
};

} // namespace testhost
