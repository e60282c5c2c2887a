// The reports node as a user meets it: the trip sheet reports listed without a
// message and hidden without the right, and a report run from the list through
// its one parameter dialog into the preview, a .csv or an .xlsx file.

#include "documents/docx_package.h"
#include "platform/bo/rights.h"
#include "platform/contract/object_id.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/report_document.h"
#include "platform/shell/reports/report_parameters_dialog.h"
#include "platform/shell/reports/report_runner.h"
#include "tests/support/host_fixture.h"
#include "platform/contract/message_door.h"
#include "platform/shell/dialog_runner.h"

#include <QDateEdit>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

namespace {

const QString reportsNode = QStringLiteral("CVxReportLockO4000100");
const QString fuelBalance = QStringLiteral("O00019001");

constexpr auto* f = &fieldMap;

class ShellReports : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        if (IsSkipped())
            return;
        openModuleWindow();
        previousHandler = vx::messages::setHandler(
            [this](const QString& text, const QString&, QMessageBox::Icon, QMessageBox::StandardButtons) {
                messages << text;
                return QMessageBox::NoButton;
            });
        previousRunner = shell::setDialogRunner([this](QDialog& dialog) {
            shown << dialog.objectName();
            return plays.isEmpty() ? int(QDialog::Rejected) : plays.takeFirst()(dialog);
        });
        const qint64 diesel = createId(QStringLiteral("O4000604"), f({{"Name", QStringLiteral("Dyzelinas")}}));
        const qint64 fuel = createId(QStringLiteral("O4000602"), f({{"Name", QStringLiteral("DT")}, {"TransportFuelTankTypeID", diesel}}));
        car = create(QStringLiteral("O4000400"), f({{"Name", QStringLiteral("Škoda Octavia")}}));
        const qint64 trip = createId(QStringLiteral("O4000100"),
                                     f({{"TransportCarID", vx::oid::recordNumber(car)}, {"Date", QDateTime(QDate(2024, 5, 2), QTime(8, 0))},
                                        {"DistanceRest", 100.0}, {"DistanceEnd", 130.0}, {"FuelTankTypeID1", diesel}, {"FuelRest1", 5.0}}));
        create(QStringLiteral("O4000300"), f({{"TransportTripID", trip}, {"TransportFuelTypeID", fuel}, {"FuelAmount", 42.5},
                                              {"Date", QDate(2024, 5, 2)}}));
    }

    void TearDown() override
    {
        shell::setDialogRunner(std::move(previousRunner));
        vx::messages::setHandler(std::move(previousHandler));
        HostFixture::TearDown();
    }

    using Play = std::function<int(QDialog&)>;

    // Fills the parameter dialog for May 2024 and this vehicle and presses `button`.
    Play parameters(const char* button)
    {
        return [this, button](QDialog& dialog) {
            auto& asked = dynamic_cast<shell::ReportParametersDialog&>(dialog);
            asked.findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate(2024, 5, 31));
            asked.findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2024, 5, 1));
            QPushButton* press = asked.findChild<QPushButton*>(QString::fromLatin1(button));
            QTest::mouseClick(press, Qt::LeftButton);
            EXPECT_EQ(asked.result(), 0) << "a period ending before it starts keeps the dialog open";
            asked.findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate(2024, 5, 1));
            asked.findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2024, 5, 31));
            asked.addVehicle(car, QStringLiteral("Škoda Octavia"));
            QTest::mouseClick(press, Qt::LeftButton);
            return asked.result();
        };
    }

    QString car;
    QStringList messages; // texts of the message boxes shown
    QStringList shown;    // object names of the dialogs run
    QList<Play> plays;    // the user's part in the next dialogs
    vx::messages::Handler previousHandler;
    shell::DialogRunner previousRunner;
};

