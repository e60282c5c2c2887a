// Context menus of the list controllers: which items a user sees for each row
// kind with each combination of the open (R1), delete (R2) and new (R4) rights,
// and the captions of the items.

#include "module/type_list_controllers.h"
#include "tests/support/module_host.h"

#include <functional>

namespace {

using testhost::ModuleFixture;

enum class Needs { Nothing, Open, Delete, New };

// Menu keys a user sees when holding the right the segment needs.
struct Segment {
    Needs needs;
    QStringList keys;
};

struct MenuRule {
    QString controller;
    QString row;   // "Own" (the list background) or the row's ObjectType
    QString rowId; // the clicked id; the list's own id for "Own"
    QList<Segment> segments;
};

QStringList keysOf(const vx::MenuItems& items)
{
    QStringList keys;
    for (const vx::MenuItem& item : items)
        keys << item.Key;
    return keys;
}

QStringList keys(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* key : list)
        result << QLatin1String(key);
    return result;
}

const QString car = QStringLiteral("O40004007");
const QString tyre = QStringLiteral("O40008007");
const QString sheet = QStringLiteral("O40001007");

QList<MenuRule> rules()
{
    using N = Needs;
    const QString trips = QStringLiteral("UI4000100"), cars = QStringLiteral("UI4000400"),
                  tyres = QStringLiteral("UI4000800");
    QList<MenuRule> table = {
        {cars,
         QStringLiteral("Car"),
         car,
         {{N::Open, keys({"0"})},
          {N::New, keys({"1", "100"})},
          {N::Delete, keys({"4", "100"})},
          {N::Nothing, keys({"3"})}}},
        {cars,
         QStringLiteral("Group"),
         car,
         {{N::Open, keys({"0", "100"})},
          {N::New, keys({"2", "1", "100"})},
          {N::Delete, keys({"4", "100"})},
          {N::Nothing, keys({"3"})}}},
        {cars,
         QStringLiteral("Own"),
         QStringLiteral("O4000400"),
         {{N::New, keys({"2", "1", "100"})}, {N::Nothing, keys({"3"})}}},
        {tyres, QStringLiteral("Tyre"), tyre, {{N::Open, keys({"0", "100"})}, {N::Delete, keys({"4", "100"})}}},
        {tyres,
         QStringLiteral("Group"),
         tyre,
         {{N::Open, keys({"0", "100"})}, {N::New, keys({"2", "1", "100"})}, {N::Delete, keys({"4", "100"})}}},
        {tyres, QStringLiteral("Own"), QStringLiteral("O4000800"), {{N::New, keys({"2", "1", "100", "3", "100"})}}},
        {trips,
         QStringLiteral("Trip"),
         sheet,
         {{N::Open, keys({"0", "100"})},
          {N::New, keys({"1", "100"})},
          {N::Delete, keys({"4", "100"})},
          {N::Nothing, keys({"3"})}}},
        {trips,
         QStringLiteral("Own"),
         QStringLiteral("O4000100"),
         {{N::New, keys({"1", "100", "6", "100"})}, {N::Nothing, keys({"3"})}}},
    };
    // Rows that group trip sheets offer a new sheet and the view period only.
    for (const char* node : {"User", "Date", "Car", "Group"})
        table.append({trips,
                      QLatin1String(node),
                      QStringLiteral("Car:O40004007"),
                      {{N::New, keys({"1", "100"})}, {N::Nothing, keys({"3"})}}});
    return table;
}

class ListMenus : public ModuleFixture {
protected:
    vx::VxObjectUIPtr make(const QString& className)
    {
        if (className == QLatin1String("UI4000100"))
            return controller<UI4000100>();
        if (className == QLatin1String("UI4000400"))
            return controller<UI4000400>();
        return controller<UI4000800>();
    }

    static QString componentOf(const QString& className)
    {
        if (className == QLatin1String("UI4000100"))
            return QStringLiteral("CTransportTrips");
        if (className == QLatin1String("UI4000400"))
            return QStringLiteral("CTransportCars");
        return QStringLiteral("CTransportTyres");
    }
};

TEST_F(ListMenus, ItemsFollowTheRightsAndTheRowKind)
{
    for (const MenuRule& rule : rules()) {
        const vx::VxObjectUIPtr list = make(rule.controller);
        for (int combination = 0; combination < 8; ++combination) {
            const bool open = combination & 1, remove = combination & 2, add = combination & 4;
            // The write right is granted exactly when the open right is not, so
            // mixing the two up shows.
            host->grant(componentOf(rule.controller), open, !open, remove, add);
            QStringList expected;
            for (const Segment& segment : rule.segments) {
                const bool granted = segment.needs == Needs::Nothing || (segment.needs == Needs::Open && open)
                                     || (segment.needs == Needs::Delete && remove)
                                     || (segment.needs == Needs::New && add);
                if (granted)
                    expected << segment.keys;
            }
            const QString rowKind = rule.row == QLatin1String("Own") ? QString() : rule.row;
            EXPECT_EQ(keysOf(list->GetMenu(rule.rowId, rowKind, QString())), expected)
                << rule.controller.toStdString() << " " << rule.row.toStdString() << " R1=" << open << " R2=" << remove
                << " R4=" << add;
        }
    }
}

