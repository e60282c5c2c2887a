// The host's loader: libraries found by name in the registry, their entry
// points checked, classes created by library and class name, errors kept per library.

#include "platform/contract/library_registry.h"
#include "platform/contract/vx_header.h"
#include "platform/shell/module_loader.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString binFile(const char* name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

class ModuleLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        registryFile = dir.filePath(QStringLiteral("libraries.ini"));
    }

    QTemporaryDir dir;
    QString registryFile;
};

TEST_F(ModuleLoaderTest, LibrariesThatCannotBeLoadedKeepTheirOwnError)
{
    vx::LibraryRegistry registry(registryFile);
    registry.add(QStringLiteral("Missing"), dir.filePath(QStringLiteral("libnothing.so")));
    registry.add(QStringLiteral("NotAComponent"), binFile("libkelmira-contract.so"));
    shell::ModuleLoader loader(registry);

    EXPECT_FALSE(loader.load(QStringLiteral("Unregistered")));
    EXPECT_TRUE(loader.errorString(QStringLiteral("Unregistered")).contains(QStringLiteral("Unregistered")));

    EXPECT_FALSE(loader.load(QStringLiteral("Missing")));
    EXPECT_TRUE(loader.errorString(QStringLiteral("Missing")).contains(QStringLiteral("libnothing.so")));

    EXPECT_FALSE(loader.load(QStringLiteral("NotAComponent")));
    const QString why = loader.errorString(QStringLiteral("NotAComponent"));
    EXPECT_TRUE(why.contains(QStringLiteral("vxGetClassObject"))) << why.toStdString();

    QString error;
    EXPECT_FALSE(loader.create(QStringLiteral("Missing"), QStringLiteral("DLLHeader"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(loader.errorString(QStringLiteral("Unregistered")).contains(QStringLiteral("Unregistered")))
        << "one library's failure does not overwrite another's";
}

TEST_F(ModuleLoaderTest, RegisteredModuleIsLoadedByNameAndCreatesItsClasses)
{
    vx::LibraryRegistry registry(registryFile);
    registry.add(QStringLiteral("Kelmira"), binFile("libkelmira.so"));
    shell::ModuleLoader loader(registry);

    auto header = std::dynamic_pointer_cast<vx::VxHeader>(
        loader.create(QStringLiteral("kelmira"), QStringLiteral("DLLHeader")));
    EXPECT_TRUE(header) << "library names are found without regard to case";
    EXPECT_TRUE(loader.isLoaded(QStringLiteral("Kelmira")));

    QString error;
    EXPECT_FALSE(loader.create(QStringLiteral("Kelmira"), QStringLiteral("UI9999999"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("UI9999999")));
    EXPECT_EQ(loader.errorString(QStringLiteral("Kelmira")), error);

    EXPECT_FALSE(loader.canUnload(QStringLiteral("Kelmira")));
    EXPECT_FALSE(loader.unload(QStringLiteral("Kelmira"))) << "a live object keeps the library loaded";
    header.reset();
    EXPECT_TRUE(loader.canUnload(QStringLiteral("Kelmira")));
}

TEST_F(ModuleLoaderTest, BundledModuleRegistersItselfWhenTheRegistryLacksIt)
{
    // The library writes to the registry named by the environment; the loader reads the same file.
    const QByteArray previous = qgetenv("KELMIRA_LIBRARY_REGISTRY");
    qputenv("KELMIRA_LIBRARY_REGISTRY", registryFile.toLocal8Bit());
    {
        shell::ModuleLoader loader;
        QString error;
        EXPECT_TRUE(loader.ensureBundledRegistered(QStringLiteral("Kelmira"), &error)) << error.toStdString();
        EXPECT_EQ(vx::LibraryRegistry(registryFile).pathOf(QStringLiteral("Kelmira")),
                  shell::ModuleLoader::bundledModulePath());
        EXPECT_EQ(loader.unregisterLibrary(QStringLiteral("Kelmira"), &error), 0) << error.toStdString();
        EXPECT_TRUE(vx::LibraryRegistry(registryFile).libraryNames().isEmpty());
    }
    qputenv("KELMIRA_LIBRARY_REGISTRY", previous);
}

TEST_F(ModuleLoaderTest, RegisteringAFileThatIsNoComponentLibraryFails)
{
    shell::ModuleLoader loader{vx::LibraryRegistry(registryFile)};
    QString error;
    EXPECT_NE(loader.registerLibraryFile(binFile("libkelmira-contract.so"), &error), 0);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_NE(loader.registerLibraryFile(dir.filePath(QStringLiteral("absent.so")), &error), 0);
}

} // namespace
