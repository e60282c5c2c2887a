// The reports node as a user meets it: the trip sheet reports listed without a
// message and hidden without the right, each report's parameter dialog asking
// what it needs, and the report document; the way through the dialog into the
// preview and the saved files is fuel_balance_report.script's.

#include "platform/bo/rights.h"
#include "platform/contract/object_id.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/report_document.h"
#include "platform/shell/reports/report_parameters_dialog.h"
#include "platform/shell/reports/report_runner.h"
#include "tests/support/host_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QDateEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

namespace {

const QString reportsNode = QStringLiteral("CVxReportLockO4000100");
const QString fuelBalance = QStringLiteral("O00019001");

constexpr auto* f = &fieldMap;

class ShellReports : public HostFixture {
protected:
    void prepare() override
    {
        openModuleWindow();
        const qint64 diesel = createId(QStringLiteral("O4000604"), f({{"Name", QStringLiteral("Dyzelinas")}}));
        const qint64 fuel = createId(QStringLiteral("O4000602"), f({{"Name", QStringLiteral("DT")}, {"TransportFuelTankTypeID", diesel}}));
        car = create(QStringLiteral("O4000400"), f({{"Name", QStringLiteral("Škoda Octavia")}}));
        const qint64 trip = createId(QStringLiteral("O4000100"),
                                     f({{"TransportCarID", vx::oid::recordNumber(car)}, {"Date", QDateTime(QDate(2024, 5, 2), QTime(8, 0))},
                                        {"DistanceRest", 100.0}, {"DistanceEnd", 130.0}, {"FuelTankTypeID1", diesel}, {"FuelRest1", 5.0}}));
        create(QStringLiteral("O4000300"), f({{"TransportTripID", trip}, {"TransportFuelTypeID", fuel}, {"FuelAmount", 42.5},
                                              {"Date", QDate(2024, 5, 2)}}));
    }

    QString car;
    testhost::ScriptedMessages messages;
    testhost::ScriptedDialogs dialogs; // unanswered ones are rejected
};

TEST_F(ShellReports, TheNodeListsTheTripSheetReportsWithoutAMessage)
{
    ASSERT_TRUE(window->selectNode(reportsNode));
    shell::ObjectListModel* model = window->listModel();
    EXPECT_EQ(rowTexts(*model), (QStringList{QStringLiteral("Kuro balansas"), QStringLiteral("Kuro čekiai"),
                                  QStringLiteral("Spidometro neatitikimai"), QStringLiteral("Baigiantys galioti dokumentai"),
                                  QStringLiteral("Padangų rida")}));
    EXPECT_EQ(model->data(model->index(0, 0), shell::ObjectListModel::KeyRole).toString(), fuelBalance);
    EXPECT_EQ(headerTexts(*model), (QStringList{QStringLiteral("Pavadinimas"), QStringLiteral("Aprašymas")}));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Ataskaitos: 5 įr."));
    EXPECT_TRUE(messages.messages.isEmpty());

    storeRights(session(), session().userId(),
                {{QStringLiteral("CTransportReports"), *bo::Rights::fromDigits(QStringLiteral("0000"))}});
    EXPECT_EQ(window->currentController()->GetVxObjectList(QString(), QStringLiteral("O4000100"), QString())->RecordCount(), 0);
    EXPECT_TRUE(window->currentController()->GetMenu(fuelBalance, QString(), QString()).isEmpty());
}

TEST_F(ShellReports, EachReportAsksOnlyWhatItNeedsAndOpensItsPreview)
{
    create(QStringLiteral("O4001100"), f({{"TransportID", vx::oid::recordNumber(car)}, {"DocNumber", QStringLiteral("TA-7")},
                                          {"DocShape", QStringLiteral("Talonas")}, {"DateTo", QDate(2024, 5, 20)}}));
    const struct {
        const char* key;
        QStringList asked; // of period, day, number, vehicles, driver
    } cases[] = {
        {"FuelBalance", {QStringLiteral("dtpFrom"), QStringLiteral("cmdAddVehicle"), QStringLiteral("txtDriver")}},
        {"FuelCheques", {QStringLiteral("dtpFrom"), QStringLiteral("cmdAddVehicle")}},
        {"OdometerGaps", {QStringLiteral("dtpFrom"), QStringLiteral("cmdAddVehicle")}},
        {"ExpiringDocuments", {QStringLiteral("dtpDay"), QStringLiteral("txtNumber"), QStringLiteral("cmdAddVehicle")}},
        {"TyreRuns", {QStringLiteral("txtNumber"), QStringLiteral("cmdAddVehicle")}},
    };
    ASSERT_TRUE(window->selectNode(reportsNode));
    for (const auto& c : cases) {
        const bo::reports::ReportDefinition& report = *bo::reports::findReport(QString::fromLatin1(c.key));
        QStringList asked;
        dialogs.answer([&](QDialog& dialog) {
            for (const char* name : {"dtpFrom", "dtpDay", "txtNumber", "cmdAddVehicle", "txtDriver"})
                if (dialog.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&dialog))
                    asked << QString::fromLatin1(name);
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpDay"))->setDate(QDate(2024, 5, 1));
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate(2024, 5, 1));
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2024, 5, 31));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdPreview")), Qt::LeftButton);
            return dialog.result();
        });
        dialogs.answer([&](QDialog& preview) {
            // A look at each report as the user gets it, where the caller asks for one.
            if (const QString shots = qEnvironmentVariable("KELMIRA_SHOTS"); !shots.isEmpty()) {
                preview.resize(1366, 768);
                preview.show();
                QTest::qWait(200);
                preview.grab().save(shots + QLatin1Char('/') + report.key + QStringLiteral(".png"));
            }
            return int(QDialog::Rejected);
        });
        dialogs.shown.clear();
        window->currentController()->ClickMenu(bo::reports::idOf(report), QString(), QStringLiteral("0"), QString());
        EXPECT_EQ(asked, c.asked) << c.key;
        EXPECT_EQ(dialogs.shown, (QStringList{QStringLiteral("dlgReportParameters"), QStringLiteral("dlgPrintPreview")})) << c.key;
    }
    EXPECT_EQ(messages.texts(), QStringList());
}

// The route from the list through the parameter dialog to the preview and
// the saved files is fuel_balance_report.script's.
TEST_F(ShellReports, TheDocumentNamesThePeriodAndTheChosenVehiclesAndHoldsTheRows)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const bo::reports::ReportDefinition& report = *bo::reports::findReport(QStringLiteral("FuelBalance"));
    bo::reports::ReportArguments args;
    args.from = QDate(2024, 5, 1);
    args.to = QDate(2024, 5, 31);
    args.vehicles = {car};
    args.vehicleNames = {QStringLiteral("Škoda Octavia")};
    const vx::RecordsetPtr result = bo::reports::run(session(), report, args).Value.value<vx::RecordsetPtr>();
    ASSERT_TRUE(result);
    const vx::VxReportDocumentPtr document = shell::createReportDocument();
    shell::fillReportDocument(*document, report, args, *result);
    const QString pdf = store_->location() + QStringLiteral(".report.pdf");
    ASSERT_TRUE(document->writePdf(pdf));
    QProcess text;
    text.start(tool, {pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Kuro balansas", "Laikotarpis: 2024.05.01 – 2024.05.31", "Automobiliai: Škoda Octavia",
                                 "47,500", "Iš viso"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(expected))) << expected;
}

} // namespace
