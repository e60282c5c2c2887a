// A PostgreSQL server restarted under an open session: the action that meets
// the closed connection is told so, the next one connects again by itself,
// and a save that failed keeps its edits. The test owns its server.

#include "platform/bo/session.h"
#include "platform/contract/object_id.h"
#include "platform/shell/catalogue_controller.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/store_fixture.h"

#include <QProcess>
#include <QTemporaryDir>

#include <functional>

namespace {

class PgConnectionLost : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server("start"))
            GTEST_SKIP() << "the private PostgreSQL server did not start";
        qputenv("KELMIRA_PG_SERVER_DIR", state.path().toLocal8Bit());
        setTestsRunOnPostgres(true);
        QString reason;
        store = TestStore::create(&reason);
        if (!store)
            GTEST_SKIP() << reason.toStdString();
        session = std::make_shared<bo::Session>(store->open());
        session->setAdministrationTool(true);
    }

    void TearDown() override
    {
        session.reset();
        store.reset();
        server("stop");
    }

    bool server(const char* action)
    {
        QProcess script;
        script.start(QStringLiteral("bash"), {QStringLiteral(KELMIRA_PG_SERVER_SCRIPT), QString::fromLatin1(action), state.path()});
        return script.waitForFinished(120000) && script.exitCode() == 0 &&
               (qstrcmp(action, "start") != 0 || QFile::exists(state.filePath(QStringLiteral("url"))));
    }

    QTemporaryDir state;
    std::unique_ptr<TestStore> store;
    bo::SessionPtr session;
};

TEST_F(PgConnectionLost, TheActionAfterARestartIsToldSoAndTheNextOneConnectsAgain)
{
    const QString firm = createRecord(*session, QStringLiteral("O0000100"), fieldMap({{"Name", QStringLiteral("UAB Pirmoji")}}));
    const vx::VxObjectUIOPtr card = session->createEditor(QStringLiteral("O0000100"));
    card->setOIDR(firm);
    ASSERT_EQ(card->Read().Code, 0);

    const struct { const char* action; std::function<vx::Status()> run; } cases[] = {
        {"read", [&] { return card->Read(); }},
        {"named call",
         [&] {
             const vx::CallResult r = session->call(QStringLiteral("GetAutoNumberSettings"), QStringLiteral("None"));
             return vx::Status{r.Code, r.Message};
         }},
        {"save", [&] {
             card->Fields().setValue(QStringLiteral("Name"), QStringLiteral("UAB Pakeista"));
             return card->Save();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        ASSERT_TRUE(server("restart"));
        const vx::Status lost = c.run();
        // A read the store could not make is no missing record: lists show the reason, not "deleted".
        EXPECT_NE(lost.Code, qstrcmp(c.action, "read") == 0 ? 1 : 0);
        EXPECT_NE(lost.Code, 0);
        EXPECT_TRUE(lost.Message.endsWith(bo::Database::connectionLostMessage())) << lost.Message.toStdString();
        EXPECT_EQ(card->Fields().value(QStringLiteral("Name")).toString(),
                  QString::fromUtf8(qstrcmp(c.action, "save") == 0 ? "UAB Pakeista" : "UAB Pirmoji"))
            << "a failed save keeps the card's edits";
        const vx::Status again = c.run();
        EXPECT_EQ(again.Code, 0) << again.Message.toStdString();
    }
    card->Read();
    EXPECT_EQ(card->Fields().value(QStringLiteral("Name")).toString(), QStringLiteral("UAB Pakeista"));
}

// The host's catalogue meets the closed connection when it opens an item: it
// says so rather than calling the item deleted, and the next read works.
TEST_F(PgConnectionLost, TheCatalogueTellsTheLostConnectionNotADeletedItem)
{
    const QString route = createRecord(*session, QStringLiteral("O4000601"), fieldMap({{"Name", QStringLiteral("Vilnius – Kaunas")}}));
    shell::CatalogueController catalogue(session);
    testhost::ScriptedMessages shown;
    ASSERT_TRUE(server("restart"));
    catalogue.ClickMenu(route, QString(), QStringLiteral("0"), QString());
    ASSERT_EQ(shown.messages.size(), 1);
    EXPECT_TRUE(shown.messages.first().text.endsWith(bo::Database::connectionLostMessage()))
        << shown.messages.first().text.toStdString();
    EXPECT_TRUE(catalogue.GetVxObject(route)) << "the next read connects again";
}

} // namespace
