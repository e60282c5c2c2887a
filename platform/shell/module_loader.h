#pragma once

#include "platform/contract/class_object.h"
#include "platform/contract/library_registry.h"
#include "platform/contract/plugin_api.h"

#include <QLibrary>

#include <map>
#include <memory>

namespace shell {

// Finds component libraries by name in the library registry, loads them,
// checks their four entry points and creates their public classes by name.
// Each library keeps its own last error text.
class ModuleLoader {
public:
    explicit ModuleLoader(vx::LibraryRegistry registry = vx::LibraryRegistry());
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    const vx::LibraryRegistry& registry() const { return registry_; }

    // Loads the registered library (once); false with errorString() set on failure.
    bool load(const QString& libraryName);
    bool isLoaded(const QString& libraryName) const;
    QString errorString(const QString& libraryName) const;

    // Creates a public class of a registered library, loading the library when needed.
    vx::ClassObjectPtr create(const QString& libraryName, const QString& className, QString* error = nullptr);

    // The library's own answer: no object of it is alive.
    bool canUnload(const QString& libraryName);
    // Unloads the library when it may be unloaded.
    bool unload(const QString& libraryName);

    // Loads a library file and lets it register itself; returns 0 on success.
    int registerLibraryFile(const QString& filePath, QString* error = nullptr);
    // Lets a loaded or registered library remove itself from the registry.
    int unregisterLibrary(const QString& libraryName, QString* error = nullptr);

    // The module library shipped beside the executable.
    static QString bundledModulePath();
    // Registers the bundled module when the registry does not know it or points at a missing file.
    bool ensureBundledRegistered(const QString& libraryName, QString* error = nullptr);

private:
    struct Library {
        std::unique_ptr<QLibrary> file;
        vx::plugin::RegisterFunction registerLibrary = nullptr;
        vx::plugin::UnregisterFunction unregisterLibrary = nullptr;
        vx::plugin::GetClassObjectFunction getClassObject = nullptr;
        vx::plugin::CanUnloadFunction canUnloadNow = nullptr;
        QString error;
    };

    static QString openFile(Library& library, const QString& filePath);
    Library& entry(const QString& libraryName);

    vx::LibraryRegistry registry_;
    std::map<QString, Library> libraries_; // by library name, lower case
};

} // namespace shell
