// The host's own cards on a real store, driven as a user does: firms,
// employees with their password and rights, currencies with their day rates,
// and a catalogue item's card made by the catalogues' editor.

#include "platform/bo/users.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/vx_grid_control.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"
#include "platform/shell/host_cards/currency_card.h"
#include "platform/shell/host_cards/employee_card.h"
#include "platform/shell/host_cards/record_form.h"
#include "platform/shell/login.h"
#include "platform/shell/object_card_dialog.h"
#include "platform/shell/object_list_model.h"
#include "tests/support/host_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLibrary>
#include <QTabWidget>
#include <QTreeView>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

class HostCards : public HostFixture {
protected:
    void prepare() override
    {
        session().setUserId(bo::users::find(session(), QStringLiteral("admin")).id);
        session().setErrorReporter([this](const QString& message) { reported << message; });
    }

    // "New" (1) on a bare type id, "open" (0) on a record, "delete" (4) on a record.
    vx::ClickResult click(const QString& id, const char* key)
    {
        return services->Objects().GetVxObjectUI(vx::oid::typeId(id))->ClickMenu(id, QString(), QLatin1String(key), QString());
    }
    vx::ClickResult click(const char* type, const char* key) { return click(QLatin1String(type), key); }

    // The card a click opened; the test owns it.
    template <class Card = shell::HostCard>
    std::unique_ptr<Card> opened(const vx::ClickResult& result)
    {
        EXPECT_EQ(result.Action, vx::ActionShowCard);
        auto* card = dynamic_cast<Card*>(result.Value.value<vx::CardRef>().widget.data());
        EXPECT_NE(card, nullptr);
        return std::unique_ptr<Card>(card);
    }

