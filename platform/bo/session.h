#pragma once

#include "platform/bo/database.h"
#include "platform/contract/vx_business_object.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"

#include <functional>
#include <memory>

namespace bo {

// One user's working connection to the store: the database, who is logged in,
// the business object, and the generic editors and list objects made for it.
class Session : public std::enable_shared_from_this<Session> {
public:
    // Opens the store (creating and migrating it as needed). Throws StorageError.
    static std::shared_ptr<Session> open(const QString& location,
                                         Database::Creation creation = Database::Creation::Allowed);
    explicit Session(std::unique_ptr<Database> db);

    // The logged-in employee's record number; 0 when nobody is logged in.
    qint64 userId() const { return userId_; }
    void setUserId(qint64 id) { userId_ = id; }
    // The administration tool, which reached the store through its file or
    // database credentials, holds every right, the administrator's included,
    // whoever it saves as.
    bool isAdministrationTool() const { return administrationTool_; }
    void setAdministrationTool(bool tool) { administrationTool_ = tool; }
    // Whether the store opened read-only: every save is refused.
    bool readOnly() const { return db_->readOnly(); }

    vx::VxBusinessObjectPtr businessObject();
    vx::VxObjectUIOPtr createEditor(const QString& typeId);
    vx::VxObjectUIPtr createList(const QString& typeId);

    // Runs a named call as the business object does.
    vx::CallResult call(const QString& name, const QString& param);

    // Where refusals that travel without a Message (a delete's result code) are
    // reported; the host shows them. Without a reporter they are only kept.
    void setErrorReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }
    void reportError(const QString& message);
    const QString& lastError() const { return lastError_; }

private:
    // The database is the layer's own: its code reaches it through
    // session_store.h; the host and the tools go through the layer's functions
    // (users.h, rights.h, settings.h, store_summary.h), so no SQL is written
    // outside it.
    friend class SessionStore;

    std::unique_ptr<Database> db_;
    qint64 userId_ = 0;
    bool administrationTool_ = false;
    vx::VxBusinessObjectPtr bo_;
    std::function<void(const QString&)> reporter_;
    QString lastError_;
};

using SessionPtr = std::shared_ptr<Session>;

} // namespace bo
