// The shared routines that reach the host: message boxes, deletion, access
// rights, object names and selection, the modal object card, the currency list
// and the user's number prefix, against the in-memory host.

#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/host_factory.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_host.h"
#include "tests/support/test_selector.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class CatalogueHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        module::forgetServices();
        module::adoptServices(host);
    }
    void TearDown() override
    {
        module::forgetServices();
        vx::setHostFactory(nullptr);
    }

    // A text box already showing another object.
    void showOther(QLineEdit& box)
    {
        box.setText(QStringLiteral("Kitas"));
        Catalogue::SetTag(&box, QStringLiteral("O4000400777"));
    }

    std::shared_ptr<testhost::TestHost> host = std::make_shared<testhost::TestHost>();
    QStringList& log = host->log;
    testhost::ScriptedMessages messages;
};

TEST_F(CatalogueHost, MessageBoxesCarryTitleIconAndButtons)
{
    Catalogue::ShowError(QStringLiteral("Klaida"));
    Catalogue::ShowError(QStringLiteral("Nepavyko"), QStringLiteral("Larvendo"));
    Catalogue::AskYesNo(QStringLiteral("Tęsti?"));
    Catalogue::AskCloseWithoutSaving(QStringLiteral("Pakeistas numeris."));

    const QString product = QStringLiteral("Kelmira bandymai");
    ASSERT_EQ(messages.messages.size(), 4);
    const auto& m = messages.messages;
    EXPECT_EQ(m[0].text, QStringLiteral("Klaida"));
    EXPECT_EQ(m[0].title, product);
    EXPECT_EQ(m[0].icon, QMessageBox::Critical);
    EXPECT_EQ(m[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(m[1].title, QStringLiteral("Larvendo"));
    EXPECT_EQ(m[2].text, text("Tęsti?"));
    EXPECT_EQ(m[2].title, product);
    EXPECT_EQ(m[2].icon, QMessageBox::Question);
    EXPECT_EQ(m[2].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(m[3].text, text("Pakeistas numeris.\r\n\r\nUždaryti be išsaugojimo?"));
    EXPECT_EQ(m[3].title, product);
    EXPECT_EQ(m[3].icon, QMessageBox::Warning);
    EXPECT_EQ(m[3].buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(CatalogueHost, OnlyYesIsYes)
{
    for (auto answer : {QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton, QMessageBox::Ok}) {
        messages.answer(answer);
        messages.answer(answer);
        EXPECT_EQ(Catalogue::AskYesNo(QStringLiteral("?")), answer == QMessageBox::Yes);
        EXPECT_EQ(Catalogue::AskCloseWithoutSaving(QString()), answer == QMessageBox::Yes);
    }
}

TEST_F(CatalogueHost, WithoutServicesTheTitleIsEmpty)
{
    module::forgetServices();
    Catalogue::ShowError(QStringLiteral("Klaida"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QString());
}

TEST_F(CatalogueHost, DeletingAskedAndConfirmedDeletesAndClosesTheObject)
{
    host->objects.store.addList(QStringLiteral("O4000400"));
    const auto car = host->objects.store.addEditor(QStringLiteral("O4000400123"), text("VW Golf ĄBC123"));
    messages.answer(QMessageBox::Yes);

    EXPECT_TRUE(Catalogue::DeleteWithConfirmation(car));

    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, text("Ar tikrai norite panaikinti?\r\n\r\nVW Golf ĄBC123"));
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Kelmira bandymai"));
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(log, (QStringList{QStringLiteral("Objects.GetVxObjectUI(O4000400)"),
                                QStringLiteral("O4000400.DeleteVxObject(O4000400123)"),
                                QStringLiteral("Desktop.RemoveVxObject(O4000400123)")}));
    EXPECT_FALSE(host->objects.store.editor(QStringLiteral("O4000400123")));
}

TEST_F(CatalogueHost, DeletingDeclinedOrRefusedLeavesTheDesktopAlone)
{
    host->objects.store.addList(QStringLiteral("O4000400"));
    const auto car = host->objects.store.addEditor(QStringLiteral("O4000400123"), QStringLiteral("VW Golf"));
    messages.answer(QMessageBox::No);
    EXPECT_FALSE(Catalogue::DeleteWithConfirmation(car));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(host->objects.store.editor(QStringLiteral("O4000400123")));

    // The list controller refuses an object it does not hold.
    const auto stranger = std::make_shared<testhost::MemoryEditor>(
        QStringLiteral("O4000400"), QStringLiteral("O4000400555"), QStringLiteral("Nėra"), nullptr);
    messages.answer(QMessageBox::Yes);
    EXPECT_FALSE(Catalogue::DeleteWithConfirmation(stranger));
    EXPECT_EQ(log, (QStringList{QStringLiteral("Objects.GetVxObjectUI(O4000400)"),
                                QStringLiteral("O4000400.DeleteVxObject(O4000400555)")}));
}

TEST_F(CatalogueHost, AccessRightsAreAskedFirstThirdSecondFourth)
{
    const QString key = QStringLiteral("CTransportCars");
    struct Case {
        bool open, write, remove, add; // granted, in the service's slot order
        int right;                     // the one right that must come out
    };
    for (const Case c : {Case{true, false, false, false, 1}, Case{false, false, true, false, 2},
                         Case{false, true, false, false, 3}, Case{false, false, false, true, 4}}) {
        host->security.grant(key, c.open, c.write, c.remove, c.add);
        const Catalogue::AccessRights rights = Catalogue::GetAccess(key);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(rights.right(n), n == c.right) << "granted right " << c.right << ", asked " << n;
    }
    EXPECT_EQ(log.mid(0, 4), (QStringList{QStringLiteral("Security.CanOpen(CTransportCars, 0)"),
                                          QStringLiteral("Security.CanDelete(CTransportCars, 0)"),
                                          QStringLiteral("Security.CanWrite(CTransportCars, 0)"),
                                          QStringLiteral("Security.CanAdd(CTransportCars, 0)")}));

    const Catalogue::AccessRights none = Catalogue::GetAccess(QStringLiteral("CTransportTyres"));
    EXPECT_FALSE(none.Open || none.Delete || none.Write || none.New);
}

TEST_F(CatalogueHost, ObjectNameShowsPreviewAndKeepsTheIdAsTag)
{
    host->objects.store.addEditor(QStringLiteral("O0001401007"), text("Jonas Petraitis"));
    QLineEdit box;
    showOther(box);

    Catalogue::ShowObjectName(QStringLiteral("O0001401007"), &box);
    EXPECT_EQ(box.text(), text("Jonas Petraitis"));
    EXPECT_EQ(Catalogue::TagOf(&box), QStringLiteral("O0001401007"));

    Catalogue::ShowObjectName(QStringLiteral("O0001401999"), &box);
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(Catalogue::TagOf(&box), QString());
}

TEST_F(CatalogueHost, ObjectNameOfATypeIdClearsWithoutAskingTheHost)
{
    host->objects.store.addEditor(QStringLiteral("O0001401"), QStringLiteral("Naujas darbuotojas"));
    QLineEdit box;
    showOther(box);
    Catalogue::ShowObjectName(QStringLiteral("O0001401"), &box);
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(Catalogue::TagOf(&box), QString());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(CatalogueHost, SelectObjectTakesTheIdFromTheSelectedKey)
{
    auto factory = std::make_shared<testhost::SelectorFactory>();
    vx::setHostFactory(factory);
    testhost::SelectorScript& user = *factory->script;
    struct Case {
        bool choose;
        const char* key;
        bool withBox;
        const char* result;
        const char* boxText; // what the box shows afterwards
        const char* boxTag;
    };
    const Case cases[] = {
        {true, "O0001401007", true, "O0001401007", "Jonas Petraitis", "O0001401007"},
        {true, "O0001400O0001401007", true, "O0001401007", "Jonas Petraitis", "O0001401007"},
        {true, "O0001401007", false, "O0001401007_Jonas Petraitis", "Kitas", "O4000400777"},
        {true, "O0001401", true, "O0001401", "", ""},
        {true, "O0001401", false, "O0001401", "Kitas", "O4000400777"},
        {true, "12345678901", true, "", "Kitas", "O4000400777"},
        {false, "O0001401007", true, "", "Kitas", "O4000400777"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        user.choose = c.choose;
        user.key = text(c.key);
        user.caption = QStringLiteral("Jonas Petraitis");
        QLineEdit box;
        showOther(box);
        const QString result = Catalogue::SelectObject(QStringLiteral("O0001401"), text("Pasirinkite vairuotoją"),
                                                       c.withBox ? &box : nullptr, QStringLiteral("UserD"));
        EXPECT_EQ(result, text(c.result));
        EXPECT_EQ(box.text(), text(c.boxText));
        EXPECT_EQ(Catalogue::TagOf(&box), text(c.boxTag));
        EXPECT_EQ(user.setup, (QStringList{QStringLiteral("ObjectType=O0001401"), QStringLiteral("Kind=UserD"),
                                           text("Caption=Pasirinkite vairuotoją")}));
    }
    EXPECT_EQ(user.timesShown, int(std::size(cases)));

    Catalogue::SelectObject(QStringLiteral("O0000100"), text("Pasirinkite įmonę"), nullptr);
    EXPECT_EQ(user.setup, (QStringList{QStringLiteral("ObjectType=O0000100"), text("Caption=Pasirinkite įmonę")}))
        << "no kind given, none set";
}

TEST_F(CatalogueHost, SelectObjectWithoutAHostSelectorGivesNothing)
{
    QLineEdit box;
    showOther(box);
    EXPECT_EQ(Catalogue::SelectObject(QStringLiteral("O0000100"), text("Pasirinkite įmonę"), &box), QString());
    EXPECT_EQ(box.text(), QStringLiteral("Kitas"));
}

TEST_F(CatalogueHost, ModalObjectCardAnswersWithItsRecord)
{
    host->objects.functions.insert(QStringLiteral("ShowVxObjectModal"), [](const QString& param) {
        if (param != QStringLiteral("O0000100"))
            return vx::CallResult::failure(QStringLiteral("Atšaukta"));
        auto record = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                             {QStringLiteral("Preview"), vx::FieldType::Text}});
        record->appendRow({QStringLiteral("O000010042"), text("UAB „Ratas“")});
        record->MoveNext(); // the card leaves its cursor past the row it read
        return vx::CallResult::success(QVariant::fromValue(record));
    });
    QLineEdit box;
    EXPECT_EQ(Catalogue::ShowVxObjectModal(QStringLiteral("O0000100"), &box), QStringLiteral("O000010042"));
    EXPECT_EQ(box.text(), text("UAB „Ratas“"));
    EXPECT_EQ(Catalogue::TagOf(&box), QStringLiteral("O000010042"));
    EXPECT_EQ(Catalogue::ShowVxObjectModal(QStringLiteral("O0000100"), nullptr), text("O000010042_UAB „Ratas“"));
    EXPECT_EQ(log.last(), QStringLiteral("Objects.CallFunction(ShowVxObjectModal, O0000100)"));

    showOther(box);
    EXPECT_EQ(Catalogue::ShowVxObjectModal(QStringLiteral("O0001401"), &box), QString());
    EXPECT_EQ(box.text(), QStringLiteral("Kitas"));
    EXPECT_EQ(Catalogue::TagOf(&box), QStringLiteral("O4000400777"));
}

class CatalogueCurrencies : public CatalogueHost {
protected:
    struct Currency {
        const char* code;
        qint32 id;
        QVariant rate;
        bool base;
    };

    void offer(const QList<Currency>& currencies)
    {
        auto list = vx::Recordset::create({{QStringLiteral("ID"), vx::FieldType::Integer},
                                           {QStringLiteral("Code"), vx::FieldType::Text},
                                           {QStringLiteral("Rate"), vx::FieldType::Double},
                                           {QStringLiteral("BaseCurrency"), vx::FieldType::Boolean}});
        for (const Currency& c : currencies)
            list->appendRow({c.id, text(c.code), c.rate, c.base});
        host->objects.store.addEditor(QStringLiteral("O0201500"), QString())
            ->answerProperty(QStringLiteral("CurrencyList"), [list](const QString&) {
                return vx::CallResult::success(QVariant::fromValue(list->clone()));
            });
    }

    void fill(qint32 selectedId)
    {
        Catalogue::FillCurrencyList(&box, ids, rates, selectedId, QDate(2010, 11, 3));
    }

    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < box.count(); ++i)
            out << box.itemText(i);
        return out;
    }

    QComboBox box;
    QList<qint32> ids{7, 8, 9};
    QList<double> rates{7, 8, 9};
};

TEST_F(CatalogueCurrencies, ListsCodesWithIdsAndRatesAtTheDate)
{
    offer({{"USD", 2, 3.1, false}, {"EUR", 1, QVariant(), true}, {"GBP", 3, 4.2, false}});
    box.addItem(QStringLiteral("senas"));
    fill(3);
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("GBP")}));
    EXPECT_EQ(ids, (QList<qint32>{2, 1, 3}));
    EXPECT_EQ(rates, (QList<double>{3.1, 1.0, 4.2}));
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_EQ(log, (QStringList{QStringLiteral("Objects.GetVxObject(O0201500)"),
                                QStringLiteral("O0201500.Properties(CurrencyList, 2010.11.03)")}));
}

