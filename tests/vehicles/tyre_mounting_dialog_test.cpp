// The tyre mounting editor: a tyre that is mounted now is refused, the start
// run comes from the tyre's history, the end run from the distance the
// vehicle drove, runs are whole numbers with the end never below the start,
// and a new mounting may not take a position that is taken.

#include "tests/vehicles/vehicle_fleet.h"

#include "vehicles/dialogs/tyre_mounting_dialog.h"

namespace {

using vehicles::frmTransportCarTyres;

class TyreMountingDialogTest : public VehicleFleet {
protected:
    std::unique_ptr<frmTransportCarTyres> open(qint64 tyreId, const QString& oidr = QStringLiteral("O4000900"))
    {
        return opened<frmTransportCarTyres>(vehicles::TyreMountingRequest{car, tyreId, oidr});
    }
    QString mount(qint64 vehicle, qint64 tyreId, int axle, int side, int place, const QVariant& removed, const QVariant& runTo = {})
    {
        return create(QStringLiteral("O4000900"),
                      fields({{"TransportID", vehicle}, {"TyreID", tyreId}, {"Axis", axle}, {"CarSide", side},
                              {"PositionOnAxis", place}, {"DateFrom", QDate(2026, 1, 10)}, {"DateTo", removed},
                              {"TyreRunFrom", 1000}, {"TyreRunTo", runTo}}));
    }
    // The stored fields' values as text, joined by "|".
    std::string storedFields(const QString& id, std::initializer_list<const char*> names)
    {
        QStringList values;
        for (const char* name : names)
            values << storedField(id, name).toString();
        return values.join(u'|').toStdString();
    }
    int mountings() { return bo::storeOf(*session).scalar(QStringLiteral("SELECT COUNT(*) FROM transport_car_tyre")).toInt(); }
};

TEST_F(TyreMountingDialogTest, NewMountingStartsTodayAtTheFirstLeftPlace)
{
    auto dialog = open(0);
    EXPECT_EQ(shown(dialog.get(), "txtAxis cmbCarSide cmbPosition dtpDateFrom dtpDateTo chkDateTo.checked dtpDateTo.visible "
                                  "dtpDateTo.enabled framePosition.enabled cmdCalculate.enabled"),
              "1|Kairė pusė|Pirma (vidinė)|2026.11.16|2026.11.16|False|True|False|True|False");
    EXPECT_FALSE(dialog->writeButton()->isEnabled());
    dialog->chkDateTo->click();
    EXPECT_TRUE(dialog->dtpDateTo->isEnabled());
}

TEST_F(TyreMountingDialogTest, AGivenOrChosenTyreMustBeFreeAndStartsFromItsReachedRun)
{
    mount(otherCar, tyre, 1, 0, 1, QDate(2026, 3, 1), 35000);
    const qint64 mountedNow = named("O4000800", "", {{"Number", QStringLiteral("P-3")}});
    mount(otherCar, mountedNow, 1, 1, 1, QVariant(), 12000);
    const struct { const char* what; qint64 tyre; const char *shown, *said; } cases[] = {
        {"history ending at 35000", tyre, "True|35000|35000|True", ""},
        {"never mounted", spare, "True|0|0|True", ""},
        {"mounted now elsewhere", mountedNow, "False|0|0|False", "Padanga jau sumontuota [critical]"},
    };
    for (const bool chosen : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (chosen ? ", chosen" : ", given"));
            auto dialog = open(chosen ? 0 : c.tyre);
            if (chosen) {
                selectorPicksRecord("O4000800", c.tyre);
                dialog->cmdTyres->click();
                EXPECT_EQ(factory->selectors.script->setup.join(u'|'),
                          QStringLiteral("ObjectType=O4000800|Kind=Tyre|Caption=Pasirinkite padangą"));
            }
            const bool cleared = dialog->txtTyre->objectId().isEmpty() && dialog->txtTyre->text().isEmpty();
            EXPECT_EQ((cleared ? "False|" : "True|") + shown(dialog.get(), "txtRun0 txtRun1 cmdCalculate.enabled"), c.shown);
            EXPECT_EQ(dialog->writeButton()->isEnabled(), !cleared);
            for (const testhost::RecordedMessage& m : messages.messages)
                EXPECT_EQ(m.title, productName());
            EXPECT_EQ(takeMessages(messages), c.said);
        }
    }
}

TEST_F(TyreMountingDialogTest, EndRunAddsTheDistanceDrivenUpToTodayOrTheRemovalDate)
{
    const QDate starts[] = {QDate(2026, 11, 2), QDate(2026, 11, 14), QDate(2026, 11, 3)};
    const double runs[][2] = {{1000, 1300}, {1300, 1500}, {0, 900}};
    for (int i = 0; i < 3; ++i)
        record("O4000100", fields({{"TransportCarID", i < 2 ? car : otherCar}, {"Date", QDateTime(starts[i], QTime(0, 0))},
                                   {"DistanceRest", runs[i][0]}, {"DistanceEnd", runs[i][1]}}));
    const struct { bool removed; QDate removedOn; const char* runs; } cases[] = {
        {false, QDate(2026, 11, 5), "35000|35500"}, {true, QDate(2026, 11, 10), "35000|35300"}, {true, today, "35000|35500"}};
    for (const auto& c : cases) {
        auto dialog = open(tyre);
        dialog->dtpDateFrom->setDate(QDate(2026, 11, 1));
        dialog->chkDateTo->setChecked(c.removed);
        dialog->dtpDateTo->setDate(c.removedOn);
        type(dialog->txtRun[0], "35000");
        dialog->cmdCalculate->click();
        EXPECT_EQ(shown(dialog.get(), "txtRun0 txtRun1"), c.runs) << c.removedOn.toString().toStdString();
    }
}