    // Types each text over what its field holds.
    static void type(shell::HostCard& card, std::initializer_list<std::pair<const char*, QString>> fields)
    {
        for (const auto& [field, text] : fields) {
            auto* edit = qobject_cast<QLineEdit*>(card.form()->fieldEditor(QLatin1String(field)));
            ASSERT_NE(edit, nullptr) << field;
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
    }

    template <class W>
    static W* control(QWidget& card, const char* name)
    {
        W* found = card.findChild<W*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QVariant stored(const char* table, const char* column, const QString& oidr)
    {
        return scalar(QStringLiteral("SELECT \"%1\" FROM %2 WHERE \"ID\" = ?").arg(QLatin1String(column), QLatin1String(table)),
                      {vx::oid::recordNumber(oidr)});
    }

    testhost::ScriptedMessages messages;
    QStringList reported;
};

TEST_F(HostCards, AFirmIsCreatedChangedAndDeletedFromItsList)
{
    auto card = opened(click("O0000100", "1"));
    ASSERT_TRUE(card);
    auto* write = control<QPushButton>(*card, "cmdWrite");
    EXPECT_FALSE(write->isEnabled());
    type(*card, {{"Name", QStringLiteral("UAB Kuras")}, {"Code", QStringLiteral("300100200")},
                 {"VatCode", QStringLiteral("LT100200300")}});
    EXPECT_TRUE(write->isEnabled());
    QTest::mouseClick(write, Qt::LeftButton);
    const QString firm = card->vxObjectUIO()->OIDR();
    ASSERT_TRUE(vx::oid::hasRecord(firm)) << card->errorText().toStdString();
    EXPECT_FALSE(card->isChanged());
    EXPECT_EQ(stored("firm", "VatCode", firm).toString(), QStringLiteral("LT100200300"));

    // Changing it again and closing without saving asks first; "No" keeps the card.
    auto again = opened(click(firm, "0"));
    type(*again, {{"Address", QStringLiteral("Kauno g. 1")}});
    messages.answer(QMessageBox::No);
    EXPECT_FALSE(again->QueryRemove());
    ASSERT_TRUE(again->write());
    EXPECT_EQ(stored("firm", "Address", firm).toString(), QStringLiteral("Kauno g. 1"));

    messages.answer(QMessageBox::Ok);
    EXPECT_EQ(click(firm, "4").Action, vx::ActionDeleted);
    EXPECT_FALSE(stored("firm", "ID", firm).isValid());
}

TEST_F(HostCards, ADeleteTheStoreRefusesKeepsTheRecordAndReportsTheReason)
{
    const QString driver = create("O0001401", {{"Name", QStringLiteral("Jonas")}});
    create("O4000100", {{"Name", QStringLiteral("KL-1")}, {"UserID", vx::oid::recordNumber(driver)}});
    messages.answer(QMessageBox::Ok);
    EXPECT_EQ(click(driver, "4").Action, vx::ActionNothing);
    EXPECT_TRUE(stored("employee", "ID", driver).isValid());
    EXPECT_EQ(reported, QStringList{QStringLiteral("Įrašo negalima panaikinti: jį naudoja „Kelionės lapai“ (1 įr.).")});
}

TEST_F(HostCards, ANewDriverWithAPasswordCanLogIn)
{
    auto card = opened<shell::EmployeeCard>(click("O0001401", "1"));
    ASSERT_TRUE(card);
    type(*card, {{"Name", QStringLiteral("Petras")}, {"Login", QStringLiteral("petras")}});
    qobject_cast<QCheckBox*>(card->form()->fieldEditor(QStringLiteral("DriverFlag")))->setChecked(true);
    QTest::keyClicks(control<QLineEdit>(*card, "txtPassword"), QStringLiteral("Ratas-7"));
    QTest::keyClicks(control<QLineEdit>(*card, "txtPasswordRepeat"), QStringLiteral("Ratas-8"));
    EXPECT_FALSE(card->write());
    EXPECT_EQ(card->errorText(), QStringLiteral("Slaptažodžiai nesutampa."));
    EXPECT_FALSE(vx::oid::hasRecord(card->vxObjectUIO()->OIDR()));

    control<QLineEdit>(*card, "txtPasswordRepeat")->clear();
    QTest::keyClicks(control<QLineEdit>(*card, "txtPasswordRepeat"), QStringLiteral("Ratas-7"));
    ASSERT_TRUE(card->write()) << card->errorText().toStdString();
    const QString employee = card->vxObjectUIO()->OIDR();
    EXPECT_EQ(stored("employee", "DriverFlag", employee).toInt(), 1);
    EXPECT_FALSE(stored("employee", "PasswordHash", employee).toString().contains(QLatin1String("Ratas")));

    auto other = bo::Session::open(store_->location());
    // A wrong password and an unknown name get the same answer.
    for (const QString& name : {QStringLiteral("petras"), QStringLiteral("nėra")})
        for (const QString& password : {QStringLiteral("Ratas-8"), QString()})
            EXPECT_EQ(shell::login::logIn(*other, name, password),
                      QStringLiteral("Neteisingas naudotojo vardas arba slaptažodis."));
    EXPECT_TRUE(shell::login::hasOpenAdmin(*other)) << "the first administrator has no password";
    EXPECT_EQ(shell::login::logIn(*other, QStringLiteral("admin"), QString()), QString());
    EXPECT_EQ(shell::login::logIn(*other, QStringLiteral("petras"), QStringLiteral("Ratas-7")), QString());
    EXPECT_EQ(other->userId(), vx::oid::recordNumber(employee));

    // Removing the password opens the account without one.
    QTest::mouseClick(control<QPushButton>(*card, "cmdClearPassword"), Qt::LeftButton);
    ASSERT_TRUE(card->write());
    EXPECT_EQ(shell::login::logIn(*other, QStringLiteral("petras"), QString()), QString());
}

TEST_F(HostCards, RightsTheAdministratorSetsAreWhatTheSecurityServiceAnswers)
{
    const QString clerk = create("O0001401", {{"Name", QStringLiteral("Ona")}, {"Login", QStringLiteral("ona")}});
    auto card = opened<shell::EmployeeCard>(click(clerk, "0"));
    ASSERT_TRUE(card && card->rightsTable());
    QTableWidget* rights = card->rightsTable();
    const QModelIndexList found =
        rights->model()->match(rights->model()->index(0, 0), Qt::UserRole, QStringLiteral("CFirms"), -1, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const int firms = found.first().row();
    rights->item(firms, 1)->setCheckState(Qt::Unchecked); // open
    rights->item(firms, 2)->setCheckState(Qt::Unchecked); // delete
    ASSERT_TRUE(card->write()) << card->errorText().toStdString();

    const qint64 admin = session().userId();
    session().setUserId(vx::oid::recordNumber(clerk));
    vx::VxSecurity& security = services->Security();
    const QString component = QStringLiteral("CFirms");
    EXPECT_EQ(QList<bool>({security.CanOpen(component), security.CanWrite(component), security.CanDelete(component),
                           security.CanOpen(QStringLiteral("CCurrencies"))}),
              QList<bool>({false, true, false, true}));
    const QString firm = create("O0000100", {{"Name", QStringLiteral("UAB Ratai")}});
    EXPECT_EQ(menuKeys(services->Objects().GetVxObjectUI(QStringLiteral("O0000100"))->GetMenu(firm, QString(), QString())),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

    // Another user cannot set this one's password, though he may change employees.
    auto others = opened<shell::EmployeeCard>(click(vx::oid::make(QStringLiteral("O0001401"), admin), "0"));
    EXPECT_FALSE(control<QLineEdit>(*others, "txtPassword")->isEnabled());
}

TEST_F(HostCards, ACardTheUserMayNotWriteKeepsItsSaveDisabledButHisOwnPasswordIsHis)
{
    const QStringList records = {
        create("O0000100", {{"Name", QStringLiteral("UAB Ratai")}}),
        create("O0001401", {{"Name", QStringLiteral("Ona")}}),
        create("O0201500", {{"Code", QStringLiteral("USD")}, {"Name", QStringLiteral("JAV doleris")}}),
    };
    const QString clerk = create("O0001401", {{"Name", QStringLiteral("Jonas")}, {"Login", QStringLiteral("jonas")}});
    QList<bo::ComponentRights> openOnly;
    for (const char* component : {"CFirms", "CEmployees", "CCurrencies"})
        openOnly.append({QLatin1String(component), *bo::Rights::fromDigits(QStringLiteral("1000"))});
    storeRights(session(), vx::oid::recordNumber(clerk), openOnly);
    session().setUserId(vx::oid::recordNumber(clerk));

    for (const QString& record : records) {
        SCOPED_TRACE(record.toStdString());
        auto card = opened(click(record, "0"));
        ASSERT_TRUE(card);
        type(*card, {{"Name", QStringLiteral("Pakeista")}});
        EXPECT_FALSE(control<QPushButton>(*card, "cmdWrite")->isEnabled());
        EXPECT_FALSE(card->write());
    }
    auto own = opened<shell::EmployeeCard>(click(clerk, "0"));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->rightsTable(), nullptr) << "only the administrator sees the rights";
    EXPECT_TRUE(qobject_cast<QLineEdit*>(own->form()->fieldEditor(QStringLiteral("Login")))->isReadOnly());
    QTest::keyClicks(control<QLineEdit>(*own, "txtPassword"), QStringLiteral("Ratas-7"));
    QTest::keyClicks(control<QLineEdit>(*own, "txtPasswordRepeat"), QStringLiteral("Ratas-7"));
    EXPECT_TRUE(control<QPushButton>(*own, "cmdWrite")->isEnabled());
    ASSERT_TRUE(own->write()) << own->errorText().toStdString();
    EXPECT_EQ(shell::login::logIn(session(), QStringLiteral("jonas"), QStringLiteral("Ratas-7")), QString());
}

TEST_F(HostCards, ACurrencyKeepsItsDayRates)
{
    auto card = opened<shell::CurrencyCard>(click("O0201500", "1"));
    ASSERT_TRUE(card);
    auto* newRate = control<QPushButton>(*card, "cmdRateNew");
    EXPECT_FALSE(newRate->isEnabled()); // rates need a saved currency
    type(*card, {{"Code", QStringLiteral("USD")}, {"Name", QStringLiteral("JAV doleris")}});
    ASSERT_TRUE(card->write()) << card->errorText().toStdString();
    ASSERT_TRUE(newRate->isEnabled());

    testhost::ScriptedDialogs dialogs;
    for (const QString& rate : {QStringLiteral("1,0845"), QStringLiteral("1,1")})
        dialogs.play([rate](QDialog& dialog) {
            auto& card = dynamic_cast<shell::ObjectCardDialog&>(dialog);
            qobject_cast<QLineEdit*>(card.fieldEditor(QStringLiteral("Rate")))->setText(rate);
            card.accept();
        });
    QTest::mouseClick(newRate, Qt::LeftButton);
    ASSERT_EQ(card->ratesList()->topLevelItemCount(), 1);
    EXPECT_EQ(card->ratesList()->topLevelItem(0)->text(1), QStringLiteral("1,0845"));
    EXPECT_EQ(rowText(rows("CurrencyList", QStringLiteral("'2026.11.16'")), {"Code", "Rate"}, 0), QStringLiteral("USD|1.0845"));

    card->ratesList()->setCurrentItem(card->ratesList()->topLevelItem(0));
    card->editRate();
    EXPECT_EQ(card->ratesList()->topLevelItem(0)->text(1), QStringLiteral("1,1"));

    messages.answer(QMessageBox::Ok);
    QTest::keyClick(card->ratesList(), Qt::Key_Delete);
    EXPECT_EQ(card->ratesList()->topLevelItemCount(), 0);
}

// The module keeps the first host services it is given for the rest of the
// process; each test here gives it its own, as a fresh start of the program does.
void forgetModuleServices()
{
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/libkelmira.so"));
    if (auto forget = reinterpret_cast<void (*)()>(module.resolve("_ZN6module14forgetServicesEv")))
        forget();
}

// The main window with the module loaded, as a user meets the host's lists and catalogue cards.
class HostCardsInWindow : public HostCards {
protected:
    void prepare() override
    {
        HostCards::prepare();
        forgetModuleServices();
        openModuleWindow();
    }

    void TearDown() override
    {
        window.reset();
        forgetModuleServices();
        HostCards::TearDown();
    }
};

TEST_F(HostCardsInWindow, EmployeesAreListedFromTheSystemMenuAndDeletedWithTheDeleteKey)
{
    const QString driver = create("O0001401", {{"Name", QStringLiteral("Jonas")}});
    ASSERT_TRUE(window->showHostList(QStringLiteral("O0001401")));
    const QModelIndex row = window->listModel()->indexOfKey(driver);
    ASSERT_TRUE(row.isValid());
    QTreeView* list = window->objectList();
    list->setCurrentIndex(static_cast<QSortFilterProxyModel*>(list->model())->mapFromSource(row));
    messages.answer(QMessageBox::Ok);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(messages.messages.value(0).text, QStringLiteral("Ar tikrai norite panaikinti?"));
    EXPECT_FALSE(window->listModel()->indexOfKey(driver).isValid());

    QTest::keyClick(list, Qt::Key_Insert);
    ASSERT_EQ(window->desktopTabs()->count(), 2);
    EXPECT_NE(dynamic_cast<shell::EmployeeCard*>(window->desktopTabs()->widget(1)), nullptr);
}

TEST_F(HostCardsInWindow, ACatalogueItemOpensInTheCardItsOwnEditorAsksTheHostForAndIsEditedThere)
{
    const QString fuel = create("O4000602", {{"Name", QStringLiteral("Benzinas")}});
    ASSERT_TRUE(window->selectNode(QStringLiteral("CTransportReferences")));
    window->runMenuItem(fuel, QStringLiteral("0"));
    ASSERT_EQ(window->desktopTabs()->count(), 2);
    auto* card = dynamic_cast<shell::HostCard*>(window->desktopTabs()->widget(1));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(std::pair(card->vxObjectUIO()->className(), card->vxObjectUIO()->OIDR()), std::pair(QStringLiteral("UIO4000600"), fuel));

    ASSERT_TRUE(card->grid()) << "a catalogue item's fields are shown in the property grid";
    EXPECT_EQ(control<QLineEdit>(*card->grid(), "txtName")->text(), QStringLiteral("Benzinas"));
    auto* code = control<QLineEdit>(*card->grid(), "txtCode");
    EXPECT_FALSE(card->isChanged());
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("B"));
    EXPECT_TRUE(card->isChanged());
    ASSERT_TRUE(card->write()) << card->errorText().toStdString();
    EXPECT_FALSE(card->isChanged());
    EXPECT_EQ(stored("ref_fuel_type", "Code", fuel).toString(), QStringLiteral("B"));
}

} // namespace