TEST_F(CatalogueCurrencies, SelectsTheChosenThenTheBaseThenTheFirstEntry)
{
    struct Case {
        QList<Currency> currencies;
        qint32 selectedId;
        int expectedIndex;
    };
    const QList<Case> cases = {
        {{{"USD", 2, 3.1, false}, {"EUR", 1, 1.0, true}, {"GBP", 3, 4.2, false}}, 99, 1},
        {{{"USD", 2, 3.1, false}, {"EUR", 1, 1.0, true}, {"GBP", 3, 4.2, false}}, 2, 0},
        {{{"EUR", 1, 1.0, true}, {"USD", 2, 3.1, false}}, 2, 1},
        {{{"USD", 2, 3.1, false}, {"GBP", 3, 4.2, false}}, 99, 0},
        {{{"USD", 2, 3.1, false}, {"EUR", 1, 1.0, true}, {"LTL", 4, 3.4528, true}}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selectedId);
        offer(c.currencies);
        fill(c.selectedId);
        EXPECT_EQ(box.currentIndex(), c.expectedIndex);
    }
}

TEST_F(CatalogueCurrencies, WithoutTheHostsCurrenciesTheListStaysEmpty)
{
    box.addItem(QStringLiteral("senas"));
    fill(1);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(ids, QList<qint32>{0});
    EXPECT_EQ(rates, QList<double>{0.0});

    host->objects.store.addEditor(QStringLiteral("O0201500"), QString());
    box.addItem(QStringLiteral("senas"));
    fill(1);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(ids, QList<qint32>{0});

    offer({});
    fill(1);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST_F(CatalogueHost, UserPrefixComesFromTheArgumentOrTheCurrentUser)
{
    const auto prefix = [](const QString& given) {
        return Catalogue::AutoNumberPart(QStringLiteral("UserPrefix"), 1, QString(), QDate(), given, QString());
    };
    EXPECT_EQ(prefix(QString()), QStringLiteral("??"));
    host->environment.logIn(7, text("JŠ"));
    EXPECT_EQ(prefix(QString()), text("JŠ"));
    EXPECT_EQ(prefix(QStringLiteral("AB")), QStringLiteral("AB"));
    host->environment.currentUser.Record->MoveNext(); // the host left its cursor past the row
    EXPECT_EQ(prefix(QString()), text("JŠ"));
    module::forgetServices();
    EXPECT_EQ(prefix(QString()), QStringLiteral("??"));
}

TEST(CatalogueModalDialogs, RunThroughTheInstalledRunner)
{
    testhost::ScriptedDialogs outer;
    QDialog route;
    route.setObjectName(QStringLiteral("frmTransportTripRoute"));
    {
        testhost::ScriptedDialogs inner;
        inner.answer([](QDialog& dialog) {
            dialog.setWindowTitle(QStringLiteral("užpildytas"));
            return int(QDialog::Accepted);
        });
        EXPECT_EQ(Catalogue::RunModal(route), QDialog::Accepted);
        EXPECT_EQ(route.windowTitle(), text("užpildytas"));
        EXPECT_EQ(inner.shown, QStringList{QStringLiteral("frmTransportTripRoute")});
    }
    outer.answer(7);
    EXPECT_EQ(Catalogue::RunModal(route), 7);
    EXPECT_EQ(Catalogue::RunModal(route), QDialog::Rejected);
    EXPECT_EQ(outer.shown.size(), 2);
}

} // namespace
