// The trip sheet card on a long sheet: 200 route lines and 50 cheques. Two
// cases on the same sheet:
// - CardData: what the card reads, the sheet's editor with its route lines,
//   cheques and norm summary, beside the plain SQLite queries of the same rows
//   (counters as in store_bench: raw_ms, ratio, cpu_ratio);
// - CardOpen: the whole open as the program does it, offscreen: the card made
//   by the module, loaded, put on the desktop beside the list and shown, until
//   its events are done. No plain side: the time is the figure.
// The sheet is the newest one of the store named by KELMIRA_BENCH_DB (a copy:
// lines and cheques are added for the run and removed at its end) that has a
// route line and a cheque; without that variable, of a fresh demo store.

#include "bench/compare.h"
#include "platform/bo/demo_seed.h"
#include "platform/bo/session.h"
#include "platform/bo/users.h"
#include "platform/contract/clock.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"
#include "platform/shell/desktop_tabs.h"
#include "platform/shell/host_services.h"
#include "platform/shell/main_window.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/module_tables.h"
#include "platform/shell/shell_host_factory.h"

#include <QApplication>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace bench;

constexpr int sheetLines = 200;
constexpr int sheetCheques = 50;

// The store, the program's host on it with its main window, and the long sheet.
class Desk {
public:
    Desk()
    {
        const char* named = std::getenv("KELMIRA_BENCH_DB");
        if (named && *named) {
            path_ = QString::fromUtf8(named);
            session_ = bo::Session::open(path_, bo::Database::Creation::Refused);
        } else {
            demo_ = std::make_unique<QTemporaryDir>();
            path_ = demo_->filePath(QStringLiteral("demo.sqlite"));
            session_ = bo::Session::open(path_);
            bo::seedDemo(*session_, vx::clock::today());
        }
        raw_ = std::make_unique<Raw>(path_.toUtf8().constData(), true);
        sheet_ = raw_->number("SELECT t.\"ID\" FROM transport_trip t WHERE "
                              "EXISTS (SELECT 1 FROM transport_trip_route l WHERE l.\"TransportTripID\" = t.\"ID\") AND "
                              "EXISTS (SELECT 1 FROM transport_cheque c WHERE c.\"TransportTripID\" = t.\"ID\" "
                              "AND COALESCE(c.\"GroupFlag\", 0) = 0) ORDER BY t.\"Date\" DESC, t.\"ID\" DESC LIMIT 1");
        lastLine_ = raw_->number("SELECT MAX(\"ID\") FROM transport_trip_route");
        lastCheque_ = raw_->number("SELECT MAX(\"ID\") FROM transport_cheque");
        session_->setUserId(bo::users::find(*session_, QStringLiteral("admin")).id);
        lengthen();

        factory_ = std::make_shared<shell::ShellHostFactory>();
        factory_->setSession(session_);
        vx::setHostFactory(factory_);
        services_ = std::make_shared<shell::HostServices>(session_, loader_);
        window_ = std::make_unique<shell::MainWindow>(services_);
        QString error;
        std::optional<shell::ModuleTables> tables;
        if (loader_.ensureBundledRegistered(QStringLiteral("Kelmira"), &error))
            tables = shell::readModuleTables(loader_, *factory_, QStringLiteral("Kelmira"), &error);
        if (!tables) {
            std::fprintf(stderr, "The module is not loaded: %s\n", qPrintable(error));
            std::exit(1);
        }
        services_->addModule(*tables);
        window_->addModule(*tables);
        window_->show();
        QApplication::processEvents();
    }

    ~Desk()
    {
        window_.reset();
        services_.reset();
        vx::setHostFactory(nullptr);
        // The store is as it was: the added lines and cheques go.
        raw_->rows("DELETE FROM transport_trip_route WHERE \"TransportTripID\" = ? AND \"ID\" > ?", [this](sqlite3_stmt* s) {
            sqlite3_bind_int64(s, 1, sheet_);
            sqlite3_bind_int64(s, 2, lastLine_);
        });
        raw_->rows("DELETE FROM transport_cheque WHERE \"TransportTripID\" = ? AND \"ID\" > ?", [this](sqlite3_stmt* s) {
            sqlite3_bind_int64(s, 1, sheet_);
            sqlite3_bind_int64(s, 2, lastCheque_);
        });
    }

    Desk(const Desk&) = delete;
    Desk& operator=(const Desk&) = delete;

