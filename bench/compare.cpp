#include "bench/compare.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace bench {

const char* storeOrSkip(benchmark::State& state)
{
    const char* path = std::getenv("KELMIRA_BENCH_DB");
    if (path && *path)
        return path;
    state.SkipWithError("KELMIRA_BENCH_DB is not set: name a store made by kelmiractl generate");
    return nullptr;
}

Raw::Raw(const char* path, bool writable)
{
    sqlite3_open_v2(path, &db_, writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, nullptr);
    sqlite3_busy_timeout(db_, 5000);
}

Raw::~Raw()
{
    sqlite3_close(db_);
}

long Raw::rows(const char* sql, const std::function<void(sqlite3_stmt*)>& bind) const
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
    bind(statement);
    long count = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
        ++count;
    }
    sqlite3_finalize(statement);
    return count;
}

long Raw::rows(const char* sql, std::initializer_list<std::string_view> texts) const
{
    return rows(sql, [&](sqlite3_stmt* s) {
        int index = 0;
        for (const std::string_view text : texts)
            sqlite3_bind_text(s, ++index, text.data(), int(text.size()), SQLITE_TRANSIENT);
    });
}

QDate Raw::day(const char* sql, std::optional<long long> bound) const
{
    QDate value;
    sqlite3_stmt* statement = prepared(sql, bound);
    if (sqlite3_step(statement) == SQLITE_ROW)
        value = QDate::fromString(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))).left(10), Qt::ISODate);
    sqlite3_finalize(statement);
    return value;
}

long long Raw::number(const char* sql, std::optional<long long> bound) const
{
    long long value = 0;
    sqlite3_stmt* statement = prepared(sql, bound);
    if (sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

QStringList Raw::texts(const char* sql) const
{
    QStringList values;
    sqlite3_stmt* statement = prepared(sql, std::nullopt);
    while (sqlite3_step(statement) == SQLITE_ROW)
        values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return values;
}

sqlite3_stmt* Raw::prepared(const char* sql, std::optional<long long> bound) const
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
    if (bound)
        sqlite3_bind_int64(statement, 1, *bound);
    return statement;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

Mean meanMs(const std::function<void()>& work)
{
    using Clock = std::chrono::steady_clock;
    int runs = 0;
    const auto start = Clock::now();
    const double cpuStart = cpuMs();
    auto now = start;
    do {
        work();
        ++runs;
        now = Clock::now();
    } while (now - start < std::chrono::seconds(1));
    return {std::chrono::duration<double, std::milli>(now - start).count() / runs, (cpuMs() - cpuStart) / runs};
}

void compare(benchmark::State& state, const std::function<void()>& call, const std::function<void()>& raw)
{
    const Mean rawMean = meanMs(raw);
    using Clock = std::chrono::steady_clock;
    double callMs = 0, callCpuMs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpuStart = cpuMs();
        call();
        callCpuMs += cpuMs() - cpuStart;
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        callMs += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    callMs /= double(state.iterations());
    callCpuMs /= double(state.iterations());
    state.counters["raw_ms"] = rawMean.wallMs;
    state.counters["ratio"] = rawMean.wallMs > 0 ? callMs / rawMean.wallMs : 0;
    state.counters["cpu_ratio"] = rawMean.cpuMs > 0 ? callCpuMs / rawMean.cpuMs : 0;
}

int runWithCoreApplication(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
