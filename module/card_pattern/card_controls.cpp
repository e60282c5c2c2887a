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

} // namespace CardControls
