#pragma once

// What the store-side benchmarks share: the store a case runs on, the plain
// SQLite side of a comparison, and timing a call beside it.

#include "platform/contract/argument_text.h"
#include "platform/contract/date_text.h"

#include <QDate>
#include <QStringList>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace bench {

// The generated store named by KELMIRA_BENCH_DB; without one the case is
// skipped with a message saying so.
const char* storeOrSkip(benchmark::State& state);

// The plain SQLite side: one connection (read-only unless asked) and a
// prepared statement per query.
class Raw {
public:
    explicit Raw(const char* path, bool writable = false);
    ~Raw();
    Raw(const Raw&) = delete;
    Raw& operator=(const Raw&) = delete;

    // Runs `sql` with the parameters `bind` sets; reads every value of every row and returns the rows read.
    long rows(const char* sql, const std::function<void(sqlite3_stmt*)>& bind) const;
    // The same with texts for its parameters, in order.
    long rows(const char* sql, std::initializer_list<std::string_view> texts) const;
    // The date a query's first value starts with; `bound`, when given, is its one parameter.
    QDate day(const char* sql, std::optional<long long> bound = std::nullopt) const;
    long long number(const char* sql, std::optional<long long> bound = std::nullopt) const;
    // The first column of every row, as text.
    QStringList texts(const char* sql) const;

private:
    sqlite3_stmt* prepared(const char* sql, std::optional<long long> bound) const;

    sqlite3* db_ = nullptr;
};

// This thread's processor time in milliseconds: on a loaded machine the
// wall time counts other programs' turns too.
double cpuMs();

struct Mean {
    double wallMs = 0, cpuMs = 0;
};

// Mean times of `work` over enough runs to take about a second: a slow query
// runs some twenty times, so one run slowed by another program weighs little.
Mean meanMs(const std::function<void()>& work);

// Times the state's loop over `call` and the plain query beside it. Counters:
// raw_ms the plain query's mean wall time, ratio the call's over it, and
// cpu_ratio the same for the processor time of both.
void compare(benchmark::State& state, const std::function<void()>& call, const std::function<void()>& raw);

// A benchmark program's main: the cases run inside a core application.
int runWithCoreApplication(int argc, char** argv);

// The parameter of the trip sheet list with every sheet ("Visi"): no period start.
inline QString allTripSheets()
{
    return vx::arguments::write({QStringLiteral("O4000100"), QString(), QString(), vx::dates::noDate(), vx::dates::calendarEnd()});
}

inline std::string text(const QString& s)
{
    return s.toStdString();
}

} // namespace bench