    QString sheetId() const { return vx::oid::make(u"O4000100", sheet_); }
    qint64 sheet() const { return sheet_; }
    const Raw& raw() const { return *raw_; }
    shell::HostServices& services() { return *services_; }
    shell::DesktopTabs& desktop() { return dynamic_cast<shell::DesktopTabs&>(services_->Desktop()); }
    QTabWidget& tabs() { return *window_->desktopTabs(); }

private:
    // Copies the sheet's first route line and first cheque until it has
    // `sheetLines` lines and `sheetCheques` cheques.
    void lengthen()
    {
        session_->setAdministrationTool(true);
        copy(QStringLiteral("O4000200"), "SELECT MIN(\"ID\") FROM transport_trip_route WHERE \"TransportTripID\" = ?",
             sheetLines - raw_->number("SELECT COUNT(*) FROM transport_trip_route WHERE \"TransportTripID\" = ?", sheet_));
        copy(QStringLiteral("O4000300"),
             "SELECT MIN(\"ID\") FROM transport_cheque WHERE \"TransportTripID\" = ? AND COALESCE(\"GroupFlag\", 0) = 0",
             sheetCheques - raw_->number("SELECT COUNT(*) FROM transport_cheque WHERE \"TransportTripID\" = ? "
                                    "AND COALESCE(\"GroupFlag\", 0) = 0", sheet_));
        session_->setAdministrationTool(false);
    }

    void copy(const QString& typeId, const char* firstSql, long long count)
    {
        const vx::VxObjectUIOPtr first = session_->createEditor(typeId);
        first->setOIDR(vx::oid::make(typeId, raw_->number(firstSql, sheet_)));
        first->Read();
        const vx::RecordsetPtr from = first->Fields().recordset();
        for (long long i = 0; i < count; ++i) {
            const vx::VxObjectUIOPtr added = session_->createEditor(typeId);
            added->setOIDR(typeId);
            added->Read();
            for (const QString& name : from->fieldNames())
                if (name.compare(QLatin1String("ID"), Qt::CaseInsensitive) != 0
                    && name.compare(QLatin1String("OIDR"), Qt::CaseInsensitive) != 0 && added->Fields().contains(name))
                    added->Fields().setValue(name, from->value(name));
            const vx::Status saved = added->Save();
            if (saved.Code != 0) {
                std::fprintf(stderr, "Cannot add to the sheet: %s\n", qPrintable(saved.Message));
                std::exit(1);
            }
        }
    }

    std::unique_ptr<QTemporaryDir> demo_;
    QString path_;
    bo::SessionPtr session_;
    std::unique_ptr<Raw> raw_;
    qint64 sheet_ = 0, lastLine_ = 0, lastCheque_ = 0;
    shell::ModuleLoader loader_;
    std::shared_ptr<shell::ShellHostFactory> factory_;
    std::shared_ptr<shell::HostServices> services_;
    std::unique_ptr<shell::MainWindow> window_;
};

std::unique_ptr<Desk> desk;

Desk& theDesk()
{
    if (!desk)
        desk = std::make_unique<Desk>();
    return *desk;
}

int rowsOf(const vx::VxObjectUIOPtr& editor, const char* name)
{
    const vx::CallResult result = editor->Properties(QString::fromLatin1(name), QString());
    const auto rows = result.Value.value<vx::RecordsetPtr>();
    return rows ? rows->RecordCount() : -1;
}

