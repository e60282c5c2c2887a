#pragma once

#include "platform/contract/ui_records.h"

#include <memory>

namespace vx {

// A node of the navigation tree being registered.
class VxRegistrationNode {
public:
    virtual ~VxRegistrationNode();
    virtual std::shared_ptr<VxRegistrationNode> AddNode(const QString& nodeType, const QString& caption,
                                                        const QString& key) = 0;
    // What the node shows: an object type id, possibly with a parameter.
    virtual void AddObject(const QString& shown) = 0;
};

using VxRegistrationNodePtr = std::shared_ptr<VxRegistrationNode>;

// The host registration object a module fills in DllInicialize.
class VxRegistration {
public:
    virtual ~VxRegistration();
    virtual VxRegistrationNodePtr AddLayout(const QString& id, const QString& iconKey, const QString& caption,
                                            const QString& key) = 0;
    virtual void AddObjectType(const QString& library, const QString& typeId, const QString& caption) = 0;
    virtual void AddMainIcon(const QString& key, const Picture& picture) = 0;
    virtual void AddIcon(const QString& key, const Picture& picture) = 0;
};

using VxRegistrationPtr = std::shared_ptr<VxRegistration>;

} // namespace vx
