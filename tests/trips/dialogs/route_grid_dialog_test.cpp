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
    // The dialog on one record: a line of 5 km on the sheet unless told otherwise.
    vx::VxObjectUIOPtr show(trips::frmTransportGrid& dialog, const char* valueField, QString id = {})
    {
        if (id.isEmpty())
            id = create(QStringLiteral("O4000200"), fields({{"TransportTripID", sheet}, {"Distance", 5.0}}));
        const vx::VxObjectUIOPtr record = Catalogue::GetEditor(id);
        if (valueField)
            dialog.setValueField(QLatin1String(valueField));
        dialog.setRecords({record});
        return record;
    }
    // What saving says; every message is taken.
    std::string save(trips::frmTransportGrid& dialog)
    {
        dialog.writeButton()->click();
        return takeMessages(messages);
    }
};

TEST_F(RouteGridDialogTest, RowChecksStopAtTheFirstMissingField)
{
    trips::frmTransportGrid dialog;
    dialog.setMessageCaption(QStringLiteral("Kelmira"));
    const vx::VxObjectUIOPtr line = show(dialog, "TransportTripID");
    ASSERT_TRUE(dialog.VxGrid);
    dialog.writeButton()->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.last().title, QStringLiteral("Kelmira"));
    EXPECT_EQ(takeMessages(messages), "Nenurodytas vairuotojas! [critical]");
    const struct { const char* field; QVariant value; const char* said; } steps[] = {
        {"UserID", driver, "Nenurodyta atkarpa! [critical]"},
        {"TransportRouteID", segment, "Nenurodyta kuro norma! [critical]"},
        {"TransportFuelNormID", 0, "Nenurodyta kuro norma! [critical]"}, // 0 counts as missing
        {"TransportFuelNormID", truckNorm, "Nenurodyta data! [critical]"},
        {"Date", QDateTime(QDate(2026, 11, 4), QTime(8, 0)), ""},
    };
    for (const auto& s : steps) {
        line->Fields().setValue(QLatin1String(s.field), s.value);
        EXPECT_EQ(save(dialog), s.said) << s.field;
    }
    EXPECT_TRUE(dialog.saved());
    expectStored(line->OIDR(), {{"UserID", driver}});
}

TEST_F(RouteGridDialogTest, OtherRecordsAreCheckedForTheValueFieldOnly)
{
    trips::frmTransportGrid dialog;
    const QString stored = create(QStringLiteral("O4000700"), fields({{"TransportTripID", sheet}, {"TransportFuelTankTypeID", diesel}}));
    const vx::VxObjectUIOPtr tank = show(dialog, "FuelRest", stored);
    EXPECT_EQ(save(dialog), "Nenurodyta reikšmė! [critical]");
    tank->Fields().setValue(QStringLiteral("FuelRest"), 4.5);
    EXPECT_EQ(save(dialog), "");
    EXPECT_TRUE(dialog.saved());
}

TEST_F(RouteGridDialogTest, ChosenSegmentBringsItsDistance)
{
    const qint64 longSegment = record("O4000601", fields({{"Name", QStringLiteral("Vilnius – Klaipėda")}, {"Distance", 311.0}}));
    trips::frmTransportGrid dialog;
    const vx::VxObjectUIOPtr line = show(dialog, nullptr);
    auto* grid = dynamic_cast<shell::PropertyGrid*>(dialog.VxGrid);
    ASSERT_TRUE(grid);
    auto* chooser = qobject_cast<shell::ReferenceChooser*>(grid->fieldEditor(QStringLiteral("TransportRouteID")));
    ASSERT_TRUE(chooser);
    selectorPicks(vx::oid::make(u"O4000601", longSegment), QStringLiteral("Vilnius – Klaipėda"));
    chooser->choose();
    EXPECT_DOUBLE_EQ(line->Fields().value(QStringLiteral("Distance")).toDouble(), 311.0);
    EXPECT_EQ(shown(grid->fieldEditor(QStringLiteral("Distance")), "txtDistance"), "311");
}

TEST_F(RouteGridDialogTest, RefusedGridSaveShowsTheGridsErrorAndStays)
{
    trips::frmTransportGrid dialog;
    const vx::VxObjectUIOPtr line = show(dialog, "TransportTripID");
    for (const auto& [field, value] : {std::pair<const char*, QVariant>{"UserID", driver}, {"TransportRouteID", segment},
                                       {"TransportFuelNormID", truckNorm}, {"Date", QDateTime(QDate(2026, 11, 4), QTime())},
                                       {"TransportTripID", 987654}})
        line->Fields().setValue(QString::fromLatin1(field), value);
    dialog.writeButton()->click();
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Klaida!\r\n\r\n")) && lastMessage().size() > 12);
    EXPECT_FALSE(dialog.saved());
}

} // namespace
