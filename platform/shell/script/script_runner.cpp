#include "platform/shell/script/script_runner.h"

#include "platform/shell/main_window.h"
#include "platform/shell/script/script_commands.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QTabWidget>

namespace shell::script {

Runner::Runner(MainWindow& window, HostServices& services, QTextStream& out)
    : window_(window), services_(services), out_(out),
      answers_([this](const QString& why) { fail(why); }, [this](QDialog& dialog) { return runInteractive(dialog); })
{
    stepper_.setSingleShot(true);
    stepper_.setInterval(0);
    connect(&stepper_, &QTimer::timeout, this, &Runner::step);
}

Runner::~Runner() = default;

void Runner::run(const QList<Line>& lines)
{
    lines_ = lines;
    next_ = 0;
    finished_ = false;
    QEventLoop loop;
    connect(this, &Runner::finished, &loop, &QEventLoop::quit);
    stepper_.start();
    loop.exec();
    out_ << passed_ << " passed, " << failed_ << " failed" << Qt::endl;
}

void Runner::fail(const QString& why)
{
    ++failed_;
    out_ << "line " << lineNumber_ << ": " << why << Qt::endl;
}

void Runner::keepGoing()
{
    if (!finished_)
        stepper_.start();
}

void Runner::step()
{
    if (finished_)
        return;
    if (next_ >= lines_.size()) {
        finish();
        return;
    }
    const Line& line = lines_.at(next_++);
    lineNumber_ = line.number;
    if (!line.error.isEmpty())
        fail(line.error);
    else
        runCommand(*this, line.words);
    keepGoing();
}

void Runner::finish()
{
    finished_ = true;
    // Dialogs the script left open are cancelled so their callers return.
    for (qsizetype i = dialogs_.size() - 1; i >= 0; --i)
        if (dialogs_.at(i))
            dialogs_.at(i)->reject();
    emit finished();
}

int Runner::runInteractive(QDialog& dialog)
{
    if (finished_)
        return QDialog::Rejected;
    dialogs_ << &dialog;
    QEventLoop loop;
    connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    // A window becoming active gives its first control the focus; do it now,
    // as the offscreen screen activates windows only later.
    for (QWidget* w = dialog.nextInFocusChain(); !dialog.focusWidget() && w != &dialog; w = w->nextInFocusChain())
        if (dialog.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible())
            w->setFocus(Qt::ActiveWindowFocusReason);
    keepGoing();
    if (dialog.isVisible())
        loop.exec();
    dialogs_.removeAll(&dialog);
    // The window under a closed dialog is active again, its focused control
    // with it, as a window system makes it.
    QWidget* under = dialog.parentWidget() ? dialog.parentWidget()->window() : &window_;
    if (under->isVisible())
        under->activateWindow();
    return dialog.result();
}

QWidget* Runner::activeWindow() const
{
    for (qsizetype i = dialogs_.size() - 1; i >= 0; --i)
        if (dialogs_.at(i) && dialogs_.at(i)->isVisible())
            return dialogs_.at(i);
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QTabWidget* tabs = window_.desktopTabs();
    if (tabs->currentIndex() > 0)
        return tabs->currentWidget();
    return &window_;
}

int runScriptFile(MainWindow& window, HostServices& services, const QString& file, QTextStream& out)
{
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        out << "Cannot read " << file << ": " << source.errorString() << Qt::endl;
        out << "0 passed, 1 failed" << Qt::endl;
        return 1;
    }
    Runner runner(window, services, out);
    runner.run(readScript(QString::fromUtf8(source.readAll())));
    return runner.failed() == 0 ? 0 : 1;
}

} // namespace shell::script
