#pragma once

#include <QString>

class QGroupBox;
class QWidget;

// The panel a card sits in: a group box "SOPanel" that fills the card, whose
// bold title is the card's caption, holding one inner widget in the card's
// normal font for the card's own controls and layout.
struct CaptionPanel {
    QGroupBox* panel = nullptr;
    QWidget* inner = nullptr;
};

CaptionPanel makeCaptionPanel(QWidget* card, const QString& caption);
