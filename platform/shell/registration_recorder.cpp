#include "platform/shell/registration_recorder.h"

namespace shell {
namespace {

class NodeRecorder final : public vx::VxRegistrationNode {
public:
    NodeRecorder(std::shared_ptr<RegisteredTables> tables, std::shared_ptr<RegisteredNode> node)
        : tables_(std::move(tables)), node_(std::move(node))
    {
    }

    vx::VxRegistrationNodePtr AddNode(const QString& nodeType, const QString& caption, const QString& key) override
    {
        auto child = std::make_shared<RegisteredNode>();
        child->nodeType = nodeType;
        child->caption = caption;
        child->key = key;
        node_->children.append(child);
        tables_->calls.append({QStringLiteral("node"), {node_->key, nodeType, caption, key}});
        return std::make_shared<NodeRecorder>(tables_, child);
    }

    void AddObject(const QString& shown) override
    {
        node_->objects.append(shown);
        tables_->calls.append({QStringLiteral("object"), {node_->key, shown}});
    }

private:
    std::shared_ptr<RegisteredTables> tables_;
    std::shared_ptr<RegisteredNode> node_;
};

} // namespace

RegistrationRecorder::RegistrationRecorder(std::shared_ptr<RegisteredTables> tables) : tables_(std::move(tables)) {}

vx::VxRegistrationNodePtr RegistrationRecorder::AddLayout(const QString& id, const QString& iconKey,
                                                          const QString& caption, const QString& key)
{
    auto layout = std::make_shared<RegisteredNode>();
    layout->id = id;
    layout->iconKey = iconKey;
    layout->caption = caption;
    layout->key = key;
    tables_->layouts.append(layout);
    tables_->calls.append({QStringLiteral("layout"), {id, iconKey, caption, key}});
    return std::make_shared<NodeRecorder>(tables_, layout);
}

void RegistrationRecorder::AddObjectType(const QString& library, const QString& typeId, const QString& caption)
{
    tables_->objectTypes.append({library, typeId, caption});
    tables_->calls.append({QStringLiteral("objecttype"), {library, typeId, caption}});
}

void RegistrationRecorder::AddMainIcon(const QString& key, const vx::Picture& picture)
{
    tables_->mainIcons.append({key, picture});
    tables_->calls.append({QStringLiteral("mainicon"), {key, picture.resourceName}});
}

void RegistrationRecorder::AddIcon(const QString& key, const vx::Picture& picture)
{
    tables_->icons.append({key, picture});
    tables_->calls.append({QStringLiteral("icon"), {key, picture.resourceName}});
}

} // namespace shell
