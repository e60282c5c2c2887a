#include "module/card_pattern/choice_field.h"

#include "module/catalogue_controls.h"
#include "module/catalogue_host.h"
#include "platform/contract/object_id.h"

#include <QDynamicPropertyChangeEvent>

ChoiceField::ChoiceField(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
}

void ChoiceField::setChoice(const QString& objectType, const QString& caption, const QString& kind)
{
    objectType_ = objectType;
    caption_ = caption;
    kind_ = kind;
}

QString ChoiceField::objectId() const
{
    return Catalogue::TagOf(this);
}

qint64 ChoiceField::recordNumber() const
{
    return vx::oid::recordNumber(objectId());
}

void ChoiceField::showObject(const QString& id)
{
    Catalogue::ShowObjectName(id, this);
}

void ChoiceField::clearObject()
{
    Catalogue::ClearObjectName(this);
}

QString ChoiceField::choose()
{
    return Catalogue::SelectObject(objectType_, caption_, this, kind_);
}

// The routines set the tag as a property, so its change arrives here.
bool ChoiceField::event(QEvent* event)
{
    if (event->type() == QEvent::DynamicPropertyChange
        && static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == Catalogue::tagProperty) {
        const QString id = objectId();
        if (id != shownId_) {
            shownId_ = id;
            emit objectChanged(id);
        }
    }
    return QLineEdit::event(event);
}
