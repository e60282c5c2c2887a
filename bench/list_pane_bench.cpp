// How long the list pane takes to show a very long list: the tree index over
// the rows is built once, and the view is handed top-level rows in batches, so
// opening a million-row list must stay well under a second.

#include "platform/contract/recordset.h"
#include "platform/shell/object_list_model.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

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

void OpenList(benchmark::State& state)
{
    const vx::RecordsetPtr list = rows(int(state.range(0)));
    shell::ObjectListModel model;
    for (auto _ : state) {
        model.setRows(list, {}, QStringLiteral("O4000100"));
        benchmark::DoNotOptimize(model.rowCount());
        benchmark::DoNotOptimize(model.index(0, 0).data());
    }
    state.counters["rows"] = double(list->RecordCount());
}
BENCHMARK(OpenList)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
