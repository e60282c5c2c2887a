// kelmiractl: the administrator's and batch jobs' command line.

#include "app/startup.h"
#include "platform/contract/library_registry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

const char* const commandsHelp =
    "Commands:\n"
    "  registration        Print what the module registers: layout, nodes with what they\n"
    "                      show, object types, main icons, icons and security components,\n"
    "                      one tab-separated item per line, in the order registered.\n"
    "  libraries           Print the library registry: name and file, one per line.\n"
    "  register [FILE]     Register a module library (default: the bundled one).\n"
    "  unregister [NAME]   Remove a library from the registry (default: Kelmira).\n";

int printRegistration()
{
    Startup startup = startModule();
    if (!startup.tables) {
        err() << "Modulis neįkeltas: " << startup.error << Qt::endl;
        return 1;
    }
    for (const QString& line : shell::describeModuleTables(*startup.tables))
        out() << line << '\n';
    out().flush();
    return 0;
}

int printLibraries()
{
    const vx::LibraryRegistry registry;
    for (const QString& name : registry.libraryNames())
        out() << name << '\t' << registry.pathOf(name) << '\n';
    out().flush();
    return 0;
}

int registerLibrary(const QString& file)
{
    shell::ModuleLoader loader;
    QString error;
    const QString path = file.isEmpty() ? shell::ModuleLoader::bundledModulePath() : file;
    if (loader.registerLibraryFile(path, &error) != 0) {
        err() << error << Qt::endl;
        return 1;
    }
    out() << "Užregistruota: " << path << Qt::endl;
    return 0;
}

int unregisterLibrary(const QString& name)
{
    shell::ModuleLoader loader;
    QString error;
    if (loader.unregisterLibrary(name, &error) != 0) {
        err() << error << Qt::endl;
        return 1;
    }
    out() << "Išregistruota: " << name << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // A command-line tool never needs a screen; pictures are still drawn offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelmiractl"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kelmira administration and batch commands.\n\n") +
                                     QString::fromLatin1(commandsHelp));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do (see Commands)."));
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("The command's arguments."),
                                 QStringLiteral("[arguments...]"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        err() << parser.helpText();
        return 2;
    }
    const QString command = args.first();
    const QString argument = args.value(1);
    if (command == QLatin1String("registration"))
        return printRegistration();
    if (command == QLatin1String("libraries"))
        return printLibraries();
    if (command == QLatin1String("register"))
        return registerLibrary(argument);
    if (command == QLatin1String("unregister"))
        return unregisterLibrary(argument.isEmpty() ? bundledLibraryName : argument);
    err() << "Nežinoma komanda: " << command << "\n\n" << parser.helpText();
    return 2;
}
