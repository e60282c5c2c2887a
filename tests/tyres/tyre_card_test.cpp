// The tyre card driven as a user drives it, offscreen on a real store (a new
// tyre's first save is in tyre_card.script): what a saved tyre and a group show, the checks of saving in their
// order, the date rules, the maximum run, a new record from the panel and
// closing.

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
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

using testhost::ModuleFixture;

class TyreCardTest : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        host->grant(QStringLiteral("CTransportTyres"), true, false, true, false);
        brand = make(QStringLiteral("O4000606"), {{"Name", QStringLiteral("Vasara")}});
        size = make(QStringLiteral("O4000605"), {{"Name", QStringLiteral("195/65 R15")}});
        group = make(QStringLiteral("O4000800"), {{"GroupFlag", 1}, {"ParentID", 0}, {"Name", QStringLiteral("Žieminės")}});
    }

    using Values = std::initializer_list<std::pair<const char*, QVariant>>;

    QString make(const QString& typeId, Values values, Values extra = {})
    {
        QVariantMap fields;
        for (const auto& [name, value] : values)
            fields.insert(QString::fromLatin1(name), value);
        for (const auto& [name, value] : extra)
            fields.insert(QString::fromLatin1(name), value);
        return create(typeId, fields);
    }

    QString tyre(Values extra = {})
    {
        return make(QStringLiteral("O4000800"), {{"GroupFlag", 0},
                           {"ParentID", vx::oid::recordNumber(group)},
                           {"Number", QStringLiteral("P-1")},
                           {"Name", QStringLiteral("Priekinė")},
                           {"TyreTypeID", vx::oid::recordNumber(brand)},
                           {"TyreSizeID", vx::oid::recordNumber(size)},
                           {"DateFrom", QDate(2026, 3, 1)},
                           {"MaxRun", 40000},
                           {"Comment", QStringLiteral("Nauja")}},
                    extra);
    }

    std::unique_ptr<frmTransportTyres> open(const vx::VxObjectUIOPtr& editor)
    {
        const vx::CardRef card = module::createCard(QStringLiteral("frmTransportTyres"), editor);
        auto* tyreCard = dynamic_cast<frmTransportTyres*>(card.widget.data());
        EXPECT_TRUE(tyreCard);
        return std::unique_ptr<frmTransportTyres>(tyreCard);
    }

    std::unique_ptr<frmTransportTyres> openSaved(const QString& id)
    {
        return open(controller<UI4000800>()->GetVxObject(id));
    }

    // A new record as the list's "new" commands make it.
    std::unique_ptr<frmTransportTyres> openNew(int groupFlag, qint64 parent)
    {
        const vx::VxObjectUIOPtr editor = controller<UI4000800>()->GetVxObject(QStringLiteral("O4000800"));
        editor->Fields().setValue(QStringLiteral("ParentID"), parent);
        editor->Fields().setValue(QStringLiteral("GroupFlag"), groupFlag);
        return open(editor);
    }

    QStringList shownMessages() const
    {
        QStringList texts;
        for (const auto& message : messages.messages)
            texts << message.text;
        return texts;
    }

    static void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    static void leave(QWidget* field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &out);
    }

    QString brand, size, group;
};

