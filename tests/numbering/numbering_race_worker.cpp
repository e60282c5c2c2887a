// One user creating trip sheets as fast as the store lets them, started
// several times at once by the numbering race test. Each sheet is made the
// way the trip sheet card makes it: a new sheet from the host, a proposed
// number ("GetAutoNumber"), the repeated-number check ("Validate") and the
// save; a refused sheet is started again with a fresh number.
//
//   numbering_race_worker STORE USER GO SHEETS_PER_DATE DATE[,DATE...]
//
// Prints "ready", waits for the file GO, then one line per attempt: "saved
// <number>", "checked <message>" (refused by the check) or "refused <message>"
// (refused by the store). Exits non-zero on anything else.

#include "module/module_services.h"
#include "platform/contract/date_text.h"
#include "platform/contract/host_factory.h"
#include "tests/support/module_host.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QThread>

namespace {

int fail(const QString& why)
{
    QTextStream(stderr) << why << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return fail(QStringLiteral("usage: numbering_race_worker STORE USER GO SHEETS_PER_DATE DATES"));
    QTextStream out(stdout);
    try {
        auto session = std::make_shared<bo::Session>(bo::Database::open(args.at(1)));
        session->setUserId(args.at(2).toInt());
        auto factory = std::make_shared<testhost::ScriptedHostFactory>();
        factory->setSession(session);
        vx::setHostFactory(factory);
        auto host = std::make_shared<testhost::StoreHost>(session);
        module::adoptServices(host);
        testhost::ScriptedMessages messages;
        out << "ready" << Qt::endl;
        while (!QFile::exists(args.at(3)))
            QThread::msleep(2);

        for (const QString& dateText : args.at(5).split(QLatin1Char(','))) {
            const QDate date = vx::dates::readDate(dateText).value_or(QDate());
            for (int n = 0; n < args.at(4).toInt(); ++n) {
                bool saved = false;
                for (int attempt = 0; attempt < 500 && !saved; ++attempt) {
                    const vx::VxObjectUIOPtr sheet = host->Objects().GetVxObject(QStringLiteral("O4000100"));
                    sheet->Fields().setValue(QStringLiteral("Date"), QDateTime(date, QTime(0, 0)));
                    const vx::CallResult number = sheet->Methods(QStringLiteral("GetAutoNumber"), QStringLiteral("0,''"));
                    if (number.Code != 0 || number.Value.toString().isEmpty())
                        return fail(QStringLiteral("no number for %1: %2").arg(dateText, number.Message));
                    const vx::CallResult check = sheet->Methods(QStringLiteral("Validate"), QString());
                    const vx::Status stored = check.Value == QVariant(true) ? sheet->Save() : vx::Status{};
                    saved = check.Value == QVariant(true) && stored.Code == 0;
                    out << (check.Value != QVariant(true) ? QStringLiteral("checked\t") + check.Message
                            : saved                        ? QStringLiteral("saved\t") + number.Value.toString()
                                                           : QStringLiteral("refused\t") + stored.Message)
                        << '\n';
                }
                if (!saved)
                    return fail(QStringLiteral("no sheet saved in 500 attempts"));
            }
        }
        for (const testhost::RecordedMessage& shown : messages.messages)
            out << "message\t" << shown.text << '\n';
        module::forgetServices();
        vx::setHostFactory(nullptr);
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
    return 0;
}
