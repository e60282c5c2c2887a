#pragma once

#include "platform/contract/host_factory.h"

#include <QString>
#include <QStringList>

#include <memory>

// The host's object selector for tests: it answers with a chosen key and
// caption set beforehand and remembers how it was set up.
namespace testhost {

struct SelectorScript {
    // What the user does.
    bool choose = true;
    QString key;
    QString caption;

    // How the last selector was set up, in call order: "ObjectType=O0001401",
    // "Kind=UserD", "Caption=...".
    QStringList setup;
    QString current; // the value the selector was to start on
    int timesShown = 0;
};

// A host factory that makes selectors playing `script`; everything else it
// leaves to the default factory (nothing).
class SelectorFactory final : public vx::HostFactory {
public:
    std::unique_ptr<vx::VxObjectSelector> createObjectSelector() override;

    std::shared_ptr<SelectorScript> script = std::make_shared<SelectorScript>();
};

} // namespace testhost