TEST_F(ShellReports, TheNodeListsTheTripSheetReportsWithoutAMessage)
{
    ASSERT_TRUE(window->selectNode(reportsNode));
    shell::ObjectListModel* model = window->listModel();
    QStringList names;
    for (int r = 0; r < model->rowCount(); ++r)
        names << model->data(model->index(r, 0)).toString();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Kuro balansas"), QStringLiteral("Kuro čekiai"),
                                  QStringLiteral("Spidometro neatitikimai"), QStringLiteral("Baigiantys galioti dokumentai"),
                                  QStringLiteral("Padangų rida")}));
    EXPECT_EQ(model->data(model->index(0, 0), shell::ObjectListModel::KeyRole).toString(), fuelBalance);
    QStringList headers;
    for (int c = 0; c < model->columnCount(); ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{QStringLiteral("Pavadinimas"), QStringLiteral("Aprašymas")}));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Ataskaitos: 5 įr."));
    EXPECT_TRUE(messages.isEmpty());

    storeRights(session(), session().userId(),
                {{QStringLiteral("CTransportReports"), *bo::Rights::fromDigits(QStringLiteral("0000"))}});
    EXPECT_EQ(window->currentController()->GetVxObjectList(QString(), QStringLiteral("O4000100"), QString())->RecordCount(), 0);
    EXPECT_TRUE(window->currentController()->GetMenu(fuelBalance, QString(), QString()).isEmpty());
}

TEST_F(ShellReports, TheParameterDialogLeadsToThePreview)
{
    plays << parameters("cmdPreview");
    plays << [](QDialog& preview) {
        // A look at the report as the user gets it, where the caller asks for one.
        if (const QString shots = qEnvironmentVariable("KELMIRA_SHOTS"); !shots.isEmpty()) {
            preview.resize(1366, 768);
            preview.show();
            QTest::qWait(200);
            preview.grab().save(shots + QStringLiteral("/fuel_balance_preview.png"));
        }
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(window->selectNode(reportsNode));
    window->currentController()->ClickMenu(fuelBalance, QString(), QStringLiteral("0"), QString());
    EXPECT_EQ(shown, (QStringList{QStringLiteral("dlgReportParameters"), QStringLiteral("dlgPrintPreview")}));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Laikotarpio pabaiga ankstesnė už pradžią.")});
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
        plays << [&](QDialog& dialog) {
            for (const char* name : {"dtpFrom", "dtpDay", "txtNumber", "cmdAddVehicle", "txtDriver"})
                if (dialog.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&dialog))
                    asked << QString::fromLatin1(name);
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpDay"))->setDate(QDate(2024, 5, 1));
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate(2024, 5, 1));
            dialog.findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2024, 5, 31));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdPreview")), Qt::LeftButton);
            return dialog.result();
        };
        plays << [&](QDialog& preview) {
            // A look at each report as the user gets it, where the caller asks for one.
            if (const QString shots = qEnvironmentVariable("KELMIRA_SHOTS"); !shots.isEmpty()) {
                preview.resize(1366, 768);
                preview.show();
                QTest::qWait(200);
                preview.grab().save(shots + QLatin1Char('/') + report.key + QStringLiteral(".png"));
            }
            return int(QDialog::Rejected);
        };
        shown.clear();
        window->currentController()->ClickMenu(bo::reports::idOf(report), QString(), QStringLiteral("0"), QString());
        EXPECT_EQ(asked, c.asked) << c.key;
        EXPECT_EQ(shown, (QStringList{QStringLiteral("dlgReportParameters"), QStringLiteral("dlgPrintPreview")})) << c.key;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ShellReports, TheReportIsSavedAsCsvAndLaidOutInTheDocument)
{
    const QString path = store_->location() + QStringLiteral(".report.csv");
    plays << parameters("cmdSaveCsv");
    plays << [&](QDialog& dialog) {
        dynamic_cast<QFileDialog&>(dialog).selectFile(path);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(window->selectNode(reportsNode));
    window->currentController()->ClickMenu(fuelBalance, QString(), QStringLiteral("0"), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(1), QStringLiteral("Be grupės;Škoda Octavia;1;0;30;0,000;42,500;5,000;47,500;0,000"));

    // The same rows as a workbook, the litres a number cell, the total named.
    const QString workbook = store_->location() + QStringLiteral(".report.xlsx");
    plays << parameters("cmdSaveXlsx");
    plays << [&](QDialog& dialog) {
        dynamic_cast<QFileDialog&>(dialog).selectFile(workbook);
        return int(QDialog::Accepted);
    };
    window->currentController()->ClickMenu(fuelBalance, QString(), QStringLiteral("0"), QString());
    documents::DocxPackage package;
    ASSERT_TRUE(package.read(workbook, nullptr));
    const QString sheet = QString::fromUtf8(package.part(QStringLiteral("xl/worksheets/sheet1.xml")));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"G2\"[^>]*><v>42.5</v>")))) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("<t>Iš viso</t>")));

    // The same rows in the report document, totals included.
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return;
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
