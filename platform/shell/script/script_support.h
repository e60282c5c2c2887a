#pragma once

#include <QString>

class QAbstractItemView;
class QWidget;

namespace shell::script {

class Runner;

// The control of the active window a command acts on; nothing (and a
// recorded failure) when it does not exist or, for `forUse`, is disabled.
QWidget* controlFor(Runner& runner, const QString& name, bool forUse = true);
QAbstractItemView* listFor(Runner& runner, const QString& name);

// Runs the event loop for a moment so deferred one-shot actions happen.
void settleEvents();

} // namespace shell::script
