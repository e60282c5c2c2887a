#include "app/ctl_document_commands.h"

#include "app/ctl_session.h"
#include "app/startup.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_services.h"

#include <QFileInfo>
#include <QStringList>

namespace ctl {
namespace {

const QString sheetType = QStringLiteral("O4000100");

// Runs one method of the trip sheet's editor, with the module loaded and the
// host's services over the store, as the administrator.
int runSheetMethod(const QString& location, const QString& oid, const QString& method, const QStringList& arguments,
                   QTextStream& err)
{
    if (vx::oid::typeId(oid) != sheetType || !vx::oid::hasRecord(oid)) {
        err << "Ne kelionės lapo identifikatorius: " << oid << Qt::endl;
        return 2;
    }
    Startup startup = startModule();
    if (!startup.tables) {
        err << "Modulis neįkeltas: " << startup.error << Qt::endl;
        return 1;
    }
    // The store is closed here, while the application still runs, not at exit.
    const struct FactoryReset {
        ~FactoryReset() { vx::setHostFactory(nullptr); }
    } reset;
    return withSession(location, err, [&](bo::Session& session) {
        startup.factory->setSession(session.shared_from_this());
        auto services = std::make_shared<shell::HostServices>(session.shared_from_this(), *startup.loader);
        services->addModule(*startup.tables);
        // Nobody is there to answer: every message is told on the error stream.
        const vx::messages::Handler previous = vx::messages::setHandler(
            [&err](const QString& text, const QString& title, QMessageBox::Icon, QMessageBox::StandardButtons) {
                err << title << ": " << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << Qt::endl;
                return QMessageBox::Ok;
            });
        int code = 0;
        const vx::VxObjectUIOPtr editor = services->Objects().GetVxObject(oid);
        if (!editor) {
            err << "Nėra kelionės lapo " << oid << Qt::endl;
            code = 1;
        } else {
            QStringList items;
            for (const QString& argument : arguments)
                items << vx::arguments::quoted(argument);
            const vx::CallResult result = editor->Methods(method, items.join(QLatin1Char(',')));
            if (result.Code != 0) {
                err << result.Message << Qt::endl;
                code = 1;
            }
        }
        vx::messages::setHandler(previous);
        startup.factory->setSession(nullptr);
        return code;
    });
}

} // namespace

int printSheet(const QString& location, const QString& oid, const QString& pdfPath, QTextStream& out,
               QTextStream& err)
{
    const QString path = QFileInfo(pdfPath).absoluteFilePath();
    const int code = runSheetMethod(location, oid, QStringLiteral("Print"), {path}, err);
    if (code == 0)
        out << path << Qt::endl;
    return code;
}

int exportSheet(const QString& location, const QString& oid, const QString& templatePath, const QString& outputPath,
                QTextStream& out, QTextStream& err)
{
    const QString path = QFileInfo(outputPath).absoluteFilePath();
    const int code = runSheetMethod(location, oid, QStringLiteral("ExportToWord"),
                                    {QFileInfo(templatePath).absoluteFilePath(), path}, err);
    if (code == 0)
        out << path << Qt::endl;
    return code;
}

} // namespace ctl
