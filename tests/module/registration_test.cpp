// What the module registers when the host loads it: the navigation tree, the
// object types, the icon tables and the security components, in call order.

#include "module/dll_header.h"
#include "module/module_icons.h"
#include "module/security_header.h"
#include "platform/contract/host_factory.h"
#include "platform/shell/module_tables.h"
#include "platform/shell/shell_host_factory.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QStringList lines(std::initializer_list<const char*> rows)
{
    QStringList out;
    for (const char* row : rows)
        out << QString::fromUtf8(row);
    return out;
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override
    {
        factory = std::make_shared<shell::ShellHostFactory>();
        vx::setHostFactory(factory);
        recorded = std::make_shared<shell::RegisteredTables>();
        factory->setRegistrationTarget(recorded);
    }
    void TearDown() override { vx::setHostFactory(nullptr); }

    QStringList registrationLines()
    {
        DLLHeader().DllInicialize();
        shell::ModuleTables tables;
        tables.registration = *recorded;
        return shell::describeModuleTables(tables);
    }

    std::shared_ptr<shell::ShellHostFactory> factory;
    std::shared_ptr<shell::RegisteredTables> recorded;
};

TEST_F(Registration, TreeObjectTypesAndIconsAreRegisteredInOrder)
{
    const QStringList expected = lines({
        "layout\tL40010011\tL40010011\tTransportas\tCTransportLayout",
        "node\tCTransportLayout\tO4000100\tKelionės lapai\tCTransportTrips",
        "object\tCTransportTrips\tO4000100",
        "node\tCTransportLayout\tO4000600\tŽinynai\tCTransportReferences",
        "object\tCTransportReferences\tO4000600",
        "node\tCTransportLayout\tO0001900\tAtaskaitos\tCVxReportLockO4000100",
        "object\tCVxReportLockO4000100\tO0001900<%>O4000100<%>",
        "node\tCTransportLayout\tO4000400\tAutomobiliai\tCTransportCars",
        "object\tCTransportCars\tO4000400",
        "node\tCTransportLayout\tO4000800\tPadangos\tCTransportTyres",
        "object\tCTransportTyres\tO4000800",
        "node\tCTransportLayout\tO0000100\tĮmonės\tCFirms",
        "object\tCFirms\tO0000100",
        "objecttype\tKelmira\tO4000100\tKelionės lapai",
        "objecttype\tKelmira\tO4000200\tKelionės lapo atkarpos",
        "objecttype\tKelmira\tO4000300\tČekiai",
        "objecttype\tKelmira\tO4000400\tAutomobiliai",
        "objecttype\tKelmira\tO4000500\tAutomobilių kuro normos",
        "objecttype\tKelmira\tO4000600\tŽinynai",
        "objecttype\tKelmira\tO4000700\tKelionės lapo kuro bakai",
        "objecttype\tKelmira\tO4000800\tPadangos",
        "objecttype\tKelmira\tO4000900\tTransporto padangos",
        "objecttype\tKelmira\tO4001000\tTransporto vairuotojai",
        "objecttype\tKelmira\tO4001100\tTransporto dokumentai",
        "objecttype\tKelmira\tO4001200\tTransporto kuro bako tipai",
        "mainicon\tTRANSPORTTRIP\tTRANSPORTTRIP",
        "mainicon\tTRANSPORTCAR\tTRANSPORTCAR",
        "mainicon\tTRANSPORTTYRE\tTRANSPORTTYRE",
        "icon\tL40010011\tLAYOUT",
        "icon\tTRANSPORTTRIP\tTRANSPORTTRIP",
        "icon\tTRANSPORTTRIPROUTE\tTRANSPORTTRIPROUTE",
        "icon\tTRANSPORTTRIPFUELTANK\tTRANSPORTTRIPFUELTANK",
        "icon\tTRANSPORTCHEQUE\tTRANSPORTCHEQUE",
        "icon\tTRANSPORTCAR\tTRANSPORTCAR",
        "icon\tTRANSPORTCARFUELNORM\tTRANSPORTCARFUELNORM",
        "icon\tCLOCK\tCLOCK",
        "icon\tTRANSPORTTYRE\tTRANSPORTTYRE",
    });
    const QStringList actual = registrationLines();
    ASSERT_EQ(actual.size(), expected.size()) << actual.join(QLatin1Char('\n')).toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual.at(i), expected.at(i)) << "line " << i;
}

// Ten resources ship, the tyre history's among them though nothing registers
// it; each registered picture is one of them and shows something at 16 px.
TEST_F(Registration, EveryPictureIsDrawnFromAResourceOfItsOwn)
{
    const QStringList names = lines({"CLOCK", "LAYOUT", "TRANSPORTCAR", "TRANSPORTCARFUELNORM", "TRANSPORTCHEQUE",
                                     "TRANSPORTTRIP", "TRANSPORTTRIPFUELTANK", "TRANSPORTTRIPROUTE", "TRANSPORTTYRE",
                                     "TRANSPORTTYREHISTORY"});
    QList<QImage> drawn;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(module::hasIconResource(name));
        const QIcon icon = module::loadIcon(name);
        ASSERT_FALSE(icon.isNull());
        const QImage image = icon.pixmap(16, 16).toImage();
        ASSERT_EQ(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(opaque, 40) << "the picture is (nearly) empty at 16 px";
        EXPECT_FALSE(drawn.contains(image)) << "two resources draw the same picture";
        drawn << image;
    }
    EXPECT_TRUE(module::loadIcon(QStringLiteral("NOSUCHICON")).isNull());

    DLLHeader().DllInicialize();
    const QList<shell::RegisteredIcon> registered = recorded->icons + recorded->mainIcons;
    EXPECT_EQ(registered.size(), 12);
    for (const shell::RegisteredIcon& icon : registered)
        EXPECT_TRUE(drawn.contains(icon.picture.icon.pixmap(16, 16).toImage())) << icon.key.toStdString();
}

TEST(SecurityComponents, SevenEntriesInOrderWithEmptyInfo)
{
    struct Row {
        const char* key;
        const char* caption;
        int kind;
    };
    const Row expected[] = {
        {"DLL|L40010011", "Transporto modulis", 10}, {"CTransportLayout", "Aplinkos peržiūra", 2},
        {"CTransportTrips", "Kelionių lapai", 1},    {"CTransportCars", "Automobiliai", 1},
        {"CTransportTyres", "Padangos", 1},          {"CTransportReferences", "Žinynai", 2},
        {"CTransportReports", "Ataskaitos", 2},
    };
    const vx::ComponentEntries entries = SecurityHeader().GetComponentList();
    ASSERT_EQ(entries.size(), std::size(expected));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        EXPECT_TRUE(entries.at(i).Info.isEmpty());
        EXPECT_EQ(entries.at(i).Key, QString::fromUtf8(expected[i].key));
        EXPECT_EQ(entries.at(i).Caption, QString::fromUtf8(expected[i].caption));
        EXPECT_EQ(entries.at(i).Kind, expected[i].kind);
    }
}

} // namespace
