// The shared routines that reach the host: message boxes, deletion, access
// rights, object names and selection, the modal object card, the currency list
// and the user's number prefix, with the module on a real store.

#include "platform/shell/host_services.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"
#include "tests/support/shown_state.h"
#include "tests/support/module_host.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using testhost::takeShown;

class CatalogueHost : public testhost::ModuleFixture {
protected:
    // A text box already showing another object.
    void showOther(QLineEdit& box)
    {
        box.setText(QStringLiteral("Kitas"));
        Catalogue::SetTag(&box, QStringLiteral("O4000400777"));
    }

    // What a text box shows and the id it keeps, as "text|id".
    static QString boxOf(QLineEdit& box) { return box.text() + QLatin1Char('|') + Catalogue::TagOf(&box); }

    QString newJonas()
    {
        return create(QStringLiteral("O0001401"),
                      fields({{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Petraitis")}}));
    }
};

TEST_F(CatalogueHost, MessageBoxesCarryTitleIconAndButtonsAndOnlyYesIsYes)
{
    Catalogue::ShowError(QStringLiteral("Klaida"));
    Catalogue::ShowError(QStringLiteral("Nepavyko"), QStringLiteral("Larvendo"));
    Catalogue::AskYesNo(QStringLiteral("Tęsti?"));
    Catalogue::AskCloseWithoutSaving(QStringLiteral("Pakeistas numeris."));
    module::forgetServices();
    Catalogue::ShowError(QStringLiteral("Klaida"));

    EXPECT_EQ(takeShown(messages), "Critical|Kelmira|Klaida|Ok\n"
                                   "Critical|Larvendo|Nepavyko|Ok\n"
                                   "Question|Kelmira|Tęsti?|Yes No\n"
                                   "Warning|Kelmira|Pakeistas numeris.\r\n\r\nUždaryti be išsaugojimo?|Yes No\n"
                                   "Critical||Klaida|Ok"); // without services, no title

    for (auto answer : {QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton, QMessageBox::Ok}) {
        messages.answer(answer);
        messages.answer(answer);
        EXPECT_EQ(Catalogue::AskYesNo(QStringLiteral("?")), answer == QMessageBox::Yes);
        EXPECT_EQ(Catalogue::AskCloseWithoutSaving(QString()), answer == QMessageBox::Yes);
    }
}

TEST_F(CatalogueHost, DeletingAskedAndConfirmedDeletesAndClosesTheObjectElseLeavesTheDesktopAlone)
{
    for (const char* key : {"CTransportTrips", "CTransportCars"})
        host->grant(QLatin1String(key), true, true, true, true);
    const QString id = create(QStringLiteral("O4000400"), fields({{"Name", QStringLiteral("VW Golf ĄBC123")}}));
    const vx::VxObjectUIOPtr car = host->Objects().GetVxObject(id);
    ASSERT_TRUE(car);
    host->log.clear();
    messages.answer(QMessageBox::No);
    EXPECT_FALSE(Catalogue::DeleteWithConfirmation(car));
    EXPECT_TRUE(host->log.isEmpty());

    // A vehicle with a trip sheet is refused by the store.
    const QString sheet = create(QStringLiteral("O4000100"), fields({{"TransportCarID", vx::oid::recordNumber(id)},
                                                                     {"Date", QDateTime(QDate(2026, 11, 2), QTime(8, 0))}}));
    messages.answer(QMessageBox::Yes);
    EXPECT_FALSE(Catalogue::DeleteWithConfirmation(car));
    EXPECT_TRUE(host->log.filter(QStringLiteral("Desktop.")).isEmpty());
    EXPECT_TRUE(stored(id));

    ASSERT_EQ(session->createList(QStringLiteral("O4000100"))->DeleteVxObject(sheet), 0);
    messages.messages.clear();
    messages.answer(QMessageBox::Yes);
    EXPECT_TRUE(Catalogue::DeleteWithConfirmation(car));
    EXPECT_TRUE(car->Preview().contains(QStringLiteral("VW Golf ĄBC123")));
    EXPECT_EQ(takeShown(messages), "Warning|Kelmira|Ar tikrai norite panaikinti?\r\n\r\n" + car->Preview().toStdString() + "|Yes No");
    EXPECT_EQ(host->log.filter(QStringLiteral("Desktop.")), QStringList{QStringLiteral("Desktop.RemoveVxObject(%1)").arg(id)});
    EXPECT_FALSE(stored(id)) << "gone from the store";
}

TEST_F(CatalogueHost, AccessRightsAreAskedFirstThirdSecondFourth)
{
    const QString key = QStringLiteral("CTransportCars");
    // The rights granted, in the service's slot order, and the one right that must come out.
    struct Case { bool open, write, remove, add; int right; };
    for (const Case c : {Case{true, false, false, false, 1}, Case{false, false, true, false, 2},
                         Case{false, true, false, false, 3}, Case{false, false, false, true, 4}}) {
        host->grant(key, c.open, c.write, c.remove, c.add);
        const Catalogue::AccessRights rights = Catalogue::GetAccess(key);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(rights.right(n), n == c.right) << "granted right " << c.right << ", asked " << n;
    }

    const Catalogue::AccessRights none = Catalogue::GetAccess(QStringLiteral("CTransportTyres"));
    EXPECT_FALSE(none.Open || none.Delete || none.Write || none.New);
}

TEST_F(CatalogueHost, ObjectNameShowsPreviewAndKeepsTheIdAsTag)
{
    const QString jonas = newJonas();
    QLineEdit box;
    showOther(box);
    Catalogue::ShowObjectName(jonas, &box);
    EXPECT_EQ(boxOf(box), stored(jonas)->Preview() + QLatin1Char('|') + jonas);

    // A record that is not there, and a type id, clear the box; a type id without asking the host.
    for (const QString& nothing : {vx::oid::make(u"O0001401", vx::oid::recordNumber(jonas) + 1), QStringLiteral("O0001401")}) {
        showOther(box);
        host->log.clear();
        Catalogue::ShowObjectName(nothing, &box);
        EXPECT_EQ(boxOf(box), QStringLiteral("|"));
    }
    EXPECT_TRUE(host->log.isEmpty());
}

TEST_F(CatalogueHost, SelectObjectTakesTheIdFromTheSelectedKey)
{
    const QString jonas = newJonas();
    const QString shown = stored(jonas)->Preview();
    testhost::SelectorScript& user = *factory->selectors.script;
    struct Case { bool choose; QString key; bool withBox; QString result, box; /* what the box shows afterwards */ };
    const QString other = QStringLiteral("Kitas|O4000400777"), jonasBox = shown + QLatin1Char('|') + jonas;
    const Case cases[] = {
        {true, jonas, true, jonas, jonasBox},
        {true, QStringLiteral("O0001400") + jonas, true, jonas, jonasBox},
        {true, jonas, false, jonas + QStringLiteral("_Jonas Petraitis"), other},
        {true, QStringLiteral("O0001401"), true, QStringLiteral("O0001401"), QStringLiteral("|")},
        {true, QStringLiteral("O0001401"), false, QStringLiteral("O0001401"), other},
        {true, QStringLiteral("12345678901"), true, QString(), other},
        {false, jonas, true, QString(), other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        user.choose = c.choose;
        user.key = c.key;
        user.caption = QStringLiteral("Jonas Petraitis");
        QLineEdit box;
        showOther(box);
        const QString result = Catalogue::SelectObject(QStringLiteral("O0001401"), QStringLiteral("Pasirinkite vairuotoją"),
                                                       c.withBox ? &box : nullptr, QStringLiteral("UserD"));
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(boxOf(box), c.box);
        EXPECT_EQ(user.setup, (QStringList{QStringLiteral("ObjectType=O0001401"), QStringLiteral("Kind=UserD"),
                                           QStringLiteral("Caption=Pasirinkite vairuotoją")}));
    }
    EXPECT_EQ(user.timesShown, int(std::size(cases)));

    Catalogue::SelectObject(QStringLiteral("O0000100"), QStringLiteral("Pasirinkite įmonę"), nullptr);
    EXPECT_EQ(user.setup, (QStringList{QStringLiteral("ObjectType=O0000100"), QStringLiteral("Caption=Pasirinkite įmonę")}))
        << "no kind given, none set";

    // Without a host selector nothing is chosen.
    vx::setHostFactory(nullptr);
    QLineEdit box;
    showOther(box);
    EXPECT_EQ(Catalogue::SelectObject(QStringLiteral("O0000100"), QStringLiteral("Pasirinkite įmonę"), &box), QString());
    EXPECT_EQ(box.text(), QStringLiteral("Kitas"));
}

TEST_F(CatalogueHost, ModalObjectCardAnswersWithItsRecord)
{
    host->objects.functions.insert(QStringLiteral("ShowVxObjectModal"), [](const QString& param) {
        if (param != QStringLiteral("O0000100"))
            return vx::CallResult::failure(QStringLiteral("Atšaukta"));
        auto record = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                             {QStringLiteral("Preview"), vx::FieldType::Text}});
        record->appendRow({QStringLiteral("O000010042"), QStringLiteral("UAB „Ratas“")});
        record->MoveNext(); // the card leaves its cursor past the row it read
        return vx::CallResult::success(QVariant::fromValue(record));
    });
    QLineEdit box;
    EXPECT_EQ(Catalogue::ShowVxObjectModal(QStringLiteral("O0000100"), &box), QStringLiteral("O000010042"));
    EXPECT_EQ(boxOf(box), QStringLiteral("UAB „Ratas“|O000010042"));
    EXPECT_EQ(Catalogue::ShowVxObjectModal(QStringLiteral("O0000100"), nullptr), QStringLiteral("O000010042_UAB „Ratas“"));
    EXPECT_EQ(host->log.last(), QStringLiteral("Objects.CallFunction(ShowVxObjectModal, O0000100)"));

    showOther(box);
    EXPECT_EQ(Catalogue::ShowVxObjectModal(QStringLiteral("O0001401"), &box), QString());
    EXPECT_EQ(boxOf(box), QStringLiteral("Kitas|O4000400777"));
}

class CatalogueCurrencies : public CatalogueHost {
protected:
    // A currency in the store, with its rate on the list's date when given.
    qint32 currency(const char* code, bool base, double rate = 0)
    {
        const auto number = qint32(record("O0201500", fields({{"Code", QString::fromLatin1(code)}, {"BaseCurrency", base ? 1 : 0}})));
        if (rate != 0)
            record("O0002200", fields({{"CurrencyID", number}, {"Date", day}, {"Rate", rate}}));
        return number;
    }

    void fill(qint32 selectedId) { Catalogue::FillCurrencyList(&box, ids, rates, selectedId, day); }

    // Each entry as "code id rate", the selected one starred; as many as the longest of the three lists.
    QString listing() const
    {
        QStringList out;
        for (int i = 0; i < std::max({qsizetype(box.count()), ids.size(), rates.size()}); ++i)
            out << QStringLiteral("%1 %2 %3").arg(box.itemText(i)).arg(ids.value(i)).arg(rates.value(i)) +
                       (i == box.currentIndex() ? QStringLiteral("*") : QString());
        return out.join(QStringLiteral(", "));
    }

    const QDate day{2010, 11, 3};
    QComboBox box;
    QList<qint32> ids{7, 8, 9};
    QList<double> rates{7, 8, 9};
};

// The chosen and the base currency selected, with their rates, are the fuel
// cheque dialog's tests.
TEST_F(CatalogueCurrencies, ListsCodesInOrderWithRatesAtTheDateAndFallsBackToTheFirst)
{
    // Without currencies the list stays empty, with one empty id and rate.
    box.addItem(QStringLiteral("senas"));
    fill(1);
    EXPECT_EQ(listing(), QStringLiteral(" 0 0"));

    const qint32 usd = currency("USD", false, 3.1);
    const qint32 eur = currency("EUR", true);
    const qint32 gbp = currency("GBP", false, 4.2);
    const qint32 pln = currency("PLN", false); // no rate that day
    const QString all = QStringLiteral("EUR %1 %5, GBP %2 4.2%6, PLN %3 0, USD %4 3.1").arg(eur).arg(gbp).arg(pln).arg(usd);
    box.addItem(QStringLiteral("senas"));
    ids = {7, 8, 9};
    fill(gbp);
    EXPECT_EQ(listing(), all.arg(QStringLiteral("1"), QStringLiteral("*")));
    EXPECT_TRUE(host->log.contains(QStringLiteral("Objects.GetVxObject(O0201500)")));

    // Neither the chosen nor a base currency: the first entry; a currency no
    // longer the base has no rate that day.
    const vx::VxObjectUIOPtr base = stored(vx::oid::make(u"O0201500", eur));
    base->Fields().setValue(QStringLiteral("BaseCurrency"), 0);
    ASSERT_EQ(base->Save().Code, 0);
    fill(9999);
    EXPECT_EQ(listing(), all.arg(QStringLiteral("0*"), QString()));
}

TEST_F(CatalogueHost, UserPrefixComesFromTheArgumentOrTheCurrentUser)
{
    const auto prefix = [](const QString& given) {
        return Catalogue::AutoNumberPart(QStringLiteral("UserPrefix"), 1, QString(), QDate(), given, QString());
    };
    QStringList got{prefix(QString())};
    host->logInNew(QStringLiteral("JŠ"));
    got << prefix(QString()) << prefix(QStringLiteral("AB")) << prefix(QString());
    module::forgetServices();
    got << prefix(QString());
    EXPECT_EQ(got.join(u' '), QStringLiteral("?? JŠ AB JŠ ??"));
}

} // namespace
