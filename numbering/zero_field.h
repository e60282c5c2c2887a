#pragma once

#include <QLineEdit>

// The counter template box: a number's digits are counted in zeros, so every
// character typed becomes "0"; Backspace and the moving and editing keys work
// as usual, and pasted text that is not all zeros is refused.
class ZeroField : public QLineEdit {
    Q_OBJECT
public:
    explicit ZeroField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
