// How long the list pane takes to show a very long list and what it holds on
// to afterwards. The pane keeps only what it shows, column by column, and lets
// the record set it was handed go; a list from the store is read a page at a
// time, so opening it reads only the first page. Counters (MB): "peak" is
// the highest resident size while opening (the record set included), "held"
// what is still allocated once the record set is gone and only the pane holds the list.

#include "bench/compare.h"
#include "platform/bo/database.h"
#include "platform/bo/session_store.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/date_text.h"
#include "platform/contract/recordset.h"
#include "platform/shell/object_list_model.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// Resident sizes from the kernel, in MB: the current one and the peak since the last reset.
double statusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Gives freed memory back to the system before a peak is measured.
void settle()
{
    malloc_trim(0);
}

// Bytes allocated and not yet freed: what the program still holds, whatever
// the freed memory between the allocations that stay costs the system.
double inUseMb()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void resetPeak()
{
    settle();
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// Trip-sheet-like rows: one vehicle node per 50 sheets, the sheets under it.
vx::RecordsetPtr rows(int count)
{
    auto rs = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                     {QStringLiteral("ID"), vx::FieldType::Integer},
                                     {QStringLiteral("ParentKey"), vx::FieldType::Text},
                                     {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt},
                                     {QStringLiteral("OType"), vx::FieldType::Text},
                                     {QStringLiteral("Icon"), vx::FieldType::Text},
                                     {QStringLiteral("Preview"), vx::FieldType::Text},
                                     {QStringLiteral("Context"), vx::FieldType::Text},
                                     {QStringLiteral("DistanceEnd"), vx::FieldType::Double}});
    QString node;
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 0) {
            node = QStringLiteral("Car:O4000400%1").arg(i / 50 + 1);
            rs->appendRow({node, 0, QString(), 1, QStringLiteral("Car"), QStringLiteral("Car"),
                           QStringLiteral("Vilkikas %1").arg(i / 50 + 1), node.mid(4), QVariant()});
        }
        const QString id = QStringLiteral("O4000100%1").arg(i + 1);
        rs->appendRow({id, i + 1, node, 0, QStringLiteral("Trip"), QStringLiteral("Trip"),
                       QStringLiteral("KL-%1").arg(i + 1), id, 100000.0 + i});
    }
    return rs;
}

// Times `open` on an emptied model in each iteration and reports the rows read
// and the memory of the last run. `prepare` makes, untimed, a list to hand
// over (or none); it is let go before the held memory is taken.
template <class Prepare, class Open>
void measureOpening(benchmark::State& state, Prepare prepare, Open open)
{
    shell::ObjectListModel model;
    double peak = 0, held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        model.setRows(nullptr, {});
        resetPeak();
        const double before = statusMb("VmRSS:");
        const double usedBefore = inUseMb();
        vx::RecordsetPtr list = prepare();
        state.ResumeTiming();
        open(model, list);
        benchmark::DoNotOptimize(model.index(0, 0).data());
        state.PauseTiming();
        list.reset();
        peak = statusMb("VmHWM:") - before;
        held = inUseMb() - usedBefore;
        state.ResumeTiming();
    }
    state.counters["rows"] = double(model.totalRows());
    state.counters["peakMB"] = peak;
    state.counters["heldMB"] = held;
}

void OpenList(benchmark::State& state)
{
    measureOpening(
        state, [&] { return rows(int(state.range(0))); },
        [](shell::ObjectListModel& model, const vx::RecordsetPtr& list) { model.setRows(list, {}, QStringLiteral("O4000100")); });
}
BENCHMARK(OpenList)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A store of `count` trip sheets, 50 to a vehicle, made once per size for the benchmarks below.
const QString& storeOfTrips(int count)
{
    static QTemporaryDir dir;
    static QHash<int, QString> made;
    if (made.contains(count))
        return made[count];
    const QString file = dir.filePath(QStringLiteral("trips-%1.sqlite").arg(count));
    const bo::SessionPtr session = bo::Session::open(file);
    bo::Transaction t(bo::storeOf(*session));
    for (int car = 1; car <= count / 50 + 1; ++car)
        bo::storeOf(*session).execute(QStringLiteral("INSERT INTO transport_car (\"ID\", \"ParentID\", \"GroupFlag\", \"Name\", \"Code\") "
                                             "VALUES (?, 0, 0, ?, ?)"),
                              {car, QStringLiteral("Vilkikas %1").arg(car), QStringLiteral("KLM %1").arg(car)});
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    for (int i = 1; i <= count; ++i)
        bo::storeOf(*session).execute(QStringLiteral("INSERT INTO transport_trip (\"ID\", \"ParentID\", \"GroupFlag\", \"Name\", "
                                             "\"Date\", \"TransportCarID\", \"DistanceRest\", \"DistanceEnd\") "
                                             "VALUES (?, 0, 0, ?, ?, ?, ?, ?)"),
                              {i, QStringLiteral("KL-%1").arg(i), start.addSecs(60 * i), i / 50 + 1, 1000.0 * i,
                               1000.0 * i + 250});
    t.commit();
    return made[count] = file;
}

// The whole way from the store: the trip sheets of the period read by the
// generic list and shown in the pane. Opening reads the vehicles and a first
// page; "whole" then reads every row, as scrolling to the end does.
void OpenStoredTrips(benchmark::State& state)
{
    const bool whole = state.range(1) != 0;
    const bo::SessionPtr session = bo::Session::open(storeOfTrips(int(state.range(0))));
    const vx::VxObjectUIPtr list = session->createList(QStringLiteral("O4000100"));
    const QString period = bench::allTripSheets();
    measureOpening(
        state, [] { return vx::RecordsetPtr(); },
        [&](shell::ObjectListModel& model, const vx::RecordsetPtr&) {
            model.setRows(list->GetVxObjectList(period, QString(), QString()), {}, QStringLiteral("O4000100"));
            if (whole)
                model.readAll();
        });
}
BENCHMARK(OpenStoredTrips)
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->ArgNames({"sheets", "whole"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithCoreApplication(argc, argv);
}
