// From the program's start to its main window showing the trip sheet list of
// the view period, on the store named by KELMIRA_BENCH_DB, offscreen. Each
// run starts the program beside this one as a user without a password (so no
// login dialog), with a script whose only line checks that the list shows;
// the script's first line runs once the window is shown and its pending
// events are done, and the time is taken when the script's closing line
// arrives. The program's exit is not counted. Counters: cpu_ms the program's
// processor time (main thread) by then, failed the runs that did not show it.

#include "bench/compare.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The processor time of a process's main thread so far, from the kernel's
// scheduler figures (nanoseconds); a negative value when they cannot be read.
double threadCpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    return stat.readAll().split(' ').value(0).toDouble() / 1e6;
}

void StartToList(benchmark::State& state)
{
    const char* store = bench::storeOrSkip(state);
    if (!store)
        return;
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("list.script"));
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly) || file.write("expect lvwObjects visible true\n") < 0) {
        state.SkipWithError("cannot write the script");
        return;
    }
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/kelmira");
    const QStringList arguments{QStringLiteral("--db"), QString::fromUtf8(store), QStringLiteral("--user"),
                                QStringLiteral("admin"), QStringLiteral("--script"), script};
    using Clock = std::chrono::steady_clock;
    double cpu = 0;
    int failed = 0, timed = 0;
    for (auto _ : state) {
        QProcess kelmira;
        kelmira.setProcessEnvironment(environment);
        const auto start = Clock::now();
        kelmira.start(program, arguments);
        QByteArray out;
        while (!out.contains(" passed, ") && kelmira.waitForReadyRead(30000))
            out += kelmira.readAllStandardOutput();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (const double used = threadCpuMs(kelmira.processId()); used >= 0) {
            cpu += used;
            ++timed;
        }
        kelmira.waitForFinished(30000);
        if (kelmira.exitCode() != 0 || !out.contains("1 passed, 0 failed"))
            ++failed;
    }
    if (failed > 0)
        state.SkipWithError("the program did not show the list: run it with the same arguments to see why");
    state.counters["cpu_ms"] = timed > 0 ? cpu / timed : 0;
    state.counters["failed"] = failed;
}
BENCHMARK(StartToList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithCoreApplication(argc, argv);
}
