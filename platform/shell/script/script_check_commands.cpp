// The commands that check and report what the application shows.
#include "platform/shell/main_window.h"
#include "platform/shell/script/script_commands.h"
#include "platform/shell/script/script_controls.h"
#include "platform/shell/script/script_runner.h"
#include "platform/shell/script/script_support.h"

#include <QPixmap>
#include <QWidget>

namespace shell::script::commands {
namespace {

// Message texts carry "\r\n" line breaks; a script may write either form.
QString plainBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Booleans read the same whichever way a script writes them.
QString normalised(const QString& value)
{
    const QString lower = value.toLower();
    if (lower == QLatin1String("true") || lower == QLatin1String("1"))
        return QStringLiteral("True");
    if (lower == QLatin1String("false") || lower == QLatin1String("0"))
        return QStringLiteral("False");
    return value;
}

void check(Runner& r, bool ok, const QString& why)
{
    if (ok)
        r.pass();
    else
        r.fail(why);
}

// `expect focus CONTROL`: the control holding the keyboard focus.
void expectFocus(Runner& r, const QString& name)
{
    if (!controlFor(r, name, false))
        return;
    const QString focused = focusedControl(r.activeWindow());
    // Focus that left the card is named where the main window shows it.
    const QString elsewhere = focused.isEmpty() ? focusedControl(&r.window()) : QString();
    check(r, focused == name,
          !focused.isEmpty()    ? QStringLiteral("the focus is on %1, expected %2").arg(focused, name)
          : !elsewhere.isEmpty() ? QStringLiteral("the focus left for %1, expected %2").arg(elsewhere, name)
                                 : QStringLiteral("no control has the focus, expected %1").arg(name));
}

} // namespace

void expect(Runner& r, const QStringList& a)
{
    if (a.size() == 2) {
        if (a.at(0) == QLatin1String("focus"))
            expectFocus(r, a.at(1));
        else
            r.fail(QStringLiteral("expect takes CONTROL PROPERTY VALUE or focus CONTROL"));
        return;
    }
    QWidget* control = controlFor(r, a.at(0), false);
    if (!control)
        return;
    QString error;
    const std::optional<QString> value = readProperty(control, a.at(1), &error);
    if (!value) {
        r.fail(error);
        return;
    }
    const bool flag = a.at(1) == QLatin1String("enabled") || a.at(1) == QLatin1String("visible") || a.at(1) == QLatin1String("checked");
    const bool same = flag ? normalised(*value) == normalised(a.at(2)) : *value == a.at(2);
    check(r, same, QStringLiteral("%1 %2 is \"%3\", expected \"%4\"").arg(a.at(0), a.at(1), *value, a.at(2)));
}

void expectmsg(Runner& r, const QStringList& a)
{
    const QList<Message> shown = r.answers().takeUnchecked();
    if (shown.isEmpty()) {
        r.fail(QStringLiteral("no message box was shown; expected \"%1\"").arg(a.at(0)));
        return;
    }
    const Message& last = shown.last();
    QStringList wrong;
    if (plainBreaks(last.text) != plainBreaks(a.at(0)))
        wrong << QStringLiteral("text \"%1\"").arg(last.text);
    if (a.size() > 1 && last.title != a.at(1))
        wrong << QStringLiteral("title \"%1\"").arg(last.title);
    if (a.size() > 2 && Answers::iconName(last.icon) != a.at(2).toLower())
        wrong << QStringLiteral("icon %1").arg(Answers::iconName(last.icon));
    check(r, wrong.isEmpty(), QStringLiteral("the message box had %1").arg(wrong.join(QStringLiteral(", "))));
}

void nomsg(Runner& r, const QStringList&)
{
    const QList<Message> shown = r.answers().takeUnchecked();
    check(r, shown.isEmpty(), QStringLiteral("a message box was shown: %1").arg(shown.isEmpty() ? QString() : shown.last().text));
}

void dump(Runner& r, const QStringList&)
{
    for (const QString& line : describeControls(r.activeWindow()))
        r.out() << line << '\n';
    r.out().flush();
}

void messages(Runner& r, const QStringList&)
{
    for (const Message& m : r.answers().messages()) {
        QString text = m.text;
        text.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        r.out() << m.title << '\t' << Answers::iconName(m.icon) << '\t' << Answers::buttonNames(m.buttons) << '\t' << text << '\n';
    }
    r.out().flush();
}

// An optional WIDTHxHEIGHT sizes the main window first, as a screen of that size would show it.
void screenshot(Runner& r, const QStringList& a)
{
    if (a.size() > 1) {
        const QStringList size = a.at(1).split(QLatin1Char('x'));
        bool wide = false, high = false;
        const int width = size.value(0).toInt(&wide), height = size.value(1).toInt(&high);
        if (size.size() != 2 || !wide || !high || width < 100 || height < 100) {
            r.fail(QStringLiteral("no window size %1 (WIDTHxHEIGHT)").arg(a.at(1)));
            return;
        }
        r.window().resize(width, height);
    }
    settleEvents();
    if (!r.activeWindow()->grab().save(a.at(0), "PNG"))
        r.fail(QStringLiteral("cannot write %1").arg(a.at(0)));
}

} // namespace shell::script::commands
