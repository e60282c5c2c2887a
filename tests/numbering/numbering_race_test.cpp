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
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int workers = 4;
constexpr int sheetsPerDate = 3;
// Dates on both sides of a day, month, quarter and year boundary.
const QList<QDate> dates = {QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 3, 31),
                            QDate(2026, 4, 1),   QDate(2026, 4, 2), QDate(2026, 6, 30)};

// The counter period a date falls in, by cycle (0 day, 1 month, 2 quarter, 3 year).
QString periodOf(const QDate& date, int cycle)
{
    const QString quarter = QStringLiteral("%1-Q%2").arg(date.year()).arg((date.month() - 1) / 3 + 1);
    const QString periods[] = {date.toString(Qt::ISODate), date.toString(QStringLiteral("yyyy-MM")), quarter,
                               QString::number(date.year())};
    return periods[cycle];
}

// Starts the workers together; every line they printed, and how often each kind came.
QMap<QString, int> race(const QString& location, const QList<qint64>& users, QStringList* others)
{
    QTemporaryDir scratch;
    const QString go = scratch.filePath(QStringLiteral("go"));
    QStringList dateTexts;
    for (const QDate& date : dates)
        dateTexts << vx::dates::toText(date);
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const qint64 user : users) {
        processes.push_back(std::make_unique<QProcess>());
        QProcess& process = *processes.back();
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/numbering_race_worker"),
                      {location, QString::number(user), go, QString::number(sheetsPerDate), dateTexts.join(u',')});
        EXPECT_TRUE(process.waitForReadyRead(60000) && process.readLine() == "ready\n") << "worker " << user;
    }
    QFile(go).open(QIODevice::WriteOnly);

    QMap<QString, int> kinds;
    for (const auto& process : processes) {
        EXPECT_TRUE(process->waitForFinished(300000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 0);
        for (const QString& line : QString::fromUtf8(process->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QString kind = line.section(u'\t', 0, 0);
            if (kind == QLatin1String("saved") || line.section(u'\t', 1) == QStringLiteral("Dokumento numeris kartojasi!"))
                ++kinds[kind];
            else
                *others << line;
        }
    }
    return kinds;
}

TEST(BoNumberingRace, SheetsCreatedAtOnceGetNumbersOfTheirOwnThatRestartEachPeriod)
{
    int refusals = 0;
    for (int cycle = 0; cycle <= 3; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
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
                                                        fieldMap({{"Name", QStringLiteral("Vairuotojas %1").arg(w)}})));

        QStringList others;
        const QMap<QString, int> kinds = race(store->location(), users, &others);
        const int expected = workers * sheetsPerDate * int(dates.size());
        EXPECT_EQ(kinds.value(QStringLiteral("saved")), expected);
        EXPECT_TRUE(others.isEmpty()) << others.join(u'\n').toStdString();
        refusals += kinds.value(QStringLiteral("checked")) + kinds.value(QStringLiteral("refused"));

        const bo::Rows rows =
            bo::storeOf(*session).query(QStringLiteral("SELECT \"Name\", \"Date\", \"AutoNumber\" FROM transport_trip"));
        ASSERT_EQ(rows.size(), expected);
        QSet<QString> names;
        QMap<QString, QList<int>> counters; // period -> the counters stored in it
        for (const QVariantList& row : rows.values) {
            const QVariant stored = row.at(1);
            const QDate date = stored.typeId() == QMetaType::QDateTime
                                   ? stored.toDateTime().date()
                                   : vx::dates::readDate(stored.toString().left(10)).value_or(QDate());
            names.insert(row.at(0).toString());
            counters[periodOf(date, cycle)] << row.at(2).toInt();
            const QString counter = QStringLiteral("%1").arg(row.at(2).toInt(), 3, 10, QLatin1Char('0'));
            EXPECT_EQ(row.at(0).toString(), QStringLiteral("KL-%1-%2").arg(date.toString(QStringLiteral("yyMMdd")), counter))
                << "the counter stored is the one in the number";
        }
        EXPECT_EQ(names.size(), expected) << "every number stored once";
        // Two sheets of different days may take the same counter of a longer
        // period at once (their numbers differ by the date); the counters
        // still start at 1 in every period and leave no gap.
        qsizetype shared = 0;
        for (auto period = counters.begin(); period != counters.end(); ++period) {
            const QSet<int> distinct(period->begin(), period->end());
            shared += period->size() - distinct.size();
            const auto [least, most] = std::minmax_element(period->begin(), period->end());
            EXPECT_TRUE(*least == 1 && *most == distinct.size())
                << period.key().toStdString() << ": the counter starts at 1 and leaves no gap";
        }
        if (cycle == 0) {
            EXPECT_EQ(shared, 0) << "a day's counter is never shared";
        }
    }
    EXPECT_GT(refusals, 0) << "the workers never met on one number";
}

} // namespace