TEST_F(TyreCardTest, ASavedTyreShowsItsFieldsReferencesAndWhereItWasMounted)
{
    const QString vehicle = make(QStringLiteral("O4000400"), {{"GroupFlag", 0}, {"ParentID", 0}, {"Name", QStringLiteral("Sunkvežimis")}});
    const QString id = tyre({{"DateTo", QDate(2026, 11, 30)}});
    const qint64 tyreNumber = vx::oid::recordNumber(id);
    const qint64 vehicleNumber = vx::oid::recordNumber(vehicle);
    make(QStringLiteral("O4000900"), {{"TyreID", tyreNumber}, {"TransportID", vehicleNumber},
                                        {"DateFrom", QDate(2026, 3, 2)}, {"DateTo", QDate(2026, 6, 1)},
                                        {"TyreRunFrom", 100}, {"TyreRunTo", 5100}});
    make(QStringLiteral("O4000900"), {{"TyreID", tyreNumber}, {"TransportID", vehicleNumber},
                                        {"DateFrom", QDate(2026, 10, 1)}});

    const auto card = openSaved(id);
    const TyreCardControls& c = card->controls();
    EXPECT_EQ(c.SOPanel->title(), QStringLiteral(" Padanga"));
    const std::pair<QLineEdit*, const char*> shown[] = {
        {c.txtGroup, "Žieminės"}, {c.txtNumber, "P-1"},       {c.txtType, "Vasara"},
        {c.txtSize, "195/65 R15"}, {c.txtDescription, "Priekinė"}, {c.txtMaxRun, "40000"}};
    for (const auto& [control, text] : shown)
        EXPECT_EQ(control->text(), QString::fromUtf8(text)) << control->objectName().toStdString();
    EXPECT_EQ(c.txtGroup->objectId(), group);
    EXPECT_EQ(c.txtType->objectId(), brand);
    EXPECT_EQ(c.dtpDateFrom->date(), QDate(2026, 3, 1));
    EXPECT_TRUE(c.chkDateTo->isChecked());
    EXPECT_EQ(c.dtpDateTo->date(), QDate(2026, 11, 30));
    EXPECT_FALSE(c.dtpDateFrom->isEnabled());
    EXPECT_FALSE(c.cmdWrite->isEnabled());
    EXPECT_FALSE(c.cmdCancel->isEnabled());
    EXPECT_FALSE(c.frameGroup->isVisibleTo(card.get()));
    EXPECT_TRUE(c.lvwHistory->isVisibleTo(card.get()));

    ASSERT_EQ(c.lvwHistory->topLevelItemCount(), 2);
    const QTreeWidgetItem* removed = c.lvwHistory->topLevelItem(0);
    const QTreeWidgetItem* onVehicle = c.lvwHistory->topLevelItem(1);
    EXPECT_EQ(removed->text(0), QStringLiteral("2026.03.02"));
    EXPECT_EQ(removed->text(1), QStringLiteral("2026.06.01"));
    EXPECT_EQ(removed->text(2), QStringLiteral("Sunkvežimis"));
    EXPECT_EQ(removed->text(3), QStringLiteral("100"));
    EXPECT_EQ(removed->text(4), QStringLiteral("5100"));
    EXPECT_EQ(onVehicle->text(1), QStringLiteral(" "));
    EXPECT_EQ(onVehicle->text(3), QStringLiteral("0"));
    EXPECT_EQ(onVehicle->text(4), QStringLiteral("0"));
}

TEST_F(TyreCardTest, ABrandThatCannotBeFoundShowsEmptyAndIsKeptOnSaving)
{
    const QString gone = make(QStringLiteral("O4000606"), {{"Name", QStringLiteral("Išimta")}});
    const QString id = tyre({{"TyreTypeID", vx::oid::recordNumber(gone)}});
    // The store refuses to delete a brand in use; data from before that rule may still lack one.
    ASSERT_EQ(bo::storeOf(*session).execute(QStringLiteral("DELETE FROM ref_tyre_type WHERE \"ID\" = ?"),
                                    {vx::oid::recordNumber(gone)}),
              1);
    const auto card = openSaved(id);
    const TyreCardControls& c = card->controls();
    EXPECT_EQ(c.txtType->text(), QString());
    EXPECT_EQ(c.txtType->objectId(), gone);
    typeInto(c.txtComment, QStringLiteral("x"));
    c.cmdWrite->click();
    // What goes to the store is the kept reference (which the store itself then refuses).
    EXPECT_EQ(card->vxObjectUIO()->Fields().value(QStringLiteral("TyreTypeID")).toLongLong(),
              vx::oid::recordNumber(gone));
}

