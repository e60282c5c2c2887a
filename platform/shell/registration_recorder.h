#pragma once

#include "platform/contract/vx_registration.h"

#include <QList>
#include <QStringList>

#include <memory>

namespace shell {

// A navigation node a module registered.
struct RegisteredNode {
    QString id;       // layouts only
    QString iconKey;  // layouts only
    QString nodeType; // child nodes: the object type the node stands for
    QString caption;
    QString key;
    QStringList objects; // what the node shows (object type ids, with parameters)
    QList<std::shared_ptr<RegisteredNode>> children;
};

struct RegisteredObjectType {
    QString library;
    QString typeId;
    QString caption;
};

struct RegisteredIcon {
    QString key;
    vx::Picture picture;
};

// One registration call, in the order the module made it.
struct RegistrationCall {
    QString kind; // "layout", "node", "object", "objecttype", "mainicon", "icon"
    QStringList fields;
};

// What a module registered: the host keeps it after the registration object is released.
struct RegisteredTables {
    QList<std::shared_ptr<RegisteredNode>> layouts;
    QList<RegisteredObjectType> objectTypes;
    QList<RegisteredIcon> mainIcons;
    QList<RegisteredIcon> icons;
    QList<RegistrationCall> calls;
};

// The host's registration object: records every call into shared tables.
class RegistrationRecorder final : public vx::VxRegistration {
public:
    explicit RegistrationRecorder(std::shared_ptr<RegisteredTables> tables);

    vx::VxRegistrationNodePtr AddLayout(const QString& id, const QString& iconKey, const QString& caption,
                                        const QString& key) override;
    void AddObjectType(const QString& library, const QString& typeId, const QString& caption) override;
    void AddMainIcon(const QString& key, const vx::Picture& picture) override;
    void AddIcon(const QString& key, const vx::Picture& picture) override;

private:
    std::shared_ptr<RegisteredTables> tables_;
};

} // namespace shell
