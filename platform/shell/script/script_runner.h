#pragma once

#include "platform/shell/script/script_answers.h"
#include "platform/shell/script/script_parser.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTextStream>
#include <QTimer>

class QDialog;
class QWidget;

namespace shell {
class HostServices;
class MainWindow;
} // namespace shell

namespace shell::script {

// Runs a script's lines against the main window, one line per turn of the
// event loop, so that a modal dialog or pop-up menu a line opens stays open
// while the following lines work on it. Checks and failures are counted;
// failures are printed with their line numbers.
class Runner final : public QObject {
    Q_OBJECT
public:
    Runner(MainWindow& window, HostServices& services, QTextStream& out);
    ~Runner() override;

    // Runs every line and returns when the last one is done (open dialogs are
    // then cancelled); prints the closing "N passed, N failed" line.
    void run(const QList<Line>& lines);

    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // The topmost open modal dialog, else the current card, else the main window.
    QWidget* activeWindow() const;
    MainWindow& window() { return window_; }
    HostServices& services() { return services_; }
    Answers& answers() { return answers_; }
    QTextStream& out() { return out_; }

    void pass() { ++passed_; }
    void fail(const QString& why);
    // Lets the following lines run while the current one waits in a nested
    // event loop (a modal dialog, a pop-up menu).
    void keepGoing();

signals:
    void finished();

private:
    void step();
    void finish();
    int runInteractive(QDialog& dialog);

    MainWindow& window_;
    HostServices& services_;
    QTextStream& out_;
    Answers answers_;
    QList<Line> lines_;
    qsizetype next_ = 0;
    int lineNumber_ = 0;
    int passed_ = 0;
    int failed_ = 0;
    bool finished_ = true;
    QTimer stepper_;
    QList<QPointer<QDialog>> dialogs_;
};

// Reads and runs a script file; the exit code: 0 only when nothing failed.
int runScriptFile(MainWindow& window, HostServices& services, const QString& file, QTextStream& out);

} // namespace shell::script
