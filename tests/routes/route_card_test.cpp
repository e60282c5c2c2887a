// The route segment card driven offscreen on a real store: the property grid
// bound to the segment, the traffic page and its period, the parent group,
// saving, a new record on the same editor, deleting and closing.

#include "module/card_factory.h"
#include "module/type_list_controllers.h"
#include "platform/contract/clock.h"
#include "platform/contract/host_records.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_grid_control.h"
#include "platform/shell/property_grid.h"
#include "routes/route_card.h"
#include "tests/support/module_host.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using testhost::ModuleFixture;

class RouteCardTest : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        vx::clock::setFixed(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
        usePeriod({QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()});
        group = segment(0, 1, QStringLiteral("Miestas"));
        other = segment(0, 1, QStringLiteral("Užmiestis"));
        saved = segment(vx::oid::recordNumber(group), 0, QStringLiteral("Vilnius – Kaunas"));
    }
    void TearDown() override
    {
        vx::clock::reset();
        ModuleFixture::TearDown();
    }

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

TEST_F(RouteCardTest, ASavedSegmentShowsItsFieldsParentAndTrafficPage)
{
    const auto card = open(saved);
    EXPECT_EQ(card->SOPanel->title(), QStringLiteral("Atkarpos kortelė"));
    EXPECT_EQ(card->txtGroup->text(), QStringLiteral("Miestas"));
    ASSERT_TRUE(gridField(*card, "Name"));
    EXPECT_EQ(gridField(*card, "Name")->text(), QStringLiteral("Vilnius – Kaunas"));
    ASSERT_TRUE(card->trafficList());
    EXPECT_EQ(card->trafficList()->headerItem()->text(0), QStringLiteral("Kelionės lapas"));
    EXPECT_EQ(card->trafficList()->topLevelItemCount(), 0);
    EXPECT_FALSE(card->cmdEnter->isEnabled());
    EXPECT_FALSE(card->cmdCancel->isEnabled());
    EXPECT_TRUE(card->SSCNew->isEnabled());
}

TEST_F(RouteCardTest, TheTrafficPeriodIsThePeriodsDatesOrDaysBackToTheOpenEnd)
{
    struct Case {
        vx::PeriodRecord period;
        const char* dates;
    };
    const Case cases[] = {
        {{QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()}, "'2026.11.05','9999.12.31'"},
        {{QDate(2026, 11, 1), QDate(2026, 11, 30), 30, true, QString()}, "'2026.11.01','2026.11.30'"},
    };
    for (const Case& test : cases) {
        usePeriod(test.period);
        const auto card = open(saved);
        EXPECT_EQ(card->trafficParameter(), QStringLiteral("'%1',%2").arg(saved, QLatin1String(test.dates)));
    }
}

TEST_F(RouteCardTest, AGroupHasNoTrafficPage)
{
    const auto card = open(group);
    EXPECT_EQ(card->SOPanel->title(), QStringLiteral("Atkarpų grupė"));
    EXPECT_EQ(card->trafficList(), nullptr);
    EXPECT_EQ(card->txtGroup->text(), QString());
}

TEST_F(RouteCardTest, ANewSegmentShowsItsFieldsAndIsSavedFromTheGrid)
{
    const auto card = open(QStringLiteral("O4000601"), vx::oid::recordNumber(group));
    EXPECT_EQ(card->SOPanel->title(), QStringLiteral("Nauja atkarpa"));
    EXPECT_FALSE(card->SSCNew->isEnabled());
    ASSERT_TRUE(card->trafficList());
    EXPECT_EQ(card->trafficList()->topLevelItemCount(), 0);
    QLineEdit* name = gridField(*card, "Name");
    ASSERT_TRUE(name);
    name->setText(QStringLiteral("Kaunas – Klaipėda"));
    EXPECT_TRUE(card->cmdEnter->isEnabled());
    EXPECT_TRUE(card->cmdCancel->isEnabled());
    card->cmdEnter->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    const QString id = card->vxObjectUIO()->OIDR();
    ASSERT_TRUE(vx::oid::hasRecord(id));
    EXPECT_EQ(card->SOPanel->title(), QStringLiteral("Atkarpos kortelė"));
    EXPECT_FALSE(card->cmdEnter->isEnabled());
    EXPECT_TRUE(card->SSCNew->isEnabled());
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(id)));
    const vx::RecordFields stored_ = stored(id)->Fields();
    EXPECT_EQ(stored_.value(QStringLiteral("Name")).toString(), QStringLiteral("Kaunas – Klaipėda"));
    EXPECT_EQ(stored_.value(QStringLiteral("ParentID")).toLongLong(), vx::oid::recordNumber(group));

    // Another new segment in the same group, on the same card and editor.
    card->SSCNew->click();
    EXPECT_EQ(card->SOPanel->title(), QStringLiteral("Nauja atkarpa"));
    EXPECT_EQ(card->txtGroup->text(), QStringLiteral("Miestas"));
    ASSERT_TRUE(gridField(*card, "Name"));
    EXPECT_EQ(gridField(*card, "Name")->text(), QString());
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
    EXPECT_TRUE(selector.setup.contains(QStringLiteral("ObjectType=O4000601"))) << selector.setup.join(u'|').toStdString();
    EXPECT_TRUE(selector.setup.contains(QStringLiteral("Kind=Group")));

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
    EXPECT_EQ(card->txtGroup->text(), QStringLiteral("Užmiestis"));
    EXPECT_FALSE(card->cmdEnter->isEnabled());
}

TEST_F(RouteCardTest, ANewPeriodFromThePageMenuIsTakenOnlyWhenItDiffers)
{
    const auto card = open(saved);
    vx::PeriodRecord chosen{QDate(2026, 11, 1), QDate(2026, 11, 30), 30, false, QString()};
    host->objects.functions.insert(QStringLiteral("GetNewPeriod"), [&chosen](const QString&) {
        return vx::CallResult::success(QVariant::fromValue(chosen));
    });
    card->runTrafficMenu(card->mnuPreview);
    EXPECT_FALSE(card->period().UsePeriod);
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
    EXPECT_FALSE(card->QueryRemove());
    EXPECT_TRUE(card->SSCClose->isEnabled());

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

} // namespace
