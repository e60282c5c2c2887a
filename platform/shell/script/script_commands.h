#pragma once

#include <QStringList>

namespace shell::script {

class Runner;

// Carries out one script line (its first word is the command). Anything that
// goes wrong is recorded on the runner as a failure of the line.
void runCommand(Runner& runner, const QStringList& words);

// The commands by kind; each gets the words after the command name, already
// checked for their count.
namespace commands {
void node(Runner& r, const QStringList& a);
void menu(Runner& r, const QStringList& a);
void open(Runner& r, const QStringList& a);
void type(Runner& r, const QStringList& a);
void key(Runner& r, const QStringList& a);
void set(Runner& r, const QStringList& a);
void click(Runner& r, const QStringList& a);
void rclick(Runner& r, const QStringList& a);
void choose(Runner& r, const QStringList& a);
void tab(Runner& r, const QStringList& a);
void select(Runner& r, const QStringList& a);
void dblclick(Runner& r, const QStringList& a);
void drop(Runner& r, const QStringList& a);
void settle(Runner& r, const QStringList& a);
void close(Runner& r, const QStringList& a);
void answer(Runner& r, const QStringList& a);
void pick(Runner& r, const QStringList& a);
void pickrow(Runner& r, const QStringList& a);
void period(Runner& r, const QStringList& a);
void filter(Runner& r, const QStringList& a);
void file(Runner& r, const QStringList& a);
void expect(Runner& r, const QStringList& a);
void expectmsg(Runner& r, const QStringList& a);
void nomsg(Runner& r, const QStringList& a);
void dump(Runner& r, const QStringList& a);
void messages(Runner& r, const QStringList& a);
void screenshot(Runner& r, const QStringList& a);
} // namespace commands

} // namespace shell::script
