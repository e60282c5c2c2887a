#pragma once

#include "module/card_pattern/number_field.h"

// A number field of the trip sheet: three decimals when normalised, then
// written in its shortest form when the user leaves it; it tells when the
// user has left it, after that rewrite, so the sheet can raise the end
// reading or recompute the fuel panel. A rewrite that only changes how the
// same number is written ("12,500" to "12,5") is no edit of the sheet.
class TripNumberField final : public NumberField {
    Q_OBJECT
public:
    explicit TripNumberField(QWidget* parent = nullptr);

    // The text a leaving user leaves behind.
    QString leftForm(const QString& text) const;

signals:
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
