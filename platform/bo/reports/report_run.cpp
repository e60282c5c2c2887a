#include "platform/bo/reports/report_run.h"

#include "platform/bo/session_store.h"

#include <QSqlDriver>

#include <sqlite3.h>

namespace bo::reports {
namespace {

vx::CallResult stoppedResult()
{
    return vx::CallResult::failure(QStringLiteral("Ataskaitos skaičiavimas nutrauktas."));
}

} // namespace

std::unique_ptr<StoppableRun> StoppableRun::prepare(Session& session)
{
    const QString location = storeOf(session).location();
    if (location == QLatin1String(":memory:"))
        return nullptr;
    return std::unique_ptr<StoppableRun>(new StoppableRun(location, session.userId()));
}

vx::CallResult StoppableRun::run(const ReportDefinition& report, const ReportArguments& args)
{
    std::shared_ptr<Session> own;
    try {
        own = std::make_shared<Session>(Database::connect(location_));
        own->setUserId(user_);
        Database& db = storeOf(*own);
        std::lock_guard lock(mutex_);
        if (stopped_)
            return stoppedResult();
        if (db.engine() == Engine::Sqlite) {
            const QVariant handle = db.connection().driver()->handle();
            if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
                sqlite_ = *static_cast<sqlite3* const*>(handle.constData());
        } else {
            postgresPid_ = db.scalar(QStringLiteral("SELECT pg_backend_pid()")).toLongLong();
        }
    } catch (const StorageError& e) {
        return vx::CallResult::failure(e.message());
    }
    vx::CallResult result = reports::run(*own, report, args);
    std::lock_guard lock(mutex_);
    sqlite_ = nullptr;
    postgresPid_ = 0;
    return stopped_ ? stoppedResult() : result;
}

void StoppableRun::stop()
{
    std::lock_guard lock(mutex_);
    stopped_ = true;
    // Under the lock the connection stays open until the interrupt has landed.
    if (sqlite_)
        sqlite3_interrupt(static_cast<sqlite3*>(sqlite_));
    if (postgresPid_ > 0) {
        try {
            Database::connect(location_)->scalar(QStringLiteral("SELECT pg_cancel_backend(?)"), {postgresPid_});
        } catch (const StorageError&) {
            // The answer is thrown away in any case; the query then ends on its own.
        }
    }
}

bool StoppableRun::stopped() const
{
    std::lock_guard lock(mutex_);
    return stopped_;
}

} // namespace bo::reports
