#include "module/card_pattern/number_field.h"

#include "module/catalogue_controls.h"
#include "module/catalogue_conversions.h"
#include "platform/contract/number_text.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {}

NumberField& NumberField::setDecimals(int decimals)
{
    decimals_ = decimals;
    allowDecimal_ = decimals != 0;
    return *this;
}

NumberField& NumberField::setAllowDecimal(bool allow)
{
    allowDecimal_ = allow;
    return *this;
}

NumberField& NumberField::setAllowMinus(bool allow)
{
    allowMinus_ = allow;
    return *this;
}

NumberField& NumberField::setZeroWhenEmpty(bool zero)
{
    zeroWhenEmpty_ = zero;
    return *this;
}


double NumberField::value() const
{
    return Catalogue::TextToNumber(text());
}

void NumberField::setValue(double value)
{
    setText(decimals_ >= 0 ? vx::numbers::fixed(value, decimals_) : vx::numbers::plain(value));
}

QString NumberField::normalised(const QString& text) const
{
    if (decimals_ >= 0)
        return Catalogue::FormatNumberText(text, decimals_, zeroWhenEmpty_);
    if (vx::numbers::isNumeric(text))
        return vx::numbers::plain(Catalogue::TextToNumber(text));
    return zeroWhenEmpty_ ? QStringLiteral("0") : QString();
}

void NumberField::keyPressEvent(QKeyEvent* event)
{
    // Editing keys, shortcuts and control characters (Backspace included) are
    // the line edit's own; only typed characters are filtered.
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.size() != 1 || shortcut || !typed.at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int typedCode = typed.at(0).unicode();
    const int code = Catalogue::FilterNumberKey(typedCode, text(), allowMinus_, allowDecimal_);
    event->accept();
    if (code == typedCode)
        QLineEdit::keyPressEvent(event);
    else if (code != 0)
        insert(QString(QChar(code)));
}

void NumberField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    Catalogue::SelectAllText(this);
    // A mouse click places the cursor after the focus arrives; select again once it has.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] { Catalogue::SelectAllText(this); });
}

void NumberField::focusOutEvent(QFocusEvent* event)
{
    // A popup (the context menu) or another window taking the focus is no leaving.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        const QString normal = normalised(text());
        if (normal != text())
            setText(normal);
    }
    QLineEdit::focusOutEvent(event);
}
