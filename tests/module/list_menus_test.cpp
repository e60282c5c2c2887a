// Context menus of the list controllers: which items a user sees for each row
// kind with each combination of the open (R1), delete (R2) and new (R4) rights.

#include "module/type_list_controllers.h"
#include "tests/support/module_host.h"

namespace {

using testhost::ModuleFixture;

enum class Needs { Nothing, Open, Delete, New };

// Menu keys (space-separated) a user sees when holding the right the segment needs.
struct Segment { Needs needs; const char* keys; };

// The row's ObjectType (empty for the list background) and the clicked id (the list's own for the background).
struct MenuRule { vx::VxObjectUIPtr list; const char *component, *row; QString rowId; QList<Segment> segments; };

QString keysOf(const vx::MenuItems& items)
{
    QStringList keys;
    for (const vx::MenuItem& item : items)
        keys << item.Key;
    return keys.join(QLatin1Char(' '));
}

// The row kind as the host passes it: none for the list background.
QString kind(const char* type)
{
    return *type ? QString::fromLatin1(type) : QString();
}

class ListMenus : public ModuleFixture {};

TEST_F(ListMenus, ItemsFollowTheRightsAndTheRowKind)
{
    using N = Needs;
    const auto trips = controller<UI4000100>();
    const auto cars = controller<UI4000400>();
    const auto tyres = controller<UI4000800>();
    const char *tripsKey = "CTransportTrips", *carsKey = "CTransportCars", *tyresKey = "CTransportTyres";
    const QString car = QStringLiteral("O40004007"), tyre = QStringLiteral("O40008007"), sheet = QStringLiteral("O40001007");
    QList<MenuRule> rules = {
        {cars, carsKey, "Car", car, {{N::Open, "0"}, {N::New, "1 100"}, {N::Delete, "4 100"}, {N::Nothing, "3"}}},
        {cars, carsKey, "Group", car, {{N::Open, "0 100"}, {N::New, "2 1 100"}, {N::Delete, "4 100"}, {N::Nothing, "3"}}},
        {cars, carsKey, "", cars->OID(), {{N::New, "2 1 100"}, {N::Nothing, "3"}}},
        {tyres, tyresKey, "Tyre", tyre, {{N::Open, "0 100"}, {N::Delete, "4 100"}}},
        {tyres, tyresKey, "Group", tyre, {{N::Open, "0 100"}, {N::New, "2 1 100"}, {N::Delete, "4 100"}}},
        {tyres, tyresKey, "", tyres->OID(), {{N::New, "2 1 100 3 100"}}},
        {trips, tripsKey, "Trip", sheet, {{N::Open, "0 100"}, {N::New, "1 100"}, {N::Delete, "4 100"}, {N::Nothing, "3"}}},
        {trips, tripsKey, "", trips->OID(), {{N::New, "1 100 6 100"}, {N::Nothing, "3"}}},
    };
    // Rows that group trip sheets offer a new sheet and the view period only.
    for (const char* node : {"User", "Date", "Car", "Group"})
        rules.append({trips, tripsKey, node, QStringLiteral("Car:O40004007"), {{N::New, "1 100"}, {N::Nothing, "3"}}});

    for (const MenuRule& rule : rules) {
        for (int combination = 0; combination < 8; ++combination) {
            const bool open = combination & 1, remove = combination & 2, add = combination & 4;
            // The write right is granted exactly when the open right is not, so
            // mixing the two up shows.
            host->grant(QLatin1String(rule.component), open, !open, remove, add);
            QStringList expected;
            for (const Segment& segment : rule.segments)
                if (segment.needs == Needs::Nothing || (segment.needs == Needs::Open && open)
                    || (segment.needs == Needs::Delete && remove) || (segment.needs == Needs::New && add))
                    expected << QLatin1String(segment.keys);
            EXPECT_EQ(keysOf(rule.list->GetMenu(rule.rowId, kind(rule.row), QString())),
                      expected.join(QLatin1Char(' ')))
                << rule.component << " " << rule.row << " R1=" << open << " R2=" << remove << " R4=" << add;
        }
    }
}

TEST_F(ListMenus, ListsWithoutRightsHaveFixedMenus)
{
    host->grant(QStringLiteral("CTransportTrips"), false, false, false, false);
    const auto cheques = controller<UI4000300>();
    const auto references = controller<UI4000600>();
    const QString route = QStringLiteral("O40006017");
    const struct { vx::VxObjectUIPtr list; QString id; const char *type, *keys; QString context; } cases[] = {
        {cheques, QStringLiteral("O40003005"), "C", "0 100 4 100", QString()},
        {cheques, QStringLiteral("O40003005"), "Group", "0 100 2 1 100 4 100", QString()},
        {cheques, cheques->OID(), "", "2 1 100", QString()},
        // A route segment's own menu; its groups' menus are the host catalogue controller's.
        {references, route, "O4000601", "0 100 4", route},
        {controller<UI4000200>(), QStringLiteral("O40002003"), "C", "", QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keysOf(c.list->GetMenu(c.id, kind(c.type), c.context)), QLatin1String(c.keys))
            << c.id.toStdString() << " " << c.type;
    EXPECT_EQ(references->GetMenu(route, QStringLiteral("Group"), route).size(), 6);

    const QList<vx::VxObjectUIPtr> subLists = {controller<UI4000500>(), controller<UI4000700>(), controller<UI4000900>(),
                                               controller<UI4001000>(), controller<UI4001100>(), controller<UI4001200>()};
    for (const vx::VxObjectUIPtr& list : subLists) {
        EXPECT_EQ(keysOf(list->GetMenu(list->OID() + QStringLiteral("3"), QStringLiteral("C"), QString())),
                  QStringLiteral("0 4"))
            << list->className().toStdString();
        EXPECT_EQ(keysOf(list->GetMenu(list->OID(), QString(), QString())), QStringLiteral("0 4"));
    }
}

} // namespace
