#include "module/registration_tables.h"

namespace module {
namespace {
const QString tripType = QStringLiteral("O4000100");
const QString reportsType = QStringLiteral("O0001900");
const QString parameterMark = QStringLiteral("<%>");
} // namespace

const QList<ObjectTypeEntry>& objectTypes()
{
    static const QList<ObjectTypeEntry> table = {
        {QStringLiteral("O4000100"), QStringLiteral("Kelionės lapai")},
        {QStringLiteral("O4000200"), QStringLiteral("Kelionės lapo atkarpos")},
        {QStringLiteral("O4000300"), QStringLiteral("Čekiai")},
        {QStringLiteral("O4000400"), QStringLiteral("Automobiliai")},
        {QStringLiteral("O4000500"), QStringLiteral("Automobilių kuro normos")},
        {QStringLiteral("O4000600"), QStringLiteral("Žinynai")},
        {QStringLiteral("O4000700"), QStringLiteral("Kelionės lapo kuro bakai")},
        {QStringLiteral("O4000800"), QStringLiteral("Padangos")},
        {QStringLiteral("O4000900"), QStringLiteral("Transporto padangos")},
        {QStringLiteral("O4001000"), QStringLiteral("Transporto vairuotojai")},
        {QStringLiteral("O4001100"), QStringLiteral("Transporto dokumentai")},
        {QStringLiteral("O4001200"), QStringLiteral("Transporto kuro bako tipai")},
    };
    return table;
}

QString reportsNodeKey()
{
    return QStringLiteral("CVxReportLock") + tripType;
}

QString reportsNodeShows()
{
    return reportsType + parameterMark + tripType + parameterMark;
}

const QList<TreeNodeEntry>& treeNodes()
{
    static const QList<TreeNodeEntry> table = {
        {QStringLiteral("CTransportTrips"), QStringLiteral("Kelionės lapai"), tripType, tripType},
        {QStringLiteral("CTransportReferences"), QStringLiteral("Žinynai"), QStringLiteral("O4000600"),
         QStringLiteral("O4000600")},
        {reportsNodeKey(), QStringLiteral("Ataskaitos"), reportsType, reportsNodeShows()},
        {QStringLiteral("CTransportCars"), QStringLiteral("Automobiliai"), QStringLiteral("O4000400"),
         QStringLiteral("O4000400")},
        {QStringLiteral("CTransportTyres"), QStringLiteral("Padangos"), QStringLiteral("O4000800"),
         QStringLiteral("O4000800")},
        {QStringLiteral("CFirms"), QStringLiteral("Įmonės"), QStringLiteral("O0000100"), QStringLiteral("O0000100")},
    };
    return table;
}

const QList<IconEntry>& mainIcons()
{
    static const QList<IconEntry> table = {
        {QStringLiteral("TRANSPORTTRIP"), QStringLiteral("TRANSPORTTRIP")},
        {QStringLiteral("TRANSPORTCAR"), QStringLiteral("TRANSPORTCAR")},
        {QStringLiteral("TRANSPORTTYRE"), QStringLiteral("TRANSPORTTYRE")},
    };
    return table;
}

const QList<IconEntry>& icons()
{
    static const QList<IconEntry> table = [] {
        QList<IconEntry> entries = {{layoutId, QStringLiteral("LAYOUT")}};
        for (const char* name : {"TRANSPORTTRIP", "TRANSPORTTRIPROUTE", "TRANSPORTTRIPFUELTANK", "TRANSPORTCHEQUE",
                                 "TRANSPORTCAR", "TRANSPORTCARFUELNORM", "CLOCK", "TRANSPORTTYRE"})
            entries.append({QLatin1String(name), QLatin1String(name)});
        return entries;
    }();
    return table;
}

QString moduleComponentKey()
{
    return QStringLiteral("DLL") + QLatin1Char('|') + layoutId;
}

const QList<ComponentRow>& securityComponents()
{
    static const QList<ComponentRow> table = {
        {moduleComponentKey(), QStringLiteral("Transporto modulis"), 10},
        {QStringLiteral("CTransportLayout"), QStringLiteral("Aplinkos peržiūra"), 2},
        {QStringLiteral("CTransportTrips"), QStringLiteral("Kelionių lapai"), 1},
        {QStringLiteral("CTransportCars"), QStringLiteral("Automobiliai"), 1},
        {QStringLiteral("CTransportTyres"), QStringLiteral("Padangos"), 1},
        {QStringLiteral("CTransportReferences"), QStringLiteral("Žinynai"), 2},
        {QStringLiteral("CTransportReports"), QStringLiteral("Ataskaitos"), 2},
    };
    return table;
}

QString listControllerClass(const QString& typeId)
{
    return QStringLiteral("UI") + typeId.mid(1);
}

QString editorClass(const QString& typeId)
{
    return QStringLiteral("UIO") + typeId.mid(1);
}

} // namespace module
