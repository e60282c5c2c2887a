// Which columns a printed table keeps and how wide they are after the user
// switched some off, and how the stored states are read and written.

#include "documents/column_states.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using documents::ColumnState;

double widthOf(const documents::PrintTable& table, const QString& field)
{
    for (const documents::PrintColumn& c : table.columns)
        if (c.field == field)
            return c.cm;
    return -1; // not printed
}

struct WidthCase {
    const char* name;
    QString table;
    QString stored;
    QString field;
    double width; // -1: the column is not printed
};

void PrintTo(const WidthCase& c, std::ostream* os)
{
    *os << c.name;
}

class ColumnWidths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ColumnWidths, FreedWidthGoesToTheWideTextColumns)
{
    const WidthCase& c = GetParam();
    const documents::PrintTable printed =
        documents::printedColumns(documents::printTable(c.table), documents::parseStates(c.stored));
    EXPECT_NEAR(widthOf(printed, c.field), c.width, 1e-9);
}

const QString routes = documents::tables::routes;
const QString offNoteAndDuration = QStringLiteral("TransportRouteNote#2#TransportFuelNormDurationValue#2");

INSTANTIATE_TEST_SUITE_P(
    , ColumnWidths,
    ::testing::Values(
        WidthCase{"nothing_off_keeps_route_name", routes, QString(), QStringLiteral("TransportRouteName"), 3.7},
        WidthCase{"two_off_route_name", routes, offNoteAndDuration, QStringLiteral("TransportRouteName"), 4.85},
        WidthCase{"two_off_driver", routes, offNoteAndDuration, QStringLiteral("TransportRouteUserName"), 3.55},
        WidthCase{"two_off_note_gone", routes, offNoteAndDuration, QStringLiteral("TransportRouteNote"), -1},
        WidthCase{"driver_off_too_route_name", routes, offNoteAndDuration + QStringLiteral("#TransportRouteUserName#2"),
                  QStringLiteral("TransportRouteName"), 7.4},
        WidthCase{"route_name_off_driver", routes, QStringLiteral("TransportRouteName#2#TransportRouteNote#2"),
                  QStringLiteral("TransportRouteUserName"), 2.0 + 3.7 + 1.8},
        WidthCase{"printed_state_frees_nothing", routes, QStringLiteral("TransportRouteNote#1"),
                  QStringLiteral("TransportRouteName"), 3.7},
        WidthCase{"cheque_firm_gets_code", documents::tables::cheques, QStringLiteral("Code#2#CurrCode#2"),
                  QStringLiteral("FirmName"), 3.5 + 1.5 + 1.1},
        WidthCase{"norms_keep_widths", documents::tables::norms, QStringLiteral("Duration#2"), QStringLiteral("NormName"), 3},
        WidthCase{"tanks_keep_widths", documents::tables::fuelTanks, QStringLiteral("Code#2"), QStringLiteral("Name"), 3},
        WidthCase{"unknown_name_ignored", routes, QStringLiteral("Nonexistent#2#TransportRouteNote#2"),
                  QStringLiteral("TransportRouteName"), 3.3 + 0.9}),
    [](const ::testing::TestParamInfo<WidthCase>& info) { return std::string(info.param.name); });

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

TEST(ColumnStates, JoinedValueListsEveryColumnInOrder)
{
    const documents::PrintTable norms = documents::printTable(documents::tables::norms);
    const QString joined = documents::joinStates(norms, documents::parseStates(QStringLiteral("Duration#2")));
    EXPECT_EQ(joined, QStringLiteral("NormName#0#DistanceNormValue#1#DurationNormValue#1#Distance#1#Duration#2#"
                                     "FuelByDistanceNorm#1#FuelByDurationNorm#1#FuelByNorm#0"));
    EXPECT_EQ(documents::settingKey(routes), QStringLiteral("TransportTripPrintParametersTripRoutes"));
}

} // namespace
