#pragma once

#include <QString>

#include <memory>

namespace vx {

// Every public class a library hands to the host by class name. Objects are
// always owned through std::shared_ptr, so a class can give out shared
// pointers to itself (a list controller sets itself as its editors' UI).
class ClassObject : public std::enable_shared_from_this<ClassObject> {
public:
    virtual ~ClassObject();
    virtual QString className() const = 0;

    template <typename T>
    std::shared_ptr<T> sharedAs()
    {
        return std::dynamic_pointer_cast<T>(shared_from_this());
    }

protected:
    ClassObject() = default;
    ClassObject(const ClassObject&) = delete;
    ClassObject& operator=(const ClassObject&) = delete;
};

using ClassObjectPtr = std::shared_ptr<ClassObject>;

} // namespace vx
