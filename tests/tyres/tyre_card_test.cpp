// The tyre card driven as a user drives it, offscreen on a real store: what a
// saved tyre and a group show, what a save stores, the date rules, the
// maximum run, a new record from the panel and closing. A new tyre's first
// save, the checks of saving in their order and the panel's new records are
// tyre_card.script's.

#include "platform/bo/session_store.h"
#include "module/card_factory.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/type_list_controllers.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"
#include "tests/support/module_host.h"
#include "tyres/tyre_card.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>


namespace {

using testhost::ModuleFixture;

class TyreCardTest : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        host->grant(QStringLiteral("CTransportTyres"), true, true, true, true);
        brand = create(QStringLiteral("O4000606"), fields({{"Name", QStringLiteral("Vasara")}}));
        size = create(QStringLiteral("O4000605"), fields({{"Name", QStringLiteral("195/65 R15")}}));
        group = create(QStringLiteral("O4000800"), fields({{"GroupFlag", 1}, {"Name", QStringLiteral("Žieminės")}}));
    }

    // A tyre in the group; `extra` adds or replaces fields.
    QString tyre(const QVariantMap& extra = {})
    {
        QVariantMap values = fields({{"GroupFlag", 0}, {"ParentID", vx::oid::recordNumber(group)},
                                     {"Number", QStringLiteral("P-1")}, {"Name", QStringLiteral("Priekinė")},
                                     {"TyreTypeID", vx::oid::recordNumber(brand)},
                                     {"TyreSizeID", vx::oid::recordNumber(size)}, {"DateFrom", QDate(2026, 3, 1)},
                                     {"MaxRun", 40000}, {"Comment", QStringLiteral("Nauja")}});
        values.insert(extra);
        return create(QStringLiteral("O4000800"), values);
    }

    std::unique_ptr<frmTransportTyres> open(const vx::VxObjectUIOPtr& editor)
    {
        const vx::CardRef card = module::createCard(QStringLiteral("frmTransportTyres"), editor);
        auto* tyreCard = dynamic_cast<frmTransportTyres*>(card.widget.data());
        EXPECT_TRUE(tyreCard);
        return std::unique_ptr<frmTransportTyres>(tyreCard);
    }
    std::unique_ptr<frmTransportTyres> openSaved(const QString& id) { return open(controller<UI4000800>()->GetVxObject(id)); }
    // A new record as the list's "new" commands make it.
    std::unique_ptr<frmTransportTyres> openNew(int groupFlag, qint64 parent)
    {
        const vx::VxObjectUIOPtr editor = controller<UI4000800>()->GetVxObject(QStringLiteral("O4000800"));
        editor->Fields().setValue(QStringLiteral("ParentID"), parent);
        editor->Fields().setValue(QStringLiteral("GroupFlag"), groupFlag);
        return open(editor);
    }

    QString brand, size, group;
};

TEST_F(TyreCardTest, ASavedTyreShowsItsFieldsReferencesAndWhereItWasMounted)
{
    const qint64 vehicle = record("O4000400", fields({{"Name", QStringLiteral("Sunkvežimis")}}));
    const QString id = tyre(fields({{"DateTo", QDate(2026, 11, 30)}}));
    const qint64 tyreNumber = vx::oid::recordNumber(id);
    record("O4000900", fields({{"TyreID", tyreNumber}, {"TransportID", vehicle}, {"DateFrom", QDate(2026, 3, 2)},
                               {"DateTo", QDate(2026, 6, 1)}, {"TyreRunFrom", 100}, {"TyreRunTo", 5100}}));
    record("O4000900", fields({{"TyreID", tyreNumber}, {"TransportID", vehicle}, {"DateFrom", QDate(2026, 10, 1)}}));

    const auto card = openSaved(id);
    const TyreCardControls& c = card->controls();
    EXPECT_EQ(c.SOPanel->title(), QStringLiteral(" Padanga"));
    expectShown({{c.txtGroup, "Žieminės"}, {c.txtNumber, "P-1"}, {c.txtType, "Vasara"}, {c.txtSize, "195/65 R15"},
                 {c.txtDescription, "Priekinė"}, {c.txtMaxRun, "40000"}});
    EXPECT_EQ(c.txtGroup->objectId() + c.txtType->objectId(), group + brand);
    EXPECT_EQ(c.dtpDateFrom->date(), QDate(2026, 3, 1));
    EXPECT_TRUE(c.chkDateTo->isChecked());
    EXPECT_EQ(c.dtpDateTo->date(), QDate(2026, 11, 30));
    expectEnabled({{c.dtpDateFrom, false}, {c.cmdWrite, false}, {c.cmdCancel, false}});
    EXPECT_FALSE(c.frameGroup->isVisibleTo(card.get()));
    EXPECT_TRUE(c.lvwHistory->isVisibleTo(card.get()));

    const char* rows[2][5] = {{"2026.03.02", "2026.06.01", "Sunkvežimis", "100", "5100"},
                              {"2026.10.01", " ", "Sunkvežimis", "0", "0"}}; // still mounted, no runs
    ASSERT_EQ(c.lvwHistory->topLevelItemCount(), 2);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(c.lvwHistory->topLevelItem(row)->text(column), QString::fromUtf8(rows[row][column])) << row << column;
}