TEST_F(TyreCardTest, SavingStopsAtTheFirstFailedCheck)
{
    struct Case {
        const char* name;
        int groupFlag;
        std::function<void(const TyreCardControls&)> fill;
        QString message; // empty: saved
    };
    const auto choose = [this](ChoiceField* field, const QString& id) {
        factory->selectors.script->key = id;
        factory->selectors.script->caption = QStringLiteral("x");
        field->choose();
    };
    const auto complete = [&](const TyreCardControls& c) {
        typeInto(c.txtNumber, QStringLiteral("A-7"));
        choose(c.txtType, brand);
        choose(c.txtSize, size);
        c.dtpDateFrom->setDate(QDate(2026, 5, 10));
    };
    const auto writtenOff = [&](int daysAfterPurchase) {
        return [&, daysAfterPurchase](const TyreCardControls& c) {
            complete(c);
            c.chkDateTo->click();
            c.dtpDateTo->setDate(QDate(2026, 5, 10).addDays(daysAfterPurchase));
        };
    };
    const Case cases[] = {
        {"nothing: the number first", 0, [](const TyreCardControls& c) { c.dtpDateFrom->setDate(QDate(2026, 5, 1)); },
         QStringLiteral("Nenurodytas numeris")},
        {"blank number", 0, [&](const TyreCardControls& c) { complete(c); typeInto(c.txtNumber, QStringLiteral("  ")); },
         QStringLiteral("Nenurodytas numeris")},
        {"no brand", 0, [&](const TyreCardControls& c) { typeInto(c.txtNumber, QStringLiteral("A-7")); choose(c.txtSize, size); },
         QStringLiteral("Nepasirinkta padangos markė")},
        {"no size", 0, [&](const TyreCardControls& c) { typeInto(c.txtNumber, QStringLiteral("A-7")); choose(c.txtType, brand); },
         QStringLiteral("Nepasirinktos padangos matmenys")},
        {"written off the day bought", 0, writtenOff(0), QString()},
        {"group without a name", 1, [](const TyreCardControls& c) { typeInto(c.txtGroupName, QStringLiteral(" ")); c.txtGroupName->clear(); },
         QStringLiteral("Nenurodytas pavadinimas")},
        {"named group", 1, [](const TyreCardControls& c) { typeInto(c.txtGroupName, QStringLiteral("Vasarines")); }, QString()},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        messages.messages.clear();
        const auto card = openNew(test.groupFlag, vx::oid::recordNumber(group));
        test.fill(card->controls());
        card->controls().cmdWrite->click();
        if (!test.message.isEmpty()) {
            ASSERT_EQ(shownMessages(), QStringList{test.message});
            EXPECT_EQ(messages.messages.first().icon, QMessageBox::Critical);
            EXPECT_TRUE(card->isNew());
            continue;
        }
        EXPECT_TRUE(messages.messages.isEmpty()) << shownMessages().join(u'|').toStdString();
        ASSERT_FALSE(card->isNew());
        const vx::RecordFields saved = stored(card->vxObjectUIO()->OIDR())->Fields();
        EXPECT_EQ(saved.value(QStringLiteral("GroupFlag")).toInt(), test.groupFlag);
        EXPECT_EQ(saved.value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(group));
        EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(card->vxObjectUIO()->OIDR())))
            << host->log.join(u'|').toStdString();
    }
}

TEST_F(TyreCardTest, AGroupShowsItsNameAndTheHigherGroup)
{
    const QString inner = make(QStringLiteral("O4000800"), {{"GroupFlag", 1}, {"ParentID", vx::oid::recordNumber(group)},
                                                              {"Name", QStringLiteral("Sunkvežimių")}});
    const auto card = openSaved(inner);
    const TyreCardControls& c = card->controls();
    EXPECT_EQ(c.SOPanel->title(), QStringLiteral(" Padangų grupė"));
    EXPECT_EQ(c.lblGroup->text(), QStringLiteral("Aukšt. grupė"));
    EXPECT_EQ(c.txtGroupName->text(), QStringLiteral("Sunkvežimių"));
    EXPECT_EQ(c.txtGroup->text(), QStringLiteral("Žieminės"));
    EXPECT_TRUE(c.frameGroup->isVisibleTo(card.get()));
    EXPECT_FALSE(c.frameTyre->isVisibleTo(card.get()));
    EXPECT_FALSE(c.lvwHistory->isVisibleTo(card.get()));
    EXPECT_EQ(openNew(1, 0)->controls().SOPanel->title(), QStringLiteral(" Nauja grupė"));
}

