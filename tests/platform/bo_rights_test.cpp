// Rights held by the business-object layer itself, whatever window or tool
// calls it: saves, deletes, logins, passwords and the administrator's right.

#include "platform/bo/access.h"
#include "platform/bo/session_store.h"
#include "platform/bo/users.h"
#include "platform/contract/object_id.h"
#include "tests/support/store_fixture.h"

namespace {

class BoRights : public StoreFixture {
protected:
    void prepare() override
    {
        admin = bo::users::find(session(), QStringLiteral("admin")).id;
        session().setUserId(admin);
    }

    // A new user holding `digits` on each component, signed in.
    qint64 signInClerk(const QStringList& components, const QString& digits, const QString& login = QStringLiteral("jonas"))
    {
        const qint64 clerk = createId("O0001401", {{"Name", QStringLiteral("Jonas")}, {"Login", login}});
        QList<bo::ComponentRights> rows;
        for (const QString& component : components)
            rows.append({component, *bo::Rights::fromDigits(digits)});
        bo::rights::save(session(), clerk, rows);
        session().setUserId(clerk);
        return clerk;
    }

    // Reads the record (a bare type id: a new one), sets the fields and saves it.
    vx::Status save(const QString& oidr, const QVariantMap& fields)
    {
        const vx::VxObjectUIOPtr editor = read(oidr);
        if (!editor)
            return {1, QStringLiteral("%1 cannot be read").arg(oidr)};
        for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
            editor->Fields().setValue(it.key(), it.value());
        return editor->Save();
    }

    QVariant stored(const QString& oidr, const QString& field)
    {
        const vx::VxObjectUIOPtr editor = read(oidr);
        return editor ? editor->Fields().value(field) : QVariant();
    }

    int count(const QString& typeId)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(bo::objectType(typeId)->table)).toInt();
    }

    static void expectRefused(const vx::Status& status, const char* what)
    {
        EXPECT_NE(status.Code, 0) << what;
        EXPECT_TRUE(status.Message.startsWith(QStringLiteral("Neturite teisės"))) << what << ": " << status.Message.toStdString();
    }

    qint64 admin = 0;
};

TEST_F(BoRights, AnOpenOnlyUserNeitherAddsNorChangesNorDeletes)
{
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("Volvo FH")}});
    const qint64 segment = createId("O4000601", {{"Name", QStringLiteral("Vilnius – Kaunas")}});
    const QVariantMap tripFields = fieldMap({{"TransportCarID", car}, {"Date", QDateTime(QDate(2026, 11, 2), QTime(0, 0))}});
    const qint64 trip = createId(QStringLiteral("O4000100"), tripFields);
    const QVariantMap lineFields = fieldMap({{"TransportTripID", trip}, {"TransportRouteID", segment}});
    // `changed`: a text field the change sets.
    struct Case { QString type; QString component; QVariantMap fields; QString changed; };
    const QList<Case> cases = {
        {QStringLiteral("O4000100"), QStringLiteral("CTransportTrips"), tripFields, QStringLiteral("Name")},
        // A trip sheet's route line is part of the sheet: any change needs its write right.
        {QStringLiteral("O4000200"), QStringLiteral("CTransportTrips"), lineFields, QStringLiteral("Note")},
        {QStringLiteral("O0000100"), QStringLiteral("CFirms"), {{QStringLiteral("Name"), QStringLiteral("UAB Ratai")}},
         QStringLiteral("Name")},
        {QStringLiteral("O0001401"), QStringLiteral("CEmployees"), {{QStringLiteral("Name"), QStringLiteral("Ona")}},
         QStringLiteral("Name")},
    };
    QStringList existing;
    for (const Case& c : cases)
        existing << create(c.type, c.fields);
    QStringList components;
    for (const Case& c : cases)
        components << c.component;
    signInClerk(components, QStringLiteral("1000"));

    for (int i = 0; i < cases.size(); ++i) {
        const Case& c = cases.at(i);
        SCOPED_TRACE(c.type.toStdString());
        const int before = count(c.type);
        expectRefused(save(c.type, c.fields), "new");
        expectRefused(save(existing.at(i), {{c.changed, QStringLiteral("Pakeista")}}), "change");
        EXPECT_NE(session().createList(c.type)->DeleteVxObject(existing.at(i)), 0);
        EXPECT_TRUE(session().lastError().startsWith(QStringLiteral("Neturite teisės trinti")) ||
                    session().lastError().startsWith(QStringLiteral("Neturite teisės keisti")))
            << session().lastError().toStdString();
        EXPECT_EQ(count(c.type), before);
        EXPECT_NE(stored(existing.at(i), c.changed).toString(), QStringLiteral("Pakeista"));
    }
}