TEST_F(ListMenus, ListsWithoutRightsHaveFixedMenus)
{
    host->grant(QStringLiteral("CTransportTrips"), false, false, false, false);
    const auto cheques = controller<UI4000300>();
    EXPECT_EQ(keysOf(cheques->GetMenu(QStringLiteral("O40003005"), QStringLiteral("C"), QString())),
              keys({"0", "100", "4", "100"}));
    EXPECT_EQ(keysOf(cheques->GetMenu(QStringLiteral("O40003005"), QStringLiteral("Group"), QString())),
              keys({"0", "100", "2", "1", "100", "4", "100"}));
    EXPECT_EQ(keysOf(cheques->GetMenu(QStringLiteral("O4000300"), QString(), QString())), keys({"2", "1", "100"}));

    const QList<vx::VxObjectUIPtr> subLists = {controller<UI4000500>(), controller<UI4000700>(),
                                               controller<UI4000900>(), controller<UI4001000>(),
                                               controller<UI4001100>(), controller<UI4001200>()};
    for (const vx::VxObjectUIPtr& list : subLists) {
        EXPECT_EQ(keysOf(list->GetMenu(list->OID() + QStringLiteral("3"), QStringLiteral("C"), QString())),
                  keys({"0", "4"}))
            << list->className().toStdString();
        EXPECT_EQ(keysOf(list->GetMenu(list->OID(), QString(), QString())), keys({"0", "4"}));
    }
    EXPECT_TRUE(
        controller<UI4000200>()->GetMenu(QStringLiteral("O40002003"), QStringLiteral("C"), QString()).isEmpty());
}

TEST_F(ListMenus, CaptionsNameWhatEachListMakes)
{
    for (const char* key : {"CTransportTrips", "CTransportCars", "CTransportTyres"})
        host->grant(QLatin1String(key), true, true, true, true);
    using Pairs = QList<QPair<QString, QString>>;
    const auto captions = [](const vx::MenuItems& items) {
        Pairs pairs;
        for (const vx::MenuItem& item : items) {
            EXPECT_TRUE(item.SubItems.isEmpty());
            EXPECT_FALSE(item.Flag);
            pairs.append({item.Key, item.Caption});
        }
        return pairs;
    };
    const QString open = QStringLiteral("Padėti &ant darbo stalo"), group = QStringLiteral("Nauja &grupė"),
                  remove = QStringLiteral("&Panaikinti"), separator = QStringLiteral("-");
    const auto pair = [](const char* key, const QString& caption) { return qMakePair(QLatin1String(key), caption); };

    EXPECT_EQ(captions(controller<UI4000400>()->GetMenu(car, QStringLiteral("Group"), QString())),
              (Pairs{pair("0", open), pair("100", separator), pair("2", group),
                     pair("1", QStringLiteral("&Naujas automobilis")), pair("100", separator), pair("4", remove),
                     pair("100", separator), pair("3", QStringLiteral("&Atrinkti"))}));
    EXPECT_EQ(captions(controller<UI4000800>()->GetMenu(QStringLiteral("O4000800"), QString(), QString())),
              (Pairs{pair("2", group), pair("1", QStringLiteral("&Nauja padanga")), pair("100", separator),
                     pair("3", QStringLiteral("&Atrinkti")), pair("100", separator)}));
    EXPECT_EQ(captions(controller<UI4000100>()->GetMenu(QStringLiteral("O4000100"), QString(), QString())),
              (Pairs{pair("1", QStringLiteral("&Naujas kelionės lapas")), pair("100", separator),
                     pair("6", QStringLiteral("Transporto nustatymai")), pair("100", separator),
                     pair("3", QStringLiteral("P&eržiūros nustatymai"))}));
    EXPECT_EQ(captions(controller<UI4000300>()->GetMenu(QStringLiteral("O4000300"), QString(), QString())),
              (Pairs{pair("2", group), pair("1", QStringLiteral("&Nauja kortelė")), pair("100", separator)}));
    EXPECT_EQ(captions(controller<UI4001000>()->GetMenu(QStringLiteral("O40010001"), QString(), QString())),
              (Pairs{pair("0", open), pair("4", remove)}));
}

} // namespace