TEST_F(TyreCardTest, ABrandThatCannotBeFoundShowsEmptyAndIsKeptOnSaving)
{
    const QString gone = create(QStringLiteral("O4000606"), fields({{"Name", QStringLiteral("Išimta")}}));
    const QString id = tyre(fields({{"TyreTypeID", vx::oid::recordNumber(gone)}}));
    // The store's keys refuse to delete a brand in use; a store damaged outside the program may still lack one.
    bo::storeOf(*session).execute(QStringLiteral("PRAGMA foreign_keys=OFF"));
    ASSERT_EQ(bo::storeOf(*session).execute(QStringLiteral("DELETE FROM ref_tyre_type WHERE \"ID\" = ?"),
                                            {vx::oid::recordNumber(gone)}), 1);
    bo::storeOf(*session).execute(QStringLiteral("PRAGMA foreign_keys=ON"));
    const auto card = openSaved(id);
    const TyreCardControls& c = card->controls();
    EXPECT_EQ(c.txtType->text(), QString());
    EXPECT_EQ(c.txtType->objectId(), gone);
    typeKeys(c.txtComment, QStringLiteral("x"));
    c.cmdWrite->click();
    // What goes to the store is the kept reference (which the store itself then refuses).
    EXPECT_EQ(card->vxObjectUIO()->Fields().value(QStringLiteral("TyreTypeID")).toLongLong(), vx::oid::recordNumber(gone));
}

// The checks of saving in their order, and their messages, are
// tyre_card.script's; here what a save stores for a tyre and a group.
TEST_F(TyreCardTest, ASavedTyreOrGroupIsStoredInItsGroupAndTheListRefreshed)
{
    for (const int groupFlag : {0, 1}) {
        SCOPED_TRACE(groupFlag);
        const auto card = openNew(groupFlag, vx::oid::recordNumber(group));
        const TyreCardControls& c = card->controls();
        typeKeys(groupFlag ? c.txtGroupName : c.txtNumber, QStringLiteral("A-7"));
        for (const auto& [field, id] : {std::pair{c.txtType, brand}, {c.txtSize, size}}) {
            factory->selectors.script->key = id;
            factory->selectors.script->caption = QStringLiteral("x");
            if (!groupFlag)
                field->choose();
        }
        c.cmdWrite->click();
        EXPECT_TRUE(messages.messages.isEmpty()) << lastMessage().toStdString();
        ASSERT_FALSE(card->isNew());
        const vx::RecordFields saved = stored(card->vxObjectUIO()->OIDR())->Fields();
        EXPECT_EQ(saved.value(QStringLiteral("GroupFlag")).toInt(), groupFlag);
        EXPECT_EQ(saved.value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(group));
        EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(card->vxObjectUIO()->OIDR())))
            << host->log.join(u'|').toStdString();
    }
}

TEST_F(TyreCardTest, AGroupShowsItsNameAndTheHigherGroup)
{
    const QString inner = create(QStringLiteral("O4000800"), fields({{"GroupFlag", 1}, {"ParentID", vx::oid::recordNumber(group)},
                                                                     {"Name", QStringLiteral("Sunkvežimių")}}));
    const auto card = openSaved(inner);
    const TyreCardControls& c = card->controls();
    EXPECT_EQ(c.SOPanel->title() + u'|' + c.lblGroup->text(), QStringLiteral(" Padangų grupė|Aukšt. grupė"));
    expectShown({{c.txtGroupName, "Sunkvežimių"}, {c.txtGroup, "Žieminės"}});
    EXPECT_TRUE(c.frameGroup->isVisibleTo(card.get()));
    EXPECT_FALSE(c.frameTyre->isVisibleTo(card.get()) || c.lvwHistory->isVisibleTo(card.get()));
}

