// Which columns a printed table keeps and how wide they are after the user
// switched some off, how the stored states are read and written, and the
// print parameters dialog that shows and stores them (cancelling stores nothing).

#include "documents/column_states.h"
#include "documents/print_parameters_dialog.h"
#include "tests/support/module_host.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>


namespace {

using documents::ColumnState;

double widthOf(const documents::PrintTable& table, const QString& field)
{
    for (const documents::PrintColumn& c : table.columns)
        if (c.field == field)
            return c.cm;
    return -1; // not printed
}

const QString routes = documents::tables::routes;

// The width a column is printed with once the stored states are applied;
// two columns off (the note and the duration) is the printed sheet's test.
TEST(ColumnWidths, FreedWidthGoesToTheWideTextColumns)
{
    const QString offNoteAndDuration = QStringLiteral("TransportRouteNote#2#TransportFuelNormDurationValue#2");
    struct Case { const char* name; QString table, stored, field; double width; /* -1: not printed */ };
    const Case cases[] = {
        {"nothing off keeps the route name", routes, QString(), QStringLiteral("TransportRouteName"), 3.7},
        {"driver off too: the route name", routes, offNoteAndDuration + QStringLiteral("#TransportRouteUserName#2"),
         QStringLiteral("TransportRouteName"), 7.4},
        {"route name off: the driver", routes, QStringLiteral("TransportRouteName#2#TransportRouteNote#2"),
         QStringLiteral("TransportRouteUserName"), 2.0 + 3.7 + 1.8},
        {"a printed state frees nothing", routes, QStringLiteral("TransportRouteNote#1"), QStringLiteral("TransportRouteName"), 3.7},
        {"the cheques' firm gets the code's", documents::tables::cheques, QStringLiteral("Code#2#CurrCode#2"),
         QStringLiteral("FirmName"), 3.5 + 1.5 + 1.1},
        {"norms keep their widths", documents::tables::norms, QStringLiteral("Duration#2"), QStringLiteral("NormName"), 3},
        {"tanks keep their widths", documents::tables::fuelTanks, QStringLiteral("Code#2"), QStringLiteral("Name"), 3},
        {"an unknown name is ignored", routes, QStringLiteral("Nonexistent#2#TransportRouteNote#2"),
         QStringLiteral("TransportRouteName"), 3.3 + 0.9},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(widthOf(documents::printedColumns(documents::printTable(c.table), documents::parseStates(c.stored)), c.field),
                    c.width, 1e-9)
            << c.name;
}

TEST(ColumnStates, StoredValueOverridesDefaultsAndSkipsWhatItCannotRead)
{
    // An unknown state code and a name without a state are left out.
    const documents::ColumnStates states =
        documents::parseStates(QStringLiteral("Date#1#TransportRouteNote#2#Code#7#TransportRouteDistance"));
    const documents::PrintTable table = documents::printTable(routes);
    auto stateOf = [&](int index) { return documents::stateOf(table.columns.at(index), states); };
    EXPECT_EQ(stateOf(0), ColumnState::Printed);  // Date, always printed by default, stored "1"
    EXPECT_EQ(stateOf(1), ColumnState::Always);   // TransportRouteName: default
    EXPECT_EQ(stateOf(2), ColumnState::Printed);  // TransportRouteDistance: no state stored
    EXPECT_EQ(stateOf(9), ColumnState::Hidden);   // TransportRouteNote
    EXPECT_FALSE(states.contains(QStringLiteral("Code")));
    EXPECT_TRUE(documents::parseStates(QString()).isEmpty());
}

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
    for (const auto& [table, columns] : {std::pair{documents::tables::routes, 10}, {documents::tables::cheques, 11},
                                         {documents::tables::norms, 8}, {documents::tables::fuelTanks, 8}})
        EXPECT_EQ(dialog.boxes(table).size(), columns) << table.toStdString();
    // Each box as checked and enabled: stored "0" and always printed by default
    // are fixed, stored "2" is off, printed by default and stored "1" on.
    const auto looks = [&](const QString& table) {
        QString out;
        for (const QCheckBox* box : dialog.boxes(table))
            out += QStringLiteral(" %1%2").arg(int(box->isChecked())).arg(int(box->isEnabled()));
        return out.toStdString();
    };
    EXPECT_EQ(looks(documents::tables::routes), " 10 10 01 11 10 10 11 11 11 11");
    EXPECT_EQ(looks(documents::tables::fuelTanks), " 11 11 11 11 10 10 10 10")
        << "FuelRestEnd and the three before it are always printed";
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

    // Under the key the user's settings have always held it.
    EXPECT_EQ(environment().GetSetting(QStringLiteral("O4000100"), QStringLiteral("TransportTripPrintParametersTripRoutes"),
                                       QString(), QString()),
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
