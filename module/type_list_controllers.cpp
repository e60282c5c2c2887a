#include "module/type_list_controllers.h"

// Constructors and icon tables; what each list does is in module/controllers/.

namespace {
using Entry = QPair<QString, QString>;

Entry entry(const char* key, const char* resource)
{
    return {QLatin1String(key), QLatin1String(resource)};
}

// Sub-lists and groupable lists end their icon tables with the closed and open group pictures.
vx::IconTable withGroups(vx::IconTable table)
{
    table << entry("CGroup", "stdClose") << entry("OGroup", "stdOpen");
    return table;
}
} // namespace

UI4000100::UI4000100()
    : ListController(QStringLiteral("O4000100"),
                     withGroups({entry("Trip", "TRANSPORTTRIP"), entry("Date", "CLOCK"), entry("Car", "TRANSPORTCAR"),
                                 entry("User", "C0001400")}))
{
}

UI4000200::UI4000200() : ListController(QStringLiteral("O4000200"), {entry("C", "stdClose")}) {}

UI4000300::UI4000300() : ListController(QStringLiteral("O4000300"), withGroups({entry("Card", "PRODUCTIONCARD")})) {}

UI4000400::UI4000400()
    : GroupedListController(QStringLiteral("O4000400"), withGroups({entry("Car", "TRANSPORTCAR")}),
                            QStringLiteral("Car"), QStringLiteral("frmTransportCars"))
{
}

UI4000500::UI4000500()
    : SubListController(QStringLiteral("O4000500"), withGroups({entry("C", "TRANSPORTCARFUELNORM")}))
{
}

UI4000600::UI4000600()
    : ListController(QStringLiteral("O4000600"),
                     withGroups({entry("C", "C0001600"), entry("OT", "C0001601"), entry("CT", "C0001601")}))
{
}

UI4000700::UI4000700()
    : SubListController(QStringLiteral("O4000700"), withGroups({entry("C", "TRANSPORTCARFUELTANK")}))
{
}

UI4000800::UI4000800()
    : GroupedListController(QStringLiteral("O4000800"), withGroups({entry("Tyre", "TRANSPORTTYRE")}),
                            QStringLiteral("Tyre"), QStringLiteral("frmTransportTyres"))
{
}

UI4000900::UI4000900() : SubListController(QStringLiteral("O4000900"), withGroups({entry("C", "TransportCarTyres")})) {}

UI4001000::UI4001000() : SubListController(QStringLiteral("O4001000"), withGroups({entry("C", "TransportCarDrivers")}))
{
}

UI4001100::UI4001100()
    : SubListController(QStringLiteral("O4001100"), withGroups({entry("C", "TransportCarDocuments")}))
{
}

UI4001200::UI4001200()
    : SubListController(QStringLiteral("O4001200"), withGroups({entry("C", "TRANSPORTTRIPFUELTANK")}))
{
}