TEST_F(TyreCardTest, TheWriteOffDateKeepsThePurchaseDateBeforeIt)
{
    const auto card = openSaved(tyre());
    const TyreCardControls& c = card->controls();
    EXPECT_FALSE(c.dtpDateTo->isVisibleTo(card.get()));
    c.chkDateTo->click();
    EXPECT_TRUE(c.dtpDateTo->isVisibleTo(card.get()));
    expectEnabled({{c.dtpDateFrom, false}, {c.cmdWrite, true}, {c.cmdCancel, true}});
    c.dtpDateTo->setDate(QDate(2026, 2, 1));
    EXPECT_EQ(c.dtpDateFrom->date(), QDate(2026, 2, 1));
    c.chkDateTo->click();
    EXPECT_TRUE(c.dtpDateFrom->isEnabled());
    c.dtpDateFrom->setDate(QDate(2026, 4, 1));
    EXPECT_EQ(c.dtpDateTo->date(), QDate(2026, 4, 1));

    c.cmdCancel->click();
    EXPECT_EQ(c.dtpDateFrom->date(), QDate(2026, 3, 1));
    EXPECT_FALSE(c.chkDateTo->isChecked() || c.cmdWrite->isEnabled());

    // Dates stored out of order are shown as they are, and refused on saving.
    const auto reversed = openSaved(tyre(fields({{"DateTo", QDate(2026, 2, 28)}})));
    EXPECT_EQ(reversed->controls().dtpDateTo->date(), QDate(2026, 2, 28));
    typeKeys(reversed->controls().txtComment, QStringLiteral("y"));
    reversed->controls().cmdWrite->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Nurašymo data mažesnė už įsigijimo datą"));
}

TEST_F(TyreCardTest, TheMaximumRunTakesDigitsAndOneCommaAndLeavesAWholeNumber)
{
    const auto card = openSaved(tyre());
    NumberField* run = card->controls().txtMaxRun;
    const char* cases[][3] = {{"-12.4.6x", "12,46", "12"}, {"abc", "12", "12"}, {"", "", "0"}}; // typed, shown, left
    for (const auto& [typed, shown, left] : cases) {
        typeKeys(run, QString::fromLatin1(typed));
        EXPECT_EQ(run->text(), QString::fromLatin1(shown));
        leave(run);
        EXPECT_EQ(run->text(), QString::fromLatin1(left));
    }
}

// The new tyre's group and the new group's caption are tyre_card.script's.
TEST_F(TyreCardTest, ANewRecordFromThePanelIsOfTheSameKindAndLeavesTheSavedOne)
{
    const QString id = tyre();
    const auto card = openSaved(id);
    card->controls().SSCNew->click();
    EXPECT_TRUE(card->isNew() && !card->isGroup());
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.LeaveObject(%1, 1)").arg(id)))
        << host->log.join(u'|').toStdString();

    const auto groupCard = openSaved(group);
    groupCard->controls().SSCNew->click();
    EXPECT_EQ(groupCard->controls().txtGroup->objectId(), QString()) << "a top group's new group is a top group";

    host->desktop.staysOnObject = true;
    const auto staying = openSaved(id);
    staying->controls().SSCNew->click();
    EXPECT_FALSE(staying->isNew());
}

TEST_F(TyreCardTest, ClosingAsksAboutUnsavedChangesAndDeletingNeedsTheRight)
{
    const QString id = tyre();
    const auto card = openSaved(id);
    EXPECT_TRUE(card->QueryRemove());
    typeKeys(card->controls().txtComment, QStringLiteral("z"));
    messages.answer(QMessageBox::No);
    EXPECT_TRUE(!card->QueryRemove() && card->controls().SSCClose->isEnabled());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.first().text.startsWith(QStringLiteral(" Padanga")));

    host->grant(QStringLiteral("CTransportTyres"), true, false, false, false);
    emit card->controls().SSCClose->customContextMenuRequested({});
    EXPECT_EQ(messages.messages.size(), 1);
    host->grant(QStringLiteral("CTransportTyres"), true, false, true, false);
    messages.answer(QMessageBox::Yes);
    emit card->controls().SSCClose->customContextMenuRequested({});
    EXPECT_EQ(messages.messages.size(), 2);
    EXPECT_FALSE(stored(id));
}

} // namespace
