// What the module registers when the host loads it: the navigation tree, the
// object types, the icon tables and the security components, in call order.

#include "module/dll_header.h"
#include "module/module_icons.h"
#include "module/security_header.h"
#include "platform/contract/host_factory.h"
#include "platform/shell/module_tables.h"
#include "platform/shell/shell_host_factory.h"

#include <QImage>
#include <QMap>

#include <gtest/gtest.h>

namespace {

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

// The captions are the tree's (the shell window's test); here the order the
// host relies on: the layout first, each node followed by its object, then
// every object type of the module once, in type order, then the icons.
TEST_F(Registration, NodesObjectTypesAndIconsAreRegisteredInOrder)
{
    const QStringList actual = registrationLines();
    ASSERT_FALSE(actual.isEmpty());
    EXPECT_TRUE(actual.first().startsWith(QStringLiteral("layout\tL40010011\t"))) << actual.first().toStdString();
    QStringList kinds, types;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QStringList cells = actual.at(i).split(QLatin1Char('\t'));
        if (kinds.isEmpty() || kinds.last() != cells.first())
            kinds << cells.first();
        if (cells.first() == QLatin1String("node")) {
            ASSERT_LT(i + 1, actual.size());
            EXPECT_TRUE(actual.at(i + 1).startsWith(QStringLiteral("object\t%1\t%2").arg(cells.at(4), cells.at(2))))
                << actual.at(i + 1).toStdString();
        }
        if (cells.first() == QLatin1String("objecttype"))
            types << cells.at(1) + QLatin1Char(' ') + cells.at(2);
    }
    EXPECT_EQ(kinds.join(QLatin1Char(' ')), QStringLiteral("layout node object node object node object node object node "
                                                           "object node object objecttype mainicon icon"));
    QStringList expectedTypes;
    for (int type = 4000100; type <= 4001200; type += 100)
        expectedTypes << QStringLiteral("Kelmira O%1").arg(type);
    EXPECT_EQ(types, expectedTypes);
}

// Ten resources ship, the tyre history's among them though nothing registers
// it; each registered picture is one of them and shows something at 16 px.
TEST_F(Registration, EveryPictureIsDrawnFromAResourceOfItsOwn)
{
    const QStringList names = QStringLiteral("CLOCK LAYOUT TRANSPORTCAR TRANSPORTCARFUELNORM TRANSPORTCHEQUE TRANSPORTTRIP "
                                             "TRANSPORTTRIPFUELTANK TRANSPORTTRIPROUTE TRANSPORTTYRE TRANSPORTTYREHISTORY")
                                  .split(QLatin1Char(' '));
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

// The administrator can grant every right the module's lists ask for.
TEST(SecurityComponents, TheRightsTheListsAskForAreOffered)
{
    QMap<QString, int> kinds;
    for (const vx::ComponentEntry& entry : SecurityHeader().GetComponentList()) {
        EXPECT_TRUE(entry.Info.isEmpty());
        kinds.insert(entry.Key, entry.Kind);
    }
    for (const char* key : {"CTransportTrips", "CTransportCars", "CTransportTyres"})
        EXPECT_EQ(kinds.value(QLatin1String(key)), 1) << key;
    EXPECT_EQ(kinds.value(QStringLiteral("DLL|L40010011")), 10);
}

} // namespace
