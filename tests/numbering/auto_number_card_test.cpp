// The auto-number settings card as a user works it: opened from the trip
// sheet list's "Transporto nustatymai", loaded from the stored record, the
// layout list and its example, the template box, rights, saving (what the
// store then holds) and cancelling.

#include "module/card_factory.h"
#include "numbering/auto_number_card.h"
#include "platform/contract/vx_card.h"
#include "tests/support/shown_state.h"
#include "tests/numbering/numbering_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class AutoNumberCard : public NumberingFixture {
protected:
    void SetUp() override
    {
        NumberingFixture::SetUp();
        host->grant(QStringLiteral("CTransportSettings"), true, true, true, true);
    }

    // Opens the card as the trip sheet list's menu item "Transporto nustatymai"
    // does, the settings text stored first when given.
    frmAutoNumber* openFromMenu(const char* settings = nullptr)
    {
        if (settings)
            storeSettings(QString::fromLatin1(settings));
        const vx::ClickResult result =
            controller<UI4000100>()->ClickMenu(QStringLiteral("O4000100"), QString(), QStringLiteral("6"), QString());
        EXPECT_EQ(result.Action, vx::ActionNothing) << "the card goes to the desktop";
        EXPECT_FALSE(host->desktop.cards.isEmpty());
        return host->desktop.cards.isEmpty()
                   ? nullptr
                   : qobject_cast<frmAutoNumber*>(host->desktop.cards.last().widget.data());
    }

    template <typename Control>
    static Control* control(QWidget* card, const char* name)
    {
        Control* found = card->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    // The layout rows as "key key* ..." (checked ones starred).
    static QString rows(QWidget* card)
    {
        QStringList out;
        auto* list = control<QTreeWidget>(card, "lvwAutoNumber");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(i);
            out << ListItem::keyOf(row) + (row->checkState(0) == Qt::Checked ? QStringLiteral("*") : QString());
        }
        return out.join(QLatin1Char(' '));
    }

    static void select(QWidget* card, int row)
    {
        auto* list = control<QTreeWidget>(card, "lvwAutoNumber");
        list->setCurrentItem(list->topLevelItem(row));
    }

    static void check(QWidget* card, int row, bool on)
    {
        control<QTreeWidget>(card, "lvwAutoNumber")->topLevelItem(row)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }

    // The card's inputs as "prefix|minimal|template|grouping|cycle|repeats allowed|rows|example".
    static QString state(QWidget* card)
    {
        return QStringList{text(card, "txtPrefix"), text(card, "txtMinimal"), text(card, "txtANTemplate"),
                           control<QComboBox>(card, "cmbGroupBy")->currentText(),
                           control<QComboBox>(card, "cmbCycle")->currentText(),
                           QString::number(control<QCheckBox>(card, "chkDuplicated")->isChecked()), rows(card),
                           text(card, "txtExample")}
            .join(QLatin1Char('|'));
    }

    static void click(QWidget* card, const char* button) { QTest::mouseClick(control<QPushButton>(card, button), Qt::LeftButton); }
    static QString text(QWidget* card, const char* box) { return control<QLineEdit>(card, box)->text(); }
    static void retype(QWidget* card, const char* box, const QString& typed) { typeKeys(control<QLineEdit>(card, box), typed); }
};

TEST_F(AutoNumberCard, OpensFromTheTripSheetMenuWithTheStoredSettings)
{
    frmAutoNumber* card = openFromMenu("0,'AutoNumber_Prefix','KL',2,7,'000',1,1");
    ASSERT_TRUE(card);
    EXPECT_EQ(host->log.filter(QStringLiteral("Desktop.AddForm")), QStringList{QStringLiteral("Desktop.AddForm(frmAutoNumber)")});
    EXPECT_EQ(state(card), QStringLiteral("KL|7|000|Pagal vartotoją|Ketvirtis|1|AutoNumber* Prefix* Date UserPrefix|007-KL"));
    EXPECT_TRUE(control<QLineEdit>(card, "txtExample")->isReadOnly());
    EXPECT_TRUE(vx::cardOf({card})->QueryRemove());

    click(card, "SSCClose");
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.CloseForm(frmAutoNumber)")));
}

