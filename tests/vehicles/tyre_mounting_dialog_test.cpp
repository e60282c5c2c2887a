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
    TyreMountingRequest request(qint64 tyreId, const QString& oidr = QStringLiteral("O4000900")) const { return {car, tyreId, oidr}; }
    QString mount(qint64 vehicle, qint64 tyreId, int axle, int side, int place, const QVariant& removed,
                  const QVariant& runTo = {})
    {
        return create(QStringLiteral("O4000900"),
                      fields({{"TransportID", vehicle}, {"TyreID", tyreId}, {"Axis", axle}, {"CarSide", side},
                              {"PositionOnAxis", place}, {"DateFrom", QDate(2026, 1, 10)}, {"DateTo", removed},
                              {"TyreRunFrom", 1000}, {"TyreRunTo", runTo}}));
    }
    static void expectRuns(const frmTransportCarTyres& d, const char* start, const char* end) { expectShown({{d.txtRun[0], start}, {d.txtRun[1], end}}); }
    int mountings() { return bo::storeOf(*session).scalar(QStringLiteral("SELECT COUNT(*) FROM transport_car_tyre")).toInt(); }
};

TEST_F(TyreMountingDialogTest, NewMountingStartsTodayAtTheFirstLeftPlace)
{
    auto dialog = opened<frmTransportCarTyres>(request(0));
    EXPECT_EQ(dialog->txtAxis->value(), 1);
    EXPECT_EQ(dialog->cmbCarSide->currentText() + dialog->cmbPosition->currentText(),
              QStringLiteral("Kairė pusėPirma (vidinė)"));
    EXPECT_TRUE(dialog->dtpDateFrom->date() == today && dialog->dtpDateTo->date() == today);
    EXPECT_TRUE(!dialog->chkDateTo->isChecked() && dialog->dtpDateTo->isVisible());
    expectEnabled({{dialog->dtpDateTo, false}, {dialog->framePosition, true}, {dialog->writeButton(), false},
                   {dialog->cmdCalculate, false}});
    dialog->chkDateTo->click();
    EXPECT_TRUE(dialog->dtpDateTo->isEnabled());
}

