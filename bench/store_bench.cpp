// The trip sheet calls on a large store, each beside the plain SQLite query
// that gives the same answer, timed in the same run: the "ratio" counter is
// the call's time over the plain query's. Run on a store made by
// `kelmiractl generate`, named by KELMIRA_BENCH_DB (see bench/README.md).

#include "bench/compare.h"
#include "platform/bo/session.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/date_text.h"
#include "platform/contract/recordset.h"
#include "platform/contract/search_text.h"
#include "platform/shell/object_list_model.h"

#include <QCoreApplication>
#include <QDate>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

using bench::allTripSheets;
using bench::compare;
using bench::Raw;
using bench::storeOrSkip;
using bench::text;

// The plain query's side of a list row: a sheet with its vehicle's name and
// code and its driver's shown name, and the first page in the list's order.
const std::string sheetRowColumns = "SELECT t.*, c.\"Name\", c.\"Code\", TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')) ";
const std::string firstPageInListOrder = "ORDER BY c.\"Name\", c.\"Code\", c.\"ID\", t.\"Date\" DESC, t.\"ID\" DESC LIMIT 2000";

// The previous sheet of the vehicle whose number of sheets is nearest the
// argument, for a new sheet on the day after its last: GetLastTrip, then
// GetTripFuelRest, each beside the plain "last earlier sheet" query.
void PreviousSheet(benchmark::State& state)
{
    const char* path = storeOrSkip(state);
    if (!path)
        return;
    const Raw raw(path);
    const long long car = raw.number("SELECT \"TransportCarID\" FROM transport_trip GROUP BY \"TransportCarID\" "
                                     "ORDER BY ABS(COUNT(*) - ?), \"TransportCarID\" LIMIT 1",
                                     state.range(0));
    const QDate day = raw.day("SELECT MAX(\"Date\") FROM transport_trip WHERE \"TransportCarID\" = ?", car).addDays(1);
    const std::string bound = text(day.addDays(1).toString(Qt::ISODate)) + " 00:00:00";
    const bool fuel = state.range(1) != 0;
    const bo::SessionPtr session = bo::Session::open(QString::fromUtf8(path));
    const QString carOid = QStringLiteral("O4000400%1").arg(car);
    const QString tank = QString::number(raw.number(
        "SELECT \"FuelTankTypeID1\" FROM transport_trip WHERE \"TransportCarID\" = ? LIMIT 1", car));
    const QString param = fuel ? QStringLiteral("%1,%2,'%3',''").arg(car).arg(tank, day.toString(QStringLiteral("yyyy.MM.dd")))
                               : QStringLiteral("'%1','%2',''").arg(carOid, day.toString(QStringLiteral("yyyy.MM.dd")));
    const QString name = fuel ? QStringLiteral("GetTripFuelRest") : QStringLiteral("GetLastTrip");
    compare(
        state,
        [&] {
            const vx::CallResult result = session->businessObject()->GetProperty(name, param);
            if (result.Code != 0)
                state.SkipWithError(text(result.Message).c_str());
            benchmark::DoNotOptimize(result.Value);
        },
        [&] {
            raw.rows("SELECT * FROM transport_trip WHERE \"TransportCarID\" = ? AND \"Date\" < ? "
                     "ORDER BY \"Date\" DESC, \"ID\" DESC LIMIT 1",
                     [&](sqlite3_stmt* s) {
                         sqlite3_bind_int64(s, 1, car);
                         sqlite3_bind_text(s, 2, bound.c_str(), -1, SQLITE_TRANSIENT);
                     });
        });
    state.counters["vehicle_sheets"] = double(raw.number(
        "SELECT COUNT(*) FROM transport_trip WHERE \"TransportCarID\" = ?", car));
}
BENCHMARK(PreviousSheet)
    ->ArgsProduct({{20, 2000}, {0, 1}})
    ->ArgNames({"sheets", "fuel"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The trip list of the store's last month, every row read, beside the plain
// query of the same sheets with their vehicles and drivers in list order.
void PeriodList(benchmark::State& state)
{
    const char* path = storeOrSkip(state);
    if (!path)
        return;
    const Raw raw(path);
    const bo::SessionPtr session = bo::Session::open(QString::fromUtf8(path));
    const QDate to = raw.day("SELECT MAX(\"Date\") FROM transport_trip");
    const QDate from = to.addDays(-int(state.range(0)) + 1);
    const QString param = vx::arguments::write({QStringLiteral("O4000100"), QString(), QString(), from, to});
    const vx::VxObjectUIPtr list = session->createList(QStringLiteral("O4000100"));
    const std::string first = text(from.toString(Qt::ISODate)) + " 00:00:00";
    const std::string last = text(to.toString(Qt::ISODate)) + " 23:59:59";
    const std::string sheets = sheetRowColumns +
                               "FROM transport_trip t LEFT JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
                               "LEFT JOIN employee e ON e.\"ID\" = t.\"UserID\" WHERE t.\"Date\" >= ? AND t.\"Date\" <= ? "
                               "ORDER BY c.\"Name\", c.\"ID\", t.\"Date\" DESC, t.\"ID\" DESC";
    long rows = 0;
    compare(
        state,
        [&] {
            const vx::RecordsetPtr rs = list->GetVxObjectList(param, QString(), QString());
            rs->MoveLast();
            rows = rs->RecordCount();
        },
        [&] {
            raw.rows(sheets.c_str(), {first, last});
        });
    state.counters["rows"] = double(rows);
}
BENCHMARK(PeriodList)->Arg(31)->ArgName("days")->UseManualTime()->MinTime(2.0)->Unit(benchmark::kMillisecond);

// The fuel balance of every vehicle over the store's last whole month
// beside the plain query of the same sheets with what each sheet's lines used
// and its cheques brought (one tank), in the order the balance adds them up.
void ReportFuelBalance(benchmark::State& state)
{
    const char* path = storeOrSkip(state);
    if (!path)
        return;
    const Raw raw(path);
    const bo::SessionPtr session = bo::Session::open(QString::fromUtf8(path));
    const QDate last = raw.day("SELECT MAX(\"Date\") FROM transport_trip");
    const QDate from = QDate(last.year(), last.month(), 1).addMonths(-1);
    const QDate to = from.addMonths(1).addDays(-1);
    const QString param = vx::arguments::write({from, to, QString(), QString()});
    const std::string first = text(from.toString(Qt::ISODate)) + " 00:00:00";
    const std::string end = text(to.addDays(1).toString(Qt::ISODate)) + " 00:00:00";
    long rows = 0, sheets = 0;
    compare(
        state,
        [&] {
            const vx::CallResult result = session->businessObject()->GetProperty(QStringLiteral("ReportFuelBalance"), param);
            if (result.Code != 0)
                state.SkipWithError(text(result.Message).c_str());
            rows = result.Value.value<vx::RecordsetPtr>()->RecordCount();
        },
        [&] {
            sheets = raw.rows("SELECT t.\"TransportCarID\", c.\"Name\", t.\"DistanceRest\", t.\"DistanceEnd\", t.\"FuelRest1\", "
                     "(SELECT SUM(l.\"Distance\") FROM transport_trip_route l WHERE l.\"TransportTripID\" = t.\"ID\"), "
                     "(SELECT SUM(COALESCE(l.\"FuelNormByDistance\", 0) * COALESCE(l.\"Distance\", 0) / 100 "
                     "+ COALESCE(l.\"FuelNormByDuration\", 0) * COALESCE(l.\"Duration\", 0)) "
                     "FROM transport_trip_route l WHERE l.\"TransportTripID\" = t.\"ID\"), "
                     "(SELECT SUM(ch.\"FuelAmount\") FROM transport_cheque ch WHERE ch.\"TransportTripID\" = t.\"ID\") "
                     "FROM transport_trip t JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
                     "WHERE t.\"Date\" >= ? AND t.\"Date\" < ? ORDER BY t.\"TransportCarID\", t.\"Date\", t.\"ID\"",
                     {first, end});
        });
    state.counters["rows"] = double(rows);
    state.counters["sheets"] = double(sheets);
}
BENCHMARK(ReportFuelBalance)->Name("ReportFuelBalance/month")->UseManualTime()->Unit(benchmark::kMillisecond);

// The list of all trip sheets (no period start) as the list pane opens it:
// the vehicles and the first page of rows. Beside it the plain queries of the
// vehicles in name order and the first two vehicles' newest sheets (a page
// spans about two vehicles of a generated store). The pane's memory is
// measured by list_pane_bench.
void AllListFirstScreen(benchmark::State& state)
{
    const char* path = storeOrSkip(state);
    if (!path)
        return;
    const Raw raw(path);
    const bo::SessionPtr session = bo::Session::open(QString::fromUtf8(path));
    const QString param = allTripSheets();
    const vx::VxObjectUIPtr list = session->createList(QStringLiteral("O4000100"));
    const std::string firstPage = sheetRowColumns +
                                  "FROM transport_trip t LEFT JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
                                  "LEFT JOIN employee e ON e.\"ID\" = t.\"UserID\" WHERE t.\"TransportCarID\" IN "
                                  "(SELECT \"ID\" FROM transport_car WHERE \"GroupFlag\" = 0 ORDER BY \"Name\", \"Code\", \"ID\" LIMIT 2) " +
                                  firstPageInListOrder;
    shell::ObjectListModel model;
    int rows = 0;
    compare(
        state,
        [&] {
            model.setRows(list->GetVxObjectList(param, QString(), QString()), {}, QStringLiteral("O4000100"));
            rows = model.totalRows();
        },
        [&] {
            raw.rows("SELECT \"ID\", \"Name\", \"Code\" FROM transport_car WHERE \"GroupFlag\" = 0 ORDER BY \"Name\", \"Code\", \"ID\"",
                     [](sqlite3_stmt*) {});
            raw.rows(firstPage.c_str(), [](sqlite3_stmt*) {});
        });
    state.counters["rows"] = double(rows);
}
BENCHMARK(AllListFirstScreen)->UseManualTime()->Unit(benchmark::kMillisecond);

// A search typed into the list of all trip sheets, once the list is open: the
// rows the store finds may show the text, read until the pane has its first
// page. Beside it the plain query of the same first page: the sheets whose
// own texts hold the text (the trigram index) or whose driver's name does,
// with their vehicles and drivers, in list order. Terms: a driver's surname
// fragment (common: every sheet he drove), one sheet's number (rare), a month
// of the store's years (about fifteen thousand sheets) and the first letter
// typed of the surname (no sheet's own texts hold it).
void AllListSearch(benchmark::State& state, const char* term)
{
    const char* path = storeOrSkip(state);
    if (!path)
        return;
    const Raw raw(path);
    // Without a term: the number of the sheet in the middle of the store.
    const QString typed = *term ? QString::fromUtf8(term)
                                : raw.texts("SELECT \"Name\" FROM transport_trip WHERE \"ID\" >= "
                                            "(SELECT MAX(\"ID\") / 2 FROM transport_trip) LIMIT 1").value(0);
    state.SetLabel(text(typed));
    // The drivers whose shown name holds the text, folded as the list folds it.
    const QStringList people = raw.texts("SELECT \"ID\" || ' ' || COALESCE(\"Name\", '') || ' ' || COALESCE(\"LastName\", '') FROM employee");
    QStringList drivers;
    for (const QString& person : people)
        if (vx::search::contains(person.section(u' ', 1), typed))
            drivers << person.section(u' ', 0, 0);
    const std::string driverList = "[" + text(drivers.join(u',')) + "]";
    const std::string pattern = "%" + text(vx::search::folded(typed)) + "%";
    const bo::SessionPtr session = bo::Session::open(QString::fromUtf8(path));
    const QString param = allTripSheets();
    const std::string firstFound =
        "WITH hit(id) AS (SELECT rowid FROM transport_trip_search WHERE \"SearchText\" LIKE ? "
        "UNION SELECT \"ID\" FROM transport_trip WHERE \"UserID\" IN (SELECT value FROM json_each(?))) " +
        sheetRowColumns +
        "FROM hit JOIN transport_trip t ON t.\"ID\" = hit.id LEFT JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
        "LEFT JOIN employee e ON e.\"ID\" = t.\"UserID\" " +
        firstPageInListOrder;
    shell::ObjectListModel model;
    model.setRows(session->createList(QStringLiteral("O4000100"))->GetVxObjectList(param, QString(), QString()), {},
                  QStringLiteral("O4000100"));
    int rows = 0;
    compare(
        state,
        [&] {
            if (!model.narrowTo(typed))
                state.SkipWithError("the list cannot search in the store");
            rows = model.totalRows();
        },
        [&] {
            raw.rows(firstFound.c_str(), {pattern, driverList});
        });
    state.counters["rows"] = double(rows);
}
BENCHMARK_CAPTURE(AllListSearch, driver, "zilinsk")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllListSearch, number, "")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllListSearch, month, "2024.03")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllListSearch, letter, "z")->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithCoreApplication(argc, argv);
}
