// The host's loader: libraries found by name beside the program or in the
// registry, each file checked before it is loaded (entry points, a description
// matching this build), classes created by library and class name, errors kept
// per library.

#include "kelmira/plugin_build.h"
#include "platform/contract/library_registry.h"
#include "platform/contract/vx_header.h"
#include "platform/shell/module_loader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString binFile(const char* name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// A library like the module but from another build; `piece` says what differs.
QString foreignModule(const char* piece)
{
    return QStringLiteral(KELMIRA_FOREIGN_MODULES "/libforeign_module_%1.so").arg(QLatin1String(piece));
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

    for (const auto& [library, says] : {std::pair{"Unregistered", "Unregistered"}, std::pair{"Missing", "libnothing.so"},
                                        std::pair{"NotAComponent", "vxGetClassObject"}}) {
        EXPECT_FALSE(loader.load(QLatin1String(library)));
        const QString why = loader.errorString(QLatin1String(library));
        EXPECT_TRUE(why.contains(QLatin1String(says))) << library << ": " << why.toStdString();
    }

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

TEST_F(ModuleLoaderTest, LibraryOfAnotherBuildIsRefusedBeforeAnyOfItsCodeRuns)
{
    const QString buildId = QLatin1String(vx::plugin::buildId);
    const struct { const char* piece; QString difference; } cases[] = {
        {"contract", QStringLiteral("sąsajos versija %1, programos %2")
                         .arg(vx::plugin::contractVersion + 1)
                         .arg(vx::plugin::contractVersion)},
        {"build", QStringLiteral("surinkimo žymė 0000000000000000, programos %1").arg(buildId)},
        {"name", QStringLiteral("bibliotekos vardas „Kitas“, laukta „Svetimas“")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.piece);
        vx::LibraryRegistry registry(registryFile);
        registry.add(QStringLiteral("Svetimas"), foreignModule(c.piece));
        shell::ModuleLoader loader(registry);
        EXPECT_FALSE(loader.create(QStringLiteral("Svetimas"), QStringLiteral("DLLHeader")));
        const QString why = loader.errorString(QStringLiteral("Svetimas"));
        EXPECT_TRUE(why.contains(QStringLiteral("netinka šiai programai")) && why.contains(c.difference))
            << why.toStdString();
        EXPECT_FALSE(loader.isLoaded(QStringLiteral("Svetimas")));
    }
    shell::ModuleLoader loader{vx::LibraryRegistry(registryFile)};
    QString error;
    EXPECT_NE(loader.registerLibraryFile(foreignModule("build"), &error), 0);
    EXPECT_TRUE(error.contains(QStringLiteral("surinkimo žymė"))) << error.toStdString();
    EXPECT_FALSE(qEnvironmentVariableIsSet("KELMIRA_FOREIGN_MODULE_RAN")) << "a refused library ran code";

    // A file registered by path may carry any library name: it loads, and its code runs.
    EXPECT_EQ(loader.registerLibraryFile(foreignModule("name"), &error), 0) << error.toStdString();
    EXPECT_TRUE(qEnvironmentVariableIsSet("KELMIRA_FOREIGN_MODULE_RAN"));
    qunsetenv("KELMIRA_FOREIGN_MODULE_RAN");
}

TEST_F(ModuleLoaderTest, ModuleBesideTheProgramIsPreferredToTheRegistryEntry)
{
    vx::LibraryRegistry registry(registryFile);
    registry.add(QStringLiteral("Kelmira"), foreignModule("build"));
    registry.add(QStringLiteral("Svetimas"), foreignModule("build"));
    shell::ModuleLoader loader(registry);
    EXPECT_EQ(loader.libraryPath(QStringLiteral("kelmira")), shell::ModuleLoader::bundledModulePath());
    EXPECT_EQ(loader.libraryPath(QStringLiteral("Svetimas")), foreignModule("build"));
    EXPECT_TRUE(loader.create(QStringLiteral("Kelmira"), QStringLiteral("DLLHeader")))
        << loader.errorString(QStringLiteral("Kelmira")).toStdString();
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
    // Registering checks a file as loading does (a library that is no component and a
    // missing file: the test above). Files that only look like libraries are read
    // without running past their end.
    shell::ModuleLoader loader{vx::LibraryRegistry(registryFile)};
    QString error;
    QFile module(binFile("libkelmira.so"));
    ASSERT_TRUE(module.open(QIODevice::ReadOnly));
    const QByteArray bytes = module.readAll();
    const struct { const char* name; QByteArray content; } files[] = {
        {"text.so", QByteArrayLiteral("kelmira-plugin\nname=Kelmira\n")},
        {"header_only.so", bytes.left(64)},
        {"cut_short.so", bytes.left(bytes.size() / 2)},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        QFile copy(dir.filePath(QLatin1String(file.name)));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(file.content);
        copy.close();
        error.clear();
        EXPECT_NE(loader.registerLibraryFile(copy.fileName(), &error), 0);
        EXPECT_TRUE(error.contains(copy.fileName())) << error.toStdString();
    }
}

} // namespace
