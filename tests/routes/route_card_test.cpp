// The route segment card driven offscreen on a real store: the property grid
// bound to the segment, the traffic page and its period, the parent group,
// saving, a new record on the same editor, deleting and closing. Captions,
// the listed sheets and a new segment's first save are route_card.script's.

#include "module/card_factory.h"
#include "module/type_list_controllers.h"
#include "platform/contract/clock.h"
#include "platform/contract/host_records.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_grid_control.h"
#include "platform/shell/host_dialog_functions.h"
#include "platform/shell/property_grid.h"
#include "routes/route_card.h"
#include "tests/support/module_host.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using testhost::ModuleFixture;

class RouteCardTest : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        grant(QStringLiteral("CTransportReferences"), true, true, true, true);
        vx::clock::setFixed(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
        usePeriod({QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()});
        group = segment(0, 1, QStringLiteral("Miestas"));
        other = segment(0, 1, QStringLiteral("Užmiestis"));
        saved = segment(vx::oid::recordNumber(group), 0, QStringLiteral("Vilnius – Kaunas"));
    }
    void TearDown() override { vx::clock::reset(); ModuleFixture::TearDown(); }

    QString segment(qint64 parent, int groupFlag, const QString& name)
    {
        return create(QStringLiteral("O4000601"), {{QStringLiteral("ParentID"), parent},
                                                   {QStringLiteral("GroupFlag"), groupFlag},
                                                   {QStringLiteral("Name"), name},
                                                   {QStringLiteral("Distance"), 102.0}});
    }

    void usePeriod(const vx::PeriodRecord& period)
    {
        host->objects.functions.insert(QStringLiteral("GetOldPeriod"), [period](const QString&) {
            return vx::CallResult::success(QVariant::fromValue(period));
        });
    }

    std::unique_ptr<frmTransportRoute> open(const QString& id, qint64 newParent = -1)
    {
        const vx::VxObjectUIOPtr editor = controller<UI4000600>()->GetVxObject(id);
        if (newParent >= 0)
            editor->Fields().setValue(QStringLiteral("ParentID"), newParent);
        const vx::CardRef card = module::createCard(QStringLiteral("frmTransportRoute"), editor);
        auto* route = dynamic_cast<frmTransportRoute*>(card.widget.data());
        EXPECT_TRUE(route);
        return std::unique_ptr<frmTransportRoute>(route);
    }

    static QLineEdit* gridField(const frmTransportRoute& card, const char* name)
    {
        auto* grid = dynamic_cast<shell::PropertyGrid*>(card.VxGrid);
        return grid ? qobject_cast<QLineEdit*>(grid->fieldEditor(QLatin1String(name))) : nullptr;
    }

    QString group, other, saved;
};

TEST_F(RouteCardTest, ASavedSegmentShowsItsFieldsParentAndTrafficWhole)
{
    const qint64 car = record("O4000400", fields({{"Name", QStringLiteral("Mercedes-Benz Sprinter 316 CDI")},
                                                  {"Code", QStringLiteral("ŽUV 001")}}));
    const qint64 sheet = record("O4000100", fields({{"Name", QStringLiteral("KL-261102-0056")}, {"TransportCarID", car}}));
    record("O4000200", fields({{"TransportTripID", sheet}, {"TransportRouteID", vx::oid::recordNumber(saved)},
                               {"Date", QDateTime(QDate(2026, 11, 20), QTime(8, 0))}}));
    const auto card = open(saved);
    ASSERT_TRUE(gridField(*card, "Name"));
    EXPECT_EQ(gridField(*card, "Name")->text(), QStringLiteral("Vilnius – Kaunas"));
    QTreeWidget* traffic = card->trafficList();
    ASSERT_TRUE(traffic);
    ASSERT_EQ(traffic->topLevelItemCount(), 1);
    for (int column = 0; column < 3; ++column) // no text is cut
        EXPECT_GE(traffic->columnWidth(column), static_cast<QAbstractItemView*>(traffic)->sizeHintForColumn(column)) << column;
    expectEnabled({{card->cmdCancel, false}, {card->SSCNew, true}});
}

TEST_F(RouteCardTest, TheTrafficPeriodIsThePeriodsDatesOrDaysBackAndAGroupHasNoTraffic)
{
    for (const auto& [used, dates] : {std::pair{false, "'2026.11.05','9999.12.31'"}, {true, "'2026.11.01','2026.11.30'"}}) {
        usePeriod({QDate(2026, 11, 1), QDate(2026, 11, 30), 30, used, QString()});
        EXPECT_EQ(open(saved)->trafficParameter(), QStringLiteral("'%1',%2").arg(saved, QLatin1String(dates)));
    }
    const auto card = open(group);
    EXPECT_EQ(card->SOPanel->title() + card->txtGroup->text(), QStringLiteral("Atkarpų grupė"));
    EXPECT_EQ(card->trafficList(), nullptr);
}

