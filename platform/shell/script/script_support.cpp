#include "platform/shell/script/script_support.h"

#include "platform/shell/script/script_controls.h"
#include "platform/shell/script/script_runner.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QElapsedTimer>

namespace shell::script {

QWidget* controlFor(Runner& runner, const QString& name, bool forUse)
{
    QWidget* control = findControl(runner.activeWindow(), name);
    if (!control) {
        runner.fail(QStringLiteral("no control %1 in %2").arg(name, runner.activeWindow()->objectName()));
        return nullptr;
    }
    if (forUse && !control->isEnabled()) {
        runner.fail(QStringLiteral("%1 is disabled").arg(name));
        return nullptr;
    }
    return control;
}

QAbstractItemView* listFor(Runner& runner, const QString& name)
{
    QWidget* control = controlFor(runner, name);
    auto* view = qobject_cast<QAbstractItemView*>(control);
    if (control && !view)
        runner.fail(QStringLiteral("%1 is not a list").arg(name));
    return view;
}

void settleEvents()
{
    // Deferred actions are zero- or short-interval timers; a few rounds catch
    // the ones they start in turn.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

} // namespace shell::script
