// The print parameters dialog: its boxes show the stored states, and saving
// stores each table's "#"-joined value; cancelling stores nothing.

#include "documents/print_parameters_dialog.h"
#include "tests/support/module_host.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PrintParametersDialog : public testhost::ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        if (host)
            host->logInNew();
    }

    // The table's setting as the host stores it for the signed-in user.
    QString stored(const QString& table) const
    {
        return environment().GetSetting(QStringLiteral("O4000100"), documents::settingKey(table), QString(), QString());
    }
    vx::VxEnvironment& environment() const { return host->Environment(); }
};

TEST_F(PrintParametersDialog, ShowsEveryColumnOfTheFourTablesWithItsState)
{
    environment().SaveSetting(QStringLiteral("O4000100"), documents::settingKey(documents::tables::routes),
                            QStringLiteral("Date#0#TransportRouteDistance#2#TransportRouteNote#1#Unknown#2"), QString());
    frmTransportTripPrintParameters dialog(documents::parametersOrder(), environment());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spausdinimo parametrai"));

    const struct {
        const char* prefix;
        int count;
    } frames[] = {{"chkTripRouts", 10}, {"chkCheques", 11}, {"chkTripNorms", 8}, {"chkTripFuelTanks", 8}};
    for (const auto& frame : frames) {
        for (int i = 0; i < frame.count; ++i)
            EXPECT_TRUE(dialog.findChild<QCheckBox*>(QString::fromLatin1(frame.prefix) + QString::number(i)))
                << frame.prefix << i;
        EXPECT_FALSE(dialog.findChild<QCheckBox*>(QString::fromLatin1(frame.prefix) + QString::number(frame.count)));
    }

    const QList<QCheckBox*> routes = dialog.boxes(documents::tables::routes);
    auto look = [&](int i) { return std::make_pair(routes.at(i)->isChecked(), routes.at(i)->isEnabled()); };
    EXPECT_EQ(routes.at(2)->text(), QStringLiteral("Atstumas"));
    EXPECT_EQ(look(0), std::make_pair(true, false));  // stored "0"
    EXPECT_EQ(look(1), std::make_pair(true, false));  // always printed by default
    EXPECT_EQ(look(2), std::make_pair(false, true));  // stored "2"
    EXPECT_EQ(look(3), std::make_pair(true, true));   // printed by default
    EXPECT_EQ(look(9), std::make_pair(true, true));   // stored "1"

    const QList<QCheckBox*> tanks = dialog.boxes(documents::tables::fuelTanks);
    EXPECT_TRUE(tanks.at(0)->isEnabled());
    EXPECT_FALSE(tanks.at(7)->isEnabled()); // FuelRestEnd is always printed
}

TEST_F(PrintParametersDialog, SaveStoresEveryTableAndCancelStoresNothing)
{
    const QString tables[] = {documents::tables::routes, documents::tables::cheques, documents::tables::norms,
                              documents::tables::fuelTanks};
    {
        frmTransportTripPrintParameters dialog(documents::parametersOrder(), environment());
        dialog.boxes(documents::tables::routes).at(8)->click(); // Vairuotojas off
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    for (const QString& table : tables)
        EXPECT_TRUE(stored(table).isNull()) << table.toStdString();

    frmTransportTripPrintParameters dialog(documents::parametersOrder(), environment());
    dialog.boxes(documents::tables::routes).at(8)->click();
    dialog.boxes(documents::tables::cheques).at(2)->click(); // Kodas off
    dialog.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    EXPECT_EQ(stored(documents::tables::routes),
              QStringLiteral("Date#0#TransportRouteName#0#TransportRouteDistance#1#TransportRouteDuration#1#"
                             "TransportFuelTypeName#0#TransportFuelNormName#0#TransportFuelNormValue#1#"
                             "TransportFuelNormDurationValue#1#TransportRouteUserName#2#TransportRouteNote#1"));
    EXPECT_TRUE(stored(documents::tables::cheques).startsWith(QStringLiteral("Date#0#Name#0#Code#2#")));
    EXPECT_FALSE(stored(documents::tables::norms).isEmpty());
    EXPECT_FALSE(stored(documents::tables::fuelTanks).isEmpty());

    // What was saved comes back when the dialog opens again.
    frmTransportTripPrintParameters again(documents::parametersOrder(), environment());
    EXPECT_FALSE(again.boxes(documents::tables::routes).at(8)->isChecked());
    EXPECT_TRUE(again.boxes(documents::tables::routes).at(8)->isEnabled());
}

} // namespace
