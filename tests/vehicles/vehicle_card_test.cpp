// The vehicle card on a real store: how a vehicle and a group load, the fuel
// tank type choice, validation and saving, the right to change, the four tabs'
// rows and refused drops, and the focus order.
// Typing numbers, saving and closing by keys, a norm chosen twice, dropping on
// the lists and deleting from them are new_vehicle.script's.

#include "tests/vehicles/vehicle_fleet.h"

#include "module/list_item_roles.h"
#include "vehicles/card/vehicle_card.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

class VehicleCardTest : public VehicleFleet {
protected:
    void SetUp() override
    {
        VehicleFleet::SetUp();
        if (!session)
            return;
        diesel = named("O4000604", "Dyzelinas");
        petrol = named("O4000604", "Benzinas");
        const qint64 fuel = named("O4000602", "Dyzelinas D", {{"TransportFuelTankTypeID", diesel}});
        norm = named("O4000603", "Vasara", {{"Value", 28.5}, {"TransportFuelTypeID", fuel}});
        truckType = named("O4000607", "Vilkikas");
    }

    // The card of a vehicle (the fleet's by default) or of a new record, a group when asked.
    std::unique_ptr<frmTransportCars> openCar(const QString& id = {}, bool group = false)
    {
        const vx::VxObjectUIOPtr editor = host->objects.GetVxObject(id.isEmpty() ? vx::oid::make(u"O4000400", car) : id);
        if (group)
            editor->Fields().setValue(QStringLiteral("GroupFlag"), 1);
        return openCard<frmTransportCars>(editor);
    }
    int normLinks() { return bo::storeOf(*session).scalar(QStringLiteral("SELECT COUNT(*) FROM transport_car_fuel_norm")).toInt(); }

    testhost::ScriptedDialogs dialogs;
    qint64 diesel = 0, petrol = 0, norm = 0, truckType = 0;
};

// Captions and the group a vehicle is in are new_vehicle.script's.
TEST_F(VehicleCardTest, LoadsAVehicleOrAGroupWithItsParts)
{
    const qint64 fleetGroup = named("O4000400", "Sunkvežimiai", {{"GroupFlag", 1}});
    // The vehicle's or the group's frame shown, saving and cancelling off, and
    // the four tabs after the first enabled or not.
    const struct { const char* what; QString id; bool group; const char* parts; } cases[] = {
        {"new vehicle", QStringLiteral("O4000400"), false, "True|False|False|False|0000"},
        {"saved vehicle", vx::oid::make(u"O4000400", car), false, "True|False|False|False|1111"},
        {"new group", QStringLiteral("O4000400"), true, "False|True|False|False|0000"},
        {"saved group", vx::oid::make(u"O4000400", fleetGroup), false, "False|True|False|False|0000"},
    };
    for (const auto& c : cases) {
        const auto card = openCar(c.id, c.group);
        card->show();
        std::string tabs = "|";
        for (int tab = frmTransportCars::Drivers; tab <= frmTransportCars::Tyres; ++tab)
            tabs += card->TabStrip->isTabEnabled(tab) ? '1' : '0';
        EXPECT_EQ(shown(card.get(), "fraCar.visible fraGroupName.visible cmdWrite.enabled cmdCancel.enabled") + tabs, c.parts) << c.what;
    }

    const auto fresh = openCar(QStringLiteral("O4000400"));
    fresh->show();
    const char* fields = "txtLenth txtHeight txtWidth txtVolume txtCargoWeight txtTotalMass txtInitialRun txtPalettes "
                         "txtName chkChasisDate.checked chkDateWriteOff.checked dtpChasisDate dtpChasisDate.visible";
    EXPECT_EQ(shown(fresh.get(), fields), "0|0|0|0|0|0|0|0||False|False|2026.11.16|False");
    fresh->chkChasisDate->click();
    EXPECT_EQ(shown(fresh.get(), "dtpChasisDate.visible cmdWrite.enabled cmdCancel.enabled"), "True|True|False");
}

TEST_F(VehicleCardTest, TheSameTankTypeIsNotChosenTwice)
{
    const auto card = openCar();
    for (const auto& [index, tankType] : {std::pair{0, diesel}, {1, petrol}, {1, diesel}}) {
        selectorPicksRecord("O4000604", tankType);
        card->cmdFuelType[index]->click();
    }
    EXPECT_EQ(shown(card.get(), "txtFuelType0 txtFuelType1"), "Dyzelinas|Benzinas");
    card->cmdCleanFuelType[0]->click();
    EXPECT_TRUE(card->txtFuelType[0]->objectId().isEmpty());
    EXPECT_TRUE(factory->selectors.script->setup.contains(QStringLiteral("ObjectType=O4000604")));
}

// A vehicle's missing name, then its blank number, are refused in
// new_vehicle.script, which also saves a group without a number.
TEST_F(VehicleCardTest, AGroupNeedsANameAndANameOfSpacesIsOne)
{
    for (const bool group : {true, false}) {
        const auto card = openCar(QStringLiteral("O4000400"), group);
        typeKeys(group ? card->txtComment : card->txtName, QStringLiteral(" "));
        typeKeys(card->txtNumber, QStringLiteral("X 1"));
        card->cmdWrite->click();
        EXPECT_EQ(takeMessages(messages), group ? "Nenurodytas pavadinimas [critical]" : "") << group;
        EXPECT_EQ(card->isNew(), group);
    }
}