TEST_F(RouteCardTest, ANewSegmentShowsItsFieldsAndIsSavedFromTheGrid)
{
    const auto card = open(QStringLiteral("O4000601"), vx::oid::recordNumber(group));
    EXPECT_FALSE(card->SSCNew->isEnabled());
    QLineEdit* name = gridField(*card, "Name");
    ASSERT_TRUE(name);
    name->setText(QStringLiteral("Kaunas – Klaipėda"));
    expectEnabled({{card->cmdEnter, true}, {card->cmdCancel, true}});
    card->cmdEnter->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    const QString id = card->vxObjectUIO()->OIDR();
    ASSERT_TRUE(vx::oid::hasRecord(id));
    EXPECT_FALSE(card->cmdEnter->isEnabled());
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(id)));
    EXPECT_EQ(stored(id)->Preview(), QStringLiteral("Kaunas – Klaipėda"));
    EXPECT_EQ(stored(id)->Fields().value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(group));

    // Another new segment in the same group, on the same card and editor.
    card->SSCNew->click();
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.ReassignForm(%1, frmTransportRoute, 1)").arg(id)))
        << host->log.join(u'|').toStdString();
}

TEST_F(RouteCardTest, ChoosingTheParentGroup)
{
    const auto card = open(saved);
    auto& selector = *factory->selectors.script;
    selector.caption = QStringLiteral("Miestas");
    selector.key = group;
    card->cmdParentGroup->click();
    EXPECT_FALSE(card->cmdEnter->isEnabled()); // the current parent again
    EXPECT_EQ(selector.setup, (QStringList{QStringLiteral("ObjectType=O4000601"), QStringLiteral("Kind=Group"),
                                           QStringLiteral("Caption=Pasirinkite"), QStringLiteral("Filter='C'")}));

    selector.key = other;
    card->cmdParentGroup->click();
    EXPECT_TRUE(card->cmdEnter->isEnabled());
    EXPECT_TRUE(card->txtGroup->text().endsWith(QStringLiteral("Užmiestis"))) << card->txtGroup->text().toStdString();
    card->cmdEnter->click();
    EXPECT_EQ(stored(saved)->Fields().value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(other));

    selector.key = QStringLiteral("O4000601");
    card->cmdParentGroup->click();
    EXPECT_EQ(card->txtGroup->text(), QString());
    EXPECT_EQ(card->vxObjectUIO()->Fields().value(QStringLiteral("ParentID")).toLongLong(), 0);
    card->cmdCancel->click();
    EXPECT_TRUE(card->txtGroup->text() == QStringLiteral("Užmiestis") && !card->cmdEnter->isEnabled());
}

TEST_F(RouteCardTest, ANewPeriodFromThePageMenuIsTakenOnlyWhenItDiffers)
{
    const auto card = open(saved);
    vx::PeriodRecord chosen{QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()};
    host->objects.functions.insert(QStringLiteral("GetNewPeriod"), [&chosen](const QString&) {
        return vx::CallResult::success(QVariant::fromValue(chosen));
    });
    card->runTrafficMenu(card->mnuPreview); // the same period: nothing to take
    chosen.Caption = QStringLiteral("Lapkritis");
    card->runTrafficMenu(card->mnuPreview);
    EXPECT_EQ(card->period().Caption, QStringLiteral("Lapkritis"));
    chosen.UsePeriod = true;
    card->runTrafficMenu(card->mnuPreview);
    EXPECT_EQ(card->trafficParameter(), QStringLiteral("'%1','2026.11.01','2026.11.30'").arg(saved));
}

TEST_F(RouteCardTest, ClosingAsksAboutUnsavedChangesAndDeletingAsksFirst)
{
    const auto card = open(saved);
    EXPECT_TRUE(card->QueryRemove());
    gridField(*card, "Name")->setText(QStringLiteral("Kitas"));
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

TEST_F(RouteCardTest, InTheHostsModalCardASavedSegmentLetsTheWindowGo)
{
    testhost::ScriptedDialogs dialogs;
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save);
        dialogs.answer([save](QDialog& window) {
            auto* card = window.findChild<frmTransportRoute*>();
            EXPECT_TRUE(card && card->isNew());
            if (card && save) {
                gridField(*card, "Name")->setText(QStringLiteral("Kaunas – Alytus"));
                card->cmdEnter->click(); // the saved card closes the window
            }
            return window.result();
        });
        const auto made = shell::newObjectInItsCard(controller<UI4000600>()->GetVxObject(QStringLiteral("O4000601")));
        ASSERT_TRUE(made.has_value());
        const auto row = made->Value.value<vx::RecordsetPtr>();
        ASSERT_EQ(bool(row), save) << "closed unsaved: no record";
        if (row) {
            EXPECT_EQ(stored(row->value(u"OIDR").toString())->Preview(), QStringLiteral("Kaunas – Alytus"));
        }
    }
    EXPECT_EQ(dialogs.shown, QStringList(2, QStringLiteral("frmModalCard")));
    // A catalogue item whose form would never let the window go is not shown there.
    const QString fuel = create(QStringLiteral("O4000602"), {{QStringLiteral("Name"), QStringLiteral("Dyzelinas")}});
    EXPECT_FALSE(shell::newObjectInItsCard(controller<UI4000600>()->GetVxObject(fuel)).has_value());
}

} // namespace
