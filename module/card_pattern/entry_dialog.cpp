#include "module/card_pattern/entry_dialog.h"

#include "module/card_pattern/card_controls.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cards {

EntryDialog::EntryDialog(const QString& className, const QString& caption, QWidget* parent)
    : QDialog(parent), title_(Catalogue::MessageTitle())
{
    setObjectName(className);
    setWindowTitle(caption);
    grid_ = new QGridLayout;
    grid_->setColumnStretch(1, 1);

    cmdWrite_ = new QPushButton(QStringLiteral("&Įrašyti"), this);
    cmdWrite_->setObjectName(QStringLiteral("cmdWrite"));
    cmdWrite_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("&Atšaukti"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdWrite_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    layout->addStretch();
    layout->addLayout(buttons);
}

bool EntryDialog::openObject(const QString& oidr)
{
    isNew_ = !vx::oid::hasRecord(oidr);
    object_ = Catalogue::GetEditor(oidr);
    return object_ != nullptr;
}

bool EntryDialog::saveObject(QMessageBox::Icon refusalIcon)
{
    const vx::Status status = object_->Save();
    if (!status.ok()) {
        Catalogue::ShowMessage(status.Message + QStringLiteral("\r\nĮrašymas neatliktas!"), title_, refusalIcon,
                               QMessageBox::Ok);
        return false;
    }
    object_->Read();
    markSaved(object_->OIDR());
    return true;
}

void EntryDialog::markSaved(const QString& savedOidr)
{
    result_.savedOidr = savedOidr;
    result_.cancelled = false;
}

void EntryDialog::handle(const std::function<void()>& handler)
{
    runAsHandler(*this, title_, handler);
}

void EntryDialog::letFieldsGrow()
{
    if (auto* box = qobject_cast<QBoxLayout*>(layout()))
        box->setStretchFactor(grid_, 1);
}

void EntryDialog::setTabChain(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}

void EntryDialog::addLabel(const QString& caption, QWidget* field, int row, int column)
{
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    grid_->addWidget(label, row, column);
}

QWidget* chooserRow(QWidget* nameBox, QPushButton* button, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    nameBox->setParent(row);
    button->setParent(row);
    button->setText(QStringLiteral("..."));
    button->setMaximumWidth(32);
    layout->addWidget(nameBox, 1);
    layout->addWidget(button);
    return row;
}

NumberField* numberField(const char* name, int decimals, QWidget* parent)
{
    auto* field = new NumberField(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setDecimals(decimals).setZeroWhenEmpty(true);
    field->setAlignment(Qt::AlignRight);
    return field;
}

ChoiceField* choiceField(const char* name, const QString& type, const QString& caption, const QString& kind,
                         QWidget* parent)
{
    auto* field = new ChoiceField(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setChoice(type, caption, kind);
    return field;
}

QPushButton* namedButton(const char* name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QDateEdit* dateField(const char* name, QWidget* parent)
{
    return CardControls::datePicker(parent, name);
}

} // namespace cards