TEST_F(BoRights, LoginsOtherUsersPasswordsAndRightsAreTheAdministratorsAlone)
{
    const QString adminCard = vx::oid::make(QStringLiteral("O0001401"), admin);
    const QString plain = create("O0001401", {{"Name", QStringLiteral("Ona")}});
    // Open-only rights, and full rights on employees: neither makes an administrator.
    for (const QString& digits : {QStringLiteral("1000"), QStringLiteral("1111")}) {
        SCOPED_TRACE(digits.toStdString());
        session().setUserId(admin);
        const QString login = QStringLiteral("jonas") + digits;
        const qint64 clerk = signInClerk({QStringLiteral("CEmployees"), QStringLiteral("CTransportTrips")}, digits, login);
        const QString ownCard = vx::oid::make(QStringLiteral("O0001401"), clerk);

        expectRefused(save(adminCard, {{QStringLiteral("Login"), QStringLiteral("senas")}}), "rename the administrator");
        expectRefused(save(ownCard, {{QStringLiteral("Login"), QStringLiteral("admin")}}), "take a login");
        expectRefused(save(plain, {{QStringLiteral("Login"), QStringLiteral("ona")}}), "give a login");
        expectRefused(save(adminCard, {{QStringLiteral("PasswordHash"), QStringLiteral("x")}}), "another's password");
        EXPECT_NE(session().createList(QStringLiteral("O0001401"))->DeleteVxObject(adminCard), 0);
        const QList<bo::ComponentRights> administrator{
            {bo::rights::administratorComponent, *bo::Rights::fromDigits(QStringLiteral("1111"))}};
        EXPECT_THROW(bo::rights::save(session(), clerk, administrator), bo::access::Refused);
        EXPECT_THROW(bo::users::put(session(), {QStringLiteral("admin"), QStringLiteral("x"), {}}), bo::access::Refused);

        EXPECT_FALSE(bo::users::isAdministrator(session()));
        EXPECT_EQ(bo::users::find(session(), QStringLiteral("admin")).id, admin);
        EXPECT_TRUE(bo::users::find(session(), QStringLiteral("admin")).passwordHash.isEmpty());
        EXPECT_TRUE(stored(plain, QStringLiteral("Login")).toString().isEmpty());

        // His own password is his to change, whatever his rights on employees; his name is not.
        EXPECT_EQ(save(ownCard, {{QStringLiteral("PasswordHash"), QStringLiteral("h1")}}).Code, 0);
        EXPECT_EQ(bo::users::find(session(), login).passwordHash, QStringLiteral("h1"));
        if (digits == QLatin1String("1000"))
            expectRefused(save(ownCard, {{QStringLiteral("Name"), QStringLiteral("Jonas Didysis")},
                                         {QStringLiteral("PasswordHash"), QStringLiteral("h2")}}),
                          "own name");
    }
}

TEST_F(BoRights, TheAdministratorIsWhoeverHoldsTheRightAndOneAlwaysRemains)
{
    const qint64 clerk = createId("O0001401", {{"Name", QStringLiteral("Jonas")}, {"Login", QStringLiteral("jonas")}});
    const auto administratorRight = [](const char* digits) {
        return QList<bo::ComponentRights>{{bo::rights::administratorComponent, *bo::Rights::fromDigits(QLatin1String(digits))}};
    };
    // The only administrator cannot give up his right.
    EXPECT_THROW(bo::rights::save(session(), admin, administratorRight("0000")), bo::access::Refused);
    bo::rights::save(session(), clerk, administratorRight("1000"));

    session().setUserId(clerk);
    EXPECT_TRUE(bo::users::isAdministrator(session()));
    // The login "admin" is a name like any other once another holds the right.
    EXPECT_EQ(save(vx::oid::make(QStringLiteral("O0001401"), admin), {{QStringLiteral("Login"), QStringLiteral("senas")}}).Code, 0);
    bo::rights::save(session(), admin, administratorRight("0000"));
    session().setUserId(admin);
    EXPECT_FALSE(bo::users::isAdministrator(session()));

    // The administration tool holds every right and saves as the first administrator.
    bo::users::actAsAdministrator(session());
    EXPECT_EQ(session().userId(), clerk);
    EXPECT_TRUE(bo::users::isAdministrator(session()));
}

} // namespace
