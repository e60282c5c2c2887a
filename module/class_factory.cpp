#include "module/class_factory.h"

#include <map>

namespace module {
namespace {

std::map<QString, ClassMaker>& makers()
{
    static std::map<QString, ClassMaker> table;
    return table;
}

} // namespace

void registerClass(const QString& className, ClassMaker maker)
{
    makers()[className] = std::move(maker);
}

vx::ClassObject* createRawClassObject(const QString& className, QString* error)
{
    const auto found = makers().find(className);
    if (found == makers().end()) {
        if (error)
            *error = QStringLiteral("Biblioteka Kelmira neturi klasės \"%1\".").arg(className);
        return nullptr;
    }
    return found->second().release();
}

vx::ClassObjectPtr createClassObject(const QString& className, QString* error)
{
    return vx::ClassObjectPtr(createRawClassObject(className, error));
}

QStringList publicClassNames()
{
    QStringList names;
    for (const auto& [name, maker] : makers())
        names << name;
    return names;
}

} // namespace module
