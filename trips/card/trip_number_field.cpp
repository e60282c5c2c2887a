#include "trips/card/trip_number_field.h"

#include "module/catalogue_conversions.h"
#include "platform/contract/number_text.h"

#include <QFocusEvent>
#include <QSignalBlocker>

TripNumberField::TripNumberField(QWidget* parent) : NumberField(parent)
{
    setDecimals(3).setZeroWhenEmpty(true);
}

QString TripNumberField::leftForm(const QString& text) const
{
    return vx::numbers::plain(Catalogue::TextToNumber(normalised(text)));
}

void TripNumberField::focusOutEvent(QFocusEvent* event)
{
    // A popup (the context menu) or another window taking the focus is no leaving.
    const bool leaving = event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
    if (leaving) {
        const QString form = leftForm(text());
        if (form != text()) {
            const bool sameNumber =
                vx::numbers::isNumeric(text()) && vx::numbers::readLocale(text()) == vx::numbers::readLocale(form);
            const QSignalBlocker quiet(sameNumber ? this : nullptr);
            setText(form);
        }
    }
    // The line edit's own leaving (the normal form is already written).
    QLineEdit::focusOutEvent(event);
    if (leaving)
        emit left();
}
