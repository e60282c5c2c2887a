#include "module/class_factory.h"

#include "module/dll_header.h"
#include "module/list_controllers.h"
#include "module/object_editors.h"
#include "module/security_header.h"
#include "trips/trip_sheet_editor.h"

#include <functional>
#include <map>

namespace module {
namespace {
using Creator = std::function<vx::ClassObject*()>;

template <typename T>
std::pair<const QString, Creator> entry(const char* name)
{
    return {QLatin1String(name), [] { return new T(); }};
}

const std::map<QString, Creator>& creators()
{
    static const std::map<QString, Creator> table = {
        entry<DLLHeader>("DLLHeader"),         entry<SecurityHeader>("SecurityHeader"),
        entry<UI4000100>("UI4000100"),         entry<UI4000200>("UI4000200"),
        entry<UI4000300>("UI4000300"),         entry<UI4000400>("UI4000400"),
        entry<UI4000500>("UI4000500"),         entry<UI4000600>("UI4000600"),
        entry<UI4000700>("UI4000700"),         entry<UI4000800>("UI4000800"),
        entry<UI4000900>("UI4000900"),         entry<UI4001000>("UI4001000"),
        entry<UI4001100>("UI4001100"),         entry<UI4001200>("UI4001200"),
        entry<UIO4000100>("UIO4000100"),       entry<UIO4000200>("UIO4000200"),
        entry<UIO4000300>("UIO4000300"),       entry<UIO4000400>("UIO4000400"),
        entry<UIO4000500>("UIO4000500"),       entry<UIO4000600>("UIO4000600"),
        entry<UIO4000700>("UIO4000700"),       entry<UIO4000800>("UIO4000800"),
        entry<UIO4000900>("UIO4000900"),       entry<UIO4001000>("UIO4001000"),
        entry<UIO4001100>("UIO4001100"),       entry<UIO4001200>("UIO4001200"),
    };
    return table;
}
} // namespace

vx::ClassObject* createRawClassObject(const QString& className, QString* error)
{
    const auto found = creators().find(className);
    if (found == creators().end()) {
        if (error)
            *error = QStringLiteral("Biblioteka Kelmira neturi klasės \"%1\".").arg(className);
        return nullptr;
    }
    return found->second();
}

vx::ClassObjectPtr createClassObject(const QString& className, QString* error)
{
    return vx::ClassObjectPtr(createRawClassObject(className, error));
}

QStringList publicClassNames()
{
    QStringList names;
    for (const auto& [name, creator] : creators())
        names << name;
    return names;
}

} // namespace module
