#include "platform/shell/desktop_start.h"

#include "platform/bo/demo_seed.h"
#include "platform/bo/session.h"
#include "platform/bo/users.h"
#include "platform/contract/clock.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_dialog_functions.h"
#include "platform/shell/host_services.h"
#include "platform/shell/login.h"
#include "platform/shell/main_window.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/module_tables.h"
#include "platform/shell/reports/report_runner.h"
#include "platform/shell/script/script_controls.h"
#include "platform/shell/script/script_runner.h"
#include "platform/shell/shell_host_factory.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace shell {
namespace {

const QString moduleLibrary = QStringLiteral("Kelmira");

// Unattended runs get one line on stderr, so a log shows each failure as one entry.
void tell(const StartOptions& options, const QString& text, QMessageBox::Icon icon = QMessageBox::Critical)
{
    if (options.unattended())
        std::fprintf(stderr, "%s\n", qPrintable(text.simplified()));
    else
        vx::messages::show(text, HostServices::productName, icon, QMessageBox::Ok);
}

bo::SessionPtr openStore(const StartOptions& options, std::unique_ptr<QTemporaryDir>& demoFolder)
{
    QString location = options.database;
    if (options.demo && location.isEmpty()) {
        demoFolder = std::make_unique<QTemporaryDir>();
        location = demoFolder->filePath(QStringLiteral("demo.sqlite"));
    }
    // Only the default store and the demo store are made when missing: a
    // mistyped --db path must not start an empty store.
    const bool mayCreate = options.database.isEmpty() || options.demo;
    bo::SessionPtr session = bo::Session::open(
        location, mayCreate ? bo::Database::Creation::Allowed : bo::Database::Creation::Refused);
    if (options.demo && bo::isEmptyStore(*session))
        bo::seedDemo(*session, vx::clock::today());
    return session;
}

bool logIn(bo::Session& session, const StartOptions& options)
{
    // The demo store is there to be looked at: it opens as its administrator unless another user is named.
    const QString user = options.user.isEmpty() && options.demo ? QStringLiteral("admin") : options.user;
    if (!user.isEmpty()) {
        const bo::users::Account account = bo::users::find(session, user);
        if (account.id > 0 && account.passwordHash.isEmpty()) {
            session.setUserId(account.id);
            return true;
        }
    }
    if (options.unattended()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("Be naudotojo prie klaviatūros prisijungti galima tik naudotojo be "
                                               "slaptažodžio vardu (--user).")));
        return false;
    }
    LoginDialog dialog(
        std::shared_ptr<bo::Session>(&session, [](bo::Session*) {}), options.user);
    return dialog.exec() == QDialog::Accepted;
}

void openCard(HostServices& services, const QString& id)
{
    vx::VxObjectUIPtr controller = services.Objects().GetVxObjectUI(vx::oid::typeId(id));
    if (!controller || !controller->AddToDeskTopVxObject(id))
        std::fprintf(stderr, "Cannot open %s\n", qPrintable(id));
}

int takeScreenshot(MainWindow& window, const QString& file)
{
    window.show();
    int code = 0;
    QTimer::singleShot(400, &window, [&] {
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
            code = 1;
        }
        QApplication::exit(code);
    });
    QApplication::exec();
    return code;
}

} // namespace

int runDesktop(const StartOptions& options)
{
    std::unique_ptr<QTemporaryDir> demoFolder;
    bo::SessionPtr session;
    try {
        session = openStore(options, demoFolder);
    } catch (const bo::StorageError& e) {
        tell(options, QStringLiteral("Nepavyko atidaryti duomenų bazės: %1").arg(e.message()));
        return 1;
    }
    if (session->readOnly())
        tell(options, QStringLiteral("Duomenų bazė atidaryta tik skaityti: duomenis galima peržiūrėti, bet pakeitimų "
                                     "išsaugoti negalima."),
             QMessageBox::Information);
    try {
        if (!logIn(*session, options))
            return options.unattended() ? 1 : 0;
    } catch (const bo::StorageError& e) {
        tell(options, e.message());
        return 1;
    }

    // Nothing may wait for a person unattended: reports compute in place, without their progress dialog.
    setReportProgress(!options.unattended());
    auto factory = std::make_shared<ShellHostFactory>();
    factory->setSession(session);
    vx::setHostFactory(factory);
    ModuleLoader loader;
    auto services = std::make_shared<HostServices>(session, loader);
    addDialogFunctions(*services);
    MainWindow window(services);

    QString error;
    std::optional<ModuleTables> tables;
    if (loader.ensureBundledRegistered(moduleLibrary, &error))
        tables = readModuleTables(loader, *factory, moduleLibrary, &error);
    if (tables) {
        services->addModule(*tables);
        window.addModule(*tables);
        window.selectNode(QStringLiteral("CTransportTrips"));
    } else {
        window.reportModuleError(moduleLibrary, error);
    }
    if (!options.openId.isEmpty())
        openCard(*services, options.openId);

    int code = 0;
    if (!options.script.isEmpty()) {
        window.show();
        QTextStream out(stdout);
        code = script::runScriptFile(window, *services, options.script, out);
    } else if (options.dump) {
        window.show();
        QWidget* active = window.desktopTabs()->currentIndex() > 0 ? window.desktopTabs()->currentWidget() : &window;
        QTextStream out(stdout);
        for (const QString& line : script::describeControls(active))
            out << line << '\n';
    } else if (!options.screenshot.isEmpty()) {
        code = takeScreenshot(window, options.screenshot);
    } else {
        window.show();
        code = QApplication::exec();
    }
    vx::setHostFactory(nullptr);
    return code;
}

} // namespace shell
