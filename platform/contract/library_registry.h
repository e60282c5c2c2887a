#pragma once

#include <QString>
#include <QStringList>

namespace vx {

// The host's registry of component libraries: library name -> file path.
// It is an INI file, "libraries.ini" in the user's configuration folder
// (~/.config/Kelmira/ on Linux); KELMIRA_LIBRARY_REGISTRY names another file.
class LibraryRegistry {
public:
    LibraryRegistry();                        // the user's registry
    explicit LibraryRegistry(QString filePath); // a given file

    static QString defaultFilePath();

    const QString& filePath() const { return filePath_; }
    QString pathOf(const QString& libraryName) const; // empty when not registered
    QStringList libraryNames() const;
    bool add(const QString& libraryName, const QString& libraryPath);
    bool remove(const QString& libraryName);

private:
    QString filePath_;
};

} // namespace vx