TEST_F(TyreCardTest, TheWriteOffDateKeepsThePurchaseDateBeforeIt)
{
    const auto card = openSaved(tyre());
    const TyreCardControls& c = card->controls();
    EXPECT_FALSE(c.dtpDateTo->isVisibleTo(card.get()));
    c.chkDateTo->click();
    EXPECT_TRUE(c.dtpDateTo->isVisibleTo(card.get()));
    EXPECT_FALSE(c.dtpDateFrom->isEnabled());
    EXPECT_TRUE(c.cmdWrite->isEnabled());
    EXPECT_TRUE(c.cmdCancel->isEnabled());
    c.dtpDateTo->setDate(QDate(2026, 2, 1));
    EXPECT_EQ(c.dtpDateFrom->date(), QDate(2026, 2, 1));
    c.chkDateTo->click();
    EXPECT_TRUE(c.dtpDateFrom->isEnabled());
    c.dtpDateFrom->setDate(QDate(2026, 4, 1));
    EXPECT_EQ(c.dtpDateTo->date(), QDate(2026, 4, 1));

    c.cmdCancel->click();
    EXPECT_EQ(c.dtpDateFrom->date(), QDate(2026, 3, 1));
    EXPECT_FALSE(c.chkDateTo->isChecked());
    EXPECT_FALSE(c.cmdWrite->isEnabled());

    // Dates stored out of order are shown as they are, and refused on saving.
    const auto reversed = openSaved(tyre({{"DateTo", QDate(2026, 2, 28)}}));
    EXPECT_EQ(reversed->controls().dtpDateTo->date(), QDate(2026, 2, 28));
    typeInto(reversed->controls().txtComment, QStringLiteral("y"));
    reversed->controls().cmdWrite->click();
    EXPECT_EQ(shownMessages(), QStringList{QStringLiteral("Nurašymo data mažesnė už įsigijimo datą")});
}

TEST_F(TyreCardTest, TheMaximumRunTakesDigitsAndOneCommaAndLeavesAWholeNumber)
{
    const auto card = openSaved(tyre());
    NumberField* run = card->controls().txtMaxRun;
    typeInto(run, QStringLiteral("-12.4.6x"));
    EXPECT_EQ(run->text(), QStringLiteral("12,46"));
    leave(run);
    EXPECT_EQ(run->text(), QStringLiteral("12"));
    typeInto(run, QStringLiteral("abc"));
    EXPECT_EQ(run->text(), QStringLiteral("12"));
    run->clear();
    leave(run);
    EXPECT_EQ(run->text(), QStringLiteral("0"));
}

TEST_F(TyreCardTest, ANewRecordFromThePanelIsOfTheSameKindInTheSameGroup)
{
    const QString id = tyre();
    const auto card = openSaved(id);
    card->controls().SSCNew->click();
    EXPECT_TRUE(card->isNew());
    EXPECT_FALSE(card->isGroup());
    EXPECT_EQ(card->controls().SOPanel->title(), QStringLiteral(" Nauja padanga"));
    EXPECT_EQ(card->controls().txtGroup->objectId(), group);
    EXPECT_EQ(card->controls().txtNumber->text(), QString());
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.LeaveObject(%1, 1)").arg(id)))
        << host->log.join(u'|').toStdString();

    const auto groupCard = openSaved(group);
    groupCard->controls().SSCNew->click();
    EXPECT_TRUE(groupCard->isGroup());
    EXPECT_TRUE(groupCard->isNew());
    EXPECT_EQ(groupCard->controls().txtGroup->objectId(), QString());

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
    typeInto(card->controls().txtComment, QStringLiteral("z"));
    messages.answer(QMessageBox::No);
    EXPECT_FALSE(card->QueryRemove());
    EXPECT_TRUE(card->controls().SSCClose->isEnabled());
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
