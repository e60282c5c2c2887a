// kelmiractl's record and user commands on a real store: what `put` writes
// `get` reads back in the same words, and refused commands write nothing.

#include "app/ctl_record_commands.h"
#include "platform/bo/session_store.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/object_id.h"
#include "platform/shell/passwords.h"
#include "tests/support/store_fixture.h"

#include <QMap>

namespace {

class BoCtlRecords : public StoreFixture {
protected:
    CommandRun put(const QString& oid, const QStringList& assignments)
    {
        return runCommand([&](QTextStream& out, QTextStream& err) { return ctl::putRecord(store_->location(), oid, assignments, out, err); });
    }
    CommandRun get(const QString& oid)
    {
        return runCommand([&](QTextStream& out, QTextStream& err) { return ctl::getRecord(store_->location(), oid, out, err); });
    }
    // The record's fields by name, as `get` prints them.
    QMap<QString, QString> fields(const QString& oid)
    {
        const CommandRun got = get(oid);
        EXPECT_EQ(got.code, 0) << got.err.toStdString();
        QMap<QString, QString> fields;
        for (const QString& line : got.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            fields.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1));
        return fields;
    }

    qint64 count(const QString& table)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
    }
};

TEST_F(BoCtlRecords, EveryFieldTypeAndNullComesBackAsWritten)
{
    struct Case { const char* field; const char* written; const char* read; };
    const Case cases[] = {
        {"Name", "Vilkikas \"Ąžuolas\"", "Vilkikas \"Ąžuolas\""}, // text
        {"InitialRun", "120500", "120500"},                           // integer
        {"CarLenth", "13.6", "13,6"},                                 // number with a point
        {"CarWidth", "2,55", "2,55"},                                 // number with a comma
        {"ChasisDate", "2024.03.01", "2024.03.01"},                   // date
        {"Comment", "NULL", "NULL"},                                  // null
    };
    QStringList assignments;
    for (const Case& c : cases)
        assignments << QStringLiteral("%1=%2").arg(QLatin1String(c.field), QString::fromUtf8(c.written));
    const CommandRun created = put(QStringLiteral("O4000400"), assignments);
    ASSERT_EQ(created.code, 0) << created.err.toStdString();
    const QString oid = created.out.trimmed();
    ASSERT_TRUE(oid.startsWith(QLatin1String("O4000400")) && oid.size() > 8) << oid.toStdString();

    const QMap<QString, QString> stored = fields(oid);
    for (const Case& c : cases)
        EXPECT_EQ(stored.value(QLatin1String(c.field)), QString::fromUtf8(c.read)) << c.field;

    // An update changes only what it names, and NULL clears a value.
    const CommandRun updated = put(oid, {QStringLiteral("ChasisDate=NULL"), QStringLiteral("Comment=Naujas")});
    ASSERT_EQ(updated.code, 0) << updated.err.toStdString();
    EXPECT_EQ(updated.out.trimmed(), oid);
    const QMap<QString, QString> after = fields(oid);
    EXPECT_EQ(QStringList({after.value(QStringLiteral("ChasisDate")), after.value(QStringLiteral("Comment")),
                           after.value(QStringLiteral("InitialRun"))}),
              QStringList({QStringLiteral("NULL"), QStringLiteral("Naujas"), QStringLiteral("120500")}));
}

TEST_F(BoCtlRecords, DateTimesKeepTheirTime)
{
    const CommandRun created = put(QStringLiteral("O4000100"), {QStringLiteral("Name=LAP 1"), QStringLiteral("Date=2025.01.31 08:15")});
    ASSERT_EQ(created.code, 0) << created.err.toStdString();
    EXPECT_EQ(fields(created.out.trimmed()).value(QStringLiteral("Date")), QStringLiteral("2025.01.31 08:15"));
}

TEST_F(BoCtlRecords, RefusedPutsWriteNothing)
{
    const QList<QPair<QString, QStringList>> refused = {
        {QStringLiteral("O4000400"), {QStringLiteral("Name=A"), QStringLiteral("NoSuchField=1")}},
        {QStringLiteral("O4000400"), {QStringLiteral("Name=A"), QStringLiteral("InitialRun=daug")}},
        {QStringLiteral("O4000400"), {QStringLiteral("Name=A"), QStringLiteral("ChasisDate=2024-13-01")}},
        {QStringLiteral("O4000400"), {QStringLiteral("Name")}},
        {QStringLiteral("O9999999"), {QStringLiteral("Name=A")}},
        {QStringLiteral("O40004009999"), {QStringLiteral("Name=A")}},
    };
    for (const auto& [oid, assignments] : refused) {
        const CommandRun run = put(oid, assignments);
        EXPECT_TRUE(run.code == 1 && !run.err.isEmpty() && run.out.isEmpty()) << assignments.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("transport_car")), 0);
}

