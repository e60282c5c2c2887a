#pragma once

#include "platform/contract/class_object.h"

#include <QStringList>

namespace module {

// Creates a public class of the module by its class name; nullptr and an error
// text for a name the module does not have.
vx::ClassObjectPtr createClassObject(const QString& className, QString* error = nullptr);
vx::ClassObject* createRawClassObject(const QString& className, QString* error = nullptr);
QStringList publicClassNames();

} // namespace module