TEST_F(TyreMountingDialogTest, RunFieldsTakeWholeNumbersAndTheEndIsRaisedToTheStartOnLeaving)
{
    const struct { int field; const char *typed, *runs; } cases[] = {
        {1, "900", "1000|1000"},  // an end below the start takes the start
        {1, "1200", "1000|1200"},
        {0, "1500", "1500|1500"}, // a start above the end takes the end along
        {0, "12.7", "13|1000"},   // a point is a comma, and the comma is rounded away
        {0, "-5a", "5|1000"},     // no minus, no letters
        {0, "", "0|1000"},
    };
    for (const auto& c : cases) {
        auto dialog = open(tyre);
        dialog->txtRun[0]->setText(QStringLiteral("1000"));
        dialog->txtRun[1]->setText(QStringLiteral("1000"));
        enter(dialog->txtRun[c.field]);
        type(dialog->txtRun[c.field], c.typed);
        leave(dialog->txtRun[c.field]);
        EXPECT_EQ(shown(dialog.get(), "txtRun0 txtRun1"), c.runs) << c.typed;
    }
}

TEST_F(TyreMountingDialogTest, NewMountingIsRefusedAPlaceTakenOnTheVehicleAndStoresWhatItShows)
{
    mount(car, spare, 2, 1, 2, QVariant());
    mount(car, spare, 3, 0, 1, QDate(2026, 2, 1)); // removed: the place is free again
    auto dialog = open(tyre);
    dialog->txtAxis->setValue(2);
    dialog->cmbCarSide->setCurrentIndex(1);
    dialog->cmbPosition->setCurrentIndex(1);
    const int before = mountings();
    dialog->writeButton()->click();
    EXPECT_EQ(takeMessages(messages), "Nurodytoje pozicijoje padanga jau sumontuota [critical]");
    EXPECT_TRUE(mountings() == before && dialog->result().cancelled);

    dialog->cmbCarSide->setCurrentIndex(0); // the same place on the other side is free
    dialog->dtpDateFrom->setDate(QDate(2026, 11, 2));
    type(dialog->txtRun[0], "200");
    type(dialog->txtRun[1], "1250");
    dialog->writeButton()->click();
    ASSERT_FALSE(dialog->result().cancelled);
    EXPECT_EQ(takeMessages(messages), "");
    const QString saved = dialog->result().savedOidr;
    EXPECT_EQ(storedFields(saved, {"TransportID", "TyreID", "Axis", "CarSide", "PositionOnAxis", "DateFrom", "TyreRunFrom",
                                   "TyreRunTo"}),
              QStringLiteral("%1|%2|2|0|2|2026-11-02|200|1250").arg(car).arg(tyre).toStdString());
    EXPECT_TRUE(storedField(saved, "DateTo").isNull());
}

TEST_F(TyreMountingDialogTest, SavedMountingKeepsItsPlaceAndIsNotAskedWhetherItIsTaken)
{
    const QString saved = mount(car, tyre, 2, 1, 3, QVariant());
    auto dialog = open(tyre, saved);
    // No end run yet.
    EXPECT_EQ(shown(dialog.get(), "txtAxis cmbCarSide cmbPosition dtpDateFrom dtpDateTo chkDateTo.checked txtRun0 txtRun1 "
                                  "framePosition.enabled"),
              "2|Dešinė pusė|Trečia (išorinė)|2026.01.10|2026.11.16|False|1000|0|False");
    EXPECT_TRUE(dialog->writeButton()->isEnabled());

    dialog->chkDateTo->setChecked(true);
    dialog->dtpDateTo->setDate(QDate(2026, 11, 10));
    type(dialog->txtRun[1], "4200");
    dialog->writeButton()->click();
    EXPECT_EQ(takeMessages(messages), "");
    ASSERT_FALSE(dialog->result().cancelled);
    EXPECT_EQ(storedFields(saved, {"DateTo", "TyreRunTo", "PositionOnAxis"}), "2026-11-10|4200|3");
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
        const QString name = QString::fromLatin1(c.column ? c.column : c.table), table = QString::fromLatin1(c.table);
        const auto rename = [&](const QString& from, const QString& to) {
            bo::storeOf(*session).execute(
                c.column ? QStringLiteral("ALTER TABLE %1 RENAME COLUMN \"%2\" TO \"%3\"").arg(table, from, to)
                         : QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(from, to), {});
        };
        // The questions asked on opening go wrong from the start, the others only after.
        if (c.action == Open)
            rename(name, name + QStringLiteral("_gone"));
        auto dialog = open(tyre);
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