void CardData(benchmark::State& state)
{
    Desk& d = theDesk();
    const QString id = d.sheetId();
    int lines = 0, cheques = 0;
    const auto bindSheet = [&d](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, d.sheet()); };
    compare(
        state,
        [&] {
            const vx::VxObjectUIOPtr editor = d.services().Objects().GetVxObject(id);
            benchmark::DoNotOptimize(editor->Fields().value(QStringLiteral("Name")));
            lines = rowsOf(editor, "GetTransportTripRoutes");
            cheques = rowsOf(editor, "GetTransportCheques");
            benchmark::DoNotOptimize(rowsOf(editor, "GetTransportTripNorms"));
        },
        [&] {
            d.raw().rows("SELECT * FROM transport_trip WHERE \"ID\" = ?", bindSheet);
            d.raw().rows("SELECT 'O4000200' || l.\"ID\", l.\"TransportRouteID\", l.\"Date\", r.\"Name\", l.\"Distance\", "
                         "l.\"Duration\", ft.\"Name\", n.\"Name\", l.\"FuelNormByDistance\", l.\"FuelNormByDuration\", "
                         "TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')), l.\"Note\", "
                         "ft.\"TransportFuelTankTypeID\" FROM transport_trip_route l "
                         "LEFT JOIN ref_route r ON r.\"ID\" = l.\"TransportRouteID\" "
                         "LEFT JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
                         "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
                         "LEFT JOIN employee e ON e.\"ID\" = l.\"UserID\" "
                         "WHERE l.\"TransportTripID\" = ? ORDER BY l.\"Date\", l.\"ID\"",
                         bindSheet);
            d.raw().rows("SELECT 'O4000300' || c.\"ID\", c.\"Date\", c.\"Name\", c.\"Code\", ft.\"TransportFuelTankTypeID\", "
                         "c.\"FuelAmount\", ft.\"Name\", f.\"Name\", c.\"SumCurr\", cur.\"Code\", cur.\"BaseCurrency\", "
                         "r.\"Rate\", c.\"CashFlag\" FROM transport_cheque c "
                         "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = c.\"TransportFuelTypeID\" "
                         "LEFT JOIN firm f ON f.\"ID\" = c.\"FirmID\" "
                         "LEFT JOIN currency cur ON cur.\"ID\" = c.\"CurrencyID\" "
                         "LEFT JOIN currency_rate r ON r.\"CurrencyID\" = c.\"CurrencyID\" AND r.\"Date\" = c.\"Date\" "
                         "WHERE c.\"TransportTripID\" = ? AND COALESCE(c.\"GroupFlag\", 0) = 0 ORDER BY c.\"Date\", c.\"ID\"",
                         bindSheet);
            d.raw().rows("SELECT ft.\"TransportFuelTankTypeID\", tt.\"Name\", n.\"Name\", l.\"Distance\", l.\"Duration\", "
                         "l.\"FuelNormByDistance\", l.\"FuelNormByDuration\", l.\"TransportFuelNormID\" "
                         "FROM transport_trip_route l "
                         "LEFT JOIN ref_fuel_norm n ON n.\"ID\" = l.\"TransportFuelNormID\" "
                         "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = n.\"TransportFuelTypeID\" "
                         "LEFT JOIN ref_fuel_tank_type tt ON tt.\"ID\" = ft.\"TransportFuelTankTypeID\" "
                         "WHERE l.\"TransportTripID\" = ? ORDER BY COALESCE(l.\"TransportFuelNormID\", 0), l.\"ID\"",
                         bindSheet);
        });
    if (lines != sheetLines || cheques != sheetCheques)
        state.SkipWithError("the sheet does not hold the lines and cheques the case is about");
    state.counters["lines"] = lines;
    state.counters["cheques"] = cheques;
}
BENCHMARK(CardData)->UseManualTime()->Unit(benchmark::kMillisecond);

// The card as the list's "open" puts it on the desktop, until it shows and
// its events are done; null when it did not open. Not inlined, so that a
// profiler can be told to count this alone.
[[gnu::noinline]] QWidget* openCard(Desk& d, vx::VxObjectUI& list, const QString& id)
{
    if (!list.AddToDeskTopVxObject(id))
        return nullptr;
    QWidget* card = d.tabs().currentWidget();
    while (!card->isVisible())
        QApplication::processEvents();
    QApplication::processEvents();
    return card;
}

// Each open is closed again outside the time, and left to settle.
void CardOpen(benchmark::State& state)
{
    Desk& d = theDesk();
    const QString id = d.sheetId();
    const vx::VxObjectUIPtr list = d.services().Objects().GetVxObjectUI(QStringLiteral("O4000100"));
    int lines = 0;
    double cpu = 0;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpuStart = cpuMs();
        QWidget* card = openCard(d, *list, id);
        cpu += cpuMs() - cpuStart;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!card) {
            state.SkipWithError("the card did not open");
            return;
        }
        const auto* routes = card->findChild<QTreeWidget*>(QStringLiteral("lvwRoutes"));
        lines = routes ? routes->topLevelItemCount() : -1;
        d.desktop().closeAll();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The tab bar slides its tabs together for a moment after a close;
        // the next open should not count that.
        QEventLoop settling;
        QTimer::singleShot(300, &settling, &QEventLoop::quit);
        settling.exec();
    }
    if (lines != sheetLines)
        state.SkipWithError("the card does not show the sheet's lines");
    state.counters["lines"] = lines;
    state.counters["cpu_ms"] = cpu / double(state.iterations());
}
BENCHMARK(CardOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    desk.reset();
    return 0;
}