TEST_F(TyreMountingDialogTest, AGivenOrChosenTyreMustBeFreeAndStartsFromItsReachedRun)
{
    mount(otherCar, tyre, 1, 0, 1, QDate(2026, 3, 1), 35000);
    const qint64 mountedNow = record("O4000800", fields({{"Number", QStringLiteral("P-3")}}));
    mount(otherCar, mountedNow, 1, 1, 1, QVariant(), 12000);
    const struct { const char* what; qint64 tyre; bool kept; const char* run; } cases[] = {
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
                EXPECT_EQ(factory->selectors.script->setup.join(u'|'),
                          QStringLiteral("ObjectType=O4000800|Kind=Tyre|Caption=Pasirinkite padangą"));
            }
            EXPECT_EQ(dialog->txtTyre->objectId().isEmpty() && dialog->txtTyre->text().isEmpty(), !c.kept);
            expectRuns(*dialog, c.run, c.run);
            expectEnabled({{dialog->writeButton(), c.kept}, {dialog->cmdCalculate, c.kept}});
            ASSERT_EQ(messages.messages.size(), c.kept ? 0 : 1);
            if (!c.kept) {
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
    const struct { bool removed; QDate removedOn; const char* end; } cases[] = {
        {false, QDate(2026, 11, 5), "35500"}, {true, QDate(2026, 11, 10), "35300"}, {true, today, "35500"}};
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
    const struct { int field; const char* typed; const char* start; const char* end; } cases[] = {
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
    EXPECT_TRUE(mountings() == before && dialog->result().cancelled);

    dialog->cmbCarSide->setCurrentIndex(0); // the same place on the other side is free
    dialog->dtpDateFrom->setDate(QDate(2026, 11, 2));
    type(dialog->txtRun[0], "200");
    type(dialog->txtRun[1], "1250");
    dialog->writeButton()->click();
    ASSERT_FALSE(dialog->result().cancelled);
    EXPECT_EQ(messages.messages.size(), 1);
    const QString saved = dialog->result().savedOidr;
    const std::pair<const char*, QVariant> stored[] = {
        {"TransportID", car}, {"TyreID", tyre},        {"Axis", 2},         {"CarSide", 0},         {"PositionOnAxis", 2},
        {"DateFrom", QDate(2026, 11, 2)}, {"TyreRunFrom", 200}, {"TyreRunTo", 1250}, {"DateTo", QVariant()}};
    for (const auto& [field, value] : stored)
        EXPECT_EQ(storedField(saved, field).toString(), value.toString()) << field;
    EXPECT_TRUE(storedField(saved, "DateTo").isNull());
}

TEST_F(TyreMountingDialogTest, SavedMountingKeepsItsPlaceAndIsNotAskedWhetherItIsTaken)
{
    const QString saved = mount(car, tyre, 2, 1, 3, QVariant());
    auto dialog = opened<frmTransportCarTyres>(request(tyre, saved));
    EXPECT_EQ(dialog->txtAxis->value(), 2);
    EXPECT_EQ(dialog->cmbCarSide->currentText() + dialog->cmbPosition->currentText(),
              QStringLiteral("Dešinė pusėTrečia (išorinė)"));
    EXPECT_TRUE(dialog->dtpDateFrom->date() == QDate(2026, 1, 10) && dialog->dtpDateTo->date() == today);
    EXPECT_FALSE(dialog->chkDateTo->isChecked());
    expectRuns(*dialog, "1000", "0"); // no end run yet
    expectEnabled({{dialog->framePosition, false}, {dialog->writeButton(), true}});

    dialog->chkDateTo->setChecked(true);
    dialog->dtpDateTo->setDate(QDate(2026, 11, 10));
    type(dialog->txtRun[1], "4200");
    dialog->writeButton()->click();
    EXPECT_TRUE(messages.messages.isEmpty());
    ASSERT_FALSE(dialog->result().cancelled);
    for (const auto& [field, value] : {std::pair{"DateTo", "2026-11-10"}, {"TyreRunTo", "4200"}, {"PositionOnAxis", "3"}})
        EXPECT_EQ(storedField(saved, field).toString(), QLatin1String(value)) << field;
}

TEST_F(TyreMountingDialogTest, AQuestionTheStoreCannotAnswerIsToldAndTheEditorGoesOnAsItsRuleSays)
{
    mount(otherCar, tyre, 1, 0, 1, QDate(2026, 3, 1), 35000);
    enum Action { Open, Calculate, Write };
    // A store that lacks what a question reads (a column, or the whole table when none is named)
    // answers it with an error; a save into the missing table is refused in turn.
    const struct { const char* question, *table, *column; Action action; bool tyreKept; const char* end; int messages; }
        cases[] = {
        {"TyreRun: both runs 0", "transport_car_tyre", "TyreRunTo", Open, true, "0", 1},
        {"CheckTyreInUse: the tyre is cleared unasked", "transport_car_tyre", nullptr, Open, false, "", 1},
        {"CarRun: the end run stays", "transport_trip", nullptr, Calculate, true, "36000", 1},
        {"CheckPosition: the save goes on", "transport_car_tyre", nullptr, Write, true, "36000", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        messages.messages.clear();
        const QString name = QString::fromLatin1(c.column ? c.column : c.table);
        const auto rename = [&](const QString& from, const QString& to) {
            const QString table = QString::fromLatin1(c.table);
            bo::storeOf(*session).execute(
                c.column ? QStringLiteral("ALTER TABLE %1 RENAME COLUMN \"%2\" TO \"%3\"").arg(table, from, to)
                         : QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(from, to),
                {});
        };
        // The questions asked on opening go wrong from the start, the others only after.
        if (c.action == Open)
            rename(name, name + QStringLiteral("_gone"));
        auto dialog = opened<frmTransportCarTyres>(request(tyre));
        if (c.action != Open) {
            rename(name, name + QStringLiteral("_gone"));
            dialog->txtRun[1]->setText(QStringLiteral("36000"));
            (c.action == Calculate ? dialog->cmdCalculate : dialog->writeButton())->click();
        }
        rename(name + QStringLiteral("_gone"), name);
        EXPECT_EQ(dialog->txtTyre->objectId().isEmpty(), !c.tyreKept);
        EXPECT_EQ(dialog->txtRun[1]->text(), QString::fromLatin1(c.end));
        ASSERT_EQ(messages.messages.size(), c.messages) << lastMessage().toStdString();
        EXPECT_EQ(messages.messages.first().icon, QMessageBox::Warning);
        EXPECT_EQ(c.messages == 2, lastMessage().endsWith(QStringLiteral("\r\nĮrašymas neatliktas!")));
    }
}

} // namespace
