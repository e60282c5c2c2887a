// One user creating trip sheets as fast as the store lets them, started
// several times at once by the numbering race test. Each sheet is made the
// way the trip sheet card makes it: a new sheet from the host, a proposed
// number ("GetAutoNumber"), the repeated-number check ("Validate") and the
// save; a refused sheet is started again with a fresh number.
//
//   numbering_race_worker STORE USER RESULTS GO SHEETS_PER_DATE DATE[,DATE...]
//
// Writes "ready" beside RESULTS, waits for the file GO, then one line per
// attempt into RESULTS: "saved <number>", "checked <message>" (refused by the
// check) or "refused <message>" (refused by the store). Exits non-zero on
// anything else.

#include "module/module_services.h"
#include "platform/bo/session.h"
#include "platform/contract/date_text.h"
#include "platform/contract/host_factory.h"
#include "tests/support/module_host.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

const QString sheetType = QStringLiteral("O4000100");
constexpr int attemptsPerSheet = 500;

int fail(const QString& why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7)
        return fail(QStringLiteral("usage: numbering_race_worker STORE USER RESULTS GO SHEETS_PER_DATE DATES"));
    const int user = args.at(2).toInt();
    const QString goFile = args.at(4);
    const int sheetsPerDate = args.at(5).toInt();
    QList<QDate> dates;
    for (const QString& text : args.at(6).split(QLatin1Char(','))) {
        const std::optional<QDate> date = vx::dates::readDate(text);
        if (!date)
            return fail(QStringLiteral("not a date: ") + text);
        dates << *date;
    }
    QFile results(args.at(3));
    if (!results.open(QIODevice::WriteOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot write ") + results.fileName());
    QTextStream out(&results);

    int code = 0;
    try {
        auto session = std::make_shared<bo::Session>(bo::Database::open(args.at(1)));
        session->setUserId(user);
        auto factory = std::make_shared<testhost::ScriptedHostFactory>();
        factory->setSession(session);
        vx::setHostFactory(factory);
        auto host = std::make_shared<testhost::StoreHost>(session);
        module::adoptServices(host);
        testhost::ScriptedMessages messages;

        QFile ready(results.fileName() + QStringLiteral(".ready"));
        if (!ready.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("cannot write ") + ready.fileName());
        ready.close();
        while (!QFile::exists(goFile))
            QThread::msleep(2);

        for (const QDate& date : dates) {
            for (int n = 0; n < sheetsPerDate && code == 0; ++n) {
                bool saved = false;
                for (int attempt = 0; attempt < attemptsPerSheet && !saved && code == 0; ++attempt) {
                    const vx::VxObjectUIOPtr sheet = host->Objects().GetVxObject(sheetType);
                    sheet->Fields().setValue(QStringLiteral("Date"), QDateTime(date, QTime(0, 0)));
                    const vx::CallResult number = sheet->Methods(QStringLiteral("GetAutoNumber"), QStringLiteral("0,''"));
                    if (number.Code != 0 || number.Value.toString().isEmpty()) {
                        code = fail(QStringLiteral("no number: ") + number.Message);
                        break;
                    }
                    const vx::CallResult check = sheet->Methods(QStringLiteral("Validate"), QString());
                    if (check.Value != QVariant(true)) {
                        out << "checked\t" << check.Message << '\n';
                        continue;
                    }
                    const vx::Status stored = sheet->Save();
                    if (stored.Code == 0) {
                        out << "saved\t" << number.Value.toString() << '\n';
                        saved = true;
                    } else {
                        out << "refused\t" << stored.Message << '\n';
                    }
                }
                if (!saved && code == 0)
                    code = fail(QStringLiteral("no sheet saved in %1 attempts").arg(attemptsPerSheet));
            }
        }
        for (const testhost::RecordedMessage& shown : messages.messages)
            out << "message\t" << shown.text << '\n';
        module::forgetServices();
        vx::setHostFactory(nullptr);
    } catch (const std::exception& e) {
        code = fail(QString::fromUtf8(e.what()));
    }
    out.flush();
    return code;
}
