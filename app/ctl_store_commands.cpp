#include "app/ctl_store_commands.h"

#include "app/ctl_session.h"
#include "platform/bo/demo_seed.h"
#include "platform/bo/fleet_generator.h"
#include "platform/bo/recordset_text.h"
#include "platform/bo/session.h"
#include "platform/bo/store_care.h"
#include "platform/bo/store_summary.h"
#include "platform/contract/clock.h"
#include "platform/contract/number_text.h"

#include <QElapsedTimer>

namespace ctl {
namespace {

void printRows(const vx::Recordset& rs, QTextStream& out)
{
    for (const QString& line : bo::describeRecordset(rs))
        out << line << '\n';
    out.flush();
}

} // namespace

QString storeLocation(const QString& option)
{
    if (!option.isEmpty())
        return option;
    const QString fromEnvironment = qEnvironmentVariable("KELMIRA_DB");
    return fromEnvironment.isEmpty() ? bo::Database::defaultLocation() : fromEnvironment;
}

int initStore(const QString& location, QTextStream& out, QTextStream& err)
{
    return withSession(location, err, [&](bo::Session& session) {
        out << "Duomenų bazė: " << shownLocation(location) << '\n'
            << "Schemos versija: " << bo::storedSchemaVersion(session) << Qt::endl;
        return 0;
    }, bo::Database::Creation::Allowed);
}

int backupStore(const QString& location, const QString& file, bool force, QTextStream& out, QTextStream& err)
{
    try {
        bo::backupStore(location, file, force);
    } catch (const bo::StorageError& e) {
        err << e.message() << Qt::endl;
        return 1;
    }
    out << "Duomenų bazės " << shownLocation(location) << " kopija įrašyta: " << file << Qt::endl;
    return 0;
}

int checkStore(const QString& location, QTextStream& out, QTextStream& err)
{
    bo::StoreCheck check;
    try {
        check = bo::checkStore(location);
    } catch (const bo::StorageError& e) {
        const QString where = shownLocation(location);
        err << (e.message().contains(where) ? e.message() : where + QStringLiteral(": ") + e.message()) << Qt::endl;
        return 1;
    }
    out << "Duomenų bazė: " << shownLocation(location) << '\n';
    for (const QString& line : check.lines)
        out << line << '\n';
    for (const QString& problem : check.problems)
        out << "KLAIDA: " << problem << '\n';
    out << (check.ok() ? QStringLiteral("Viskas gerai.") : QStringLiteral("Rasta problemų: %1.").arg(check.problems.size()))
        << Qt::endl;
    return check.ok() ? 0 : 1;
}

int seedDemoStore(const QString& location, QTextStream& out, QTextStream& err)
{
    return withSession(location, err, [&](bo::Session& session) {
        if (!bo::isEmptyStore(session)) {
            err << "Duomenų bazėje " << shownLocation(location)
                << " jau yra duomenų: demonstraciniai duomenys įrašomi tik į tuščią bazę." << Qt::endl;
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        bo::seedDemo(session, vx::clock::today());
        const double seconds = double(timer.elapsed()) / 1000.0;
        for (const bo::ObjectType& type : bo::objectTypes()) {
            const qint64 count = bo::recordCount(session, type);
            if (count > 0)
                out << type.typeId << '\t' << type.caption << '\t' << count << '\n';
        }
        out << "Demonstraciniai duomenys įrašyti per " << vx::numbers::fixed(seconds, 1) << " s." << Qt::endl;
        return 0;
    }, bo::Database::Creation::Allowed);
}

int generateStore(const QString& location, int vehicles, int years, QTextStream& out, QTextStream& err)
{
    return withSession(location, err, [&](bo::Session& session) {
        if (!bo::isEmptyStore(session)) {
            err << "Duomenų bazėje " << shownLocation(location)
                << " jau yra duomenų: generuojama tik į tuščią bazę." << Qt::endl;
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        const bo::FleetSize size{vehicles, years, vx::clock::today(), bo::FleetSize().seed};
        const bo::GeneratedFleet made = bo::generateFleet(session, size, [&](const bo::GeneratedFleet& now) {
            err << "Automobilių: " << now.vehicles << ", kelionės lapų: " << now.sheets << ", per "
                << vx::numbers::fixed(double(timer.elapsed()) / 1000.0, 1) << " s" << Qt::endl;
        });
        out << "Automobilių: " << made.vehicles << '\n'
            << "Kelionės lapų: " << made.sheets << '\n'
            << "Maršruto eilučių: " << made.routeLines << '\n'
            << "Kuro čekių: " << made.cheques << '\n'
            << "Sugeneruota per " << vx::numbers::fixed(double(timer.elapsed()) / 1000.0, 1) << " s." << Qt::endl;
        return 0;
    });
}

int runCall(const QString& location, const QString& name, const QString& param, QTextStream& out, QTextStream& err)
{
    return withSession(location, err, [&](bo::Session& session) {
        const vx::CallResult result = session.businessObject()->GetProperty(name, param);
        if (result.Code != 0) {
            err << result.Message << Qt::endl;
            return 1;
        }
        if (const auto rs = result.Value.value<vx::RecordsetPtr>())
            printRows(*rs, out);
        return 0;
    });
}

int printList(const QString& location, const QString& typeId, const QString& param, QTextStream& out, QTextStream& err)
{
    return withSession(location, err, [&](bo::Session& session) {
        QString failure;
        session.setErrorReporter([&failure](const QString& message) { failure = message; });
        const vx::RecordsetPtr rs = session.createList(typeId)->GetVxObjectList(param, QString(), QString());
        if (!failure.isEmpty()) {
            err << failure << Qt::endl;
            return 1;
        }
        if (rs)
            printRows(*rs, out);
        return 0;
    });
}

} // namespace ctl