// What a saved vehicle shows when opened again, and a fractional number of
// palettes refused, are new_vehicle.script's; here what is stored for what was
// left unchosen or ticked off again.
TEST_F(VehicleCardTest, WhatWasLeftUnchosenOrUntickedIsStoredAsNull)
{
    auto card = openCar();
    for (const auto& [type, number, button] :
         {std::tuple{"O4000607", truckType, card->cmdType}, {"O4000604", petrol, card->cmdFuelType[1]}}) {
        selectorPicksRecord(type, number);
        button->click();
    }
    card->chkDateWriteOff->click();
    card->chkDateWriteOff->click(); // unticked: no date, whatever the picker shows
    card->cmdWrite->click();
    EXPECT_EQ(takeMessages(messages), "");
    EXPECT_TRUE(host->log.contains(QStringLiteral("Desktop.RefreshVxObject(O4000400%1)").arg(car)));
    QStringList stored; // a null is shown as empty
    for (const char* field : {"TypeID", "FuelTankTypeID1", "FuelTankTypeID2", "DateWriteOff", "PropertiesID"})
        stored << storedField(vx::oid::make(u"O4000400", car), field).toString();
    EXPECT_EQ(stored.join(u'|'), QStringLiteral("%1||%2||").arg(truckType).arg(petrol));
    selectorPicksRecord("O4000607", truckType);
    card->cmdType->click();
    EXPECT_TRUE(card->cmdWrite->isEnabled()) << "choosing the same type again is a change";
}

TEST_F(VehicleCardTest, WithoutTheChangeRightNothingIsSavedOrEdited)
{
    host->grant(QStringLiteral("CTransportCars"), true, false, false, false);
    create(QStringLiteral("O4001000"), fields({{"TransportID", car}, {"UserID", driver}}));
    const auto card = openCar();
    card->txtName->setText(QStringLiteral("Kitas"));
    EXPECT_EQ(shown(card.get(), "cmdWrite.enabled cmdCancel.enabled"), "False|False");
    QTest::keyClick(card->lvwDrivers, Qt::Key_Insert);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(card->QueryRemove()) << "nothing savable, nothing to ask";
}

TEST_F(VehicleCardTest, TabsShowTheirRowsByTheCellRules)
{
    create(QStringLiteral("O4001000"), fields({{"TransportID", car}, {"UserID", driver},
                                               {"DateFrom", QDate(2026, 1, 5)}, {"Order", QStringLiteral("Nr. 7")}}));
    create(QStringLiteral("O4000900"), fields({{"TransportID", car}, {"TyreID", tyre}, {"Axis", 1}, {"CarSide", 1},
                                               {"PositionOnAxis", 1}, {"DateFrom", QDate(2026, 1, 10)}}));
    create(QStringLiteral("O4000500"), fields({{"TransportCarID", car}, {"TransportFuelNormID", norm}}));
    const auto card = openCar();
    EXPECT_EQ(rowsOf(card->lvwDrivers), "Jonas Petraitis|2026.01.05| |Nr. 7");
    EXPECT_EQ(rowsOf(card->lvwTyres), QStringLiteral("2026.01.10| |1|Dešinė|1|%1|0|0")
                                          .arg(stored(vx::oid::make(u"O4000800", tyre))->Preview()).toStdString());
    EXPECT_EQ(rowsOf(card->lvwFuelNorms), "Vasara||Dyzelinas D|28,5");
    EXPECT_EQ(ListItem::tagOf(card->lvwDrivers->topLevelItem(0)), QString::number(driver));
}

// What the lists take, and deleting a norm, are new_vehicle.script's.
TEST_F(VehicleCardTest, ADropOnTheWrongListIsRefused)
{
    const auto card = openCar();
    card->show();
    EXPECT_FALSE(dropText(card->lvwTyres, vx::oid::make(u"O0001401", driver)));
    EXPECT_FALSE(dropText(card->lvwDrivers, vx::oid::make(u"O4000603", norm)));
    QTest::qWait(20);
    EXPECT_TRUE(normLinks() == 0 && messages.messages.isEmpty() && dialogs.shown.isEmpty());
}

TEST_F(VehicleCardTest, TabGoesRoundEachPageInReadingOrderAndStaysInTheCard)
{
    QWidget desktop; // the window around the card, with a control of its own
    auto* layout = new QVBoxLayout(&desktop);
    layout->addWidget(new QLineEdit(&desktop));
    frmTransportCars* card = openCar().release();
    layout->addWidget(card);
    desktop.show();
    QApplication::setActiveWindow(&desktop);
    // Each page's controls between the tab bar and the close button (saving and cancelling are off).
    const char* pages[] = {"txtGroup,cmdParentGroup,txtName,txtNumber,txtType,cmdType,txtInitialRun,txtLenth,txtHeight,"
                           "txtWidth,txtVolume,txtChasisNumber,txtProperties,cmdProperties,txtCargoWeight,txtTotalMass,"
                           "txtPalettes,txtFuelType0,cmdFuelType0,cmdCleanFuelType0,txtFuelType1,cmdFuelType1,"
                           "cmdCleanFuelType1,chkChasisDate,chkDateWriteOff,txtComment",
                           "lvwDrivers", "lvwDocuments", "lvwFuelNorms", "lvwTyres"};
    QTabBar* bar = card->TabStrip->tabBar();
    for (int page = 0; page < int(std::size(pages)); ++page) {
        card->TabStrip->setCurrentIndex(page);
        for (const bool forward : {true, false}) {
            bar->setFocus(Qt::TabFocusReason);
            QStringList reached;
            for (int step = 0; step < 40 && (step == 0 || QApplication::focusWidget() != bar); ++step) {
                reached << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
            }
            QStringList expected = QString::fromLatin1(pages[page]).split(u',') << QStringLiteral("SSCClose");
            if (!forward)
                std::reverse(expected.begin(), expected.end());
            EXPECT_EQ(reached, QStringList{bar->objectName()} + expected) << page << forward;
        }
    }
}

} // namespace
