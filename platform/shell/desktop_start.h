#pragma once

#include "platform/bo/session.h"

#include <QString>

#include <memory>

class QTemporaryDir;

namespace shell {

class MainWindow;

// How the desktop application is started.
struct StartOptions {
    QString database;   // --db or KELMIRA_DB; empty: the default store
    QString user;       // --user: skip the login dialog when the user has no password
    bool demo = false;  // --demo: a fresh demo store (in a temporary file unless --db names one)
    QString screenshot; // --screenshot FILE
    QString openId;     // --open OID: a card to open at start
    QString script;     // --script FILE: run the file's lines instead of waiting for a user
    bool dump = false;  // --dump: print the controls of the active card (or window) and exit

    // Nobody is at the keyboard (a script, a screenshot, a dump): nothing may
    // wait for a person, so every problem is a line on stderr and an exit code.
    bool unattended() const { return !script.isEmpty() || !screenshot.isEmpty() || dump; }
};

// Opens the store the options name. Unattended, a store that cannot be opened
// is one line on stderr and no session; in the window the user is told why
// and may pick another store file (the options then name it) or quit.
bo::SessionPtr openStartStore(StartOptions& options, std::unique_ptr<QTemporaryDir>& demoFolder);

// Opens the store, logs the user in, loads the modules and shows the main
// window. Returns the process exit code; problems are told to the user in
// Lithuanian and never crash.
int runDesktop(const StartOptions& options);

} // namespace shell
