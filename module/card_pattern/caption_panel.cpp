#include "module/card_pattern/caption_panel.h"

#include <QGroupBox>
#include <QVBoxLayout>

CaptionPanel makeCaptionPanel(QWidget* card, const QString& caption)
{
    CaptionPanel made;
    made.panel = new QGroupBox(caption, card);
    made.panel->setObjectName(QStringLiteral("SOPanel"));
    QFont bold = made.panel->font();
    bold.setBold(true);
    made.panel->setFont(bold);
    // The panel's caption is bold; what it holds keeps the card's own font.
    made.inner = new QWidget(made.panel);
    QFont normal = card->font();
    normal.setBold(false);
    made.inner->setFont(normal);

    auto* panelLayout = new QVBoxLayout(made.panel);
    panelLayout->addWidget(made.inner);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->addWidget(made.panel);
    return made;
}
