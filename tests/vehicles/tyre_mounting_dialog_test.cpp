// The tyre mounting editor: a tyre that is mounted now is refused, the start
// run comes from the tyre's history, the end run from the distance the
// vehicle drove, runs are whole numbers with the end never below the start,
// and a new mounting may not take a position that is taken.

#include "platform/bo/session_store.h"
#include "tests/vehicles/vehicle_fleet.h"

#include "vehicles/dialogs/tyre_mounting_dialog.h"

namespace {

using vehicles::frmTransportCarTyres;
using vehicles::TyreMountingRequest;

class TyreMountingDialogTest : public VehicleFleet {
protected:
    TyreMountingRequest request(qint64 tyreId, const QString& oidr = QStringLiteral("O4000900")) const
    {
        return {car, tyreId, oidr};
    }
    QString mount(qint64 vehicle, qint64 tyreId, int axle, int side, int place, const QVariant& removed,
                  const QVariant& runTo = {})
    {
        return create(QStringLiteral("O4000900"),
                      fields({{"TransportID", vehicle}, {"TyreID", tyreId}, {"Axis", axle}, {"CarSide", side},
                              {"PositionOnAxis", place}, {"DateFrom", QDate(2026, 1, 10)}, {"DateTo", removed},
                              {"TyreRunFrom", 1000}, {"TyreRunTo", runTo}}));
    }
    static void expectRuns(const frmTransportCarTyres& dialog, const char* start, const char* end)
    {
        expectShown({{dialog.txtRun[0], start}, {dialog.txtRun[1], end}});
    }
    int mountings() { return bo::storeOf(*session).scalar(QStringLiteral("SELECT COUNT(*) FROM transport_car_tyre")).toInt(); }
};

TEST_F(TyreMountingDialogTest, NewMountingStartsTodayAtTheFirstLeftPlace)
{
    auto dialog = opened<frmTransportCarTyres>(request(0));
    EXPECT_EQ(dialog->objectName(), QStringLiteral("frmTransportCarTyres"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Padanga"));
    EXPECT_EQ(dialog->txtAxis->value(), 1);
    EXPECT_EQ(dialog->cmbCarSide->currentText(), QStringLiteral("Kairė pusė"));
    EXPECT_EQ(dialog->cmbPosition->currentText(), QStringLiteral("Pirma (vidinė)"));
    EXPECT_EQ(dialog->dtpDateFrom->date(), today);
    EXPECT_EQ(dialog->dtpDateTo->date(), today);
    EXPECT_FALSE(dialog->chkDateTo->isChecked());
    EXPECT_TRUE(dialog->dtpDateTo->isVisible());
    expectEnabled({{dialog->dtpDateTo, false}, {dialog->framePosition, true}, {dialog->writeButton(), false},
                   {dialog->cmdCalculate, false}});
    dialog->chkDateTo->click();
    EXPECT_TRUE(dialog->dtpDateTo->isEnabled());

    testhost::ScriptedDialogs dialogs;
    EXPECT_TRUE(vehicles::editTyreMounting(nullptr, request(tyre, QStringLiteral("O4000900999"))).cancelled);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "a mounting that cannot be read is not shown";
}

TEST_F(TyreMountingDialogTest, AGivenOrChosenTyreMustBeFreeAndStartsFromItsReachedRun)
{
    mount(otherCar, tyre, 1, 0, 1, QDate(2026, 3, 1), 35000);
    const qint64 mountedNow = record("O4000800", fields({{"Number", QStringLiteral("P-3")}}));
    mount(otherCar, mountedNow, 1, 1, 1, QVariant(), 12000);
    const struct {
        const char* what;
        qint64 tyre;
        bool kept;
        const char* run;
    } cases[] = {
        {"history ending at 35000", tyre, true, "35000"},
        {"never mounted", spare, true, "0"},
        {"mounted now elsewhere", mountedNow, false, "0"},
    };
    for (const bool chosen : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (chosen ? ", chosen" : ", given"));
            messages.messages.clear();
            auto dialog = opened<frmTransportCarTyres>(request(chosen ? 0 : c.tyre));
            if (chosen) {
                selectorPicksRecord("O4000800", c.tyre);
                dialog->cmdTyres->click();
                const QStringList setup = factory->selectors.script->setup;
                EXPECT_TRUE(setup.contains(QStringLiteral("Caption=Pasirinkite padangą")));
                EXPECT_TRUE(setup.contains(QStringLiteral("Kind=Tyre")));
                EXPECT_TRUE(setup.contains(QStringLiteral("ObjectType=O4000800")));
            }
            EXPECT_EQ(dialog->txtTyre->objectId().isEmpty(), !c.kept);
            EXPECT_EQ(dialog->txtTyre->text().isEmpty(), !c.kept);
            expectRuns(*dialog, c.run, c.run);
            expectEnabled({{dialog->writeButton(), c.kept}, {dialog->cmdCalculate, c.kept}});
            if (c.kept) {
                EXPECT_TRUE(messages.messages.isEmpty());
            } else {
                ASSERT_EQ(messages.messages.size(), 1);
                EXPECT_EQ(lastMessage(), QStringLiteral("Padanga jau sumontuota"));
                EXPECT_EQ(messages.messages.last().icon, QMessageBox::Critical);
                EXPECT_EQ(messages.messages.last().title, productName());
            }
        }
    }
}

TEST_F(TyreMountingDialogTest, EndRunAddsTheDistanceDrivenUpToTodayOrTheRemovalDate)
{
    const auto sheet = [&](qint64 vehicle, QDate start, double rest, double end) {
        record("O4000100", fields({{"TransportCarID", vehicle}, {"Date", QDateTime(start, QTime(0, 0))},
                                   {"DistanceRest", rest}, {"DistanceEnd", end}}));
    };
    sheet(car, QDate(2026, 11, 2), 1000, 1300);
    sheet(car, QDate(2026, 11, 14), 1300, 1500);
    sheet(otherCar, QDate(2026, 11, 3), 0, 900);
    const struct {
        bool removed;
        QDate removedOn;
        const char* end;
    } cases[] = {{false, QDate(2026, 11, 5), "35500"}, {true, QDate(2026, 11, 10), "35300"}, {true, today, "35500"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removedOn.toString().toStdString());
        auto dialog = opened<frmTransportCarTyres>(request(tyre));
        dialog->dtpDateFrom->setDate(QDate(2026, 11, 1));
        dialog->chkDateTo->setChecked(c.removed);
        dialog->dtpDateTo->setDate(c.removedOn);
        type(dialog->txtRun[0], "35000");
        dialog->cmdCalculate->click();
        expectRuns(*dialog, "35000", c.end);
    }
}

TEST_F(TyreMountingDialogTest, RunFieldsTakeWholeNumbersAndTheEndIsRaisedToTheStartOnLeaving)
{
    const struct {
        int field;
        const char* typed;
        const char* start;
        const char* end;
    } cases[] = {
        {1, "900", "1000", "1000"},   // an end below the start takes the start
        {1, "1200", "1000", "1200"},
        {0, "1500", "1500", "1500"},  // a start above the end takes the end along
        {0, "12.7", "13", "1000"},    // a point is a comma, and the comma is rounded away
        {0, "-5a", "5", "1000"},      // no minus, no letters
        {0, "", "0", "1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        auto dialog = opened<frmTransportCarTyres>(request(tyre));
        dialog->txtRun[0]->setText(QStringLiteral("1000"));
        dialog->txtRun[1]->setText(QStringLiteral("1000"));
        enter(dialog->txtRun[c.field]);
        type(dialog->txtRun[c.field], c.typed);
        leave(dialog->txtRun[c.field]);
        expectRuns(*dialog, c.start, c.end);
    }
}

TEST_F(TyreMountingDialogTest, NewMountingIsRefusedAPlaceTakenOnTheVehicleAndStoresWhatItShows)
{
    mount(car, spare, 2, 1, 2, QVariant());
    mount(car, spare, 3, 0, 1, QDate(2026, 2, 1)); // removed: the place is free again
    auto dialog = opened<frmTransportCarTyres>(request(tyre));
    dialog->txtAxis->setValue(2);
    dialog->cmbCarSide->setCurrentIndex(1);
    dialog->cmbPosition->setCurrentIndex(1);
    const int before = mountings();
    dialog->writeButton()->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Nurodytoje pozicijoje padanga jau sumontuota"));
    EXPECT_EQ(messages.messages.last().icon, QMessageBox::Critical);
    EXPECT_EQ(mountings(), before);
    EXPECT_TRUE(dialog->result().cancelled);

    dialog->cmbCarSide->setCurrentIndex(0); // the same place on the other side is free
    dialog->dtpDateFrom->setDate(QDate(2026, 11, 2));
    type(dialog->txtRun[0], "200");
    type(dialog->txtRun[1], "1250");
    dialog->writeButton()->click();
    ASSERT_FALSE(dialog->result().cancelled);
    EXPECT_EQ(messages.messages.size(), 1);
    const QString saved = dialog->result().savedOidr;
    const struct {
        const char* field;
        QVariant value;
    } stored[] = {{"TransportID", car},   {"TyreID", tyre},      {"Axis", 2},
                  {"CarSide", 0},         {"PositionOnAxis", 2}, {"DateFrom", QDate(2026, 11, 2)},
                  {"TyreRunFrom", 200},   {"TyreRunTo", 1250},   {"DateTo", QVariant()}};
    for (const auto& s : stored)
        EXPECT_EQ(storedField(saved, s.field).toString(), s.value.toString()) << s.field;
    EXPECT_TRUE(storedField(saved, "DateTo").isNull());
}

TEST_F(TyreMountingDialogTest, SavedMountingKeepsItsPlaceAndIsNotAskedWhetherItIsTaken)
{
    const QString saved = mount(car, tyre, 2, 1, 3, QVariant());
    auto dialog = opened<frmTransportCarTyres>(request(tyre, saved));
    EXPECT_EQ(dialog->txtAxis->value(), 2);
    EXPECT_EQ(dialog->cmbCarSide->currentText(), QStringLiteral("Dešinė pusė"));
    EXPECT_EQ(dialog->cmbPosition->currentText(), QStringLiteral("Trečia (išorinė)"));
    EXPECT_EQ(dialog->dtpDateFrom->date(), QDate(2026, 1, 10));
    EXPECT_FALSE(dialog->chkDateTo->isChecked());
    EXPECT_EQ(dialog->dtpDateTo->date(), today);
    expectRuns(*dialog, "1000", "0"); // no end run yet
    expectEnabled({{dialog->framePosition, false}, {dialog->writeButton(), true}});

    dialog->chkDateTo->setChecked(true);
    dialog->dtpDateTo->setDate(QDate(2026, 11, 10));
    type(dialog->txtRun[1], "4200");
    dialog->writeButton()->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    ASSERT_FALSE(dialog->result().cancelled);
    EXPECT_EQ(storedField(saved, "DateTo").toDate(), QDate(2026, 11, 10));
    EXPECT_EQ(storedField(saved, "TyreRunTo").toLongLong(), 4200);
    EXPECT_EQ(storedField(saved, "PositionOnAxis").toInt(), 3);
}

} // namespace
