// The route segment card driven offscreen on a real store: the property grid
// bound to the segment, the traffic page and its period, the parent group,
// saving, deleting and closing. Captions, the listed sheets and a new
// segment started from a saved one and saved are route_card.script's.

#include "module/type_list_controllers.h"
#include "platform/contract/clock.h"
#include "platform/contract/host_records.h"
#include "platform/contract/vx_grid_control.h"
#include "platform/shell/host_dialog_functions.h"
#include "routes/route_card.h"
#include "tests/support/shown_state.h"

#include <QDialog>

namespace {

class RouteCardTest : public testhost::ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        grant(QStringLiteral("CTransportReferences"), true, true, true, true);
        vx::clock::setFixed(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
        usePeriod("GetOldPeriod", {QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()});
        group = segment(0, 1, QStringLiteral("Miestas"));
        other = segment(0, 1, QStringLiteral("Užmiestis"));
        saved = segment(vx::oid::recordNumber(group), 0, QStringLiteral("Vilnius – Kaunas"));
    }
    void TearDown() override { vx::clock::reset(); ModuleFixture::TearDown(); }

    QString segment(qint64 parent, int groupFlag, const QString& name)
    {
        return create(QStringLiteral("O4000601"),
                      fields({{"ParentID", parent}, {"GroupFlag", groupFlag}, {"Name", name}, {"Distance", 102.0}}));
    }
    // The host's period function answers with this period.
    void usePeriod(const char* function, const vx::PeriodRecord& period)
    {
        host->objects.functions.insert(QLatin1String(function),
                                       [period](const QString&) { return vx::CallResult::success(QVariant::fromValue(period)); });
    }
    // The card of a stored segment, or of a new one in the group.
    std::unique_ptr<frmTransportRoute> open(const QString& id)
    {
        const vx::VxObjectUIOPtr editor = controller<UI4000600>()->GetVxObject(id);
        if (!vx::oid::hasRecord(id))
            editor->Fields().setValue(QStringLiteral("ParentID"), vx::oid::recordNumber(group));
        return openCard<frmTransportRoute>(editor);
    }
    static QLineEdit* nameField(const frmTransportRoute& card) { return card.findChild<QLineEdit*>(QStringLiteral("txtName")); }
    qint64 storedParent(const QString& id) { return stored(id)->Fields().value(QStringLiteral("ParentID")).toLongLong(); }

    QString group, other, saved;
};

TEST_F(RouteCardTest, ASavedSegmentShowsItsFieldsAndTrafficWholeAndAGroupNoTraffic)
{
    const qint64 car = record("O4000400", fields({{"Name", QStringLiteral("Mercedes-Benz Sprinter 316 CDI")},
                                                  {"Code", QStringLiteral("ŽUV 001")}}));
    const qint64 sheet = record("O4000100", fields({{"Name", QStringLiteral("KL-261102-0056")}, {"TransportCarID", car}}));
    record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", vx::oid::recordNumber(saved)},
                               {"Date", QDateTime(QDate(2026, 11, 20), QTime(8, 0))}}));
    const auto card = open(saved);
    EXPECT_EQ(shown(card.get(), "txtName lvwTraffic.rows cmdCancel.enabled SSCNew.enabled"), "Vilnius – Kaunas|1|False|True");
    QTreeWidget* traffic = card->trafficList();
    ASSERT_TRUE(traffic);
    for (int column = 0; column < 3; ++column) // no text is cut
        EXPECT_GE(traffic->columnWidth(column), static_cast<QAbstractItemView*>(traffic)->sizeHintForColumn(column)) << column;

    const auto groupCard = open(group);
    EXPECT_EQ(groupCard->SOPanel->title() + groupCard->txtGroup->text(), QStringLiteral("Atkarpų grupė"));
    EXPECT_EQ(groupCard->trafficList(), nullptr);
}

