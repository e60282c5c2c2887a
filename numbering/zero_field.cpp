#include "numbering/zero_field.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

ZeroField::ZeroField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("0*")), this));
}

void ZeroField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!character || typed == QLatin1String("0")) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent zero(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0"), event->isAutoRepeat());
    QLineEdit::keyPressEvent(&zero);
    event->accept();
}
