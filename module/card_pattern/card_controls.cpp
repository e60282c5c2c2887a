#include "module/card_pattern/card_controls.h"

#include "platform/contract/date_text.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace CardControls {

QToolButton* chooseButton(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

QDateEdit* datePicker(QWidget* parent, const char* name)
{
    auto* picker = named(new QDateEdit(parent), name);
    picker->setDisplayFormat(vx::dates::shortDateFormat());
    picker->setCalendarPopup(true);
    return picker;
}

Panel captionPanel(QWidget* card, const QString& caption)
{
    Panel panel;
    panel.frame = named(new QGroupBox(caption, card), "SOPanel");
    QFont bold = panel.frame->font();
    bold.setBold(true);
    panel.frame->setFont(bold);
    panel.inner = new QWidget(panel.frame);
    QFont normal = card->font();
    normal.setBold(false);
    panel.inner->setFont(normal);
    auto* panelLayout = new QVBoxLayout(panel.frame);
    panelLayout->addWidget(panel.inner);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->addWidget(panel.frame);
    return panel;
}

} // namespace CardControls
