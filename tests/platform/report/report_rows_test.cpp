// A report's rows open the records they refer to from the report's window:
// each sheet of an odometer gap by the cell's column or the row's buttons, a
// fuel balance's vehicle, an expiring document's vehicle, a worn tyre and the
// vehicle it is on, each in its type's real card; a group's name opens
// nothing, and a sheet the user may not open is refused with a message.

#include "platform/bo/reports/report_catalogue.h"
#include "platform/bo/rights.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/script/synthetic_input.h"
#include "tests/support/host_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

enum class How { Enter, DoubleClick, Button };

class ReportRows : public HostFixture {
protected:
    void TearDown() override
    {
        shell::setDialogRunner(std::move(previousRunner));
        HostFixture::TearDown();
    }

    QStringList opened; // the name field of each card shown
    testhost::ScriptedMessages messages;
    shell::DialogRunner previousRunner;
};

TEST_F(ReportRows, EachCellAndButtonOpensItsRecordInItsCard)
{
    openModuleWindow();
    const qint64 car = createId("O4000400", {{"Name", QStringLiteral("Škoda Octavia")}});
    // The second sheet starts 20 km after the first one ended.
    for (const auto& [name, day, start, end] : {std::tuple{"KL-1", 2, 100.0, 130.0}, std::tuple{"KL-2", 6, 150.0, 180.0}})
        create("O4000100", {{"Name", QString::fromLatin1(name)}, {"TransportCarID", car},
                            {"Date", QDateTime(QDate(2024, 5, day), QTime(8, 0))}, {"DistanceRest", start},
                            {"DistanceEnd", end}});
    // A document ending within the month after May 1st, and a tyre worn to 90 % on the car.
    create("O4001100", {{"TransportID", car}, {"DocNumber", QStringLiteral("D-1")}, {"DateFrom", QDate(2023, 5, 10)},
                        {"DateTo", QDate(2024, 5, 10)}});
    const qint64 tyre = createId("O4000800", {{"Number", QStringLiteral("P-7")}, {"MaxRun", 1000}, {"DateFrom", QDate(2024, 1, 1)}});
    create("O4000900", {{"TransportID", car}, {"TyreID", tyre}, {"Axis", 1}, {"DateFrom", QDate(2024, 1, 1)},
                        {"TyreRunFrom", 0}, {"TyreRunTo", 900}});
    std::function<void(QDialog&)> act; // the user's part in the report's window
    previousRunner = shell::setDialogRunner([&](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("dlgReportParameters")) {
            for (const auto& [date, day] : {std::pair{"dtpFrom", 1}, std::pair{"dtpTo", 31}, std::pair{"dtpDay", 1}})
                if (auto* edit = dialog.findChild<QDateEdit*>(QString::fromLatin1(date)))
                    edit->setDate(QDate(2024, 5, day));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdPreview")), Qt::LeftButton);
            return dialog.result();
        }
        if (dialog.objectName() == QLatin1String("dlgPrintPreview")) {
            // Shown, so its cells have their places on the screen.
            dialog.resize(1366, 768);
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            act(dialog);
        } else if (dialog.objectName() == QLatin1String("frmModalCard")) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("txtName")); // a tyre has a number instead
            opened << (name ? name : dialog.findChild<QLineEdit*>(QStringLiteral("txtNumber")))->text();
        }
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(window->selectNode(QStringLiteral("CVxReportLockO4000100")));

    const struct {
        const char* report;
        How how;
        int column;         // the current cell's
        const char* button; // pressed by How::Button
        const char* opens;  // the shown card's name; "" none
        bool mayOpenSheets = true;
    } cases[] = {
        {"OdometerGaps", How::Enter, 1, "", "KL-1"}, // the previous sheet's columns
        {"OdometerGaps", How::DoubleClick, 3, "", "KL-1"},
        {"OdometerGaps", How::Enter, 4, "", "KL-2"}, // the row's own sheet
        {"OdometerGaps", How::DoubleClick, 0, "", "KL-2"},
        {"OdometerGaps", How::Button, 7, "cmdOpen0", "KL-1"}, // whatever the cell
        {"OdometerGaps", How::Button, 1, "cmdOpen1", "KL-2"},
        {"FuelBalance", How::Enter, 1, "", "Škoda Octavia"},
        {"FuelBalance", How::Enter, 0, "", ""},
        {"ExpiringDocuments", How::Enter, 1, "", "Škoda Octavia"}, // the document is kept on the vehicle's card
        {"ExpiringDocuments", How::Button, 4, "cmdOpen0", "Škoda Octavia"},
        {"TyreRuns", How::DoubleClick, 4, "", "P-7"},
        {"TyreRuns", How::Enter, 1, "", "Škoda Octavia"},
        {"TyreRuns", How::Button, 1, "cmdOpen0", "P-7"},
        {"OdometerGaps", How::Enter, 4, "", "", false},
    };
    for (const auto& c : cases) {
        if (!c.mayOpenSheets)
            storeRights(session(), session().userId(),
                        {{QStringLiteral("CTransportTrips"), *bo::Rights::fromDigits(QStringLiteral("0000"))},
                         {QStringLiteral("CTransportReports"), *bo::Rights::fromDigits(QStringLiteral("1000"))}});
        opened.clear();
        messages.messages.clear();
        act = [&](QDialog& preview) {
            auto* table = preview.findChild<QTableView*>(QStringLiteral("lvwReportRows"));
            ASSERT_TRUE(table);
            // The first row: the gap, or the fuel balance's vehicle before its totals.
            const QModelIndex cell = table->model()->index(0, c.column);
            table->setCurrentIndex(cell);
            if (c.how == How::Enter)
                QTest::keyClick(table, Qt::Key_Return);
            else if (c.how == How::DoubleClick)
                shell::script::input::mouseDoubleClick(table->viewport(), table->visualRect(cell).center());
            else
                QTest::mouseClick(preview.findChild<QPushButton*>(QString::fromLatin1(c.button)), Qt::LeftButton);
        };
        window->currentController()->ClickMenu(bo::reports::idOf(*bo::reports::findReport(QString::fromLatin1(c.report))),
                                               QString(), QStringLiteral("0"), QString());
        const QStringList expected = *c.opens ? QStringList{QString::fromUtf8(c.opens)} : QStringList{};
        EXPECT_EQ(opened, expected) << c.report << " column " << c.column << " " << c.button;
        EXPECT_EQ(messages.texts(), c.mayOpenSheets ? QStringList{} : QStringList{QStringLiteral("Neturite teisės atverti šio įrašo.")});
    }
}

} // namespace
