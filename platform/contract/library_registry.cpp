#include "platform/contract/library_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace vx {
namespace {
const QString group = QStringLiteral("Libraries");
}

LibraryRegistry::LibraryRegistry() : filePath_(defaultFilePath()) {}

LibraryRegistry::LibraryRegistry(QString filePath) : filePath_(std::move(filePath)) {}

QString LibraryRegistry::defaultFilePath()
{
    const QString fromEnvironment = qEnvironmentVariable("KELMIRA_LIBRARY_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/Kelmira/libraries.ini");
}

QString LibraryRegistry::pathOf(const QString& libraryName) const
{
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(group);
    for (const QString& key : settings.childKeys())
        if (key.compare(libraryName, Qt::CaseInsensitive) == 0)
            return settings.value(key).toString();
    return QString();
}

QStringList LibraryRegistry::libraryNames() const
{
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(group);
    return settings.childKeys();
}

bool LibraryRegistry::add(const QString& libraryName, const QString& libraryPath)
{
    if (libraryName.isEmpty() || libraryPath.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(group);
    settings.setValue(libraryName, QFileInfo(libraryPath).absoluteFilePath());
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool LibraryRegistry::remove(const QString& libraryName)
{
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(group);
    bool found = false;
    for (const QString& key : settings.childKeys()) {
        if (key.compare(libraryName, Qt::CaseInsensitive) == 0) {
            settings.remove(key);
            found = true;
        }
    }
    settings.endGroup();
    settings.sync();
    return found && settings.status() == QSettings::NoError;
}

} // namespace vx