// The period's own dates, or the days back to today with an open end; a new
// period from the page menu is taken only when it differs.
TEST_F(RouteCardTest, TheTrafficPeriodIsThePeriodsDatesOrDaysBackAndANewOneIsTakenWhenItDiffers)
{
    for (const auto& [used, dates] : {std::pair{false, "'2026.11.05','9999.12.31'"}, {true, "'2026.11.01','2026.11.30'"}}) {
        usePeriod("GetOldPeriod", {QDate(2026, 11, 1), QDate(2026, 11, 30), 30, used, QString()});
        EXPECT_EQ(open(saved)->trafficParameter(), QStringLiteral("'%1',%2").arg(saved, QLatin1String(dates)));
    }
    const auto card = open(saved);
    vx::PeriodRecord chosen{QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()};
    host->objects.functions.insert(QStringLiteral("GetNewPeriod"),
                                   [&chosen](const QString&) { return vx::CallResult::success(QVariant::fromValue(chosen)); });
    QStringList seen;
    for (const char* caption : {"", "Lapkritis", "Lapkritis*"}) { // the same period first: nothing to take
        chosen.Caption = QString::fromUtf8(caption).remove(u'*');
        chosen.UsePeriod = QByteArray(caption).endsWith('*');
        card->runTrafficMenu(card->mnuPreview);
        seen << card->period().Caption + u' ' + card->trafficParameter();
    }
    EXPECT_EQ(seen.join(u'|'), QStringLiteral(" '%1','2026.11.05','9999.12.31'|Lapkritis '%1','2026.11.05','9999.12.31'|"
                                              "Lapkritis '%1','2026.11.01','2026.11.30'").arg(saved));
}

TEST_F(RouteCardTest, ChoosingTheParentGroup)
{
    const auto card = open(saved);
    auto& selector = *factory->selectors.script;
    selectorPicks(group, QStringLiteral("Miestas"));
    card->cmdParentGroup->click();
    EXPECT_FALSE(card->cmdEnter->isEnabled()); // the current parent again
    EXPECT_EQ(selector.setup.join(u'|'), QStringLiteral("ObjectType=O4000601|Kind=Group|Caption=Pasirinkite|Filter='C'"));
    EXPECT_EQ(selector.current, group) << "starts on the current group";

    selector.key = other;
    card->cmdParentGroup->click();
    EXPECT_TRUE(card->cmdEnter->isEnabled());
    EXPECT_TRUE(card->txtGroup->text().endsWith(QStringLiteral("Užmiestis"))) << card->txtGroup->text().toStdString();
    card->cmdEnter->click();
    EXPECT_EQ(storedParent(saved), vx::oid::recordNumber(other));
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(saved)));

    selector.key = QStringLiteral("O4000601");
    card->cmdParentGroup->click();
    EXPECT_EQ(card->txtGroup->text(), QString());
    EXPECT_EQ(card->vxObjectUIO()->Fields().value(QStringLiteral("ParentID")).toLongLong(), 0);
    card->cmdCancel->click();
    EXPECT_EQ(shown(card.get(), "txtGroup cmdEnter.enabled"), "Užmiestis|False");
}

TEST_F(RouteCardTest, ClosingAsksAboutUnsavedChangesAndDeletingAsksFirst)
{
    const auto card = open(saved);
    EXPECT_TRUE(card->QueryRemove());
    nameField(*card)->setText(QStringLiteral("Kitas"));
    messages.answer(QMessageBox::No);
    EXPECT_TRUE(!card->QueryRemove() && card->SSCClose->isEnabled());

    messages.answer(QMessageBox::Cancel);
    emit card->SSCClose->customContextMenuRequested({});
    EXPECT_TRUE(stored(saved));
    messages.answer(QMessageBox::Ok);
    emit card->SSCClose->customContextMenuRequested({});
    ASSERT_EQ(messages.messages.size(), 3);
    EXPECT_TRUE(messages.messages.last().text.startsWith(QStringLiteral("Ar tikrai norite panaikinti?\r\n")));
    EXPECT_EQ(messages.messages.last().icon, QMessageBox::Warning);
    EXPECT_FALSE(stored(saved));
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RemoveVxObject(%1)").arg(saved)));
}

// A new segment in the host's modal card, saved or closed unsaved, is route_card.script's.
TEST_F(RouteCardTest, ACatalogueItemWhoseFormNeverLetsTheModalWindowGoIsNotShownThere)
{
    testhost::ScriptedDialogs dialogs; // closes the segment's window unsaved
    const QString fuel = create(QStringLiteral("O4000602"), fields({{"Name", QStringLiteral("Dyzelinas")}}));
    EXPECT_FALSE(shell::newObjectInItsCard(controller<UI4000600>()->GetVxObject(fuel)).has_value());
    EXPECT_TRUE(shell::newObjectInItsCard(controller<UI4000600>()->GetVxObject(QStringLiteral("O4000601"))).has_value());
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("frmModalCard")});
}

} // namespace
