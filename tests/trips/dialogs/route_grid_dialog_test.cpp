// The route grid dialog: what it checks before saving the rows, a chosen
// segment bringing its distance, and a save the grid refuses.

#include "platform/contract/vx_grid_control.h"
#include "platform/shell/property_grid.h"
#include "platform/shell/reference_chooser.h"
#include "tests/trips/dialogs/entry_fleet.h"
#include "trips/dialogs/route_grid_dialog.h"

namespace {

class RouteGridDialogTest : public EntryFleet {
protected:
    vx::VxObjectUIOPtr editorOf(const QString& id) { return Catalogue::GetEditor(id); }

    QString bareLine()
    {
        return create(QStringLiteral("O4000200"), fields({{"TransportTripID", sheet}, {"Distance", 5.0}}));
    }

    shell::PropertyGrid* grid(trips::frmTransportGrid& dialog)
    {
        return dynamic_cast<shell::PropertyGrid*>(dialog.VxGrid);
    }
};

TEST_F(RouteGridDialogTest, RowChecksStopAtTheFirstMissingField)
{
    trips::frmTransportGrid dialog;
    dialog.setMessageCaption(QStringLiteral("Kelmira"));
    dialog.setValueField(QStringLiteral("TransportTripID"));
    const vx::VxObjectUIOPtr line = editorOf(bareLine());
    dialog.setRecords({line});
    ASSERT_TRUE(dialog.VxGrid);

    const auto saveAndRead = [&] {
        messages.messages.clear();
        dialog.writeButton()->click();
        return lastMessage();
    };
    EXPECT_EQ(saveAndRead(), QStringLiteral("Nenurodytas vairuotojas!"));
    EXPECT_EQ(messages.messages.last().icon, QMessageBox::Critical);
    EXPECT_EQ(messages.messages.last().title, QStringLiteral("Kelmira"));
    line->Fields().setValue(QStringLiteral("UserID"), driver);
    EXPECT_EQ(saveAndRead(), QStringLiteral("Nenurodyta atkarpa!"));
    line->Fields().setValue(QStringLiteral("TransportRouteID"), segment);
    EXPECT_EQ(saveAndRead(), QStringLiteral("Nenurodyta kuro norma!"));
    line->Fields().setValue(QStringLiteral("TransportFuelNormID"), 0);
    EXPECT_EQ(saveAndRead(), QStringLiteral("Nenurodyta kuro norma!")); // 0 counts as missing
    line->Fields().setValue(QStringLiteral("TransportFuelNormID"), truckNorm);
    EXPECT_EQ(saveAndRead(), QStringLiteral("Nenurodyta data!"));
    line->Fields().setValue(QStringLiteral("Date"), QDateTime(QDate(2026, 11, 4), QTime(8, 0)));
    EXPECT_EQ(saveAndRead(), QString());
    EXPECT_TRUE(dialog.saved());
    expectStored(line->OIDR(), {{"UserID", driver}});
}

TEST_F(RouteGridDialogTest, OtherRecordsAreCheckedForTheValueFieldOnly)
{
    trips::frmTransportGrid dialog;
    dialog.setValueField(QStringLiteral("FuelRest"));
    const vx::VxObjectUIOPtr tank = editorOf(create(
        QStringLiteral("O4000700"), fields({{"TransportTripID", sheet}, {"TransportFuelTankTypeID", diesel}})));
    dialog.setRecords({tank});
    dialog.writeButton()->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Nenurodyta reikšmė!"));
    tank->Fields().setValue(QStringLiteral("FuelRest"), 4.5);
    messages.messages.clear();
    dialog.writeButton()->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(dialog.saved());
}

TEST_F(RouteGridDialogTest, ChosenSegmentBringsItsDistance)
{
    const qint64 longSegment = record("O4000601", fields({{"Name", QStringLiteral("Vilnius – Klaipėda")},
                                                         {"Distance", 311.0}}));
    trips::frmTransportGrid dialog;
    const vx::VxObjectUIOPtr line = editorOf(bareLine());
    dialog.setRecords({line});
    ASSERT_TRUE(grid(dialog));
    auto* chooser = qobject_cast<shell::ReferenceChooser*>(grid(dialog)->fieldEditor(QStringLiteral("TransportRouteID")));
    ASSERT_TRUE(chooser);
    selectorPicks(vx::oid::make(u"O4000601", longSegment), QStringLiteral("Vilnius – Klaipėda"));
    chooser->choose();
    EXPECT_DOUBLE_EQ(line->Fields().value(QStringLiteral("Distance")).toDouble(), 311.0);
    auto* distance = qobject_cast<QLineEdit*>(grid(dialog)->fieldEditor(QStringLiteral("Distance")));
    ASSERT_TRUE(distance);
    EXPECT_EQ(distance->text(), QStringLiteral("311"));
}

TEST_F(RouteGridDialogTest, RefusedGridSaveShowsTheGridsErrorAndStays)
{
    trips::frmTransportGrid dialog;
    dialog.setValueField(QStringLiteral("TransportTripID"));
    const vx::VxObjectUIOPtr line = editorOf(bareLine());
    for (const auto& [field, value] : {std::pair<const char*, QVariant>{"UserID", driver}, {"TransportRouteID", segment},
                                       {"TransportFuelNormID", truckNorm}, {"Date", QDateTime(QDate(2026, 11, 4), QTime())},
                                       {"TransportTripID", 987654}})
        line->Fields().setValue(QString::fromLatin1(field), value);
    dialog.setRecords({line});
    dialog.writeButton()->click();
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Klaida!\r\n\r\n")));
    EXPECT_GT(lastMessage().size(), 12);
    EXPECT_FALSE(dialog.saved());
}

} // namespace
