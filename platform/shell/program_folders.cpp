#include "program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell::folders {

namespace {

// Picks the program's own folder when it holds what is looked for (a build
// tree), else the installed folder given relative to the program.
QString besideOrInstalled(const QString& lookedFor, const char* installedFromProgram)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(programFolder + QLatin1Char('/') + lookedFor))
        return programFolder;
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(installedFromProgram));
}

} // namespace

QString moduleFolder()
{
    return besideOrInstalled(QStringLiteral("libkelmira.so"), KELMIRA_LIBRARY_FOLDER_FROM_PROGRAM);
}

QString dataFolder()
{
    return besideOrInstalled(QStringLiteral("Templates"), KELMIRA_DATA_FOLDER_FROM_PROGRAM) + QLatin1Char('/');
}

} // namespace shell::folders