// Ids that merely start like a stored record's name no record: reading and
// writing through them is refused, and a named call refuses them too.
TEST_F(BoCtlRecords, MalformedIdsNameNoRecord)
{
    const QString car = create("O4000400", {{"Name", QStringLiteral("Vilkikas")}});
    const QString number = QString::number(vx::oid::recordNumber(car));
    for (const QString& id : {car + QStringLiteral(" OR 1=1"), car + QStringLiteral("junk"), QLatin1Char(' ') + car,
                              QStringLiteral("O4000400-") + number, QStringLiteral("O4000400+") + number}) {
        SCOPED_TRACE(id.toStdString());
        const CommandRun got = get(id);
        EXPECT_TRUE(got.code == 1 && got.out.isEmpty());
        EXPECT_EQ(put(id, {QStringLiteral("Name=Kitas")}).code, 1);
        EXPECT_NE(call("DO4000400_GetVxObject", vx::arguments::quoted(id)).Code, 0);
    }
    EXPECT_EQ(count(QStringLiteral("transport_car")), 1);
    EXPECT_EQ(fields(car).value(QStringLiteral("Name")), QStringLiteral("Vilkikas"));
}

TEST_F(BoCtlRecords, UserGetsPasswordAndRightsInTheirColumns)
{
    bo::ComponentRights right;
    ASSERT_TRUE(ctl::readRights(QStringLiteral("CTransportTrips=1010"), &right));
    for (const char* bad : {"CTransportTrips=101", "CTransportTrips=1012", "=1111", "CTransportTrips"})
        EXPECT_FALSE(ctl::readRights(QString::fromLatin1(bad), &right)) << bad;
    ASSERT_TRUE(ctl::readRights(QStringLiteral("CTransportTrips=1010"), &right));

    QString text, errors;
    QTextStream out(&text), err(&errors);
    const QString password = QStringLiteral("slaptas");
    ASSERT_EQ(ctl::putUser(store_->location(), QStringLiteral("jonas"), &password, {right}, out, err), 0)
        << errors.toStdString();
    const bo::Rows user = bo::storeOf(session()).query(
        QStringLiteral("SELECT \"ID\", \"PasswordHash\" FROM employee WHERE \"Login\" = ?"), {QStringLiteral("jonas")});
    ASSERT_EQ(user.size(), 1);
    EXPECT_TRUE(shell::passwords::matches(password, user.at(0, QStringLiteral("PasswordHash")).toString()));
    // 1010 in the written order open, delete, write, new: CanOpen and CanWrite.
    const bo::Rows rights = bo::storeOf(session()).query(
        QStringLiteral("SELECT \"CanOpen\", \"CanWrite\", \"CanDelete\", \"CanAdd\" FROM user_right WHERE \"UserID\" = ?"),
        {user.at(0, QStringLiteral("ID"))});
    ASSERT_EQ(rights.size(), 1);
    QList<int> flags;
    for (const QVariant& flag : rights.values.at(0))
        flags << flag.toInt();
    EXPECT_EQ(flags, (QList<int>{1, 1, 0, 0}));
    // The layer reads them back as rights 1 to 4, the order of the digits.
    session().setUserId(user.at(0, QStringLiteral("ID")).toLongLong());
    QString granted;
    for (bo::Right r : {bo::Right::Open, bo::Right::Delete, bo::Right::Write, bo::Right::New})
        granted += bo::rights::granted(session(), QStringLiteral("CTransportTrips"), r) ? u'1' : u'0';
    EXPECT_EQ(granted, QStringLiteral("1010"));

    // A second run changes the same user and replaces the component's rights.
    ASSERT_TRUE(ctl::readRights(QStringLiteral("CTransportTrips=0101"), &right));
    ASSERT_EQ(ctl::putUser(store_->location(), QStringLiteral("jonas"), nullptr, {right}, out, err), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM employee WHERE \"Login\" = 'jonas'")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"CanDelete\" FROM user_right WHERE \"UserID\" = ?"),
                                    {user.at(0, QStringLiteral("ID"))}).toInt(),
              1);
}

} // namespace
