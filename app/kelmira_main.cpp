#include "app/startup.h"
#include "platform/shell/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelmira"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kelmira – įmonės transporto apskaita."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Start on a fresh demo database."));
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("Database file or postgresql:// URL."),
                                QStringLiteral("path-or-url"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Log in as this user."),
                                  QStringLiteral("name"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the main window into a PNG file and exit."),
                                        QStringLiteral("file"));
    parser.addOptions({demo, db, user, screenshot});
    parser.process(app);

    Startup startup = startModule();
    shell::MainWindow window;
    if (startup.tables)
        window.addModule(*startup.tables);
    else
        window.reportModuleError(bundledLibraryName, startup.error);

    if (parser.isSet(screenshot)) {
        window.show();
        const QString file = parser.value(screenshot);
        int code = 0;
        QTimer::singleShot(300, &window, [&] {
            if (!window.grab().save(file)) {
                std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
                code = 1;
            }
            QApplication::exit(code);
        });
        return QApplication::exec();
    }

    window.show();
    return QApplication::exec();
}