// Never configured, the four parts come unchecked with no example; the
// example then follows every input and the row order.
TEST_F(AutoNumberCard, TheExampleFollowsEveryInputAndTheRowOrder)
{
    frmAutoNumber* card = openFromMenu();
    ASSERT_TRUE(card);
    EXPECT_EQ(state(card), QStringLiteral("|||Pagal bendrą skaitliuką|Diena|0|Date UserPrefix AutoNumber Prefix|"));
    const struct { const char* step; std::function<void()> act; const char* example; } steps[] = {
        {"date checked (today)", [&] { check(card, 0, true); }, "261116"},
        {"user checked, nobody logged in", [&] { check(card, 1, true); }, "261116-??"},
        {"counter checked, no template", [&] { check(card, 2, true); }, "261116-?" "?-0"},
        {"template typed", [&] { retype(card, "txtANTemplate", QStringLiteral("000")); }, "261116-?" "?-000"},
        {"minimal typed", [&] { retype(card, "txtMinimal", QStringLiteral("42")); }, "261116-?" "?-042"},
        {"user unchecked", [&] { check(card, 1, false); }, "261116-042"},
        {"prefix checked and typed", [&] { check(card, 3, true); retype(card, "txtPrefix", QStringLiteral("KL")); }, "261116-042-KL"},
        {"prefix moved up twice", [&] { select(card, 3); click(card, "cmdUp"); click(card, "cmdUp"); }, "261116-KL-042"},
        {"minimal emptied", [&] { retype(card, "txtMinimal", QString()); }, "261116-KL-000"},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(text(card, "txtExample"), QString::fromLatin1(s.example)) << s.step;
    }
    EXPECT_EQ(card->checkedParts(), QStringList({QStringLiteral("Date"), QStringLiteral("Prefix"), QStringLiteral("AutoNumber")}));
}

TEST_F(AutoNumberCard, UpAndDownMoveTheSelectedRowAndStopAtTheEdges)
{
    frmAutoNumber* card = openFromMenu("0,'Prefix','KL',3,1,'0000',0,0");
    ASSERT_TRUE(card);
    auto* list = control<QTreeWidget>(card, "lvwAutoNumber");
    ASSERT_EQ(rows(card), QStringLiteral("Prefix* Date UserPrefix AutoNumber"));
    const struct { int row; const char* button; const char* order; int selectedAfter; } moves[] = {
        {0, "cmdUp", "Prefix* Date UserPrefix AutoNumber", 0},   {0, "cmdDown", "Date Prefix* UserPrefix AutoNumber", 1},
        {1, "cmdDown", "Date UserPrefix Prefix* AutoNumber", 2}, {3, "cmdDown", "Date UserPrefix Prefix* AutoNumber", 3},
        {3, "cmdUp", "Date UserPrefix AutoNumber Prefix*", 2},
    };
    for (const auto& m : moves) {
        select(card, m.row);
        click(card, m.button);
        EXPECT_EQ(rows(card), QString::fromLatin1(m.order)) << m.button << " from " << m.row;
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->indexOfTopLevelItem(list->selectedItems().first()), m.selectedAfter) << m.button << " from " << m.row;
    }
}

TEST_F(AutoNumberCard, TheTemplateTakesOnlyZeros)
{
    frmAutoNumber* card = openFromMenu();
    ASSERT_TRUE(card);
    auto* box = control<QLineEdit>(card, "txtANTemplate");
    QTest::keyClicks(box, QStringLiteral("1a 0"));
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("ž"), Qt::NoModifier);
    EXPECT_EQ(box->text(), QStringLiteral("00000"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), QStringLiteral("000"));
}

