#pragma once

#include "platform/bo/reports/report_catalogue.h"

#include <memory>
#include <mutex>

namespace bo::reports {

// A report computed on a connection of its own to the session's store, so it
// can run on a thread other than the session's (a connection belongs to the
// thread that opened it) and be stopped while its query runs: SQLite is
// interrupted on that connection, PostgreSQL is asked to cancel its backend's
// query. The connection only reads and is closed when the run ends.
class StoppableRun {
public:
    // Prepared on the session's thread; null when the store cannot be opened
    // a second time (a private in-memory store).
    static std::unique_ptr<StoppableRun> prepare(Session& session);

    // On one thread of the caller's choice: opens the connection, computes the
    // report as `run` does and closes the connection again.
    vx::CallResult run(const ReportDefinition& report, const ReportArguments& args);
    // From any thread: stops the computation; `run` then gives no rows.
    void stop();
    bool stopped() const;

private:
    StoppableRun(QString location, qint64 user) : location_(std::move(location)), user_(user) {}

    const QString location_;
    const qint64 user_;
    mutable std::mutex mutex_; // guards what follows
    bool stopped_ = false;
    void* sqlite_ = nullptr;  // the running SQLite connection
    qint64 postgresPid_ = 0;  // the running PostgreSQL backend
};

} // namespace bo::reports
