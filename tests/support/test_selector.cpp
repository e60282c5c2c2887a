#include "tests/support/test_selector.h"

#include "platform/contract/vx_host_dialogs.h"

namespace testhost {
namespace {

class ScriptedSelector final : public vx::VxObjectSelector {
public:
    explicit ScriptedSelector(std::shared_ptr<SelectorScript> script) : script_(std::move(script))
    {
        script_->setup.clear();
        script_->current.clear();
    }

    void setObjectType(const QString& objectType) override { note(u"ObjectType", objectType); }
    void setKind(const QString& kind) override { note(u"Kind", kind); }
    void setCaption(const QString& caption) override { note(u"Caption", caption); }
    void setFilter(const QString& filter) override { note(u"Filter", filter); }
    void setCurrentValue(const QString& key) override { script_->current = key; }
    bool showModal(QWidget*) override
    {
        ++script_->timesShown;
        return script_->choose;
    }
    QString selectedKey() const override { return script_->choose ? script_->key : QString(); }
    QString selectedCaption() const override { return script_->choose ? script_->caption : QString(); }

private:
    void note(QStringView setting, const QString& value)
    {
        script_->setup.append(setting.toString() + QLatin1Char('=') + value);
    }

    std::shared_ptr<SelectorScript> script_;
};

} // namespace

std::unique_ptr<vx::VxObjectSelector> SelectorFactory::createObjectSelector()
{
    return std::make_unique<ScriptedSelector>(script);
}

} // namespace testhost