TEST_F(AutoNumberCard, SavingStoresTheSettingsAndReloadsThem)
{
    frmAutoNumber* card = openFromMenu();
    ASSERT_TRUE(card);
    // The one settings record's fields after its ID, as the store holds them.
    const auto stored = [this] {
        const auto rs = openSheet(QStringLiteral("O4000100"))
                            ->Properties(QStringLiteral("AutoNumberSettings"), QString())
                            .Value.value<vx::RecordsetPtr>();
        QStringList values;
        for (int column = 1; rs && rs->RecordCount() == 1 && column < rs->fieldCount(); ++column)
            values << rs->valueAt(0, column).toString();
        return values.join(QLatin1Char(','));
    };
    retype(card, "txtPrefix", QStringLiteral("KL"));
    retype(card, "txtMinimal", QStringLiteral("1"));
    control<QComboBox>(card, "cmbCycle")->setCurrentIndex(3);
    retype(card, "txtANTemplate", QStringLiteral("0000"));
    // Date, UserPrefix, AutoNumber, Prefix: Prefix to the top, then check all but UserPrefix.
    for (int i = 0; i < 3; ++i) {
        select(card, 3 - i);
        click(card, "cmdUp");
    }
    for (int row : {0, 1, 3})
        check(card, row, true);
    click(card, "cmdWrite");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(stored(), QStringLiteral("Prefix_Date_AutoNumber,KL,3,1,0000,0,0"));
    EXPECT_EQ(rows(card), QStringLiteral("Prefix* Date* AutoNumber* UserPrefix")) << "reloaded from the stored record";

    control<QComboBox>(card, "cmbGroupBy")->setCurrentIndex(1);
    control<QCheckBox>(card, "chkDuplicated")->setChecked(true);
    click(card, "cmdWrite");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(stored(), QStringLiteral("Prefix_Date_AutoNumber,KL,3,1,0000,1,1"));
}

TEST_F(AutoNumberCard, ARefusedSaveIsShownUnderItsOwnTitleAndChangesNothing)
{
    frmAutoNumber* card = openFromMenu("0,'Prefix','KL',3,1,'0000',0,0");
    ASSERT_TRUE(card);
    retype(card, "txtMinimal", QStringLiteral("99999999999"));
    retype(card, "txtPrefix", QStringLiteral("ZZ"));
    click(card, "cmdWrite");
    EXPECT_EQ(testhost::takeShown(messages),
              "Critical|Quendel|AddUpdateAutoNumber: Minimalus numeris per didelis (gauta 99999999999).|Ok");
    EXPECT_EQ(state(card),
              QStringLiteral("ZZ|99999999999|0000|Pagal bendrą skaitliuką|Metai|0|Prefix* Date UserPrefix AutoNumber|ZZ"));

    click(card, "cmdCancel");
    EXPECT_EQ(state(card), QStringLiteral("KL|1|0000|Pagal bendrą skaitliuką|Metai|0|Prefix* Date UserPrefix AutoNumber|KL"))
        << "cancelling reloads the stored settings";
}

TEST_F(AutoNumberCard, WithoutTheWriteRightOnlyTheCloseButtonWorks)
{
    host->grant(QStringLiteral("CTransportSettings"), true, false, true, true);
    frmAutoNumber* card = openFromMenu();
    ASSERT_TRUE(card);
    for (const char* name : {"txtPrefix", "txtMinimal", "cmbGroupBy", "cmbCycle", "txtANTemplate", "lvwAutoNumber",
                             "cmdUp", "cmdDown", "chkDuplicated", "cmdWrite", "cmdCancel"})
        EXPECT_FALSE(control<QWidget>(card, name)->isEnabled()) << name;
    EXPECT_TRUE(control<QWidget>(card, "SSCClose")->isEnabled());
    EXPECT_TRUE(control<QWidget>(card, "SOPanel")->isEnabled());
    // With the right, what no other test clicks is enabled too.
    host->grant(QStringLiteral("CTransportSettings"), true, true, true, true);
    frmAutoNumber* allowed = openFromMenu();
    EXPECT_TRUE(allowed && control<QWidget>(allowed, "chkDuplicated")->isEnabled() &&
                control<QWidget>(allowed, "cmbGroupBy")->isEnabled());
}

} // namespace
