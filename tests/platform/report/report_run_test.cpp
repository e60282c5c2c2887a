// A report computed on a connection of its own on another thread: the same
// rows as in place, and a run stopped by the user gives none and leaves the
// store free for the next save.

#include "platform/bo/reports/report_run.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <thread>

namespace {

class BoReportRun : public StoreFixture {
protected:
    void prepare() override
    {
        const QString car = create(QStringLiteral("O4000400"), fieldMap({{"Name", QStringLiteral("Volvo")}}));
        create(QStringLiteral("O4000100"),
               fieldMap({{"TransportCarID", vx::oid::recordNumber(car)}, {"Date", QDateTime(QDate(2024, 5, 2), QTime(8, 0))},
                         {"DistanceRest", 100.0}, {"DistanceEnd", 130.0}, {"FuelRest1", 5.0}}));
    }

    // Runs the fuel balance on a thread of its own, stopping it first when asked.
    vx::CallResult runAside(bo::reports::StoppableRun& run, bool stopAtOnce)
    {
        vx::CallResult result;
        std::thread worker([&] { result = run.run(report, args); });
        if (stopAtOnce)
            run.stop();
        worker.join();
        return result;
    }

    const bo::reports::ReportDefinition& report = *bo::reports::findReport(QStringLiteral("FuelBalance"));
    const bo::reports::ReportArguments args{QDate(2024, 5, 1), QDate(2024, 5, 31), {}, {}, {}, {}, {}, 0};
};

TEST_F(BoReportRun, GivesTheRowsOfARunInPlaceOrNoneWhenStopped)
{
    const vx::CallResult inPlace = bo::reports::run(session(), report, args);
    ASSERT_EQ(inPlace.Code, 0) << inPlace.Message.toStdString();
    for (const bool stop : {false, true}) {
        const std::unique_ptr<bo::reports::StoppableRun> run = bo::reports::StoppableRun::prepare(session());
        ASSERT_TRUE(run);
        const vx::CallResult aside = runAside(*run, stop);
        EXPECT_EQ(run->stopped(), stop);
        if (stop) {
            EXPECT_NE(aside.Code, 0);
            EXPECT_FALSE(aside.Value.value<vx::RecordsetPtr>());
        } else {
            ASSERT_EQ(aside.Code, 0) << aside.Message.toStdString();
            EXPECT_EQ(bo::reports::csv(report, *aside.Value.value<vx::RecordsetPtr>()),
                      bo::reports::csv(report, *inPlace.Value.value<vx::RecordsetPtr>()));
        }
        // Nothing of the run holds the store: the next save goes through.
        create(QStringLiteral("O4000400"), fieldMap({{"Name", QStringLiteral("MAN")}}));
    }
}

TEST(ReportRun, APrivateInMemoryStoreIsComputedInPlace)
{
    const bo::SessionPtr memory = bo::Session::open(QStringLiteral(":memory:"));
    EXPECT_FALSE(bo::reports::StoppableRun::prepare(*memory));
}

} // namespace
