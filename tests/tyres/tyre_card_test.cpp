// The tyre card driven as a user drives it, offscreen on a real store: what a
// saved tyre and a group show, what a save stores, dates stored out of
// order, the maximum run and deleting. A new tyre's first save, the checks of
// saving in their order, the date rules, the panel's new records and closing
// with unsaved changes are tyre_card.script's.

#include "module/type_list_controllers.h"
#include "tests/support/shown_state.h"
#include "tyres/tyre_card.h"

namespace {

class TyreCardTest : public testhost::ModuleFixture {
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
                                     {"TyreTypeID", vx::oid::recordNumber(brand)}, {"TyreSizeID", vx::oid::recordNumber(size)},
                                     {"DateFrom", QDate(2026, 3, 1)}, {"MaxRun", 40000}, {"Comment", QStringLiteral("Nauja")}});
        values.insert(extra);
        return create(QStringLiteral("O4000800"), values);
    }
    // The card of a stored record, or of a new one as the list's "new" commands make it.
    std::unique_ptr<frmTransportTyres> open(const QString& id, int newGroupFlag = 0)
    {
        const vx::VxObjectUIOPtr editor = controller<UI4000800>()->GetVxObject(id);
        if (!vx::oid::hasRecord(id)) {
            editor->Fields().setValue(QStringLiteral("ParentID"), vx::oid::recordNumber(group));
            editor->Fields().setValue(QStringLiteral("GroupFlag"), newGroupFlag);
        }
        return openCard<frmTransportTyres>(editor);
    }

    QString brand, size, group;
};

TEST_F(TyreCardTest, ASavedTyreOrGroupShowsItsFieldsReferencesAndWhereTheTyreWasMounted)
{
    const qint64 vehicle = record("O4000400", fields({{"Name", QStringLiteral("Sunkvežimis")}}));
    const QString id = tyre(fields({{"DateTo", QDate(2026, 11, 30)}}));
    record("O4000900", fields({{"TyreID", vx::oid::recordNumber(id)}, {"TransportID", vehicle}, {"DateFrom", QDate(2026, 3, 2)},
                               {"DateTo", QDate(2026, 6, 1)}, {"TyreRunFrom", 100}, {"TyreRunTo", 5100}}));
    record("O4000900", fields({{"TyreID", vx::oid::recordNumber(id)}, {"TransportID", vehicle}, {"DateFrom", QDate(2026, 10, 1)}}));
    const auto card = open(id);
    card->show();
    EXPECT_EQ(shown(card.get(), "SOPanel.caption txtGroup txtNumber txtType txtSize txtDescription txtMaxRun dtpDateFrom "
                                "chkDateTo.checked dtpDateTo dtpDateFrom.enabled cmdWrite.enabled cmdCancel.enabled "
                                "frameGroup.visible lvwHistory.visible"),
              " Padanga|Žieminės|P-1|Vasara|195/65 R15|Priekinė|40000|2026.03.01|True|2026.11.30|False|False|False|False|True");
    EXPECT_EQ(card->controls().txtGroup->objectId() + card->controls().txtType->objectId(), group + brand);
    // Still mounted: no end, no runs.
    EXPECT_EQ(rowsOf(card->controls().lvwHistory),
              "2026.03.02|2026.06.01|Sunkvežimis|100|5100\n2026.10.01| |Sunkvežimis|0|0");

    const QString inner = create(QStringLiteral("O4000800"), fields({{"GroupFlag", 1}, {"ParentID", vx::oid::recordNumber(group)},
                                                                     {"Name", QStringLiteral("Sunkvežimių")}}));
    const auto groupCard = open(inner);
    groupCard->show();
    EXPECT_EQ(shown(groupCard.get(), "SOPanel.caption lblGroup txtGroupName txtGroup frameGroup.visible frameTyre.visible "
                                     "lvwHistory.visible"),
              " Padangų grupė|Aukšt. grupė|Sunkvežimių|Žieminės|True|False|False");
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
    const auto card = open(id);
    EXPECT_EQ(card->controls().txtType->text() + u'|' + card->controls().txtType->objectId(), u'|' + gone);
    typeKeys(card->controls().txtComment, QStringLiteral("x"));
    card->controls().cmdWrite->click();
    // What goes to the store is the kept reference (which the store itself then refuses).
    EXPECT_EQ(card->vxObjectUIO()->Fields().value(QStringLiteral("TyreTypeID")).toLongLong(), vx::oid::recordNumber(gone));
}

// The checks of saving in their order, and their messages, are
// tyre_card.script's; here what a save stores for a tyre and a group.
TEST_F(TyreCardTest, ASavedTyreOrGroupIsStoredInItsGroupAndTheListRefreshed)
{
    for (const int groupFlag : {0, 1}) {
        const auto card = open(QStringLiteral("O4000800"), groupFlag);
        const TyreCardControls& c = card->controls();
        typeKeys(groupFlag ? c.txtGroupName : c.txtNumber, QStringLiteral("A-7"));
        for (const auto& [field, id] : {std::pair{c.txtType, brand}, {c.txtSize, size}}) {
            selectorPicks(id, QStringLiteral("x"));
            if (!groupFlag)
                field->choose();
        }
        c.cmdWrite->click();
        EXPECT_EQ(takeMessages(messages), "");
        ASSERT_FALSE(card->isNew()) << groupFlag;
        const vx::RecordFields saved = stored(card->vxObjectUIO()->OIDR())->Fields();
        EXPECT_EQ(saved.value(QStringLiteral("GroupFlag")).toInt(), groupFlag);
        EXPECT_EQ(saved.value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(group));
        EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(card->vxObjectUIO()->OIDR())))
            << host->log.join(u'|').toStdString();
    }
}

// How the two dates hold each other is tyre_card.script's.
TEST_F(TyreCardTest, DatesStoredOutOfOrderAreShownAsTheyAreAndRefusedOnSaving)
{
    const auto reversed = open(tyre(fields({{"DateTo", QDate(2026, 2, 28)}})));
    EXPECT_EQ(shown(reversed.get(), "dtpDateFrom dtpDateTo"), "2026.03.01|2026.02.28");
    typeKeys(reversed->controls().txtComment, QStringLiteral("y"));
    reversed->controls().cmdWrite->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Nurašymo data mažesnė už įsigijimo datą"));
}

TEST_F(TyreCardTest, TheMaximumRunTakesDigitsAndOneCommaAndLeavesAWholeNumber)
{
    const auto card = open(tyre());
    NumberField* run = card->controls().txtMaxRun;
    const char* cases[][3] = {{"-12.4.6x", "12,46", "12"}, {"abc", "12", "12"}, {"", "", "0"}}; // typed, shown, left
    for (const auto& [typed, shown, left] : cases) {
        typeKeys(run, QString::fromLatin1(typed));
        const QString typedIn = run->text();
        leave(run);
        EXPECT_EQ(typedIn + u'|' + run->text(), QString::fromLatin1(shown) + u'|' + QString::fromLatin1(left)) << typed;
    }
}

TEST_F(TyreCardTest, DeletingNeedsTheRightAndAsksFirst)
{
    const QString id = tyre();
    const auto card = open(id);
    for (const bool right : {false, true}) {
        host->grant(QStringLiteral("CTransportTyres"), true, false, right, false);
        messages.answer(QMessageBox::Yes);
        emit card->controls().SSCClose->customContextMenuRequested({});
        EXPECT_EQ(messages.messages.size(), right ? 1 : 0);
        EXPECT_EQ(bool(stored(id)), !right);
    }
}

} // namespace
