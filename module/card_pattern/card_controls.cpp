#include "module/card_pattern/card_controls.h"

#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace CardControls {
namespace {

// The keys that clear a picker or give it a date to edit.
class NoDateKeys final : public QObject {
public:
    explicit NoDateKeys(QDateEdit* picker) : QObject(picker), picker_(picker) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            picker_->setDate(picker_->minimumDate());
            return true;
        }
        if (picker_->date() == picker_->minimumDate() && !key->text().isEmpty() && key->text().at(0).isDigit()) {
            picker_->setDate(vx::clock::today());
            picker_->setSelectedSection(QDateTimeEdit::YearSection);
        }
        return false;
    }

private:
    QDateEdit* picker_;
};

} // namespace

QToolButton* chooseButton(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

void allowNoDate(QDateEdit* picker)
{
    picker->setMinimumDate(vx::dates::noDate());
    picker->setSpecialValueText(QStringLiteral("nenurodyta"));
    picker->installEventFilter(new NoDateKeys(picker));
}

QDateEdit* datePicker(QWidget* parent, const char* name)
{
    auto* picker = named(new QDateEdit(parent), name);
    picker->setDisplayFormat(vx::dates::shortDateFormat());
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace CardControls
