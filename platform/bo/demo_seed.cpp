#include "platform/bo/demo_seed.h"

#include "platform/bo/demo_seed_parts.h"
#include "platform/bo/named_calls.h"
#include "platform/bo/object_types.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

#include <QScopeGuard>

#include <cmath>

namespace bo {
namespace demo {

quint64 Random::next()
{
    // splitmix64: tiny, fast and fully defined by its seed.
    quint64 z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int Random::between(int low, int high)
{
    if (high <= low)
        return low;
    return low + int(next() % quint64(high - low + 1));
}

double Random::between(double low, double high)
{
    return low + (high - low) * double(next() >> 11) / double(1ULL << 53);
}

bool Random::chance(double probability)
{
    return between(0.0, 1.0) < probability;
}

double round2(double value)
{
    return std::round(value * 100.0) / 100.0;
}

qint64 Writer::create(QStringView typeId, FieldValues fields)
{
    const QString type = typeId.toString();
    vx::VxObjectUIOPtr& editor = editors_[type];
    if (!editor)
        editor = session_.createEditor(type);
    editor->setOIDR(type);
    vx::Status status = editor->Read();
    if (status.ok()) {
        for (const auto& [name, value] : fields)
            editor->Fields().setValue(name.toString(), value);
        status = editor->Save();
    }
    if (!status.ok())
        throw StorageError(QStringLiteral("Demonstracinis įrašas (%1) neišsaugotas: %2").arg(type, status.Message));
    return vx::oid::recordNumber(editor->OIDR());
}

qint64 Writer::group(QStringView typeId, const QString& name, qint64 parentId)
{
    return create(typeId, {{u"Name", name}, {u"GroupFlag", 1}, {u"OType", QStringLiteral("Group")},
                           {u"ParentID", parentId}});
}

} // namespace demo

bool isEmptyStore(Session& session)
{
    for (const ObjectType& type : objectTypes()) {
        // The catalogue framework and the first users come with the schema itself.
        if (type.typeId == QLatin1String("O0001601"))
            continue;
        QString sql = QStringLiteral("SELECT COUNT(*) FROM %1").arg(type.table);
        if (type.typeId == QLatin1String("O0001401"))
            sql += QStringLiteral(" WHERE \"Login\" IS NULL");
        if (storeOf(session).scalar(sql).toLongLong() > 0)
            return false;
    }
    return true;
}

void seedDemo(Session& session, QDate today)
{
    // One transaction: the editors' saves join it, so a refused save leaves nothing behind.
    Transaction transaction(storeOf(session));
    if (!isEmptyStore(session))
        throw StorageError(QStringLiteral("Duomenų bazėje jau yra duomenų: demonstraciniai duomenys įrašomi tik į tuščią bazę."));
    // Filling an empty store is the administration tool's work, whoever is signed in.
    const bool tool = session.isAdministrationTool();
    session.setAdministrationTool(true);
    const auto restore = qScopeGuard([&session, tool] { session.setAdministrationTool(tool); });
    demo::Random random(20240917);
    demo::Writer writer(session);
    const demo::Period period{today.addDays(-105), today};
    const demo::Catalogues catalogues = demo::seedCatalogues(writer);
    const demo::Parties parties = demo::seedParties(writer, random, period);
    QList<demo::Vehicle> vehicles = demo::seedVehicles(writer, random, catalogues, parties, period);
    demo::seedTrips(writer, random, catalogues, parties, vehicles, period, session.userId());
    demo::seedTyres(writer, random, catalogues, vehicles, period);
    // New sheets go on numbering as the demo's do: "KL", the date, a counter per year, no repeats.
    const vx::CallResult numbering = namedCalls().call(
        session, QStringLiteral("AddUpdateAutoNumber"), QStringLiteral("0,'Prefix_Date_AutoNumber','KL',3,1,'0000',0,0"));
    if (numbering.Code != 0)
        throw StorageError(numbering.Message);
    transaction.commit();
}

} // namespace bo
