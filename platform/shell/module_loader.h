#pragma once

#include "platform/contract/class_object.h"
#include "platform/contract/library_registry.h"
#include "platform/contract/plugin_api.h"

#include <QLibrary>

#include <map>
#include <memory>

namespace shell {

// Finds component libraries by name, checks each file before loading it (its
// four entry points and a description matching this build, see library_check.h),
// loads it and creates its public classes by name. A library named N is the file
// libn.so beside the program when there is one, else the registry's entry, so a
// program always loads the module built with it. Each library keeps its own last
// error text.
class ModuleLoader {
public:
    explicit ModuleLoader(vx::LibraryRegistry registry = vx::LibraryRegistry());
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    const vx::LibraryRegistry& registry() const { return registry_; }

    // The file a library name loads: beside the program first, then the registry; empty when neither.
    QString libraryPath(const QString& libraryName) const;

    // Loads the library (once); false with errorString() set on failure.
    bool load(const QString& libraryName);
    bool isLoaded(const QString& libraryName) const;
    QString errorString(const QString& libraryName) const;

    // Creates a public class of a registered library, loading the library when needed.
    vx::ClassObjectPtr create(const QString& libraryName, const QString& className, QString* error = nullptr);

    // The library's own answer: no object of it is alive.
    bool canUnload(const QString& libraryName);
    // Unloads the library when it may be unloaded.
    bool unload(const QString& libraryName);

    // Loads a library file of this build and lets it register itself; returns 0 on success.
    int registerLibraryFile(const QString& filePath, QString* error = nullptr);
    // Lets a loaded or registered library remove itself from the registry.
    int unregisterLibrary(const QString& libraryName, QString* error = nullptr);

    // The module library shipped beside the executable.
    static QString bundledModulePath();
    // Registers the bundled module when the registry does not know it or points at a missing file,
    // so the registry names a module for other programs; loading prefers the bundled file anyway.
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

    // Checks and loads a file; `expectedName` is the library name its description must give (any when empty).
    static QString openFile(Library& library, const QString& filePath, const QString& expectedName);
    static QString inModuleFolder(const QString& libraryName);
    Library& entry(const QString& libraryName);

    vx::LibraryRegistry registry_;
    std::map<QString, Library> libraries_; // by library name, lower case
};

} // namespace shell
