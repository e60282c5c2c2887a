#include "app/ctl_store_commands.h"

#include "platform/bo/demo_seed.h"
#include "platform/bo/migrations.h"
#include "platform/bo/object_types.h"
#include "platform/bo/recordset_text.h"
#include "platform/bo/session.h"
#include "platform/contract/clock.h"
#include "platform/contract/number_text.h"

#include <QElapsedTimer>
#include <QUrl>

#include <exception>

namespace ctl {
namespace {

// A location fit to show: a PostgreSQL address without its password.
QString shown(const QString& location)
{
    if (!bo::Database::isPostgresUrl(location))
        return location;
    return QUrl(location).toString(QUrl::RemovePassword);
}

// Opens the store and runs `body`; a storage failure becomes a message and exit code 1.
template <typename Body>
int withSession(const QString& location, QTextStream& err, Body body)
{
    bo::SessionPtr session;
    try {
        session = bo::Session::open(location);
    } catch (const bo::StorageError& e) {
        // Say which store failed, unless the message already does.
        const QString where = shown(location);
        err << (e.message().contains(where) ? e.message() : where + QStringLiteral(": ") + e.message()) << Qt::endl;
        return 1;
    }
    try {
        return body(*session);
    } catch (const bo::StorageError& e) {
        err << e.message() << Qt::endl;
    } catch (const std::exception& e) {
        err << QString::fromLocal8Bit(e.what()) << Qt::endl;
    }
    return 1;
}

void printRows(const vx::Recordset& rs, QTextStream& out)
{
    for (const QString& line : bo::describeRecordset(rs))
        out << line << '\n';
    out.flush();
}

// The administrator's tool saves as the administrator the store starts with.
void actAsAdministrator(bo::Session& session)
{
    const QVariant admin = session.db().scalar(QStringLiteral("SELECT \"ID\" FROM employee WHERE \"Login\" = ?"),
                                               {QStringLiteral("admin")});
    if (!admin.isNull())
        session.setUserId(admin.toLongLong());
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
        out << "Duomenų bazė: " << shown(location) << '\n'
            << "Schemos versija: " << bo::schemaVersion(session.db()) << Qt::endl;
        return 0;
    });
}

int seedDemoStore(const QString& location, QTextStream& out, QTextStream& err)
{
    return withSession(location, err, [&](bo::Session& session) {
        if (!bo::isEmptyStore(session)) {
            err << "Duomenų bazėje " << shown(location)
                << " jau yra duomenų: demonstraciniai duomenys įrašomi tik į tuščią bazę." << Qt::endl;
            return 1;
        }
        actAsAdministrator(session);
        QElapsedTimer timer;
        timer.start();
        bo::seedDemo(session, vx::clock::today());
        const double seconds = double(timer.elapsed()) / 1000.0;
        for (const bo::ObjectType& type : bo::objectTypes()) {
            const qint64 count =
                session.db().scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(type.table)).toLongLong();
            if (count > 0)
                out << type.typeId << '\t' << type.caption << '\t' << count << '\n';
        }
        out << "Demonstraciniai duomenys įrašyti per " << vx::numbers::fixed(seconds, 1) << " s." << Qt::endl;
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
