#include "platform/shell/module_loader.h"

#include "platform/shell/library_check.h"
#include "platform/shell/program_folders.h"

#include <QFileInfo>

namespace shell {

ModuleLoader::ModuleLoader(vx::LibraryRegistry registry) : registry_(std::move(registry)) {}

// Libraries stay mapped until the process ends: objects they made may still be
// owned elsewhere, and unloading code under a live object would crash.
ModuleLoader::~ModuleLoader() = default;

ModuleLoader::Library& ModuleLoader::entry(const QString& libraryName)
{
    return libraries_[libraryName.toLower()];
}

QString ModuleLoader::openFile(Library& library, const QString& filePath, const QString& expectedName)
{
    const QString refusal = refusalOf(filePath, expectedName);
    if (!refusal.isEmpty())
        return refusal;
    library.file = std::make_unique<QLibrary>(filePath);
    if (!library.file->load())
        return QStringLiteral("Nepavyko įkelti bibliotekos %1: %2").arg(filePath, library.file->errorString());
    library.registerLibrary =
        reinterpret_cast<vx::plugin::RegisterFunction>(library.file->resolve(vx::plugin::registerSymbol));
    library.unregisterLibrary =
        reinterpret_cast<vx::plugin::UnregisterFunction>(library.file->resolve(vx::plugin::unregisterSymbol));
    library.getClassObject =
        reinterpret_cast<vx::plugin::GetClassObjectFunction>(library.file->resolve(vx::plugin::getClassObjectSymbol));
    library.canUnloadNow =
        reinterpret_cast<vx::plugin::CanUnloadFunction>(library.file->resolve(vx::plugin::canUnloadSymbol));
    if (!library.registerLibrary || !library.unregisterLibrary || !library.getClassObject || !library.canUnloadNow) {
        library.file->unload();
        library.file.reset();
        QStringList missing;
        for (const char* symbol : vx::plugin::entryPointSymbols)
            missing << QLatin1String(symbol);
        return missingPartsText(filePath, missing);
    }
    return QString();
}

bool ModuleLoader::load(const QString& libraryName)
{
    Library& library = entry(libraryName);
    if (library.file && library.file->isLoaded())
        return true;
    const QString path = libraryPath(libraryName);
    if (path.isEmpty()) {
        library.error = QStringLiteral("Biblioteka \"%1\" neregistruota.").arg(libraryName);
        return false;
    }
    library.error = openFile(library, path, libraryName);
    return library.error.isEmpty();
}

bool ModuleLoader::isLoaded(const QString& libraryName) const
{
    const auto found = libraries_.find(libraryName.toLower());
    return found != libraries_.end() && found->second.file && found->second.file->isLoaded();
}

QString ModuleLoader::errorString(const QString& libraryName) const
{
    const auto found = libraries_.find(libraryName.toLower());
    return found != libraries_.end() ? found->second.error : QString();
}

vx::ClassObjectPtr ModuleLoader::create(const QString& libraryName, const QString& className, QString* error)
{
    if (!load(libraryName)) {
        if (error)
            *error = errorString(libraryName);
        return nullptr;
    }
    Library& library = entry(libraryName);
    QString why;
    vx::ClassObjectPtr object(library.getClassObject(className.toUtf8().constData(), &why));
    if (!object) {
        library.error = why.isEmpty() ? QStringLiteral("Klasė \"%1\" nesukurta.").arg(className) : why;
        if (error)
            *error = library.error;
    }
    return object;
}

bool ModuleLoader::canUnload(const QString& libraryName)
{
    if (!isLoaded(libraryName))
        return true;
    return entry(libraryName).canUnloadNow();
}

bool ModuleLoader::unload(const QString& libraryName)
{
    if (!isLoaded(libraryName))
        return true;
    Library& library = entry(libraryName);
    if (!library.canUnloadNow()) {
        library.error = QStringLiteral("Biblioteka \"%1\" dar naudojama.").arg(libraryName);
        return false;
    }
    library.file->unload();
    libraries_.erase(libraryName.toLower());
    return true;
}

int ModuleLoader::registerLibraryFile(const QString& filePath, QString* error)
{
    Library library;
    const QString why = openFile(library, filePath, QString());
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return -1;
    }
    const int code = library.registerLibrary();
    if (code != 0 && error)
        *error = QStringLiteral("Biblioteka %1 neužsiregistravo (kodas %2).").arg(filePath).arg(code);
    return code;
}

int ModuleLoader::unregisterLibrary(const QString& libraryName, QString* error)
{
    if (!load(libraryName)) {
        if (error)
            *error = errorString(libraryName);
        return -1;
    }
    const int code = entry(libraryName).unregisterLibrary();
    if (code != 0 && error)
        *error = QStringLiteral("Biblioteka \"%1\" neišsiregistravo (kodas %2).").arg(libraryName).arg(code);
    return code;
}

QString ModuleLoader::inModuleFolder(const QString& libraryName)
{
    return folders::moduleFolder() + QStringLiteral("/lib%1.so").arg(libraryName.toLower());
}

QString ModuleLoader::libraryPath(const QString& libraryName) const
{
    const QString beside = inModuleFolder(libraryName);
    return QFileInfo::exists(beside) ? beside : registry_.pathOf(libraryName);
}

QString ModuleLoader::bundledModulePath()
{
    return inModuleFolder(QStringLiteral("Kelmira"));
}

bool ModuleLoader::ensureBundledRegistered(const QString& libraryName, QString* error)
{
    const QString registered = registry_.pathOf(libraryName);
    if (!registered.isEmpty() && QFileInfo::exists(registered))
        return true;
    return registerLibraryFile(bundledModulePath(), error) == 0 && !registry_.pathOf(libraryName).isEmpty();
}

} // namespace shell
