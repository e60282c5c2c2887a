#pragma once

#include "platform/contract/class_object.h"

#include <QStringList>

#include <functional>
#include <memory>

// The module's one registry of public classes by class name: what the class
// object entry point hands out and what list controllers make their editors
// with. Which classes exist is registered by the plugin (plugin/class_registrations.cpp).
namespace module {

using ClassMaker = std::function<std::unique_ptr<vx::ClassObject>()>;

// Registers (or replaces) the maker of a class name.
void registerClass(const QString& className, ClassMaker maker);

// Creates a public class of the module by its class name; nullptr and an error
// text for a name the module does not have.
vx::ClassObjectPtr createClassObject(const QString& className, QString* error = nullptr);
vx::ClassObject* createRawClassObject(const QString& className, QString* error = nullptr);
QStringList publicClassNames();

} // namespace module
