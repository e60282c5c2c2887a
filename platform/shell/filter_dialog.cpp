#include "platform/shell/filter_dialog.h"

#include "platform/bo/object_types.h"
#include "platform/shell/dialog_runner.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

FilterDialog::FilterDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFilter"));
    setWindowTitle(QStringLiteral("Atrinkti"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Žodžiai, kurių kiekvienas turi būti pavadinime, kode ar numeryje:"), this);
    label->setWordWrap(true);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("txtFilter"));
    label->setBuddy(filter_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Atrinkti"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("A&tšaukti"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(label);
    layout->addWidget(filter_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(380, sizeHint().height());
}

void FilterDialog::setOID(const QString& oid)
{
    if (const bo::ObjectType* type = bo::objectType(oid))
        setWindowTitle(QStringLiteral("Atrinkti: %1").arg(type->caption));
}

QString FilterDialog::filterText() const
{
    return filter_->text().simplified();
}

QString FilterDialog::askFilter(QWidget* parent)
{
    filter_->setFocus();
    const bool chosen = runDialogOver(*this, parent) == QDialog::Accepted;
    return chosen ? filterText() : QString();
}

} // namespace shell
