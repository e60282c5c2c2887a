#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

// Keyboard and mouse input made up for a scripted session: the events a
// person's key presses and clicks would deliver to a widget, sent straight to
// it. The shipped programs drive their own windows with these, so they need no
// test library.
namespace shell::script::input {

// A key pressed and released on `target`; `text` is what the key types.
void keyClick(QWidget* target, Qt::Key key, const QString& text = QString(),
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A left click at `at`, giving the focus to the widget as a click would.
void mouseClick(QWidget* target, QPoint at);

// Two left clicks at `at` that count as a double-click.
void mouseDoubleClick(QWidget* target, QPoint at);

} // namespace shell::script::input
