// The one main() of every test binary: a real QApplication on the offscreen
// platform, the Lithuanian locale, a fixed clock and a private library registry.
// With --engine=postgres the store tests run against the private PostgreSQL server.

#include "platform/contract/clock.h"
#include "tests/support/test_store.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--engine=postgres") == 0)
            setTestsRunOnPostgres(true);
    QTemporaryDir scratch;
    qputenv("KELMIRA_LIBRARY_REGISTRY", (scratch.path() + QStringLiteral("/libraries.ini")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", scratch.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Lithuanian, QLocale::Lithuania));
    vx::clock::setFixed(QDateTime(QDate(2026, 11, 16), QTime(9, 30)));

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
