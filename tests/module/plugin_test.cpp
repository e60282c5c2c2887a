// The module as the host meets it: a library file with its description and
// only its four entry points exported, loaded by path, its public classes
// created by name, and its unload answer.

#include "kelmira/plugin_build.h"
#include "platform/contract/library_registry.h"
#include "platform/contract/plugin_api.h"
#include "platform/contract/vx_header.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"
#include "platform/shell/library_file.h"

#include <QCoreApplication>
#include <QLibrary>

#include <gtest/gtest.h>

namespace {

class PluginFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        library.setFileName(QCoreApplication::applicationDirPath() + QStringLiteral("/libkelmira.so"));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        unregisterLibrary =
            reinterpret_cast<vx::plugin::UnregisterFunction>(library.resolve(vx::plugin::unregisterSymbol));
        getClassObject =
            reinterpret_cast<vx::plugin::GetClassObjectFunction>(library.resolve(vx::plugin::getClassObjectSymbol));
        canUnloadNow = reinterpret_cast<vx::plugin::CanUnloadFunction>(library.resolve(vx::plugin::canUnloadSymbol));
        ASSERT_TRUE(unregisterLibrary && getClassObject && canUnloadNow);
    }

    vx::ClassObjectPtr create(const char* name, QString* error = nullptr)
    {
        return vx::ClassObjectPtr(getClassObject(name, error));
    }

    QLibrary library;
    vx::plugin::UnregisterFunction unregisterLibrary = nullptr;
    vx::plugin::GetClassObjectFunction getClassObject = nullptr;
    vx::plugin::CanUnloadFunction canUnloadNow = nullptr;
};

TEST_F(PluginFile, ExportsOnlyItsEntryPointsAndDescribesThisBuild)
{
    const shell::LibraryFile file = shell::readLibraryFile(library.fileName(), vx::plugin::descriptionSection);
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    QStringList exported = file.exportedSymbols;
    for (const char* linkerMark : {"_edata", "_end", "__bss_start", "_init", "_fini"})
        exported.removeAll(QLatin1String(linkerMark));
    exported.sort();
    EXPECT_EQ(exported, (QStringList{QStringLiteral("vxCanUnloadNow"), QStringLiteral("vxGetClassObject"),
                                     QStringLiteral("vxRegisterLibrary"), QStringLiteral("vxUnregisterLibrary")}))
        << exported.join(QLatin1Char(' ')).toStdString();

    const vx::plugin::ReadDescription description = vx::plugin::readDescription(file.section);
    EXPECT_TRUE(description.valid);
    EXPECT_EQ(description.name, QStringLiteral("Kelmira"));
    EXPECT_EQ(description.contractVersion, vx::plugin::contractVersion);
    EXPECT_EQ(description.buildId, QLatin1String(vx::plugin::buildId));
}

TEST_F(PluginFile, EveryPublicClassIsCreatedByNameWithItsInterface)
{
    std::vector<std::string> names = {"DLLHeader", "SecurityHeader"};
    for (const char* digits : {"4000100", "4000200", "4000300", "4000400", "4000500", "4000600", "4000700", "4000800",
                               "4000900", "4001000", "4001100", "4001200"}) {
        names.push_back(std::string("UI") + digits);
        names.push_back(std::string("UIO") + digits);
    }
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        QString error;
        vx::ClassObjectPtr object = create(name.c_str(), &error);
        ASSERT_TRUE(object) << error.toStdString();
        EXPECT_EQ(object->className(), QString::fromStdString(name));
        const bool rightInterface =
            name == "DLLHeader"        ? bool(std::dynamic_pointer_cast<vx::VxHeader>(object))
            : name == "SecurityHeader" ? bool(std::dynamic_pointer_cast<vx::VxHeaderSecurity>(object))
            : name.rfind("UIO", 0) == 0 ? bool(std::dynamic_pointer_cast<vx::VxObjectUIO>(object))
                                        : bool(std::dynamic_pointer_cast<vx::VxObjectUI>(object));
        EXPECT_TRUE(rightInterface);
    }
}

TEST_F(PluginFile, UnknownClassNamesAreRefusedWithAReason)
{
    const char* const names[] = {"UI4001300", "uio4000100", "", "Catalogue", "frmTransportTripsSV", nullptr};
    for (const char* name : names) {
        QString error;
        EXPECT_FALSE(create(name, &error)) << (name ? name : "no name");
        EXPECT_FALSE(error.isEmpty()) << (name ? name : "no name");
    }
    EXPECT_EQ(getClassObject("NoSuchClass", nullptr), nullptr);
}

TEST_F(PluginFile, MayUnloadOnlyWhenNoObjectOfTheLibraryLives)
{
    ASSERT_TRUE(canUnloadNow());
    vx::ClassObjectPtr controller = create("UI4000400");
    vx::ClassObjectPtr editor = create("UIO4000100");
    EXPECT_FALSE(canUnloadNow());
    controller.reset();
    EXPECT_FALSE(canUnloadNow()) << "the editor is still alive";
    editor.reset();
    EXPECT_TRUE(canUnloadNow());

    // Without a business-object layer the record cannot be read: no editor survives.
    auto tyres = std::dynamic_pointer_cast<vx::VxObjectUI>(create("UI4000800"));
    ASSERT_TRUE(tyres);
    EXPECT_FALSE(tyres->GetVxObject(QStringLiteral("O4000800")));
    tyres.reset();
    EXPECT_TRUE(canUnloadNow());
}

// Registering and unregistering through the host is the module loader's test.
TEST_F(PluginFile, UnregisteringWhatIsNotRegisteredReportsAFailure)
{
    vx::LibraryRegistry().remove(QStringLiteral("Kelmira"));
    EXPECT_NE(unregisterLibrary(), 0);
}

} // namespace
