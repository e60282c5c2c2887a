#include "module/card_pattern/card_controls.h"

#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"

#include <QCoreApplication>
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

// Tab leaves a picker for the next control of its window instead of moving
// between the parts of the date (the arrow keys move between them).
class TabLeaves final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
            || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        // The parent moves the focus on as it does for any control without
        // Tab of its own, up to the card or the dialog around it.
        auto* picker = static_cast<QWidget*>(watched);
        QKeyEvent moved(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(picker->parentWidget(), &moved);
        return true;
    }
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
    picker->installEventFilter(new TabLeaves(picker));
    return picker;
}

} // namespace CardControls
