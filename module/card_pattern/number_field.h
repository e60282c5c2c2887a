#pragma once

#include <QLineEdit>


// A text box for a number. Typing goes through the shared key filter (digits,
// Backspace, one decimal comma with "." read as ",", a minus only when
// allowed); the whole text is selected when the box gets the focus; leaving it
// writes the number in its normal form: exactly `decimals` decimals, or the
// shortest form when decimals is negative; text that is no number becomes
// empty, or zero when the box is set so.
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);

    // Decimals of the normal form; 0 also refuses the decimal comma; -1 (the
    // default) keeps the shortest form.
    NumberField& setDecimals(int decimals);
    // Takes a typed decimal comma even so (after setDecimals): a whole-number
    // field whose comma is rounded away on leaving.
    NumberField& setAllowDecimal(bool allow);
    NumberField& setAllowMinus(bool allow);
    NumberField& setZeroWhenEmpty(bool zero);

    int decimals() const { return decimals_; }
    bool allowsMinus() const { return allowMinus_; }
    bool zeroWhenEmpty() const { return zeroWhenEmpty_; }

    // The number the text holds, 0 when it holds none.
    double value() const;
    // Shows a number in the box's normal form.
    void setValue(double value);
    // The normal form of a text.
    QString normalised(const QString& text) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int decimals_ = -1;
    bool allowDecimal_ = true;
    bool allowMinus_ = false;
    bool zeroWhenEmpty_ = false;
};
