// Several users creating trip sheets at the same moment on one store, each in
// a process of their own with their own connection, repeated numbers not
// allowed: every stored sheet has a number of its own, every refusal says
// "Dokumento numeris kartojasi!", and the counters restart with each day,
// month, quarter or year of the sheet date. Runs on SQLite and, labelled pg,
// on PostgreSQL.

#include "platform/bo/session_store.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

const QString refusal = QStringLiteral("Dokumento numeris kartojasi!");
constexpr int workers = 4;
constexpr int sheetsPerDate = 3;
// Dates on both sides of a day, month, quarter and year boundary.
const QList<QDate> dates = {QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 3, 31),
                            QDate(2026, 4, 1),   QDate(2026, 4, 2), QDate(2026, 6, 30)};

// The counter period a date falls in, by cycle (0 day, 1 month, 2 quarter, 3 year).
QString periodOf(const QDate& date, int cycle)
{
    switch (cycle) {
    case 0:
        return date.toString(Qt::ISODate);
    case 1:
        return date.toString(QStringLiteral("yyyy-MM"));
    case 2:
        return QStringLiteral("%1-Q%2").arg(date.year()).arg((date.month() - 1) / 3 + 1);
    default:
        return QString::number(date.year());
    }
}

QDate dateOf(const QVariant& stored)
{
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime().date();
    return vx::dates::readDate(stored.toString().left(10)).value_or(QDate());
}

struct Counts { int saved = 0, refusedByCheck = 0, refusedByStore = 0; QStringList otherLines; };

// Starts the workers together and collects what they wrote.
Counts race(const QString& location, const QList<qint64>& users)
{
    QTemporaryDir scratch;
    const QString go = scratch.filePath(QStringLiteral("go"));
    QStringList dateTexts;
    for (const QDate& date : dates)
        dateTexts << vx::dates::toText(date);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/numbering_race_worker");
    std::vector<std::unique_ptr<QProcess>> processes;
    for (qsizetype w = 0; w < users.size(); ++w) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, {location, QString::number(users.at(w)), scratch.filePath(QStringLiteral("worker%1").arg(w)),
                                 go, QString::number(sheetsPerDate), dateTexts.join(QLatin1Char(','))});
        EXPECT_TRUE(process->waitForStarted(30000)) << program.toStdString();
        processes.push_back(std::move(process));
    }
    QElapsedTimer waited;
    waited.start();
    for (qsizetype w = 0; w < users.size(); ++w)
        while (!QFile::exists(scratch.filePath(QStringLiteral("worker%1.ready").arg(w))) && waited.elapsed() < 60000 &&
               processes[size_t(w)]->state() == QProcess::Running)
            QThread::msleep(5);
    QFile goFile(go);
    EXPECT_TRUE(goFile.open(QIODevice::WriteOnly));
    goFile.close();

    Counts counts;
    for (qsizetype w = 0; w < users.size(); ++w) {
        QProcess& process = *processes[size_t(w)];
        EXPECT_TRUE(process.waitForFinished(300000)) << "worker " << w;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "worker " << w;
        EXPECT_EQ(process.exitCode(), 0) << "worker " << w;
        QFile results(scratch.filePath(QStringLiteral("worker%1").arg(w)));
        EXPECT_TRUE(results.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& line : QString::fromUtf8(results.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString kind = line.section(QLatin1Char('\t'), 0, 0);
            const QString rest = line.section(QLatin1Char('\t'), 1);
            if (kind == QLatin1String("saved"))
                ++counts.saved;
            else if (kind == QLatin1String("checked") && rest == refusal)
                ++counts.refusedByCheck;
            else if (kind == QLatin1String("refused") && rest == refusal)
                ++counts.refusedByStore;
            else
                counts.otherLines << line;
        }
    }
    return counts;
}

TEST(BoNumberingRace, SheetsCreatedAtOnceGetNumbersOfTheirOwnThatRestartEachPeriod)
{
    Counts total;
    for (int cycle = 0; cycle <= 3; ++cycle) {
        QString reason;
        const std::unique_ptr<TestStore> store = TestStore::create(&reason);
        if (!store)
            GTEST_SKIP() << reason.toStdString();
        auto session = std::make_shared<bo::Session>(store->open());
        const vx::CallResult settings = session->call(
            QStringLiteral("AddUpdateAutoNumber"), QStringLiteral("0,'Prefix_Date_AutoNumber','KL',%1,1,'000',0,0").arg(cycle));
        ASSERT_EQ(settings.Code, 0) << settings.Message.toStdString();
        QList<qint64> users;
        for (int w = 0; w < workers; ++w)
            users << vx::oid::recordNumber(createRecord(*session, QStringLiteral("O0001401"),
                                                        {{QStringLiteral("Name"), QStringLiteral("Vairuotojas %1").arg(w)}}));

        const Counts counts = race(store->location(), users);
        const int expected = workers * sheetsPerDate * int(dates.size());
        EXPECT_EQ(counts.saved, expected) << "cycle " << cycle;
        EXPECT_TRUE(counts.otherLines.isEmpty()) << counts.otherLines.join(QLatin1Char('\n')).toStdString();

        const bo::Rows rows =
            bo::storeOf(*session).query(QStringLiteral("SELECT \"Name\", \"Date\", \"AutoNumber\" FROM transport_trip"));
        ASSERT_EQ(rows.size(), expected) << "cycle " << cycle;
        QSet<QString> names;
        QMap<QString, QList<int>> counters; // period -> the counters stored in it
        for (const QVariantList& row : rows.values) {
            const QString name = row.at(0).toString();
            const QDate date = dateOf(row.at(1));
            const int counter = row.at(2).toInt();
            names.insert(name);
            counters[periodOf(date, cycle)] << counter;
            EXPECT_EQ(name, QStringLiteral("KL-%1-%2").arg(date.toString(QStringLiteral("yyMMdd"))).arg(counter, 3, 10, QLatin1Char('0')))
                << "the counter stored is the one in the number";
        }
        EXPECT_EQ(names.size(), expected) << "cycle " << cycle << ": every number stored once";
        // Two sheets of different days may take the same counter of a longer
        // period at once (their numbers differ by the date); the counters
        // still start at 1 in every period and leave no gap.
        int shared = 0;
        for (auto period = counters.begin(); period != counters.end(); ++period) {
            QList<int> got = period.value();
            std::sort(got.begin(), got.end());
            const qsizetype all = got.size();
            got.erase(std::unique(got.begin(), got.end()), got.end());
            shared += int(all - got.size());
            QList<int> from1(got.size());
            std::iota(from1.begin(), from1.end(), 1);
            EXPECT_EQ(got, from1) << "cycle " << cycle << " period " << period.key().toStdString()
                                  << ": the counter starts at 1 and leaves no gap";
        }
        if (cycle == 0) {
            EXPECT_EQ(shared, 0) << "a day's counter is never shared";
        }
        total.refusedByCheck += counts.refusedByCheck;
        total.refusedByStore += counts.refusedByStore;
    }
    EXPECT_GT(total.refusedByCheck + total.refusedByStore, 0) << "the workers never met on one number";
}

} // namespace
