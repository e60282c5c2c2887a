#include "documents/export_notice.h"

#include "documents/catalogue_print_document.h"
#include "platform/contract/message_door.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace documents {

bool desktopOpens(const QString& path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(path).name()});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(path)
    return true;
#endif
}

void tellWritten(const QString& path, const QString& title)
{
    const bool opens = desktopOpens(path);
    if (opens)
        CataloguePrintDocument::openDocument(path);
    QString text = QStringLiteral("Dokumentas įrašytas:\r\n") + QDir::toNativeSeparators(path);
    if (!opens)
        text += QStringLiteral("\r\n\r\nŠiame kompiuteryje nėra programos, kuri atvertų .%1 dokumentus, todėl "
                               "dokumentas neatvertas.")
                    .arg(QFileInfo(path).suffix());
    const QMessageBox::StandardButton answer =
        vx::messages::show(text, title, QMessageBox::Information, QMessageBox::Open | QMessageBox::Ok,
                           {{QMessageBox::Open, QStringLiteral("Atidaryti aplanką")}});
    if (answer == QMessageBox::Open)
        CataloguePrintDocument::openDocument(QFileInfo(path).absolutePath());
}

} // namespace documents
