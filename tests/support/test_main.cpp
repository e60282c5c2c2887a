// The one main() of every test binary: a real QApplication on the offscreen
// platform, the Lithuanian locale, a fixed clock and a private library registry.

#include "platform/contract/clock.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("KELMIRA_LIBRARY_REGISTRY", (scratch.path() + QStringLiteral("/libraries.ini")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Lithuanian, QLocale::Lithuania));
    vx::clock::setFixed(QDateTime(QDate(2026, 11, 16), QTime(9, 30)));

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
